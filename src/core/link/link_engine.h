#pragma once

#include "core/base/file_problem.h"
#include "core/base/prompter.h"

#include <QByteArray>
#include <QString>

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
    // Group write: radio `written` (counted from 1) has all its blocks; `more`
    // when the transfer waits for the next radio.
    virtual void RadioWritten(int written, bool more) {
        (void)written;
        (void)more;
    }
    // Group write: whether the radio just identified may be written. With
    // several ports the count may be reached on another one first.
    virtual bool MayStartRadio() { return true; }
};

enum class LinkOperationCode : int16_t { Idle = 0, Read = 1, Write = 2, RadioInfo = 3 };

// Steps of a transfer. Reads and writes share the handshake and identify
// steps; 69 and 70 ("E", "F") wait for the answer to END after a complete
// transfer and after a refused identity.
namespace LinkStep {
constexpr int16_t None = 0;
constexpr int16_t Handshake = 1;
constexpr int16_t Identify = 3;
constexpr int16_t WriteBlocks = 4;
constexpr int16_t ReadBlocks = 5;
constexpr int16_t VerifyBlocks = 6; // after a verified write: the written blocks read back
constexpr int16_t EndAfterTransfer = 69;
constexpr int16_t EndAfterRefusal = 70;
constexpr int16_t EndAfterCancel = 71; // END of a stopped transfer, sent to leave programming mode
} // namespace LinkStep

struct LinkState {
    int16_t LinkOperation = 0;
    int16_t ReadStep = 0;
    int16_t WriteStep = 0;
    int16_t BlockAddress = 0;
    int16_t BlockLength = 16;
    int16_t EndAddress = 0;
    int16_t LastPercent = 0;
    int16_t HandshakeRetries = 0;
    int16_t IdentifyRetries = 0;
    bool GroupWrite = false;
    bool FirstRadio = false;
    bool AwaitingNextRadio = false;
    int32_t MissedHandshakes = 0;
    int32_t AnsweredHandshakes = 0;
    int16_t RadioCount = 0;
    int16_t RadiosDone = 0;
    bool TransferOpen = false;
    QByteArray SendBuffer;
    QString ReceivedModelCode;
};

// How the last transfer ended, for callers that report it (the command-line tool).
enum class LinkOutcome { None, Success, PortFailed, GaveUp, Refused, Cancelled, VerifyFailed };

// The transfer engine: one reply or one time-out per call, each answered by
// the next packet, a question, or the end of the transfer.
class LinkEngine {
public:
    LinkEngine(LinkPort& port, LinkUi& ui, RadioModel& model, const VersionTable& versions,
               const Catalogue& catalogue);

    LinkState state;

    // Sets up a transfer for `operation` and opens the port; false (after
    // the port message) when it cannot be opened.
    bool BeginTransfer(LinkOperationCode operation);
    // After the confirmation: the first handshake of a read or write.
    void StartHandshake();
    // After the confirmation of a group write of `radios` radios (at least 1),
    // counted from 0.
    void StartGroupWrite(int radios);
    // The user declined the confirmation: the port closes again.
    void CancelBeforeStart();
    void HandleReceive(const QByteArray& bytes);
    void HandleReplyTimeout();
    // The user stopped the transfer (Cancel, Escape, closing the progress
    // window, a signal). The reply in flight is awaited (one reply time at
    // most); a radio in programming mode then gets END (again one reply time
    // at most), and the port closes.
    void Cancel();
    // Blocks are being written: stopping now leaves the radio partly written.
    bool WritingBlocks() const;

    // Writes from now on are read back and compared once the radio has them.
    void SetVerify(bool verify) { verify_ = verify; }
    // Group write: waiting for the next radio ends, as a failure, after this
    // many seconds (0: it waits until stopped).
    void SetSwapWait(int seconds) { swapWaitMs_ = seconds * 1000; }
    // Group write: no radio after the one in work; waiting for one ends at
    // once, and the group ends as a success.
    void EndGroup();
    int RadiosWritten() const { return state.RadiosDone; }

    bool Busy() const { return state.LinkOperation != 0; }
    LinkOutcome Outcome() const { return outcome_; }
    bool AwaitingReply() const { return awaitingReply_; }

private:
    bool OpenLinkPort();
    void Send(const QByteArray& packet, int threshold);
    void SendIdentifyRequest();
    void SendReadRequest();
    void NextReadRequest();
    void SendWriteBlock();
    // The next block a write sends: the skipped range is stepped over.
    void StepToNextWrittenBlock();
    void NextWriteBlock();
    void EndPhase();
    void SendEndAfterRefusal();
    void AdvanceTransfer();
    void NextBlock();
    void NextVerifyRequest();
    void CompareBlock(const QByteArray& reply);
    void StartVerify();
    void RadioSwapTest();
    // The radio just written still answers: the next handshake goes after a
    // reply time rather than as fast as the radio answers.
    void PauseBeforeHandshake();
    // `ms` more spent waiting for the next radio; true (after ending the
    // transfer) when the wait allowed is over.
    bool NextRadioTimeUp(int ms);
    // A group that ends without another radio: successful when its radios were written.
    void FinishGroup();
    bool CheckIdentity();
    void ShowProgress();
    void AskRetryAfterNoAnswer();
    // "Check Connection. Retry or Cancel?" and the port it concerns.
    QString CheckConnectionText() const;
    void AskRetryAfterTimeout();
    // Ends a transfer the user gave up or cancelled: END first when the radio
    // answered a handshake (it is in programming mode), else at once.
    void Abandon();
    void SendEndAfterStop();
    void RestartTransfer();
    void FinishTransfer(bool success);
    void StopTimer();
    bool IsRead() const;
    int16_t& Step();

    LinkPort& port_;
    LinkUi& ui_;
    RadioModel& model_;
    const VersionTable& versions_;
    const Catalogue& catalogue_;
    LinkOutcome outcome_ = LinkOutcome::None;
    bool awaitingReply_ = false;
    bool refused_ = false;
    bool stopping_ = false;   // cancelled or given up: END, then the end
    bool cancelled_ = false;  // by the user
    bool blocksSent_ = false; // the radio in work has had blocks written
    bool verify_ = false;
    bool verifying_ = false;   // the radio in work is being read back
    bool pausing_ = false;     // between handshakes while the written radio still answers
    bool groupEnding_ = false; // no radio after the one in work
    bool groupRun_ = false;    // the transfer is a group write
    int swapWaitMs_ = 0;
    int waitedMs_ = 0;
    int firstDifference_ = -1;
    int differingBytes_ = 0;
};
