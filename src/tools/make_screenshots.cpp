// Draws the pictures of the windows for the documentation, in English and
// Chinese, from the program tree given (its initial data, a few channels set
// so the lists show something):
//   QT_QPA_PLATFORM=offscreen zr4400-screenshots build/dist/PK_517 docs

#include "core/base/prompter.h"
#include "core/editing/channel_list.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/startup.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_translations.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentPrompter : public Prompter {
public:
    PromptAnswer ask(const QString&, PromptButtons, PromptIcon) override {
        return PromptAnswer::Ok;
    }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
};

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
    window.UnloadAllChildForms();
    context.model.radio.BandFlag = 0;
    context.model.ApplyBandFlag();
    SampleChannels(context.model, context.catalogue);
    window.RefreshCaption();
    window.ShowChildForm(kChannelListForm);
    if (QMdiSubWindow* sub = window.mdiArea()->activeSubWindow())
        sub->showMaximized();
    QApplication::processEvents();
    const QString name = language == Catalogue::kChinese ? QStringLiteral("channel-list-zh.png")
                                                         : QStringLiteral("channel-list-en.png");
    return window.grab().save(QDir(out).filePath(name));
}

} // namespace

int main(int argc, char** argv) {
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
