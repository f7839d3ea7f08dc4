#include "programs/zr4400-cli/link_commands.h"

#include "core/codec/image_check.h"
#include "core/codec/image_codec.h"
#include "core/link/port_directory.h"
#include "core/link/serial_link.h"
#include "core/model/data_file.h"
#include "core/session/backups.h"
#include "core/session/write_journal.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"
#include "programs/zr4400-cli/fleet_write.h"
#include "programs/zr4400-cli/signal_stop.h"

#include <QEventLoop>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

// Progress on a terminal as one line rewritten in place; questions answered
// by the session's policy.
class CliLinkUi : public LinkUi {
public:
    CliLinkUi(CliSession& session, QString action)
        : session_(session), action_(std::move(action)), terminal_(isatty(STDERR_FILENO)) {}

    void ShowProgress(int percent) override {
        if (terminal_)
            std::fprintf(stderr, "\r%s%s %3d%%", qPrintable(action_), qPrintable(radio_), percent);
    }
    void ShowRadioNumber(int radio) override {
        radio_ = QStringLiteral(" (radio %1)").arg(radio);
        if (terminal_)
            std::fprintf(stderr, "\n");
    }
    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) override {
        EndLine();
        return session_.prompter.ask(text, buttons, icon);
    }
    void CloseProgress() override { EndLine(); }
    void RadioWritten(int written, bool more) override {
        if (!more)
            return;
        EndLine();
        PrintError(session_.catalogue.Text(TextId::RadioWrittenNext).arg(written));
    }
    void CompleteRead() override { ::CompleteRead(session_.model); }
    void LaunchVersion(const QString&) override {}
    void TransferEnded(bool) override { loop.quit(); }

    QEventLoop loop;

private:
    void EndLine() {
        if (terminal_)
            std::fprintf(stderr, "\n");
    }

    CliSession& session_;
    QString action_;
    QString radio_;
    bool terminal_;
};

// Runs a transfer to its end. SIGINT and SIGTERM stop it as the window's
// Cancel does; the status is then 128 plus the signal's number.
int RunToEnd(CliSession& s, LinkEngine& engine, CliLinkUi& ui, const std::function<void()>& start,
             TextId quitNote) {
    SignalStop stopper([&engine] { engine.Cancel(); }, s.catalogue.Text(TextId::StoppingNote),
                       s.catalogue.Text(quitNote));
    start();
    if (engine.Busy())
        ui.loop.exec();
    if (stopper.received() != 0 && engine.Outcome() != LinkOutcome::Success) {
        PrintError(s.catalogue.Text(TextId::TransferCancelled));
        return 128 + stopper.received();
    }
    return ExitFor(engine.Outcome());
}

// Writes the model's image into one radio, or into `radios` radios one after
// another, after the confirmation; several ports write a group side by side.
int RunWriting(CliSession& s, const QString& port, const WriteOptions& options) {
    if (port.contains(QLatin1Char(',')) && options.radios > 0)
        return RunFleetWrite(s, port.split(QLatin1Char(','), Qt::SkipEmptyParts), options);
    CliLinkUi ui(s, QStringLiteral("Writing"));
    SerialLink link(ui, s.model, s.versions, s.catalogue);
    if (const int status = PrepareLink(s, link, port, options.tracePath); status != ExitOk)
        return status;
    LinkEngine& engine = link.engine();
    if (!engine.BeginTransfer(LinkOperationCode::Write))
        return ExitPortUnavailable;
    s.prompter.confirm(s.catalogue.Text(TextId::WriteConfirm));
    WriteJournal journal;
    JournalRecord record(journal, port, s.model.ModelCode, options.source);
    engine.SetRecord(&record);
    engine.SetVerify(options.verify);
    engine.SetSwapWait(options.waitSeconds);
    return RunToEnd(
        s, engine, ui,
        [&engine, &options] {
            if (options.radios > 0)
                engine.StartGroupWrite(options.radios);
            else
                engine.StartHandshake();
        },
        TextId::QuitAtOnce);
}

} // namespace

int ReadRadio(CliSession& s, const QString& port, const QString& tracePath, bool backup) {
    CliLinkUi ui(s, QStringLiteral("Reading"));
    SerialLink link(ui, s.model, s.versions, s.catalogue);
    if (const int status = PrepareLink(s, link, port, tracePath); status != ExitOk)
        return status;
    LinkEngine& engine = link.engine();
    if (!engine.BeginTransfer(LinkOperationCode::Read))
        return ExitPortUnavailable;
    s.prompter.confirm(s.catalogue.Text(TextId::ReadConfirm));
    PrepareImage(s.model.image);
    if (const int status = RunToEnd(
            s, engine, ui, [&engine] { engine.StartHandshake(); }, TextId::QuitAtOnceRead);
        status != ExitOk)
        return status;
    if (backup) {
        // A backup that cannot be stored never fails the read.
        const BackupResult stored = StoreBackup(s.model, QDateTime::currentDateTime());
        if (stored.imagePath.isEmpty())
            PrintWarning(QStringLiteral("no backup stored: ") +
                         FileProblemLine(s.catalogue, stored.problem));
        else
            PrintError(QStringLiteral("Backup: ") + stored.imagePath);
    }
    return ExitOk;
}

int RunRead(CliSession& s, const QString& port, const QString& outPath, const QString& tracePath,
            ReadOutput output, bool backup) {
    // The data file pair must be creatable before the radio is asked for anything.
    if (const int status = CheckOutput(s, outPath); status != ExitOk)
        return status;
    if (const int status = ReadRadio(s, port, tracePath, backup); status != ExitOk)
        return status;
    if (output == ReadOutput::RawImage)
        return WriteImageFile(s, outPath);
    s.model.CurrentFileName = outPath;
    return SaveDataFile(s.model, s.catalogue, s.prompter) ? ExitOk : ExitIoError;
}

int RunRestore(CliSession& s, const QString& port, const QString& imagePath,
               const WriteOptions& options, bool force) {
    if (const int status = ReadImageFile(s, imagePath); status != ExitOk)
        return status;
    // Any 16384 bytes would go out: what is not this model's memory only when asked to.
    if (const QString doubt = ForeignImageMessage(s.model.image, s.catalogue);
        !doubt.isEmpty() && !force) {
        PrintError(doubt + QStringLiteral("\n") + s.catalogue.Text(TextId::ImageForceHint));
        return ExitBadData;
    }
    // The image goes out as it is: no data is encoded into it.
    WriteOptions restore = options;
    restore.source = imagePath;
    return RunWriting(s, port, restore);
}

int RunWrite(CliSession& s, const QString& port, const QString& inPath,
             const WriteOptions& options) {
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    PrepareImage(s.model.image);
    EncodeImage(s.model);
    WriteOptions write = options;
    write.source = inPath;
    return RunWriting(s, port, write);
}

int RunResume(CliSession& s, const QString& port, WriteOptions options, bool dismiss) {
    WriteJournal journal;
    const std::optional<JournalEntry> entry = journal.LastOpen();
    if (!entry) {
        PrintError(s.catalogue.Text(TextId::UnfinishedNone));
        return ExitNoInput;
    }
    if (dismiss) {
        journal.Close(entry->id);
        return ExitOk;
    }
    PrintError(UnfinishedWriteText(*entry, s.catalogue));
    if (const int status = ReadImageFile(s, entry->imagePath); status != ExitOk)
        return status;
    // The radio is checked against the model the write was for.
    if (!entry->model.isEmpty())
        s.model.ModelCode = entry->model;
    options.source = entry->source;
    const int status = RunWriting(s, port.isEmpty() ? entry->port : port, options);
    // Only a radio that holds the whole image again is no longer partly written.
    if (status == ExitOk || status == ExitVerifyUnfinished)
        journal.Close(entry->id);
    return status;
}

void WarnOfUnfinishedWrite(const CliSession& s) {
    if (const std::optional<JournalEntry> entry = WriteJournal().LastOpen())
        PrintWarning(UnfinishedWriteText(*entry, s.catalogue));
}

int RunPorts(CliSession& s) {
    bool barred = false;
    for (const PortEntry& port : ListSerialPorts(s.setup)) {
        const QString details = PortDetails(port, s.catalogue);
        std::printf("%-6s %s%s\n", qPrintable(port.name()), qPrintable(port.path),
                    qPrintable(details.isEmpty() ? QString() : QStringLiteral("  ") + details));
        barred = barred || !port.mayOpen;
    }
    // Beside the list, which scripts read: how to be let in.
    if (barred)
        PrintError(s.catalogue.Text(TextId::PortGroupHint));
    return ExitOk;
}
