#include "programs/zr4400-cli/fleet_write.h"

#include "core/base/text_util.h"
#include "core/link/serial_link.h"
#include "core/session/write_journal.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"
#include "programs/zr4400-cli/link_setup.h"
#include "programs/zr4400-cli/signal_stop.h"

#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <unistd.h>

namespace {

class Fleet;

// What one port's transfer shows: through the fleet, named by its port.
class PortUi : public LinkUi {
public:
    PortUi(Fleet& fleet, int index) : fleet_(fleet), index_(index) {}

    void ShowProgress(int percent) override;
    void ShowRadioNumber(int) override {}
    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    void CloseProgress() override {}
    void CompleteRead() override {}
    void LaunchVersion(const QString&) override {}
    void TransferEnded(bool success) override;
    void RadioWritten(int written, bool more) override;
    bool MayStartRadio() override;

private:
    Fleet& fleet_;
    int index_;
};

struct Port {
    QString name;
    std::unique_ptr<PortUi> ui;
    std::unique_ptr<SerialLink> link;
    std::unique_ptr<JournalRecord> record;
    int written = 0;
    bool inWork = false;
    bool ended = false;
    int percent = 0;
};

class Fleet {
public:
    Fleet(CliSession& session, int count)
        : session_(session), count_(count), terminal_(isatty(STDERR_FILENO)) {}

    CliSession& session() { return session_; }
    std::vector<Port> ports;
    QEventLoop loop;
    int firstFailure = ExitOk;

    void Progress(int index, int percent) {
        ports[index].percent = percent;
        if (!terminal_)
            return;
        QStringList parts;
        for (const Port& p : ports)
            parts << QStringLiteral("%1 %2%").arg(p.name).arg(p.percent, 3);
        std::fprintf(stderr, "\rWriting %s", qPrintable(parts.join(QStringLiteral(" | "))));
    }

    PromptAnswer Ask(int index, const QString& text, PromptButtons buttons, PromptIcon icon) {
        EndLine();
        return session_.prompter.ask(ports[index].name + QStringLiteral(": ") + text, buttons,
                                     icon);
    }

    bool MayStart(int index) {
        if (written() + inWork() >= count_)
            return false;
        ports[index].inWork = true;
        return true;
    }

    void Written(int index, bool more) {
        Port& port = ports[index];
        port.inWork = false;
        ++port.written;
        EndLine();
        const bool needed = written() + inWork() < count_;
        if (more && needed)
            PrintError(QStringLiteral("%1: ").arg(port.name) +
                       session_.catalogue.Text(TextId::RadioWrittenNext).arg(written()));
        // A radio in work elsewhere may still fail: the ports end when the
        // radios written make the count, not before.
        if (written() < count_)
            return;
        for (Port& p : ports)
            if (!p.inWork)
                p.link->engine().EndGroup();
    }

    void Ended(int index) {
        Port& port = ports[index];
        port.ended = true;
        port.inWork = false;
        const LinkResult& result = port.link->engine().Result();
        if (result.outcome != LinkOutcome::Success && firstFailure == ExitOk)
            firstFailure = ExitFor(result.outcome);
        // A radio this port left not whole, or holding other bytes, is named
        // in the summary and fails the run whatever the other ports did.
        QString what;
        if (result.partlyWritten)
            what = QStringLiteral("partly written");
        else if (result.outcome == LinkOutcome::VerifyFailed)
            what = QStringLiteral("verify failed at 0x%1")
                       .arg(QString::number(result.firstDifference, 16)
                                .toUpper()
                                .rightJustified(4, QLatin1Char('0')));
        else if (result.outcome == LinkOutcome::VerifyUnfinished)
            what = QStringLiteral("written, its verification did not finish");
        if (!what.isEmpty()) {
            const int radio =
                result.radiosWritten + (result.outcome == LinkOutcome::VerifyUnfinished ? 0 : 1);
            badRadios << QStringLiteral("%1: radio %2 %3.").arg(port.name).arg(radio).arg(what);
            if (firstBadStatus == ExitOk)
                firstBadStatus = ExitFor(result.outcome);
            onlyDiffering = onlyDiffering && result.outcome == LinkOutcome::VerifyFailed;
        }
        if (std::all_of(ports.begin(), ports.end(), [](const Port& p) { return p.ended; }))
            loop.quit();
    }

    // Each radio a port left partly written or not as written, and its status.
    QStringList badRadios;
    int firstBadStatus = ExitOk;
    bool onlyDiffering = true;

    // Not 0 while a radio is left bad: 1 when every one only holds other bytes.
    int BadStatus() const {
        return badRadios.isEmpty() ? ExitOk : onlyDiffering ? ExitDiffers : firstBadStatus;
    }

    void StopAll() {
        for (Port& p : ports)
            p.link->engine().Cancel();
    }

    // Radios written, and radios being written, on all ports.
    int written() const {
        return std::accumulate(ports.begin(), ports.end(), 0,
                               [](int n, const Port& p) { return n + p.written; });
    }
    int inWork() const {
        return static_cast<int>(
            std::count_if(ports.begin(), ports.end(), [](const Port& p) { return p.inWork; }));
    }
    int count() const { return count_; }

private:
    void EndLine() {
        if (terminal_)
            std::fprintf(stderr, "\n");
    }

    CliSession& session_;
    int count_;
    bool terminal_;
};

void PortUi::ShowProgress(int percent) {
    fleet_.Progress(index_, percent);
}
PromptAnswer PortUi::Ask(const QString& text, PromptButtons buttons, PromptIcon icon) {
    return fleet_.Ask(index_, text, buttons, icon);
}
void PortUi::TransferEnded(bool) {
    fleet_.Ended(index_);
}
void PortUi::RadioWritten(int, bool more) {
    fleet_.Written(index_, more);
}
bool PortUi::MayStartRadio() {
    return fleet_.MayStart(index_);
}

} // namespace

int RunFleetWrite(CliSession& s, const QStringList& names, const WriteOptions& options) {
    WriteJournal journal; // outlives the ports' records
    Fleet fleet(s, options.radios);
    // Each port needs its own copy of the data: a transfer keeps state in it.
    std::vector<std::unique_ptr<RadioModel>> models;
    for (qsizetype i = 0; i < names.size(); ++i) {
        Port port;
        port.name = names[i].trimmed();
        port.ui = std::make_unique<PortUi>(fleet, static_cast<int>(i));
        models.push_back(std::make_unique<RadioModel>(s.model));
        port.link = std::make_unique<SerialLink>(*port.ui, *models.back(), s.versions, s.catalogue);
        const QString trace = options.tracePath.isEmpty()
                                  ? QString()
                                  : options.tracePath + QStringLiteral(".%1").arg(i + 1);
        if (const int status = PrepareLink(s, *port.link, port.name, trace); status != ExitOk)
            return status;
        fleet.ports.push_back(std::move(port));
    }
    for (Port& port : fleet.ports)
        if (!port.link->engine().BeginTransfer(LinkOperationCode::Write))
            return ExitPortUnavailable;
    s.prompter.confirm(s.catalogue.Text(TextId::WriteConfirm));
    SignalStop stopper([&fleet] { fleet.StopAll(); }, s.catalogue.Text(TextId::StoppingNote),
                       s.catalogue.Text(TextId::QuitAtOnce));
    for (Port& port : fleet.ports) {
        LinkEngine& engine = port.link->engine();
        port.record =
            std::make_unique<JournalRecord>(journal, port.name, s.model.ModelCode, options.source);
        engine.SetRecord(port.record.get());
        engine.SetVerify(options.verify);
        engine.SetSwapWait(options.waitSeconds);
        engine.StartGroupWrite(options.radios);
    }
    fleet.loop.exec();

    QStringList each;
    for (const Port& port : fleet.ports)
        each << QStringLiteral("%1 on %2").arg(port.written).arg(port.name);
    PrintError(QStringLiteral("%1 written: %2.")
                   .arg(CountOf(fleet.written(), QStringLiteral("radio")),
                        each.join(QStringLiteral(", "))));
    for (const QString& bad : fleet.badRadios)
        PrintError(bad);
    if (stopper.received() != 0 && fleet.written() < fleet.count()) {
        PrintError(s.catalogue.Text(TextId::TransferCancelled));
        return 128 + stopper.received();
    }
    if (const int bad = fleet.BadStatus(); bad != ExitOk)
        return bad;
    if (fleet.written() >= fleet.count())
        return ExitOk;
    return fleet.firstFailure != ExitOk ? fleet.firstFailure : ExitLinkGaveUp;
}
