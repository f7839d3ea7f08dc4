#pragma once

#include "core/base/file_problem.h"
#include "core/base/prompter.h"
#include "core/link/link_packets.h"
#include "core/model/radio_image.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Catalogue;
class RadioModel;
class VersionTable;

// The time the radio has for each reply; the line's unit of waiting.
constexpr int kReplyTimeMs = 300;

// The line a transfer runs over: the port and the 300 ms reply timer. The
// engine itself does no I/O and keeps no time.
class LinkPort {
public:
    virtual ~LinkPort() = default;

    // Opens the configured port (9600 baud, no parity, 8 data bits, the
    // configured stop bits and handshaking); false when it cannot be opened.
    virtual bool OpenPort() = 0;
    virtual void ClosePort() = 0;
    // Discards whatever is buffered in both directions, sends the packet and
    // reports the reply once `replyThreshold` bytes are buffered.
    virtual void SendPacket(const QByteArray& packet, int replyThreshold) = 0;
    // Armed while a reply is awaited.
    virtual void StartReplyTimer() = 0;
    virtual void StopReplyTimer() = 0;
    // How long StartReplyTimer waits.
    virtual int ReplyTimeMs() const { return kReplyTimeMs; }
    // Runs out after kReplyTimeMs like a reply time-out, with no reply awaited.
    virtual void StartPause() { StartReplyTimer(); }
    // A reply came but is not the one awaited, and why (for the trace).
    virtual void ReplyRefused(const QString& why) { (void)why; }
    // Why the last OpenPort failed (the device or port name and the cause).
    virtual FileProblem OpenProblem() const { return {}; }
    // The port as the user knows it, "COM33 (/dev/ttyUSB0)"; "" when unknown.
    virtual QString PortLabel() const { return {}; }
};

// What a transfer shows the user; the windows and the command-line tool
// each provide one.
class LinkUi {
public:
    virtual ~LinkUi() = default;
    virtual void ShowProgress(int percent) = 0;
    // Group write: the number of the radio in work (1 = the first).
    virtual void ShowRadioNumber(int radio) = 0;
    virtual PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) = 0;
    // The progress window goes away.
    virtual void CloseProgress() = 0;
    // Every block of a read arrived verified: the image becomes the radio data.
    virtual void CompleteRead() = 0;
    // The user asked to start the program version that handles this firmware.
    virtual void LaunchVersion(const QString& firmware) = 0;
    // Last call of every transfer.
    virtual void TransferEnded(bool success) = 0;
    // The radio in work acknowledged the END of its write: it holds every
    // block, whatever happens next (a question to stop it is moot now).
    virtual void WriteCompleted() {}
    // Group write: radio `written` (counted from 1) has all its blocks; `more`
    // when the transfer waits for the next radio.
    virtual void RadioWritten(int written, bool more) {
        (void)written;
        (void)more;
    }
    // Group write: whether the radio just identified may be written now. With
    // several ports the radios in work elsewhere may make up the count: the
    // radio is then held and asked for again, until EndGroup.
    virtual bool MayStartRadio() { return true; }
};

// Where a write is recorded while it runs (the write journal): Started
// before a radio's first block, Finished once that radio holds the whole
// write or the transfer has ended and said how.
class WriteRecord {
public:
    virtual ~WriteRecord() = default;
    virtual void Started(const RadioImage& image) = 0;
    virtual void Finished() = 0;
};

enum class LinkOperationCode : int16_t { Idle = 0, Read = 1, Write = 2, RadioInfo = 3 };

// Where a transfer is. A write that verifies goes through handshake,
// identify, blocks and END twice: once writing, once reading back.
enum class LinkPhase {
    Idle,      // no transfer
    Ready,     // the port is open; the first handshake is not sent yet
    Handshake, // "PROGRAM" sent
    Identify,  // the identification asked for
    Blocks,    // blocks read, written or read back
    End,       // END after the last block
    NextRadio, // group write: waiting for the written radio to be replaced
    LetGo,     // END to a radio stopped, refused or not needed
};

// How the last transfer ended, for callers that report it (the command-line tool).
enum class LinkOutcome {
    None,
    Success,
    PortFailed,
    GaveUp,
    Refused,
    Cancelled,
    VerifyFailed,
    // The radio holds the whole write; reading it back did not finish.
    VerifyUnfinished,
};

// What the last transfer left in the radio in work, and how it ended.
struct LinkResult {
    LinkOutcome outcome = LinkOutcome::None;
    int radiosWritten = 0;
    // The radio in work had blocks written but not the END of its write.
    bool partlyWritten = false;
    int firstDifference = -1; // VerifyFailed: the first byte the radio holds otherwise
    int differingBytes = 0;
};

// The transfer engine: one reply or one time-out per call, each answered by
// the next packet, a question, or the end of the transfer.
class LinkEngine {
public:
    LinkEngine(LinkPort& port, LinkUi& ui, RadioModel& model, const VersionTable& versions,
               const Catalogue& catalogue);

    // Sets up a transfer for `operation` and opens the port; false (after
    // the port message) when it cannot be opened.
    bool BeginTransfer(LinkOperationCode operation);
    // After the confirmation: the first handshake of a read or write.
    void StartHandshake();
    // After the confirmation of a group write of `radios` radios (at least 1).
    void StartGroupWrite(int radios);
    // The user declined the confirmation: the port closes again.
    void CancelBeforeStart();
    void HandleReceive(const QByteArray& bytes);
    void HandleReplyTimeout();
    // The user stopped the transfer (Cancel, Escape, closing the progress
    // window, a signal). The reply in flight is awaited (one reply time at
    // most); a radio in programming mode then gets END (again one reply time
    // at most), and the port closes. A write whose END is already on its way
    // completes.
    void Cancel();
    // Blocks are being written: stopping now leaves the radio partly written.
    bool WritingBlocks() const;

    // Writes from now on are read back and compared once the radio has them.
    void SetVerify(bool verify) { verify_ = verify; }
    // Records the writes of the next transfer; the engine lets go of it at the transfer's end.
    void SetRecord(WriteRecord* record) { record_ = record; }
    // Group write: waiting for the next radio ends, as a failure, after this
    // many seconds (0: it waits until stopped).
    void SetSwapWait(int seconds) { swapWaitMs_ = seconds * 1000; }
    // Group write: no radio after the one in work; waiting for one ends at
    // once, and the group ends as a success.
    void EndGroup();
    int RadiosWritten() const { return radiosDone_; }

    bool Busy() const { return phase_ != LinkPhase::Idle; }
    LinkPhase Phase() const { return phase_; }
    LinkOutcome Outcome() const { return result_.outcome; }
    const LinkResult& Result() const { return result_; }
    bool AwaitingReply() const { return awaitingReply_; }

private:
    // Why a transfer ends before its last block and END.
    enum class Stop { None, Cancelled, GaveUp, Refused, NoNextRadio, GroupDone };
    // What a pass of blocks does.
    enum class Pass { Read, Write, Verify, Info };

    bool IsGroup() const { return radioCount_ > 0; }
    // Whether the phase waits for a reply of this kind.
    bool Expected(LinkPackets::ReplyKind kind) const;
    void Send(const QByteArray& packet, int threshold);
    void StopTimer();
    // Into the handshake phase, and the handshake sent.
    void Handshake();
    // A handshake sent in the phase as it is (polling, a repetition).
    void SendHandshake();
    void Identify();
    void StartBlocks();
    void NextBlock();
    void CompareBlock(const QByteArray& reply);
    void SendEnd(LinkPhase phase);
    void AfterHandshake();
    void AfterIdentify();
    void AfterEnd();
    void StartVerify();
    // A fresh pass from the handshake: a restart, a read-back, the next radio.
    void RestartPass(Pass pass);
    bool CheckIdentity();
    void ShowProgress();
    void HandshakeTimedOut();
    void AskRetryAfterNoAnswer();
    void AskRetryAfterTimeout();
    QString CheckConnectionText() const;
    // Group write: the handshake reply while waiting for the next radio.
    void NextRadioAnswered();
    void PauseBeforeHandshake();
    // `ms` more spent waiting for the next radio; true (after stopping) when
    // the wait allowed is over.
    bool NextRadioTimeUp(int ms);
    // The radio in work was written (and read back when verifying).
    void RadioDone();
    // Ends the transfer early: END first to a radio in programming mode,
    // then the end.
    void StopTransfer(Stop why);
    // The one place that decides how a transfer ended and what the user is told.
    void Finish();

    LinkPort& port_;
    LinkUi& ui_;
    RadioModel& model_;
    const VersionTable& versions_;
    const Catalogue& catalogue_;

    LinkOperationCode operation_ = LinkOperationCode::Idle;
    LinkPhase phase_ = LinkPhase::Idle;
    Pass pass_ = Pass::Read;
    Stop stop_ = Stop::None;
    bool cancelRequested_ = false; // by the user, while a reply is in flight
    bool awaitingReply_ = false;
    bool pausing_ = false;
    // The radio answered a handshake and has had no END since: it is in
    // programming mode.
    bool inProgramMode_ = false;
    bool verify_ = false;
    // The transfer got to its end: every block and END, every radio of a group.
    bool completed_ = false;

    // The radio in work.
    int blockAddress_ = 0;
    int endAddress_ = 0;
    WriteRecord* record_ = nullptr;
    int lastPercent_ = 0;
    int handshakeRetries_ = 0;
    int identifyRetries_ = 0;
    bool blocksSent_ = false;
    bool writeDone_ = false; // the END of its write acknowledged
    bool verifyDone_ = false;
    int firstDifference_ = -1;
    int differingBytes_ = 0;
    QString receivedModel_;
    QStringList notes_; // said when the transfer ends, first

    // A group write.
    int radioCount_ = 0;
    int radiosDone_ = 0;
    bool firstRadio_ = false;
    bool groupEnding_ = false;
    int missedHandshakes_ = 0;
    int answeredHandshakes_ = 0;
    int swapWaitMs_ = 0;
    int waitedMs_ = 0;

    LinkResult result_;
};
