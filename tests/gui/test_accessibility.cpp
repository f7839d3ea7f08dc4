// Screen readers and keyboard-only users: every control a user reaches has a
// name in the language in force, lists are read by their labels, table cells
// with their row and column, and Tab reaches every enabled control.

#include "core/text/catalogue.h"
#include "gui/files/backups_window.h"
#include "gui/files/print_window.h"
#include "gui/link/port_window.h"
#include "gui/link/progress_window.h"
#include "gui/shell/about_window.h"
#include "gui/shell/help_window.h"
#include "gui/shell/language_window.h"
#include "support/gui_fixture.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>

namespace {

QString AccessibleText(QObject* object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// The controls of `window` a user reaches by Tab: shown, enabled, not the
// parts of a list, spin box or table.
QList<QWidget*> Reachable(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !qobject_cast<QScrollBar*>(w) && !qobject_cast<QMdiSubWindow*>(w) &&
            !qobject_cast<const QComboBox*>(parent) &&
            !qobject_cast<const QAbstractSpinBox*>(parent) &&
            !qobject_cast<const QAbstractItemView*>(parent))
            controls << w;
    }
    return controls;
}

QString Describe(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
}

// The reachable controls without a name.
QStringList Unnamed(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : Reachable(window))
        if (AccessibleText(w).trimmed().isEmpty())
            unnamed << Describe(w);
    return unnamed;
}

// Tab pressed from the first control on, until every control was reached or
// the focus came round again twice: the controls never reached.
QStringList NotOnTabChain(QWidget* window) {
    const QList<QWidget*> controls = Reachable(window);
    if (controls.isEmpty())
        return {};
    QSet<QWidget*> reached;
    controls.first()->setFocus(Qt::TabFocusReason);
    for (int n = 0; n < 3 * controls.size() && reached.size() < controls.size(); ++n) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        reached << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QStringList missed;
    for (QWidget* w : controls)
        if (!reached.contains(w) && !reached.contains(w->focusProxy()))
            missed << Describe(w);
    return missed;
}

// The program in a language, with every window it shows open: the main
// window, the editors in its area and the dialogs over it.
struct EveryWindow {
    explicit EveryWindow(const QByteArray& language) : program(Setup(install, language)) {
        AppContext& c = program.run.context;
        const Catalogue& cat = c.catalogue;
        dialogs.emplace_back(new PortWindow(c, program.prompter()));
        dialogs.emplace_back(new BackupsWindow(cat, {}));
        dialogs.emplace_back(new AboutWindow(cat.CurrentLanguage, program.prompter()));
        dialogs.emplace_back(new LanguageWindow(c, program.prompter()));
        dialogs.emplace_back(new HelpWindow(cat.CurrentLanguage));
        dialogs.emplace_back(new PrintWindow(c.model, cat));
        windows << &program.window();
        for (const QString& form : {kChannelInfoForm, kChannelListForm, kOptionsForm, kToneForm})
            windows << program.open(form);
        for (const auto& dialog : dialogs)
            windows << dialog.get();
    }
    static const Installation& Setup(Installation& install, const QByteArray& language) {
        install.writeSetup(
            "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=" + language + "\r\n");
        return install;
    }

    Installation install;
    ShownProgram program;
    std::vector<std::unique_ptr<QWidget>> dialogs;
    QList<QWidget*> windows;
};

// The keyboard marks of `texts` that are missing ("" for a text without
// one) or given twice.
QStringList MarkClashes(const QStringList& texts) {
    QStringList clashes;
    QSet<QString> marks;
    for (const QString& text : texts) {
        const QString mark = QKeySequence::mnemonic(text).toString().toLower();
        if (mark.isEmpty() || marks.contains(mark))
            clashes << text;
        marks << mark;
    }
    return clashes;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlNamedAndOnTheTabChain() {
        for (const QByteArray language : {"1", "2"}) {
            EveryWindow every(language);
            QVERIFY(every.program.shown);
            for (QWidget* window : every.windows) {
                window->show();
                if (window->isWindow()) {
                    QApplication::setActiveWindow(window);
                    QVERIFY(QTest::qWaitForWindowActive(window));
                }
                const QString name = window->objectName() + QStringLiteral(": ");
                QCOMPARE(name + Unnamed(window).join(", "), name);
                if (window != &every.program.window())
                    QCOMPARE(name + NotOnTabChain(window).join(", "), name);
                if (window->isWindow() && window != &every.program.window())
                    window->hide();
            }
        }
    }

    // Alt and a letter reach every menu, menu item and button, each its own.
    void keyboardMarksUniqueInEachMenuAndWindow() {
        for (const QByteArray language : {"1", "2"}) {
            EveryWindow every(language);
            QMenuBar* bar = every.program.window().menuBar();
            QStringList titles, clashes;
            for (QAction* menu : bar->actions()) {
                if (!menu->isVisible())
                    continue;
                titles << menu->text();
                QStringList items;
                for (QAction* item : menu->menu()->actions())
                    if (item->isVisible() && !item->isSeparator())
                        items << item->text();
                clashes << MarkClashes(items);
            }
            clashes << MarkClashes(titles);
            for (QWidget* window : every.windows.mid(1)) { // the main window holds the editors
                window->show(); // as the program shows it
                QStringList captions;
                for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                    if (!qobject_cast<QToolButton*>(button) && button->isVisibleTo(window))
                        captions << button->text();
                if (const QStringList found = MarkClashes(captions); !found.isEmpty())
                    clashes << window->objectName() + ": " + found.join(", ");
            }
            QCOMPARE(clashes.join(" | "), QString());
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
