#include "core/link/link_engine.h"

#include "core/base/text_util.h"
#include "core/base/version_table.h"
#include "core/link/link_packets.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

#include <utility>

namespace {

constexpr int kReadEnd = 16383;  // last block read at 0x3FF0
constexpr int kWriteEnd = 16191; // last block written at 0x3F30
// The 48 bytes from 0x3EC0 are never written.
constexpr int kSkipFrom = 0x3EC0;
constexpr int kSkipTo = 0x3EF0;
constexpr int kBlock = LinkPackets::kBlockLength;

using LinkPackets::ReplyKind;

QString Hex4(int address) {
    return QStringLiteral("0x") +
           QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

LinkEngine::LinkEngine(LinkPort& port, LinkUi& ui, RadioModel& model, const VersionTable& versions,
                       const Catalogue& catalogue)
    : port_(port), ui_(ui), model_(model), versions_(versions), catalogue_(catalogue) {}

bool LinkEngine::BeginTransfer(LinkOperationCode operation) {
    operation_ = operation;
    pass_ = operation == LinkOperationCode::Read    ? Pass::Read
            : operation == LinkOperationCode::Write ? Pass::Write
                                                    : Pass::Info;
    stop_ = Stop::None;
    cancelRequested_ = awaitingReply_ = pausing_ = inProgramMode_ = completed_ = false;
    blocksSent_ = writeDone_ = verifyDone_ = false;
    firstDifference_ = -1;
    differingBytes_ = 0;
    blockAddress_ = -kBlock;
    endAddress_ = pass_ == Pass::Write ? kWriteEnd : kReadEnd;
    lastPercent_ = handshakeRetries_ = identifyRetries_ = 0;
    radioCount_ = radiosDone_ = 0;
    firstRadio_ = groupEnding_ = false;
    missedHandshakes_ = answeredHandshakes_ = waitedMs_ = 0;
    notes_.clear();
    result_ = {};
    port_.ClosePort();
    if (port_.OpenPort()) {
        phase_ = LinkPhase::Ready;
        return true;
    }
    phase_ = LinkPhase::Idle;
    result_.outcome = LinkOutcome::PortFailed;
    const FileProblem problem = port_.OpenProblem();
    QString text = WithProblem(catalogue_.Text(TextId::CannotOpenPort), catalogue_, problem);
    if (problem.cause == FileCause::PermissionDenied)
        text += QStringLiteral("\r\n") + catalogue_.Text(TextId::PortGroupHint);
    ui_.Ask(text, PromptButtons::Ok, PromptIcon::Critical);
    return false;
}

void LinkEngine::CancelBeforeStart() {
    port_.ClosePort();
    phase_ = LinkPhase::Idle;
}

void LinkEngine::Send(const QByteArray& packet, int threshold) {
    awaitingReply_ = true;
    port_.StartReplyTimer();
    port_.SendPacket(packet, threshold);
}

void LinkEngine::StopTimer() {
    awaitingReply_ = false;
    port_.StopReplyTimer();
}

void LinkEngine::StartHandshake() {
    Handshake();
}

void LinkEngine::Handshake() {
    phase_ = LinkPhase::Handshake;
    SendHandshake();
}

void LinkEngine::SendHandshake() {
    Send(LinkPackets::HandshakeRequest(), LinkPackets::kHandshakeReplyBytes);
}

void LinkEngine::StartGroupWrite(int radios) {
    radioCount_ = std::max(1, radios);
    radiosDone_ = 0;
    firstRadio_ = true;
    groupEnding_ = false;
    waitedMs_ = 0;
    ui_.ShowRadioNumber(1);
    Handshake();
}

void LinkEngine::EndGroup() {
    if (!Busy() || !IsGroup())
        return;
    groupEnding_ = true;
    // A port between radios, or holding one, has none in work: it ends now.
    const bool between = phase_ == LinkPhase::NextRadio || phase_ == LinkPhase::Identify;
    if (between && (pausing_ || !awaitingReply_))
        StopTransfer(Stop::GroupDone);
}

void LinkEngine::Identify() {
    phase_ = LinkPhase::Identify;
    Send(LinkPackets::IdentifyRequest(), LinkPackets::kIdentifyReplyBytes);
}

void LinkEngine::StartBlocks() {
    phase_ = LinkPhase::Blocks;
    NextBlock();
}

void LinkEngine::NextBlock() {
    blockAddress_ += kBlock;
    // A write and its read-back step over the range a write never sends.
    if (pass_ != Pass::Read && blockAddress_ == kSkipFrom)
        blockAddress_ = kSkipTo;
    if (blockAddress_ >= endAddress_) {
        SendEnd(LinkPhase::End);
        return;
    }
    if (pass_ == Pass::Write) {
        const auto* data = reinterpret_cast<const char*>(model_.image.data()) + blockAddress_;
        ShowProgress();
        if (!blocksSent_ && record_)
            record_->Started(model_.image);
        blocksSent_ = true;
        Send(LinkPackets::DataBlock(blockAddress_, QByteArray(data, kBlock)), 1);
        return;
    }
    if (pass_ == Pass::Verify)
        ShowProgress();
    Send(LinkPackets::ReadRequest(blockAddress_, kBlock), kBlock + 6);
}

void LinkEngine::SendEnd(LinkPhase phase) {
    phase_ = phase;
    Send(LinkPackets::EndRequest(), 1);
}

void LinkEngine::CompareBlock(const QByteArray& reply) {
    for (int i = 0; i < kBlock; ++i) {
        if (static_cast<uint8_t>(reply[4 + i]) == model_.image[blockAddress_ + i])
            continue;
        if (firstDifference_ < 0)
            firstDifference_ = blockAddress_ + i;
        ++differingBytes_;
    }
}

bool LinkEngine::Expected(ReplyKind kind) const {
    switch (phase_) {
    case LinkPhase::Handshake:
    case LinkPhase::NextRadio:
        return kind == ReplyKind::HandshakeReply || kind == ReplyKind::Ack;
    case LinkPhase::Identify:
        return kind == ReplyKind::IdentifyReply;
    case LinkPhase::Blocks:
        return kind == (pass_ == Pass::Write ? ReplyKind::Ack : ReplyKind::DataBlock);
    default: // the answers to END
        return kind == ReplyKind::Ack;
    }
}

void LinkEngine::HandleReceive(const QByteArray& bytes) {
    if (!Busy() || !awaitingReply_)
        return;
    const ReplyKind kind = LinkPackets::Classify(bytes, blockAddress_, kBlock);
    // Each phase takes only the reply it waits for. Anything else is dropped
    // and ends as a time-out: an acknowledgement must never stand in for a
    // data block or an identity, nor an echoed block for an acknowledgement.
    if (!Expected(kind)) {
        port_.ReplyRefused(LinkPackets::WhyRefused(bytes, blockAddress_, kBlock));
        return;
    }
    StopTimer();
    if (phase_ == LinkPhase::Handshake || phase_ == LinkPhase::NextRadio)
        inProgramMode_ = true;
    if (phase_ == LinkPhase::LetGo) {
        inProgramMode_ = false;
        Finish();
        return;
    }
    if (pass_ == Pass::Info) {
        // The radio is there: that is all this asks.
        stop_ = Stop::GaveUp;
        Finish();
        return;
    }
    if (cancelRequested_ && phase_ != LinkPhase::End) {
        // The reply in flight arrived: the radio answered, so it is in
        // programming mode and is told the transfer is over.
        StopTransfer(Stop::Cancelled);
        return;
    }
    switch (phase_) {
    case LinkPhase::Handshake:
        AfterHandshake();
        break;
    case LinkPhase::NextRadio:
        NextRadioAnswered();
        break;
    case LinkPhase::Identify: {
        const LinkPackets::Identity identity = LinkPackets::ParseIdentity(bytes);
        receivedModel_ = identity.modelCode;
        model_.FirmwareVersion = identity.firmware;
        AfterIdentify();
        break;
    }
    case LinkPhase::Blocks:
        if (pass_ == Pass::Verify) {
            CompareBlock(bytes);
        } else if (pass_ == Pass::Read) {
            std::copy(bytes.begin() + 4, bytes.begin() + 4 + kBlock,
                      model_.image.begin() + blockAddress_);
            ShowProgress();
        }
        NextBlock();
        break;
    default:
        AfterEnd();
        break;
    }
}

void LinkEngine::AfterHandshake() {
    firstRadio_ = false;
    if (IsGroup() && pass_ == Pass::Write && groupEnding_) {
        // No radio is needed any more; this one answered, so it gets END.
        StopTransfer(Stop::GroupDone);
        return;
    }
    Identify();
}

void LinkEngine::AfterIdentify() {
    // Every radio is checked, those of a group and a read-back too: a radio of
    // another model or firmware must not be written just because it was attached.
    if (!CheckIdentity()) {
        StopTransfer(Stop::Refused);
        return;
    }
    if (IsGroup() && pass_ == Pass::Write && !ui_.MayStartRadio()) {
        if (groupEnding_) {
            StopTransfer(Stop::GroupDone);
            return;
        }
        // Enough radios are in work elsewhere, but one of them may still
        // fail: this radio is held, asked again after a pause, until it is
        // needed or the count is reached.
        pausing_ = true;
        port_.StartPause();
        return;
    }
    StartBlocks();
}

void LinkEngine::AfterEnd() {
    inProgramMode_ = false;
    switch (pass_) {
    case Pass::Write:
        // The radio has every block: whatever happens now, it is written.
        writeDone_ = true;
        if (record_)
            record_->Finished();
        ui_.WriteCompleted();
        if (verify_ && !cancelRequested_)
            StartVerify();
        else
            RadioDone();
        break;
    case Pass::Verify:
        verifyDone_ = true;
        RadioDone();
        break;
    default:
        if (cancelRequested_)
            stop_ = Stop::Cancelled;
        else
            completed_ = true;
        Finish();
        break;
    }
}

void LinkEngine::StartVerify() {
    RestartPass(Pass::Verify);
}

void LinkEngine::RestartPass(Pass pass) {
    pass_ = pass;
    if (pass == Pass::Verify) {
        firstDifference_ = -1;
        differingBytes_ = 0;
    }
    handshakeRetries_ = identifyRetries_ = 0;
    blockAddress_ = -kBlock;
    lastPercent_ = 0;
    ui_.ShowProgress(0);
    Handshake();
}

void LinkEngine::RadioDone() {
    if (verifyDone_ && differingBytes_ > 0) {
        // Acknowledged but held otherwise: this radio is not counted as written.
        Finish();
        return;
    }
    if (!IsGroup()) {
        completed_ = true;
        Finish();
        return;
    }
    ++radiosDone_;
    const bool more = radiosDone_ < radioCount_ && !groupEnding_ && !cancelRequested_;
    ui_.RadioWritten(radiosDone_, more);
    // The report may have ended the group (the count reached on another port).
    if (more && !groupEnding_) {
        // Next radio: wait until this one is replaced, then write again.
        pass_ = Pass::Write;
        blocksSent_ = writeDone_ = verifyDone_ = false;
        firstDifference_ = -1;
        differingBytes_ = 0;
        blockAddress_ = -kBlock;
        lastPercent_ = handshakeRetries_ = identifyRetries_ = 0;
        missedHandshakes_ = answeredHandshakes_ = waitedMs_ = 0;
        ui_.ShowProgress(0);
        ui_.ShowRadioNumber(radiosDone_ + 1);
        phase_ = LinkPhase::NextRadio;
        SendHandshake();
        return;
    }
    completed_ = radiosDone_ >= radioCount_ || groupEnding_;
    Finish();
}

void LinkEngine::NextRadioAnswered() {
    if (groupEnding_) {
        StopTransfer(Stop::GroupDone);
        return;
    }
    if (missedHandshakes_ >= 2) {
        // The previous radio was seen gone; the new one must answer firmly.
        if (answeredHandshakes_ < 1) {
            ++answeredHandshakes_;
            SendHandshake();
            return;
        }
        missedHandshakes_ = answeredHandshakes_ = waitedMs_ = 0;
        Handshake();
        return;
    }
    // The radio just written still answers.
    missedHandshakes_ = answeredHandshakes_ = 0;
    PauseBeforeHandshake();
}

void LinkEngine::PauseBeforeHandshake() {
    if (NextRadioTimeUp(kReplyTimeMs))
        return;
    pausing_ = true;
    port_.StartPause();
}

bool LinkEngine::NextRadioTimeUp(int ms) {
    waitedMs_ += ms;
    if (swapWaitMs_ <= 0 || waitedMs_ < swapWaitMs_)
        return false;
    notes_ << catalogue_.Text(TextId::NoNextRadio).arg(swapWaitMs_ / 1000);
    StopTransfer(Stop::NoNextRadio);
    return true;
}

bool LinkEngine::CheckIdentity() {
    const QString expected = TrimText(model_.ModelCode);
    const bool modelOk = expected == receivedModel_;
    const bool versionOk = versions_.IsCompatibleVersion(QString::fromLatin1(kSoftwareVersion),
                                                         model_.FirmwareVersion);
    if (modelOk && versionOk)
        return true;
    if (!modelOk) {
        notes_ << catalogue_.Text(TextId::ModelTypeWrong) + QStringLiteral("\r\n") +
                      catalogue_.Text(TextId::ModelFoundExpected).arg(receivedModel_, expected);
        return false;
    }
    const QString question =
        IncompatibleVersionText(catalogue_, QString::fromLatin1(kSoftwareVersion),
                                model_.FirmwareVersion, VersionKind::Firmware);
    if (ui_.Ask(question, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes)
        ui_.LaunchVersion(model_.FirmwareVersion);
    return false;
}

void LinkEngine::ShowProgress() {
    const int percent =
        static_cast<int>(RoundHalfEven(blockAddress_ * 100.0 / std::max(1, endAddress_)));
    if (percent - lastPercent_ < 1)
        return;
    lastPercent_ = percent;
    ui_.ShowProgress(percent);
}

void LinkEngine::HandleReplyTimeout() {
    if (pausing_) {
        pausing_ = false;
        port_.StopReplyTimer();
        if (phase_ == LinkPhase::Identify)
            Identify(); // a held radio
        else
            SendHandshake();
        return;
    }
    StopTimer();
    if (!Busy())
        return;
    if (pass_ == Pass::Info) {
        // Nobody answered: the port is given back rather than left open.
        stop_ = Stop::GaveUp;
        Finish();
        return;
    }
    if (phase_ == LinkPhase::LetGo) {
        inProgramMode_ = false;
        Finish();
        return;
    }
    if (cancelRequested_ && phase_ != LinkPhase::End) {
        // No reply in flight any more: stop now.
        StopTransfer(Stop::Cancelled);
        return;
    }
    switch (phase_) {
    case LinkPhase::Handshake:
    case LinkPhase::NextRadio:
        HandshakeTimedOut();
        break;
    case LinkPhase::Identify:
        // A write waits and asks like a read: it never judges an old identity.
        if (identifyRetries_ >= 1) {
            identifyRetries_ = 0;
            AskRetryAfterNoAnswer();
        } else {
            ++identifyRetries_;
            Identify();
        }
        break;
    case LinkPhase::Blocks:
        AskRetryAfterTimeout();
        break;
    case LinkPhase::End:
        // The radio has everything; a missing acknowledgement of END does not undo that.
        AfterEnd();
        break;
    default:
        break;
    }
}

void LinkEngine::HandshakeTimedOut() {
    if (IsGroup() && groupEnding_ && pass_ == Pass::Write) {
        StopTransfer(Stop::GroupDone);
        return;
    }
    if (phase_ == LinkPhase::NextRadio && NextRadioTimeUp(port_.ReplyTimeMs()))
        return;
    if (handshakeRetries_ >= 1) {
        handshakeRetries_ = 0;
        AskRetryAfterNoAnswer();
    } else {
        ++handshakeRetries_;
        SendHandshake();
    }
}

void LinkEngine::AskRetryAfterNoAnswer() {
    const bool polling = phase_ == LinkPhase::Handshake || phase_ == LinkPhase::NextRadio;
    if (IsGroup() && pass_ == Pass::Write && polling && !firstRadio_) {
        // Polling for the next radio of the group: no questions.
        if (phase_ == LinkPhase::NextRadio)
            ++missedHandshakes_;
        SendHandshake();
        return;
    }
    if (ui_.Ask(CheckConnectionText(), PromptButtons::RetryCancel, PromptIcon::Warning) ==
        PromptAnswer::Retry) {
        Handshake();
        return;
    }
    firstRadio_ = false;
    StopTransfer(Stop::GaveUp);
}

QString LinkEngine::CheckConnectionText() const {
    const QString label = port_.PortLabel();
    const QString question = catalogue_.Text(TextId::CheckConnection);
    return label.isEmpty()
               ? question
               : question + QStringLiteral("\r\n") + catalogue_.Text(TextId::PortLine).arg(label);
}

void LinkEngine::AskRetryAfterTimeout() {
    if (ui_.Ask(CheckConnectionText(), PromptButtons::OkCancel, PromptIcon::Question) !=
        PromptAnswer::Ok) {
        StopTransfer(Stop::GaveUp);
        return;
    }
    RestartPass(pass_);
}

void LinkEngine::Cancel() {
    if (!Busy() || stop_ != Stop::None || cancelRequested_)
        return;
    cancelRequested_ = true;
    // A reply in flight is awaited (HandleReceive or the time-out goes on);
    // an END on its way ends the pass as it would have ended.
    if (!awaitingReply_)
        StopTransfer(Stop::Cancelled);
}

bool LinkEngine::WritingBlocks() const {
    return Busy() && stop_ == Stop::None && !cancelRequested_ && pass_ == Pass::Write &&
           phase_ == LinkPhase::Blocks;
}

void LinkEngine::StopTransfer(Stop why) {
    stop_ = why;
    pausing_ = false;
    StopTimer();
    // A radio that answered a handshake is in programming mode: END lets it go.
    if (inProgramMode_) {
        SendEnd(LinkPhase::LetGo);
        return;
    }
    Finish();
}

void LinkEngine::Finish() {
    StopTimer();
    pausing_ = false;
    const bool read = operation_ == LinkOperationCode::Read;
    const bool write = operation_ == LinkOperationCode::Write;
    const bool verifyFailed = verifyDone_ && differingBytes_ > 0;
    // Written whole, but the read-back did not get to its end.
    const bool verifyUnfinished = write && writeDone_ && verify_ && !verifyDone_;
    const bool partlyWritten = write && blocksSent_ && !writeDone_;
    if (verifyUnfinished && IsGroup())
        ++radiosDone_;
    LinkOutcome outcome = LinkOutcome::GaveUp;
    if (pass_ == Pass::Info)
        outcome = LinkOutcome::GaveUp;
    else if (stop_ == Stop::Refused)
        outcome = LinkOutcome::Refused;
    else if (verifyFailed)
        outcome = LinkOutcome::VerifyFailed;
    else if (verifyUnfinished)
        outcome = LinkOutcome::VerifyUnfinished;
    else if (completed_ || stop_ == Stop::GroupDone)
        outcome = LinkOutcome::Success;
    else if (cancelRequested_)
        outcome = LinkOutcome::Cancelled;
    const bool success = outcome == LinkOutcome::Success;

    ui_.CloseProgress();
    port_.ClosePort();
    QStringList said = notes_;
    notes_.clear();
    if (verifyFailed)
        said << catalogue_.Counted(TextId::VerifyFailed, differingBytes_)
                    .arg(Hex4(firstDifference_))
                    .arg(differingBytes_);
    for (const QString& text : said)
        ui_.Ask(text, PromptButtons::Ok, PromptIcon::Exclamation);
    if (partlyWritten)
        ui_.Ask(catalogue_.Text(TextId::WritePartial), PromptButtons::Ok, PromptIcon::Warning);
    if (success && read)
        ui_.CompleteRead();
    if ((success && (read || write)) || verifyUnfinished)
        ui_.Ask(catalogue_.Text(read ? TextId::ReadCompleted : TextId::WriteCompleted),
                PromptButtons::Ok, PromptIcon::Information);
    if (success && verifyDone_)
        ui_.Ask(catalogue_.Text(TextId::Verified), PromptButtons::Ok, PromptIcon::Information);
    if (verifyUnfinished)
        ui_.Ask(catalogue_.Text(TextId::VerifyUnfinished), PromptButtons::Ok, PromptIcon::Warning);
    if (IsGroup())
        ui_.Ask(catalogue_.Counted(TextId::RadiosWritten, radiosDone_).arg(radiosDone_),
                PromptButtons::Ok, PromptIcon::Information);

    result_ = {outcome, radiosDone_, partlyWritten, verifyFailed ? firstDifference_ : -1,
               verifyFailed ? differingBytes_ : 0};
    phase_ = LinkPhase::Idle;
    stop_ = Stop::None;
    // Every message about the radio has been given: the journal may forget the write.
    if (auto* record = std::exchange(record_, nullptr))
        record->Finished();
    ui_.TransferEnded(success);
}
