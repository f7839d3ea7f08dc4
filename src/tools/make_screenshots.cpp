// Draws the pictures of the windows for the README and the manual, in English
// and Chinese, from the program tree given (its initial data, a few channels
// set so the lists show something):
//   zr4400-screenshots build/dist/PK_517 docs
// (offscreen unless QT_QPA_PLATFORM names another platform).

#include "core/base/silent_prompter.h"
#include "core/editing/channel_list.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/startup.h"
#include "gui/files/backups_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_translations.h"
#include "tools/picture_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A small channel plan in the CB bank's group A.
void SampleChannels(RadioModel& model, const Catalogue& catalogue) {
    const char* const modes[] = {"FM", "AM", "USB", "LSB"};
    for (int n = 1; n <= 12; ++n) {
        const ListRow row{0, 1, n};
        SetRowFrequency(model, row, QString::number(26.965 + n * 0.01, 'f', 3), catalogue);
        SetCellChoice(model, row, kColMode, QLatin1String(modes[n % 4]), catalogue);
    }
    SetCellChoice(model, {0, 1, 9}, kColPublic, catalogue.Text(TextId::OnSwitch), catalogue);
}

// A picture of the main window with one editor window on show.
bool ShootForm(MainWindow& window, const QString& form, bool maximized, const QString& path) {
    window.UnloadAllChildForms();
    window.editors().Show(form);
    if (QMdiSubWindow* sub = window.editors().activeSubWindow(); sub && maximized)
        sub->showMaximized();
    QApplication::processEvents();
    return SavePicture(window.grab().toImage(), path, "PNG");
}

bool Shoot(const QString& programFolder, const QString& out, int language) {
    AppContext context(AppPaths::FromProgramFolder(programFolder));
    LoadStartupData(context);
    context.catalogue.CurrentLanguage = language;
    InstallQtTranslations(language);
    InitialiseData(context.model, context.paths.InitFolder());
    SilentPrompter prompter;
    MainWindow window(context, prompter);
    window.resize(1280, 760);
    window.show();
    // The window settles (activation, the editors of the start) before the picture.
    QApplication::processEvents();
    const QString suffix =
        language == Catalogue::kChinese ? QStringLiteral("-zh.png") : QStringLiteral("-en.png");
    const auto path = [&](const char* stem) {
        return QDir(out).filePath(QLatin1String(stem) + suffix);
    };
    if (!SavePicture(window.grab().toImage(), path("main-window"), "PNG"))
        return false;
    window.UnloadAllChildForms();
    context.model.radio.BandFlag = 0;
    context.model.ApplyBandFlag();
    SampleChannels(context.model, context.catalogue);
    window.RefreshCaption();
    const struct {
        const QString& form;
        bool maximized;
        const char* stem;
    } forms[] = {{kChannelInfoForm, false, "channel-editor"},
                 {kChannelListForm, true, "channel-list"},
                 {kOptionsForm, false, "option-features"},
                 {kToneForm, false, "roger-beep"}};
    for (const auto& f : forms)
        if (!ShootForm(window, f.form, f.maximized, path(f.stem)))
            return false;
    // The backup list with two reads kept.
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 25, 1));
    BackupsWindow backups(context.catalogue,
                          {{QStringLiteral("/b/2026-12-07_142501_PK2323"), when,
                            QStringLiteral("PK2323"), true, true},
                           {QStringLiteral("/b/2026-12-01_091500_PK2323"), when.addDays(-6),
                            QStringLiteral("PK2323"), true, true}},
                          &window);
    backups.show();
    QApplication::processEvents();
    return SavePicture(backups.grab().toImage(), path("backups"), "PNG");
}

} // namespace

int main(int argc, char** argv) {
    // Windows are fitted on their screen: offscreen, the pictures get a
    // screen of 1920x1080 rather than the platform's small default.
    QTemporaryDir screenFolder;
    if (qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")) ==
        QLatin1String("offscreen")) {
        const QString config = screenFolder.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [{"name": "shots", "x": 0, "y": 0, "width": 1920, )"
                       R"("height": 1080, "logicalDpi": 96}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER OUT-FOLDER\n", argv[0]);
        return 64;
    }
    // The user's own settings (window position, choices) stay untouched.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (const int language : {Catalogue::kEnglish, Catalogue::kChinese})
        if (!Shoot(program, out, language)) {
            std::fprintf(stderr, "cannot write the pictures into %s\n", argv[2]);
            return 73;
        }
    return 0;
}
