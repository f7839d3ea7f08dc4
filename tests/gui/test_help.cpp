// The user manual inside the program: every window and every message has its
// place in both languages, and the manual opens from the Help menu and from
// the Help buttons at their windows' sections.

#include "core/text/catalogue.h"
#include "gui/files/backups_window.h"
#include "gui/files/compare_window.h"
#include "gui/files/print_window.h"
#include "gui/link/port_window.h"
#include "gui/link/progress_window.h"
#include "gui/shell/about_window.h"
#include "gui/shell/help_window.h"
#include "gui/shell/language_window.h"
#include "support/gui_fixture.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

// The titles of every window the program shows, as it shows them.
QStringList WindowTitles(Started& run) {
    QStringList titles;
    for (const QString& form : {kChannelInfoForm, kChannelListForm, kOptionsForm, kToneForm})
        titles << run.window->editors().Show(form)->windowTitle();
    AppContext& c = run.context;
    const Catalogue& cat = c.catalogue;
    titles << PortWindow(c, run.prompter).windowTitle() << BackupsWindow(cat, {}).windowTitle()
           << CompareWindow(cat, "x", {}).windowTitle()
           << AboutWindow(cat.CurrentLanguage, run.prompter).windowTitle()
           << LanguageWindow(c, run.prompter).windowTitle()
           << HelpWindow(cat.CurrentLanguage).windowTitle()
           << PrintWindow(c.model, cat).windowTitle()
           << ProgressWindow(ProgressWindow::Kind::Read, 0, cat).windowTitle()
           << ProgressWindow(ProgressWindow::Kind::Write, 0, cat).windowTitle();
    return titles;
}

// A text the program shows as a message: a sentence, not a caption or a menu item.
bool IsMessage(const QString& text, int language) {
    if (language == Catalogue::kChinese)
        return text.size() > 4 &&
               (text.endsWith(QStringLiteral("。")) || text.endsWith(QStringLiteral("？")));
    return text.size() > 12 && !text.contains('&') && !text.endsWith("...") &&
           (text.endsWith('.') || text.endsWith('?'));
}

// The captions of the menu items and toolbar buttons a user can use.
QStringList UsableCaptions(const QWidget& top) {
    QStringList captions;
    for (const QAction* action : top.findChildren<QAction*>())
        if (action->isVisible() && action->isEnabled())
            captions << PlainCaption(action->text()) << PlainCaption(action->toolTip());
    captions.removeAll(QString());
    return captions;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void manualCoversEveryWindowAndMessage() {
        for (const int language : {Catalogue::kEnglish, Catalogue::kChinese}) {
            Installation install;
            install.writeSetup(
                QStringLiteral("[language]\r\nIsFirstRun=0\r\nCurrentLanguage=%1\r\n")
                    .arg(language)
                    .toLatin1());
            Started run(install);
            const QString manual = HelpWindow::ManualText(language);
            QStringList headings = manual.split('\n').filter(QRegularExpression("^#+ "));
            for (const QString& title : WindowTitles(run))
                QVERIFY2(!headings.filter(QString(title).remove('&')).isEmpty(), qPrintable(title));
            // No usable command is said to be missing.
            for (const QString& caption : UsableCaptions(*run.window)) {
                const QRegularExpression missing(QRegularExpression::escape(caption) +
                                                 "[\\s(（”\"]*(is\\s+|暂)?(not available|不可用)");
                QVERIFY2(!manual.contains(missing), qPrintable(caption));
            }
            const QString messages = manual.mid(manual.lastIndexOf("\n## "));
            for (int id = 0; id < static_cast<int>(TextId::Count_); ++id) {
                const QString text =
                    Catalogue::TextIn(static_cast<TextId>(id), language).replace("\r\n", " ");
                if (IsMessage(text, language))
                    QVERIFY2(messages.contains(text), qPrintable(text));
            }
        }
    }

    void opensFromTheMenuAndTheHelpButtons() {
        Fresh<ShownProgram> program;
        QVERIFY(program.shown);
        Trigger(program.window(), "mnuHelpTopic");
        auto* help = program.window().findChild<HelpWindow*>("frmHelp");
        QVERIFY(help && help->isVisible());
        // The contents lead to their sections.
        auto* contents = help->findChild<QTreeWidget*>("tvContents");
        const QList<QTreeWidgetItem*> found =
            contents->findItems("Roger Beep window", Qt::MatchContains | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        contents->setCurrentItem(found.first());
        QCOMPARE(help->findChild<QTextBrowser*>("txtManual")->textCursor().block().text(),
                 found.first()->text(0));
        // A window's Help button: the same manual, at that window's heading.
        for (const QString& form : {kOptionsForm, kToneForm}) {
            QWidget* window = program.open(form);
            window->findChild<QPushButton*>("CommandHelp")->click();
            auto* text =
                program.window().findChild<HelpWindow*>("frmHelp")->findChild<QTextBrowser*>(
                    "txtManual");
            const QTextBlock at = text->textCursor().block();
            QVERIFY2(at.blockFormat().headingLevel() > 0 &&
                         at.text().contains(window->windowTitle()),
                     qPrintable(at.text()));
        }
        QCOMPARE(program.window().findChildren<HelpWindow*>().size(), 1);
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
