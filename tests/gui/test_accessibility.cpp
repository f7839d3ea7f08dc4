// Every user: screen readers find every control a user reaches named in the
// language in force, keyboard users reach it by Tab and a letter, and on a
// dark palette or at a large scale every window stays readable and whole.

#include "gui/files/backups_window.h"
#include "gui/files/compare_window.h"
#include "gui/files/print_window.h"
#include "gui/link/port_window.h"
#include "gui/link/progress_window.h"
#include "gui/shell/about_window.h"
#include "gui/shell/help_window.h"
#include "gui/shell/language_window.h"
#include "gui/tones/tone_bar_picture.h"
#include "gui/widgets/colours.h"
#include "support/gui_fixture.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
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
        dialogs.emplace_back(new CompareWindow(cat, QStringLiteral("radio.dat"), {}));
        dialogs.emplace_back(new ProgressWindow(ProgressWindow::Kind::GroupWrite, 3, cat));
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

// A dark palette as a dark desktop theme gives.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::Base, base},
                                       {QPalette::AlternateBase, window},
                                       {QPalette::Button, window},
                                       {QPalette::WindowText, text},
                                       {QPalette::Text, text},
                                       {QPalette::ButtonText, text}})
        dark.setColor(role, colour);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
    return dark;
}

// The colours the code sets in `window` that are not readable on their
// background: its own palettes, the cells' colours and the tone picture's.
QStringList Unreadable(QWidget* window) {
    QStringList found;
    const auto check = [&found](const QColor& a, const QColor& b, const QString& where) {
        if (ContrastRatio(a, b) < 4.5)
            found << QStringLiteral("%1 (%2 on %3)").arg(where, a.name(), b.name());
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QPalette p = w->palette();
        if (w->testAttribute(Qt::WA_SetPalette))
            check(p.color(QPalette::WindowText), p.color(QPalette::Window), Describe(w));
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            for (int r = 0; r < view->model()->rowCount(); ++r)
                for (int c = 0; c < view->model()->columnCount(); ++c) {
                    const QModelIndex i = view->model()->index(r, c);
                    const QVariant fg = i.data(Qt::ForegroundRole), bg = i.data(Qt::BackgroundRole);
                    if (fg.isValid() || bg.isValid())
                        check(fg.isValid() ? fg.value<QBrush>().color() : p.color(QPalette::Text),
                              bg.isValid() ? bg.value<QBrush>().color() : p.color(QPalette::Base),
                              Describe(w));
                }
        if (auto* picture = qobject_cast<ToneBarPicture*>(w)) {
            // Every colour painted beside the background, against it (inside
            // the frame, which the style draws).
            const QImage image =
                picture->grab(picture->contentsRect().adjusted(2, 2, -2, -2)).toImage();
            QHash<QRgb, int> counts;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ++counts[image.pixel(x, y)];
            // The background covers most; blends at the edges of a fractional
            // scale are too few pixels to be read.
            const QRgb background = std::max_element(counts.begin(), counts.end()).key();
            for (auto it = counts.begin(); it != counts.end(); ++it)
                if (it.key() != background && it.value() * 100 >= image.width() * image.height())
                    check(QColor(it.key()), QColor(background), Describe(w));
        }
    }
    return found;
}

// What is wrong with `window` as the program shows it: controls without a
// name, off the Tab chain, with a keyboard mark missing or twice, a colour the
// code set that is not readable, a caption cut off, the window off the screen.
QStringList Problems(QWidget* window, bool isMain) {
    QStringList found = Unnamed(window) + Unreadable(window);
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(window->window()->frameGeometry()))
        found << QStringLiteral("off the screen");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        const bool caption = (label && !label->wordWrap() && label->pixmap().isNull()) ||
                             qobject_cast<QAbstractButton*>(w);
        if (caption && w->isVisible() &&
            (w->width() < w->minimumSizeHint().width() ||
             w->height() < w->minimumSizeHint().height()))
            found << QStringLiteral("%1 cut off").arg(Describe(w));
    }
    if (isMain) // it holds the editors, each checked on its own
        return found;
    QStringList captions;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!qobject_cast<QToolButton*>(button) && button->isVisibleTo(window))
            captions << button->text();
    return found + MarkClashes(captions) + NotOnTabChain(window);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    // Every window in both languages, under a light and a dark palette (and,
    // run with QT_SCALE_FACTOR 1.5 and 2 on a 1920x1080 screen, at a large scale).
    void everyWindowForEveryUser() {
        const QPalette light = QApplication::palette();
        for (const QPalette& palette : {light, DarkPalette()})
            for (const QByteArray language : {"1", "2"}) {
                QApplication::setPalette(palette);
                EveryWindow every(language);
                QVERIFY(every.program.shown);
                // A channel that follows the public channel: greyed cells in the list.
                every.program.channels().at(0, 1, 1).Public = 1;
                every.program.run.context.changes.Tell(nullptr);
                QStringList problems;
                for (QWidget* window : every.windows) {
                    window->show();
                    if (window->isWindow()) {
                        QApplication::setActiveWindow(window);
                        QVERIFY(QTest::qWaitForWindowActive(window));
                    }
                    const bool isMain = window == &every.program.window();
                    for (const QString& problem : Problems(window, isMain))
                        problems << window->objectName() + ": " + problem;
                    if (window->isWindow() && !isMain)
                        window->hide();
                }
                // Alt and a letter reach every menu and menu item, each its own.
                QStringList titles;
                for (QAction* menu : every.program.window().menuBar()->actions()) {
                    if (!menu->isVisible())
                        continue;
                    titles << menu->text();
                    QStringList items;
                    for (QAction* item : menu->menu()->actions())
                        if (item->isVisible() && !item->isSeparator())
                            items << item->text();
                    problems << MarkClashes(items);
                }
                problems << MarkClashes(titles);
                QCOMPARE(problems.join(", "), QString());
                // The background drawn sharp: its twice-as-large picture at 200 percent.
                auto& area = every.program.window().editors();
                QCOMPARE(area.background().texture().devicePixelRatio(),
                         area.devicePixelRatioF() >= 1.5 ? 2.0 : 1.0);
            }
        QApplication::setPalette(light);
    }

    // The editor windows from the keyboard: Ctrl+Tab to the next, Ctrl+F4 closes.
    void editorWindowsByKeyboard() {
        Fresh<ShownProgram> program;
        auto& area = program.window().editors();
        program.open(kOptionsForm);
        QMdiSubWindow* before = area.activeSubWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(area.activeSubWindow() && area.activeSubWindow() != before);
        const int open = area.subWindowList().size();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_COMPARE(area.subWindowList().size(), open - 1);
        // Tab moves through the channel list's cells, and leaves it at its ends.
        auto* table = program.open(kChannelListForm)->findChild<QTableView*>("tblChannels");
        const QAbstractItemModel* cells = table->model();
        for (const auto& [row, column, key] :
             {std::tuple{0, 0, Qt::Key_Tab},
              {cells->rowCount() - 1, cells->columnCount() - 1, Qt::Key_Tab},
              {0, 0, Qt::Key_Backtab}}) {
            table->setFocus();
            table->setCurrentIndex(cells->index(row, column));
            QTest::keyClick(table, key);
            QCOMPARE(table->hasFocus(), key == Qt::Key_Tab && row == 0);
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
