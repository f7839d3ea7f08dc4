// Times the channel list with every record of both banks: opening the window
// until it has been painted, pasting 500 rows with the table shown anew, and
// channel plans out as CSV and 500 records in.
//   QT_QPA_PLATFORM=offscreen zr4400-bench-channel-list build/dist/PK_517

#include "bench/bench_report.h"
#include "core/base/silent_prompter.h"
#include "core/editing/channel_list.h"
#include "core/editing/channel_plan.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/startup.h"
#include "gui/channels/channel_list_window.h"
#include "gui/shell/main_window.h"
#include "report/sheet_content.h"
#include "report/sheet_painter.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every group of both banks holds 46 channels.
void FillConfiguration(RadioModel& model) {
    for (int v = 0; v < kBanks; ++v)
        for (int g = 1; g <= kGroups; ++g)
            for (int n = 1; n <= 40; ++n)
                if (model.FindSlot(n, v, g) == 0)
                    model.AppendChannel(n, v, g,
                                        QStringLiteral("28.%1").arg(n * 10, 4, 10, QChar('0')));
}

// 500 rows naming their channels: CB A-J 1-40, then HF A-C 1-40 (100 of them).
QString PastedRows() {
    QString text = QStringLiteral("Bank\tGroup\tChannel\tFrequency\tMode\tTSQ\tREP\n");
    int rows = 0;
    for (int v = 0; v < kBanks && rows < 500; ++v)
        for (int g = 1; g <= kGroups && rows < 500; ++g)
            for (int n = 1; n <= 40 && rows < 500; ++n, ++rows)
                text += QStringLiteral("%1\t%2\t%3\t28.%4\tAM\tC_008(88.5Hz)\t+\n")
                            .arg(v == 0 ? "CB" : "HF")
                            .arg(QChar('A' + g - 1))
                            .arg(n)
                            .arg(n * 10 + 5, 4, 10, QChar('0'));
    return text;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER\n", argv[0]);
        return 64;
    }
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    AppContext context(AppPaths::FromProgramFolder(QString::fromLocal8Bit(argv[1])));
    LoadStartupData(context);
    InitialiseData(context.model, context.paths.InitFolder());
    FillConfiguration(context.model);
    SilentPrompter prompter;
    MainWindow window(context, prompter);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    std::printf("rows: %lld\n", static_cast<long long>(ChannelListRows(context.model).size()));

    Report("open the list, painted", 20, 1e6, "ms", [&] {
        window.UnloadAllChildForms();
        window.editors().Show(kChannelListForm)->repaint();
        QApplication::processEvents();
    });
    auto* list = qobject_cast<ChannelListWindow*>(window.editors().Find(kChannelListForm));
    QGuiApplication::clipboard()->setText(PastedRows());
    Report("paste 500 rows, shown anew", 20, 1e6, "ms", [&] {
        list->PasteRows();
        list->repaint();
        QApplication::processEvents();
    });
    // Channel plans: the first 500 records out as CSV, and in again.
    QString plan;
    {
        const QStringList lines = ChannelPlanCsv(context.model).split(QStringLiteral("\r\n"));
        plan = lines.mid(0, 501).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }
    Report("export 874 records as CSV", 20, 1e6, "ms", [&] { ChannelPlanCsv(context.model); });
    // The printed sheet of every group, options and tones, composed and laid out as a PDF.
    const SheetChoice everything{GroupsWithChannels(context.model), true, true};
    Report("programming sheet of 874 channels as PDF", 10, 1e6, "ms", [&] {
        SheetPdf(ComposeSheet(context.model, everything, context.catalogue, QDate::currentDate()),
                 QPageSize::A4);
    });
    Report("import 500 records from CSV", 20, 1e6, "ms", [&] {
        const ChannelPlanImport import = ReadChannelPlan(context.model, plan, context.catalogue);
        if (!import.problems.isEmpty())
            std::printf("%s\n", qPrintable(import.problems.first()));
    });
    return 0;
}
