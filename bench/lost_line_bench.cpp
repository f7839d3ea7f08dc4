// CPU time of the program while a transfer whose line went away waits at the
// "Check Connection" question, as a modal prompt waits: the event loop runs,
// nothing should keep it busy.
//   zr4400-bench-lost-line SIM-PROGRAM [SECONDS]

#include "core/base/version_table.h"
#include "core/codec/image_codec.h"
#include "core/link/serial_link.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Waits at the first question for `seconds`, measuring, then cancels.
class WaitingUi : public LinkUi {
public:
    explicit WaitingUi(int seconds) : seconds_(seconds) {}
    double cpuPerSecond = -1;
    QEventLoop done;

    void ShowProgress(int) override {}
    void ShowRadioNumber(int) override {}
    PromptAnswer Ask(const QString&, PromptButtons, PromptIcon) override {
        if (cpuPerSecond < 0) {
            const double before = CpuSeconds();
            QEventLoop wait;
            QTimer::singleShot(seconds_ * 1000, &wait, &QEventLoop::quit);
            wait.exec();
            cpuPerSecond = (CpuSeconds() - before) / seconds_;
        }
        return PromptAnswer::Cancel;
    }
    void CloseProgress() override {}
    void CompleteRead() override {}
    void LaunchVersion(const QString&) override {}
    void TransferEnded(bool) override { QTimer::singleShot(0, &done, &QEventLoop::quit); }

private:
    int seconds_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: zr4400-bench-lost-line SIM-PROGRAM [SECONDS]\n");
        return 64;
    }
    const int seconds = args.size() > 2 ? args[2].toInt() : 5;
    QTemporaryDir dir;
    const QString device = dir.filePath("radio");
    QProcess sim;
    sim.start(args[1], {"--drop-line-at", "0x1000", "--link", device});
    if (!sim.waitForReadyRead(10000))
        return 69;

    RadioModel model;
    VersionTable versions = VersionTable::BuiltIn();
    Catalogue catalogue;
    WaitingUi ui(seconds);
    SerialLink link(ui, model, versions, catalogue);
    link.setSettings({device, {}, 0, 1, {}});
    PrepareImage(model.image);
    if (!link.engine().BeginTransfer(LinkOperationCode::Read))
        return 69;
    link.engine().StartHandshake();
    ui.done.exec();
    sim.kill();
    sim.waitForFinished();
    std::printf("cpu_seconds_per_second_at_prompt %.4f\n", ui.cpuPerSecond);
    return 0;
}
