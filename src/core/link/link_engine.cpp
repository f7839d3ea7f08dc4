#include "core/link/link_engine.h"

#include "core/base/version_table.h"
#include "core/link/link_packets.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

namespace {

constexpr int16_t kReadEnd = 16383;  // last block read at 0x3FF0
constexpr int16_t kWriteEnd = 16191; // last block written at 0x3F30
// The 48 bytes from 0x3EC0 are never written.
constexpr int16_t kSkipFrom = 0x3EC0;
constexpr int16_t kSkipTo = 0x3EF0;

using LinkPackets::ReplyKind;

} // namespace

LinkEngine::LinkEngine(LinkPort& port, LinkUi& ui, RadioModel& model, const VersionTable& versions,
                       const Catalogue& catalogue)
    : port_(port), ui_(ui), model_(model), versions_(versions), catalogue_(catalogue) {}

bool LinkEngine::IsRead() const {
    return state.LinkOperation != static_cast<int16_t>(LinkOperationCode::Write);
}

int16_t& LinkEngine::Step() {
    return IsRead() ? state.ReadStep : state.WriteStep;
}

bool LinkEngine::BeginTransfer(LinkOperationCode operation) {
    state.LinkOperation = static_cast<int16_t>(operation);
    Step() = LinkStep::None;
    state.GroupWrite = false;
    outcome_ = LinkOutcome::None;
    refused_ = false;
    stopping_ = false;
    cancelled_ = false;
    blocksSent_ = false;
    verifying_ = false;
    groupRun_ = false;
    if (!OpenLinkPort()) {
        state.LinkOperation = 0;
        outcome_ = LinkOutcome::PortFailed;
        return false;
    }
    return true;
}

bool LinkEngine::OpenLinkPort() {
    state.EndAddress = IsRead() ? kReadEnd : kWriteEnd;
    state.BlockLength = LinkPackets::kBlockLength;
    state.BlockAddress = static_cast<int16_t>(-state.BlockLength);
    state.HandshakeRetries = 0;
    state.IdentifyRetries = 0;
    state.LastPercent = 0;
    state.AwaitingNextRadio = false;
    state.MissedHandshakes = 0;
    state.AnsweredHandshakes = 0;
    state.TransferOpen = true;
    port_.ClosePort();
    if (port_.OpenPort())
        return true;
    state.TransferOpen = false;
    const FileProblem problem = port_.OpenProblem();
    QString text = WithProblem(catalogue_.Text(TextId::CannotOpenPort), catalogue_, problem);
    if (problem.cause == FileCause::PermissionDenied)
        text += QStringLiteral("\r\n") + catalogue_.Text(TextId::PortGroupHint);
    ui_.Ask(text, PromptButtons::Ok, PromptIcon::Critical);
    return false;
}

void LinkEngine::CancelBeforeStart() {
    port_.ClosePort();
    state.TransferOpen = false;
    state.LinkOperation = 0;
}

void LinkEngine::Send(const QByteArray& packet, int threshold) {
    state.SendBuffer = packet;
    awaitingReply_ = true;
    port_.StartReplyTimer();
    port_.SendPacket(packet, threshold);
}

void LinkEngine::StopTimer() {
    awaitingReply_ = false;
    port_.StopReplyTimer();
}

void LinkEngine::StartHandshake() {
    state.ReadStep = IsRead() ? LinkStep::Handshake : LinkStep::None;
    state.WriteStep = IsRead() ? LinkStep::None : LinkStep::Handshake;
    Send(LinkPackets::HandshakeRequest(), LinkPackets::kHandshakeReplyBytes);
}

void LinkEngine::StartGroupWrite(int radios) {
    state.GroupWrite = true;
    state.FirstRadio = true;
    state.RadioCount = static_cast<int16_t>(std::max(1, radios));
    state.RadiosDone = 0;
    groupRun_ = true;
    groupEnding_ = false;
    waitedMs_ = 0;
    ui_.ShowRadioNumber(1);
    StartHandshake();
}

void LinkEngine::EndGroup() {
    if (!Busy() || !state.GroupWrite)
        return;
    groupEnding_ = true;
    // A port between radios has none in work: it ends now.
    if (state.WriteStep == LinkStep::Handshake && (pausing_ || !awaitingReply_))
        FinishGroup();
}

void LinkEngine::FinishGroup() {
    pausing_ = false;
    port_.StopReplyTimer();
    awaitingReply_ = false;
    state.GroupWrite = false;
    FinishTransfer(true);
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
    model_.QueueMessage(catalogue_.Text(TextId::NoNextRadio).arg(swapWaitMs_ / 1000));
    pausing_ = false;
    Abandon();
    return true;
}

void LinkEngine::SendIdentifyRequest() {
    Send(LinkPackets::IdentifyRequest(), LinkPackets::kIdentifyReplyBytes);
}

void LinkEngine::SendReadRequest() {
    if (state.BlockAddress < state.EndAddress)
        Send(LinkPackets::ReadRequest(state.BlockAddress, state.BlockLength),
             state.BlockLength + 6);
    else
        EndPhase();
}

void LinkEngine::NextReadRequest() {
    state.BlockAddress = static_cast<int16_t>(state.BlockAddress + state.BlockLength);
    SendReadRequest();
}

void LinkEngine::SendWriteBlock() {
    if (state.BlockAddress >= state.EndAddress) {
        EndPhase();
        return;
    }
    const auto* data = reinterpret_cast<const char*>(model_.image.data()) + state.BlockAddress;
    const QByteArray block =
        LinkPackets::DataBlock(state.BlockAddress, QByteArray(data, state.BlockLength));
    ShowProgress();
    blocksSent_ = true;
    Send(block, 1);
}

void LinkEngine::NextVerifyRequest() {
    // The blocks a write sends, in its order, asked for as a read asks.
    StepToNextWrittenBlock();
    if (state.BlockAddress < state.EndAddress)
        ShowProgress();
    SendReadRequest();
}

void LinkEngine::CompareBlock(const QByteArray& reply) {
    for (int i = 0; i < state.BlockLength; ++i) {
        if (static_cast<uint8_t>(reply[4 + i]) == model_.image[state.BlockAddress + i])
            continue;
        if (firstDifference_ < 0)
            firstDifference_ = state.BlockAddress + i;
        ++differingBytes_;
    }
}

void LinkEngine::StartVerify() {
    verifying_ = true;
    firstDifference_ = -1;
    differingBytes_ = 0;
    // From the handshake again, as a transfer started over.
    RestartTransfer();
}

void LinkEngine::StepToNextWrittenBlock() {
    state.BlockAddress = static_cast<int16_t>(state.BlockAddress + state.BlockLength);
    if (state.BlockAddress == kSkipFrom)
        state.BlockAddress = kSkipTo;
}

void LinkEngine::NextWriteBlock() {
    StepToNextWrittenBlock();
    SendWriteBlock();
}

void LinkEngine::EndPhase() {
    const auto op = static_cast<LinkOperationCode>(state.LinkOperation);
    if (op != LinkOperationCode::Read && op != LinkOperationCode::Write) {
        FinishTransfer(false);
        return;
    }
    Step() = LinkStep::EndAfterTransfer;
    Send(LinkPackets::EndRequest(), 1);
}

void LinkEngine::SendEndAfterRefusal() {
    Step() = LinkStep::EndAfterRefusal;
    Send(LinkPackets::EndRequest(), 1);
}

void LinkEngine::HandleReceive(const QByteArray& bytes) {
    if (!Busy() || !awaitingReply_)
        return;
    const ReplyKind kind = LinkPackets::Classify(bytes, state.BlockAddress, state.BlockLength);
    const int16_t step = Step();
    const bool read =
        static_cast<LinkOperationCode>(state.LinkOperation) == LinkOperationCode::Read;
    // Each step takes only the reply it waits for. Anything else is dropped
    // like an unrecognised reply and ends as a time-out: an acknowledgement
    // must never stand in for a data block or an identity, nor an echoed
    // block for an acknowledgement.
    bool expected = false;
    switch (step) {
    case LinkStep::Handshake:
        expected = kind == ReplyKind::HandshakeReply || kind == ReplyKind::Ack;
        break;
    case LinkStep::Identify:
        expected = kind == ReplyKind::IdentifyReply;
        break;
    case LinkStep::ReadBlocks:
        expected = read && kind == ReplyKind::DataBlock;
        break;
    case LinkStep::VerifyBlocks:
        expected = kind == ReplyKind::DataBlock;
        break;
    default: // writing blocks, and the answers to END
        expected = kind == ReplyKind::Ack;
        break;
    }
    if (!expected)
        return;
    if (stopping_ && step != LinkStep::EndAfterCancel) {
        // The reply in flight arrived: the radio answered, so it is in
        // programming mode and must be told the transfer is over.
        StopTimer();
        SendEndAfterStop();
        return;
    }

    if (kind == ReplyKind::IdentifyReply &&
        static_cast<LinkOperationCode>(state.LinkOperation) != LinkOperationCode::RadioInfo) {
        const LinkPackets::Identity identity = LinkPackets::ParseIdentity(bytes);
        state.ReceivedModelCode = identity.modelCode;
        model_.FirmwareVersion = identity.firmware;
    }
    if (kind == ReplyKind::DataBlock && step == LinkStep::VerifyBlocks) {
        CompareBlock(bytes);
    } else if (kind == ReplyKind::DataBlock) {
        std::copy(bytes.begin() + 4, bytes.begin() + 4 + state.BlockLength,
                  model_.image.begin() + state.BlockAddress);
        ShowProgress();
    }
    AdvanceTransfer();
}

void LinkEngine::AdvanceTransfer() {
    StopTimer();
    const auto op = static_cast<LinkOperationCode>(state.LinkOperation);
    if (op != LinkOperationCode::Read && op != LinkOperationCode::Write) {
        FinishTransfer(false);
        return;
    }
    const bool read = op == LinkOperationCode::Read;
    const int16_t step = Step();
    const int16_t blockStep = read ? LinkStep::ReadBlocks : LinkStep::WriteBlocks;
    if (step == LinkStep::Handshake) {
        if (!read && state.GroupWrite && !verifying_) {
            RadioSwapTest();
        } else {
            Step() = LinkStep::Identify;
            SendIdentifyRequest();
        }
    } else if (step == LinkStep::Identify) {
        // Every radio of a group is checked too: a radio of another model
        // or firmware must not be written just because it was attached.
        if (CheckIdentity()) {
            if (state.GroupWrite && !verifying_ && !ui_.MayStartRadio()) {
                // Enough radios are written or in work elsewhere: this one is let go.
                groupEnding_ = true;
                SendEndAfterStop();
                return;
            }
            Step() = verifying_ ? LinkStep::VerifyBlocks : blockStep;
            NextBlock();
        } else {
            SendEndAfterRefusal();
        }
    } else if (step == blockStep || step == LinkStep::VerifyBlocks) {
        NextBlock();
    } else if (step == LinkStep::EndAfterTransfer && !read && verify_ && !verifying_) {
        // The radio has everything: now read it back.
        StartVerify();
    } else if (step == LinkStep::EndAfterCancel && groupEnding_) {
        FinishGroup();
    } else {
        FinishTransfer(step == LinkStep::EndAfterTransfer);
    }
}

void LinkEngine::NextBlock() {
    if (IsRead())
        NextReadRequest();
    else if (Step() == LinkStep::VerifyBlocks)
        NextVerifyRequest();
    else
        NextWriteBlock();
}

void LinkEngine::RadioSwapTest() {
    state.FirstRadio = false;
    if (groupEnding_) {
        FinishGroup();
        return;
    }
    if (!state.AwaitingNextRadio) {
        state.WriteStep = LinkStep::Identify;
        SendIdentifyRequest();
        return;
    }
    if (state.MissedHandshakes >= 2) {
        // The previous radio was seen gone; the new one must answer firmly.
        if (state.AnsweredHandshakes < 1) {
            ++state.AnsweredHandshakes;
        } else {
            state.AwaitingNextRadio = false;
            state.MissedHandshakes = 0;
            state.AnsweredHandshakes = 0;
            waitedMs_ = 0;
        }
    } else {
        // The radio just written still answers.
        state.MissedHandshakes = 0;
        state.AnsweredHandshakes = 0;
        PauseBeforeHandshake();
        return;
    }
    StartHandshake();
}

bool LinkEngine::CheckIdentity() {
    StopTimer();
    const bool modelOk = TrimText(model_.ModelCode) == state.ReceivedModelCode;
    const bool versionOk = versions_.IsCompatibleVersion(QString::fromLatin1(kSoftwareVersion),
                                                         model_.FirmwareVersion);
    if (modelOk && versionOk)
        return true;
    refused_ = true;
    if (!modelOk) {
        model_.QueueMessage(catalogue_.Text(TextId::ModelTypeWrong));
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
    const auto percent = static_cast<int16_t>(
        RoundHalfEven(state.BlockAddress * 100.0 / std::max<int>(1, state.EndAddress)));
    if (percent - state.LastPercent < 1)
        return;
    state.LastPercent = percent;
    ui_.ShowProgress(percent);
}

void LinkEngine::HandleReplyTimeout() {
    if (pausing_) {
        pausing_ = false;
        port_.StopReplyTimer();
        StartHandshake();
        return;
    }
    StopTimer();
    const auto op = static_cast<LinkOperationCode>(state.LinkOperation);
    if (op == LinkOperationCode::Idle)
        return;
    if (op == LinkOperationCode::RadioInfo) {
        // Nobody answered: the port is given back rather than left open.
        FinishTransfer(false);
        return;
    }
    if (stopping_) {
        // No reply in flight any more (or none to END): stop now.
        if (Step() == LinkStep::EndAfterCancel)
            FinishTransfer(false);
        else
            Abandon();
        return;
    }
    switch (Step()) {
    case LinkStep::Handshake:
        if (state.GroupWrite && groupEnding_) {
            FinishGroup();
            return;
        }
        if (state.GroupWrite && state.AwaitingNextRadio && NextRadioTimeUp(port_.ReplyTimeMs()))
            return;
        if (state.HandshakeRetries >= 1) {
            state.HandshakeRetries = 0;
            AskRetryAfterNoAnswer();
        } else {
            ++state.HandshakeRetries;
            StartHandshake();
        }
        break;
    case LinkStep::Identify:
        // A write waits and asks like a read: it never judges an old identity.
        if (state.IdentifyRetries >= 1) {
            state.IdentifyRetries = 0;
            AskRetryAfterNoAnswer();
        } else {
            ++state.IdentifyRetries;
            SendIdentifyRequest();
        }
        break;
    case LinkStep::ReadBlocks:
    case LinkStep::WriteBlocks:
    case LinkStep::VerifyBlocks:
        AskRetryAfterTimeout();
        break;
    case LinkStep::EndAfterTransfer:
        // The radio has everything; a missing acknowledgement of END does not undo that.
        if (!IsRead() && verify_ && !verifying_)
            StartVerify();
        else
            FinishTransfer(true);
        break;
    case LinkStep::EndAfterRefusal:
        FinishTransfer(false);
        break;
    case LinkStep::EndAfterCancel:
        // A radio let go unwritten (the group's count was reached elsewhere).
        FinishGroup();
        break;
    default:
        break;
    }
}

void LinkEngine::AskRetryAfterNoAnswer() {
    if (state.GroupWrite && state.WriteStep == LinkStep::Handshake && !state.FirstRadio) {
        // Polling for the next radio of the group: no questions.
        if (state.AwaitingNextRadio)
            ++state.MissedHandshakes;
        StartHandshake();
        return;
    }
    if (ui_.Ask(CheckConnectionText(), PromptButtons::RetryCancel, PromptIcon::Warning) ==
        PromptAnswer::Retry) {
        StartHandshake();
        return;
    }
    state.FirstRadio = false;
    Abandon();
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
        state.GroupWrite = false;
        Abandon();
        return;
    }
    RestartTransfer();
}

void LinkEngine::RestartTransfer() {
    state.AwaitingNextRadio = false;
    state.HandshakeRetries = 0;
    state.IdentifyRetries = 0;
    state.BlockAddress = static_cast<int16_t>(-state.BlockLength);
    state.LastPercent = 0;
    ui_.ShowProgress(0);
    StartHandshake();
}

void LinkEngine::Cancel() {
    if (!Busy() || stopping_)
        return;
    cancelled_ = true;
    stopping_ = true;
    state.GroupWrite = false;
    // A reply in flight is awaited: HandleReceive or the time-out goes on.
    if (!awaitingReply_)
        Abandon();
}

bool LinkEngine::WritingBlocks() const {
    return Busy() && !stopping_ && !IsRead() && state.WriteStep == LinkStep::WriteBlocks;
}

void LinkEngine::Abandon() {
    stopping_ = true;
    StopTimer();
    const int16_t step = Step();
    // Past the handshake the radio is in programming mode: END lets it go.
    if (step == LinkStep::Identify || step == LinkStep::ReadBlocks ||
        step == LinkStep::WriteBlocks || step == LinkStep::VerifyBlocks) {
        SendEndAfterStop();
        return;
    }
    FinishTransfer(false);
}

void LinkEngine::SendEndAfterStop() {
    Step() = LinkStep::EndAfterCancel;
    Send(LinkPackets::EndRequest(), 1);
}

void LinkEngine::FinishTransfer(bool success) {
    StopTimer();
    const bool verifyFailed = success && verifying_ && differingBytes_ > 0;
    if (verifyFailed) {
        // The radio acknowledged every block but holds other bytes.
        success = false;
        const QString address =
            QStringLiteral("0x") +
            QString::number(firstDifference_, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        model_.MessageQueue.append(catalogue_.Counted(TextId::VerifyFailed, differingBytes_)
                                       .arg(address)
                                       .arg(differingBytes_));
    }
    const bool verified = success && verifying_;
    if (state.GroupWrite && success) {
        ++state.RadiosDone;
        const bool more = state.RadiosDone < state.RadioCount && !groupEnding_;
        ui_.RadioWritten(state.RadiosDone, more);
        // The report may have ended the group (the count reached on another port).
        if (more && !groupEnding_) {
            // Next radio: wait until this one is replaced, then write again.
            state.AwaitingNextRadio = true;
            state.MissedHandshakes = 0;
            state.AnsweredHandshakes = 0;
            state.HandshakeRetries = 0;
            state.IdentifyRetries = 0;
            state.BlockAddress = static_cast<int16_t>(-state.BlockLength);
            state.LastPercent = 0;
            blocksSent_ = false;
            verifying_ = false;
            waitedMs_ = 0;
            ui_.ShowProgress(0);
            ui_.ShowRadioNumber(state.RadiosDone + 1);
            StartHandshake();
            return;
        }
    }
    const auto op = static_cast<LinkOperationCode>(state.LinkOperation);
    // A write that failed its read-back was whole: the verify message says what differs.
    const bool partlyWritten =
        !success && op == LinkOperationCode::Write && blocksSent_ && !verifyFailed;
    state.AwaitingNextRadio = false;
    state.MissedHandshakes = 0;
    state.AnsweredHandshakes = 0;
    state.TransferOpen = false;
    ui_.CloseProgress();
    port_.ClosePort();

    const QStringList queued = model_.MessageQueue;
    model_.MessageQueue.clear();
    for (const QString& text : queued)
        ui_.Ask(text, PromptButtons::Ok, PromptIcon::Exclamation);
    if (partlyWritten)
        ui_.Ask(catalogue_.Text(TextId::WritePartial), PromptButtons::Ok, PromptIcon::Warning);
    if (success && op == LinkOperationCode::Read)
        ui_.CompleteRead();
    if (success && (op == LinkOperationCode::Read || op == LinkOperationCode::Write))
        ui_.Ask(catalogue_.Text(op == LinkOperationCode::Read ? TextId::ReadCompleted
                                                              : TextId::WriteCompleted),
                PromptButtons::Ok, PromptIcon::Information);
    if (verified)
        ui_.Ask(catalogue_.Text(TextId::Verified), PromptButtons::Ok, PromptIcon::Information);
    if (groupRun_)
        ui_.Ask(catalogue_.Counted(TextId::RadiosWritten, state.RadiosDone).arg(state.RadiosDone),
                PromptButtons::Ok, PromptIcon::Information);

    state.GroupWrite = false;
    state.LinkOperation = 0;
    state.ReadStep = 0;
    state.WriteStep = 0;
    outcome_ = success        ? LinkOutcome::Success
               : verifyFailed ? LinkOutcome::VerifyFailed
               : refused_     ? LinkOutcome::Refused
               : cancelled_   ? LinkOutcome::Cancelled
                              : LinkOutcome::GaveUp;
    stopping_ = false;
    ui_.TransferEnded(success);
}
