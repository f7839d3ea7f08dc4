#pragma once

// Drives the channel information window as a user would: cells opened with a
// double click, Enter or a typed digit, frequencies typed into the cell
// editor, lists chosen from their pop-ups.

#include "gui/channels/channel_grid.h"
#include "gui/channels/channel_info_window.h"
#include "gui/channels/freq_cell_editor.h"
#include "support/gui_fixture.h"
#include "support/widget_driving.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

enum class OpenBy { DoubleClick, Enter, TypedDigit };

// The program shown, and the channel information window its start opened.
struct ChannelEditorRun : ShownProgram {
    using ShownProgram::ShownProgram;

    ChannelInfoWindow* window() const {
        return qobject_cast<ChannelInfoWindow*>(run.window->editors().Find(kChannelInfoForm));
    }
    ChannelGrid* grid() const { return window()->findChild<ChannelGrid*>("MSFlexGrid1"); }
    FreqCellEditor* cellEditor() const { return grid()->editor(); }
    QComboBox* list(const QString& name) const {
        auto* box = window()->findChild<QComboBox*>(name);
        Q_ASSERT_X(box, "list", qPrintable(name));
        return box;
    }
    OptionRecord& options() { return run.context.model.radio.Options; }
    QString cell(int row) const { return grid()->item(row, 1)->text(); }

    // A click on the list, its pop-up, a click on the entry (or Return on it
    // when it is out of sight).
    void choose(const QString& listName, const QString& text) {
        QComboBox* box = list(listName);
        box->setFocus(Qt::MouseFocusReason);
        QVERIFY2(Choose(box, text), qPrintable(listName + ": no " + text));
    }

    void clickCell(int row) {
        ChannelGrid* g = grid();
        g->scrollToItem(g->item(row, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(row, 1)).center());
    }

    void openCell(int row, OpenBy how = OpenBy::DoubleClick) {
        clickCell(row); // a double click follows the click of its first press
        ChannelGrid* g = grid();
        if (how == OpenBy::DoubleClick)
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {},
                               g->visualItemRect(g->item(row, 1)).center());
        else
            QTest::keyClick(g, how == OpenBy::Enter ? Qt::Key_Return : Qt::Key_2);
    }

    // Types over the cell's text (an opened cell holds its text selected) and presses Enter.
    void typeAndEnter(const QString& text) {
        QTest::keyClick(cellEditor(), Qt::Key_Backspace);
        QTest::keyClicks(cellEditor(), text);
        QTest::keyClick(cellEditor(), Qt::Key_Return);
    }

    void setCell(int row, const QString& text) {
        openCell(row);
        typeAndEnter(text);
    }
};
