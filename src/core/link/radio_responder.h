#pragma once

#include "core/model/radio_image.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A radio's side of the protocol: takes the program's bytes as they arrive,
// answers each complete request from its memory image and stores written
// blocks. Faults can be switched on to test the program's handling of them.
class RadioResponder {
public:
    struct Faults {
        int corruptChecksumAt = -1; // read reply of this block: checksum off by one, once
        int wrongAddressAt = -1;    // read reply of this block names the next block, once
        int badStoreAt = -1; // the block holding this byte is acknowledged but stores it changed
        int silentHandshakes = 0; // this many handshakes go unanswered
        bool skipEndAck = false;  // END is never acknowledged
        int dropLineAt = -1;      // the line goes dead at this block (read or write)
        int dropLineAtRead = -1;  // ... at a read of this block (a write's read-back)
        // After each completed write the radio answers this many more
        // handshakes, is then unplugged (four handshakes go unanswered) and
        // replaced by a fresh radio; -1 never swaps.
        int swapAfterWrite = -1;
    };

    RadioResponder();

    // The image a swapped-in radio starts with (all 0xFF unless set).
    void setFreshImage(const RadioImage& fresh) { freshImage_ = fresh; }

    RadioImage image{};
    QString modelCode = QStringLiteral("PK2323");
    QString firmware = QStringLiteral("V100");
    Faults faults;

    // Feeds received bytes; returns the replies to every request they complete,
    // in order (an unanswered request adds nothing).
    QList<QByteArray> Feed(const QByteArray& bytes);

    bool lineDropped() const { return lineDropped_; }
    bool inProgramMode() const { return programMode_; }
    int handshakesSeen() const { return handshakes_; }
    int endsSeen() const { return ends_; }
    int blocksWritten() const { return blocksWritten_; }
    // Each completed write (END after at least one block) counts once.
    int writesCompleted() const { return writesCompleted_; }
    // Radios attached so far when swapping: 1 for the first.
    int radioNumber() const { return radioNumber_; }

private:
    QByteArray Respond(const QByteArray& request);
    // The handshake as seen by a radio that may be swapped after a write.
    bool AnswerHandshake();
    // Length of the complete request at the start of the buffer, 0 if it is
    // still incomplete, -1 when the first byte starts no request.
    qsizetype RequestLength() const;

    QByteArray buffer_;
    bool programMode_ = false;
    bool lineDropped_ = false;
    int handshakes_ = 0;
    int ends_ = 0;
    int blocksWritten_ = 0;
    int blocksSinceHandshake_ = 0;
    int writesCompleted_ = 0;
    int radioNumber_ = 1;
    int answeredSinceWrite_ = -1; // -1: no write waiting for a swap
    bool swapping_ = false;
    RadioImage freshImage_{};
};
