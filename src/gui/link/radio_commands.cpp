#include "gui/link/radio_commands.h"

#include "core/base/text_util.h"
#include "core/codec/image_check.h"
#include "core/codec/image_codec.h"
#include "core/link/port_directory.h"
#include "core/model/data_file.h"
#include "core/model/image_file.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/backups.h"
#include "core/session/config_compare.h"
#include "core/session/main_commands.h"
#include "core/session/radio_host.h"
#include "core/session/version_launcher.h"
#include "core/session/write_journal.h"
#include "gui/files/compare_window.h"
#include "gui/link/port_window.h"
#include "gui/link/progress_window.h"
#include "gui/link/unfinished_write.h"
#include "gui/widgets/user_settings.h"

#include <QTimer>

namespace {
constexpr int kWriteDelayMs = 20;
constexpr int kMaxGroupRadios = 9999;
} // namespace

RadioCommands::RadioCommands(RadioHost& host, QWidget* parent)
    : QObject(parent), host_(host), parent_(parent),
      link_(std::make_unique<SerialLink>(*this, host.context().model, host.context().versions,
                                         host.context().catalogue)) {
    writeTimer_ = new QTimer(this);
    writeTimer_->setObjectName(QStringLiteral("TimerWrite"));
    writeTimer_->setSingleShot(true);
    writeTimer_->setInterval(kWriteDelayMs);
    connect(writeTimer_, &QTimer::timeout, this, &RadioCommands::WriteAfterEdits);
}

RadioCommands::~RadioCommands() = default;

void RadioCommands::Install(MainCommands& c) {
    c.readFromRadio = [this] { ReadFromRadio(); };
    c.writeToRadio = [this] { WriteToRadio(); };
    c.restoreBackup = [this](const BackupEntry& backup) { RestoreBackup(backup); };
    c.groupWrite = [this] { GroupWrite(); };
    c.radioInfo = [this] { RadioInformation(); };
    c.readRmgData = [this] { ReadRmgData(); };
    c.commSet = [this] { CommunicationPort(); };
    c.compareWithRadio = [this] { CompareWithRadio(); };
    c.offerUnfinishedWrite = [this] { OfferUnfinishedWrite(); };
    c.closeLinkPort = [this] { link_->ClosePort(); };
}

bool RadioCommands::Begin(SerialLink& link, LinkOperationCode operation, const QString& port) {
    // A transfer in progress owns the port; a second one never starts.
    if (active_ && active_->engine().Busy() && progress_)
        return false;
    const AppContext& ctx = host_.context();
    if (const FileProblem& trace = link.traceProblem(); trace.known() && !traceProblemTold_) {
        // Said once; the transfers go on without a trace.
        traceProblemTold_ = true;
        const Catalogue& c = ctx.catalogue;
        Ask(WithProblem(c.Text(TextId::FileError), c, trace) + QStringLiteral("\r\n") +
                c.Text(TextId::TraceOff),
            PromptButtons::Ok, PromptIcon::Exclamation);
    }
    const QString device = port.isEmpty() ? DevicePathOf(ctx.settings.comPort, ctx.setup)
                                          : ResolvePortArgument(port, ctx.setup);
    const QString name =
        port.isEmpty() ? PortName(ctx.settings.comPort) : PortArgumentName(port, device);
    link.setSettings({device, name, ctx.settings.Handshaking, ctx.settings.StopBit,
                      LineSettingProblem(ctx.settings, ctx.catalogue, ctx.setup.path())});
    active_ = &link;
    return link.engine().BeginTransfer(operation);
}

bool RadioCommands::Confirm(SerialLink& link, const QString& question) {
    if (Ask(question, PromptButtons::OkCancel, PromptIcon::Question) == PromptAnswer::Ok)
        return true;
    link.engine().CancelBeforeStart();
    return false;
}

void RadioCommands::RunProgress(SerialLink& link, int kind, int radios) {
    const auto windowKind = static_cast<ProgressWindow::Kind>(kind);
    ProgressWindow dialog(windowKind, radios, host_.context().catalogue, parent_);
    progress_ = &dialog;
    dialog.onUserClose = [this] { StopTransfer(); };
    dialog.show();
    if (windowKind == ProgressWindow::Kind::GroupWrite)
        link.engine().StartGroupWrite(radios);
    else
        link.engine().StartHandshake();
    // The transfer runs from the port's and the timer's events until it ends.
    if (link.engine().Busy())
        dialog.exec();
    progress_ = nullptr;
}

void RadioCommands::StopTransfer() {
    if (!active_)
        return;
    LinkEngine& engine = active_->engine();
    // Stopping a write half way leaves the radio unusable until written again: ask.
    if (engine.WritingBlocks()) {
        askingToStop_ = true;
        const PromptAnswer answer = Ask(host_.context().catalogue.Text(TextId::StopWritingQuestion),
                                        PromptButtons::YesNo, PromptIcon::Warning);
        askingToStop_ = false;
        if (answer != PromptAnswer::Yes)
            return;
    }
    engine.Cancel();
}

void RadioCommands::ReadFromRadio() {
    // A completed read replaces the data: changed data may be saved first.
    if (!host_.MayDiscardChanges() || !Begin(*link_, LinkOperationCode::Read) ||
        !Confirm(*link_, host_.context().catalogue.Text(TextId::ReadConfirm)))
        return;
    PrepareImage(host_.context().model.image);
    RunProgress(*link_, static_cast<int>(ProgressWindow::Kind::Read), 0);
}

void RadioCommands::WriteToRadio() {
    // Values still being edited reach the data first; the write itself runs
    // once that has finished.
    host_.ValidateOpenEditors();
    writeTimer_->start();
}

void RadioCommands::WriteAfterEdits() {
    WriteData(0);
}

void RadioCommands::WriteData(int radios) {
    if (!Begin(*link_, LinkOperationCode::Write) ||
        !Confirm(*link_, host_.context().catalogue.Text(TextId::WriteConfirm)))
        return;
    RadioModel& model = host_.context().model;
    PrepareImage(model.image);
    EncodeImage(model);
    RunRecordedWrite(*link_, model, model.CurrentFileName, {}, radios);
}

void RadioCommands::RunRecordedWrite(SerialLink& link, const RadioModel& radio,
                                     const QString& source, const QString& port, int radios) {
    LinkEngine& engine = link.engine();
    engine.SetVerify(UserSettings().verifyAfterWrite());
    WriteJournal journal;
    JournalRecord record(journal,
                         port.isEmpty() ? PortName(host_.context().settings.comPort) : port,
                         radio.ModelCode, source);
    engine.SetRecord(&record);
    const auto kind = radios > 0 ? ProgressWindow::Kind::GroupWrite : ProgressWindow::Kind::Write;
    RunProgress(link, static_cast<int>(kind), radios);
    engine.SetRecord(nullptr); // the record goes with this call
}

bool RadioCommands::WriteImage(RadioModel& radio, const QString& question, const QString& source,
                               const QString& port) {
    const AppContext& ctx = host_.context();
    SerialLink link(*this, radio, ctx.versions, ctx.catalogue);
    bool written = false;
    if (Begin(link, LinkOperationCode::Write, port) && Confirm(link, question)) {
        RunRecordedWrite(link, radio, source, port, 0);
        const LinkOutcome outcome = link.engine().Outcome();
        written = outcome == LinkOutcome::Success || outcome == LinkOutcome::VerifyUnfinished;
    }
    // This link goes away with the call.
    active_ = link_.get();
    return written;
}

void RadioCommands::RestoreBackup(const BackupEntry& backup) {
    AppContext& ctx = host_.context();
    const Catalogue& c = ctx.catalogue;
    // The backup's own data gives the model the radio must be.
    RadioModel restored = ctx.model;
    DataFilePair pair;
    FileProblem problem;
    if (ReadDataFilePair(backup.dataPath(), pair, &problem) != FileStatus::Ok ||
        ReadImageFile(backup.imagePath(), restored.image, &problem) != ImageFileStatus::Ok) {
        Ask(WithProblem(c.Text(TextId::FileError), c, problem), PromptButtons::Ok,
            PromptIcon::Critical);
        return;
    }
    AdoptDataFilePair(restored, pair); // the data only: the image read stays
    // A backup file changed since the read may hold anything: said, and only if wanted.
    if (const QString doubt = ForeignImageMessage(restored.image, c);
        !doubt.isEmpty() &&
        Ask(doubt + QStringLiteral("\r\n") + c.Text(TextId::RestoreAnyway),
            PromptButtons::YesNoDefaultNo, PromptIcon::Warning) != PromptAnswer::Yes)
        return;
    WriteImage(restored,
               c.Text(TextId::RestoreConfirm)
                   .arg(TrimText(restored.ModelCode),
                        backup.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
               backup.imagePath());
}

void RadioCommands::CompareWithRadio() {
    // Values still being typed belong to the data on screen.
    host_.ValidateOpenEditors();
    AppContext& ctx = host_.context();
    const Catalogue& c = ctx.catalogue;
    RadioModel radio = ctx.model;
    SerialLink link(*this, radio, ctx.versions, c);
    if (Begin(link, LinkOperationCode::Read) && Confirm(link, c.Text(TextId::ReadConfirm))) {
        PrepareImage(radio.image);
        comparing_ = &radio;
        comparedBackup_.clear();
        RunProgress(link, static_cast<int>(ProgressWindow::Kind::Read), 0);
        comparing_ = nullptr;
        if (link.engine().Outcome() == LinkOutcome::Success) {
            CompareWindow window(c, comparedBackup_.isEmpty() ? link.PortLabel() : comparedBackup_,
                                 CompareConfigs(ctx.model, radio, c), parent_);
            window.exec();
        }
    }
    active_ = link_.get();
}

void RadioCommands::OfferUnfinishedWrite() {
    WriteJournal journal;
    const std::optional<JournalEntry> entry = journal.LastOpen();
    if (!entry)
        return;
    AppContext& ctx = host_.context();
    const Catalogue& c = ctx.catalogue;
    const UnfinishedChoice choice =
        AskAboutUnfinishedWrite(UnfinishedWriteText(*entry, c), c, parent_);
    if (choice == UnfinishedChoice::Dismiss)
        journal.Close(entry->id);
    if (choice != UnfinishedChoice::WriteAgain && choice != UnfinishedChoice::Open)
        return;
    RadioModel radio = ctx.model;
    FileProblem problem;
    if (ReadImageFile(entry->imagePath, radio.image, &problem) != ImageFileStatus::Ok) {
        Ask(WithProblem(c.Text(TextId::FileError), c, problem), PromptButtons::Ok,
            PromptIcon::Critical);
        return;
    }
    if (choice == UnfinishedChoice::Open) {
        if (!host_.MayDiscardChanges())
            return;
        ctx.model.image = radio.image;
        ShowDecodedImage(false);
        return;
    }
    // The radio is checked against the model the write was for.
    if (!entry->model.isEmpty())
        radio.ModelCode = entry->model;
    if (WriteImage(radio, c.Text(TextId::WriteConfirm), entry->source, entry->port))
        journal.Close(entry->id);
}

void RadioCommands::GroupWrite() {
    const Catalogue& cat = host_.context().catalogue;
    const std::optional<int> radios =
        host_.prompter().askNumber(cat.Text(TextId::GroupWriteCount), 1, kMaxGroupRadios, 1);
    if (!radios)
        return;
    host_.ValidateOpenEditors();
    WriteData(*radios);
}

void RadioCommands::StartInformation(bool prepareImage) {
    if (!Begin(*link_, LinkOperationCode::RadioInfo))
        return;
    if (prepareImage)
        PrepareImage(host_.context().model.image);
    link_->engine().StartHandshake();
}

void RadioCommands::RadioInformation() {
    StartInformation(false);
}

void RadioCommands::ReadRmgData() {
    StartInformation(true);
}

void RadioCommands::CommunicationPort() {
    PortWindow dialog(host_.context(), host_.prompter(), parent_);
    if (dialog.exec() == QDialog::Accepted)
        host_.Change_Language(); // the status bar names the new port
}

void RadioCommands::ShowProgress(int percent) {
    if (progress_)
        progress_->SetProgressValue(percent);
}

void RadioCommands::WriteCompleted() {
    // The write finished under the stop question: nothing is left to stop.
    if (askingToStop_)
        host_.prompter().withdraw();
}

void RadioCommands::RadioWritten(int written, bool more) {
    if (progress_ && more)
        progress_->ShowNote(host_.context().catalogue.Text(TextId::RadioWrittenNext).arg(written));
}

void RadioCommands::ShowRadioNumber(int radio) {
    if (progress_)
        progress_->SetRadioNumber(radio);
}

PromptAnswer RadioCommands::Ask(const QString& text, PromptButtons buttons, PromptIcon icon) {
    return host_.prompter().ask(text, buttons, icon);
}

void RadioCommands::CloseProgress() {
    if (progress_)
        progress_->Finish();
}

// Every read is kept; a backup that cannot be stored never fails the read.
QString RadioCommands::StoreReadBackup(const RadioModel& radio) {
    const Catalogue& c = host_.context().catalogue;
    const BackupResult stored = StoreBackup(radio, QDateTime::currentDateTime());
    if (stored.imagePath.isEmpty())
        Ask(WithProblem(c.Text(TextId::BackupFailed), c, stored.problem), PromptButtons::Ok,
            PromptIcon::Exclamation);
    return stored.imagePath;
}

void RadioCommands::CompleteRead() {
    if (comparing_) {
        ::CompleteRead(*comparing_);
        comparedBackup_ = StoreReadBackup(*comparing_);
        return;
    }
    ShowDecodedImage(true);
}

void RadioCommands::ShowDecodedImage(bool backup) {
    host_.UnloadAllChildForms();
    AppContext& ctx = host_.context();
    ::CompleteRead(ctx.model);
    if (backup)
        StoreReadBackup(ctx.model);
    host_.ShowOpenedData();
}

void RadioCommands::LaunchVersion(const QString& firmware) {
    host_.launcher().LaunchVersion(firmware);
}
