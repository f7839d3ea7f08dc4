#include "gui/channels/channel_grid.h"

#include "core/editing/channel_names.h"
#include "gui/channels/freq_cell_editor.h"
#include "gui/widgets/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int kLabelColumnTwips = 500;
constexpr int kFreqColumnTwips = 1260;
constexpr int kMemoryFreqColumnTwips = 1520;
constexpr int kHeaderRowTwips = 510;
constexpr int kVisibleRows = 16;

// A header text too wide for its column is broken at its blanks.
QString FitToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return QString(text).replace(QLatin1Char(' '), QLatin1Char('\n'));
}

} // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setColumnCount(2);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setTextElideMode(Qt::ElideNone);
    header->setFixedHeight(TwipsToPixels(this, kHeaderRowTwips));
    header->setDefaultAlignment(Qt::AlignCenter);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    // The memory view's wider frequency column takes the room of the scroll
    // bar the 40 channel rows need, so the grid keeps one width.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int columns = TwipsToPixels(this, kLabelColumnTwips) +
                        std::max(TwipsToPixels(this, kMemoryFreqColumnTwips),
                                 TwipsToPixels(this, kFreqColumnTwips) + scrollBar);
    setFixedWidth(columns + 2 * frameWidth());
    setMinimumHeight(header->height() + kVisibleRows * verticalHeader()->defaultSectionSize() +
                     2 * frameWidth());

    editor_ = new FreqCellEditor(viewport());
    editor_->hide();
    // The box lies inside the grid, outside the window's tab order: Tab goes
    // on from the grid, and taking the focus from the box keeps what was typed.
    connect(editor_, &FreqCellEditor::tabbed, this, [this](bool next) {
        setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        focusNextPrevChild(next);
    });
}

void ChannelGrid::SetHeaderTexts(const QString& channelNo, const QString& frequency) {
    headerTexts_[0] = channelNo;
    headerTexts_[1] = frequency;
    const int labelWidth = TwipsToPixels(this, kLabelColumnTwips) - 4;
    setHorizontalHeaderLabels(
        {FitToWidth(channelNo, horizontalHeader()->fontMetrics(), labelWidth), frequency});
    if (rowCount() > 0) {
        SetFixedCell(0, 0, channelNo);
        SetFixedCell(0, 1, frequency);
    }
}

void ChannelGrid::SetFixedCell(int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    // Not enabled: the cursor and the mouse never land on a fixed cell.
    item->setFlags(Qt::NoItemFlags);
    item->setForeground(palette().buttonText());
    item->setBackground(palette().button());
    setItem(row, column, item);
}

void ChannelGrid::SetView(bool memoryView) {
    setRowCount(0);
    const int rows = (memoryView ? kMemoryChannelCount : kRegularChannelCount) + 1;
    setRowCount(rows);
    setColumnWidth(0, TwipsToPixels(this, kLabelColumnTwips));
    setColumnWidth(1, TwipsToPixels(this, memoryView ? kMemoryFreqColumnTwips : kFreqColumnTwips));
    SetFixedCell(0, 0, headerTexts_[0]);
    SetFixedCell(0, 1, headerTexts_[1]);
    setRowHidden(0, true);
    for (int row = 1; row < rows; ++row) {
        SetFixedCell(row, 0,
                     memoryView ? GetCHName(kRegularChannelCount + row) : QString::number(row));
        auto* cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        Speak(cell, row);
        setItem(row, 1, cell);
    }
}

QString ChannelGrid::Frequency(int row) const {
    const QTableWidgetItem* cell = item(row, 1);
    return cell ? cell->text() : QString();
}

void ChannelGrid::SetFrequency(int row, const QString& text) {
    if (QTableWidgetItem* cell = item(row, 1); cell && row >= 1) {
        cell->setText(text);
        Speak(cell, row);
    }
}

void ChannelGrid::Speak(QTableWidgetItem* cell, int row) {
    if (speaker_)
        cell->setData(Qt::AccessibleTextRole, speaker_(row, cell->text()));
}

void ChannelGrid::MoveTo(int row) {
    if (row < 1 || row > ChannelRows())
        return;
    setCurrentCell(row, 1);
    scrollToItem(item(row, 1));
}

int ChannelGrid::RowAfterStep(int row, int key) const {
    const int page = std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize() - 1);
    const int step = key == Qt::Key_Up       ? -1
                     : key == Qt::Key_Down   ? 1
                     : key == Qt::Key_PageUp ? -page
                                             : page;
    return std::clamp(row + step, 1, ChannelRows());
}

void ChannelGrid::OpenEditor(int row, const QString& text) {
    editRow_ = row;
    scrollToItem(item(row, 1));
    editor_->setText(text);
    PlaceEditor();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    if (!text.isEmpty())
        editor_->selectAll();
}

QString ChannelGrid::CloseEditor() {
    const QString typed = editor_->text();
    editRow_ = 0;
    // The focus stays in the grid rather than wandering to the next control.
    if (editor_->hasFocus())
        setFocus(Qt::OtherFocusReason);
    editor_->hide();
    editor_->clear();
    return typed;
}

void ChannelGrid::PlaceEditor() {
    editor_->setGeometry(visualRect(model()->index(editRow_, 1)));
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    const bool onCell = currentRow() >= 1 && currentColumn() >= 1;
    const int key = event->key();
    if (onCell && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2)) {
        emit editRequested();
        return;
    }
    if (onCell && key == Qt::Key_Delete) {
        emit deleteRequested();
        return;
    }
    const QString text = event->text();
    const bool startsNumber =
        text.size() == 1 && (text[0].isDigit() || text[0] == u'.') && text[0].unicode() < 128;
    if (onCell && startsNumber && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit editTyped(text);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ChannelGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    if (EditorOpen())
        PlaceEditor();
}
