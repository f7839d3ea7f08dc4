#include "gui/channels/channel_list_window.h"

#include "gui/widgets/user_settings.h"

#include "core/base/prompter.h"
#include "core/base/text_util.h"
#include "core/editing/channel_table_ops.h"
#include "core/session/app_context.h"
#include "core/session/editor_host.h"
#include "gui/channels/channel_list_delegate.h"
#include "gui/channels/channel_list_model.h"
#include "gui/channels/channel_list_table.h"
#include "gui/widgets/combo_box_fill.h"
#include "gui/widgets/shown_windows.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxListedRows = 50;
constexpr int kRowsShown = 20;

} // namespace

ChannelListWindow::ChannelListWindow(EditorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), context_(host.context()) {
    setObjectName(QStringLiteral("frmChannelList"));
    model_ = new ChannelListModel(context_.model, context_.catalogue, this);
    connect(model_, &ChannelListModel::cellEdited, this, &ChannelListWindow::OnCellEdited);
    context_.changes.Follow(this, {.values = [this] { model_->Refresh(); }});

    bankLabel_ = new QLabel(this);
    bankFilter_ = new QComboBox(this);
    bankFilter_->setObjectName(QStringLiteral("cboBank"));
    bankLabel_->setBuddy(bankFilter_);
    groupLabel_ = new QLabel(this);
    groupFilter_ = new QComboBox(this);
    groupFilter_->setObjectName(QStringLiteral("cboGroup"));
    groupLabel_->setBuddy(groupFilter_);
    usedOnly_ = new QCheckBox(this);
    usedOnly_->setObjectName(QStringLiteral("chkUsedOnly"));
    OnChosen(bankFilter_, this, [this](int) {
        FillGroupFilter();
        ShowFilteredRows();
    });
    OnChosen(groupFilter_, this, [this](int) { ShowFilteredRows(); });
    connect(usedOnly_, &QCheckBox::toggled, this, [this] { ShowFilteredRows(); });

    table_ = new ChannelListTable(this);
    table_->setObjectName(QStringLiteral("tblChannels"));
    table_->setModel(model_);
    table_->setItemDelegate(new ChannelListDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A header click sorts the view; until then the data's order.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    const struct {
        const char* name;
        QKeySequence keys;
        void (ChannelListWindow::*run)();
    } actions[] = {
        {"actCopy", QKeySequence::Copy, &ChannelListWindow::CopyRows},
        {"actPaste", QKeySequence::Paste, &ChannelListWindow::PasteRows},
        {"actFillDown", QKeySequence(Qt::CTRL | Qt::Key_D), &ChannelListWindow::FillDown},
        {"actDelete", QKeySequence::Delete, &ChannelListWindow::DeleteChannels},
        {"actSortByFrequency", QKeySequence(), &ChannelListWindow::SortByFrequency},
    };
    for (const auto& a : actions) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(a.name));
        action->setShortcut(a.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, a.run);
        table_->addAction(action);
    }
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* filters = new QHBoxLayout;
    filters->addWidget(bankLabel_);
    filters->addWidget(bankFilter_);
    filters->addWidget(groupLabel_);
    filters->addWidget(groupFilter_);
    filters->addWidget(usedOnly_);
    filters->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);

    SetCaptions();
    ShowFilteredRows();
    SizeColumns();
}

void ChannelListWindow::SetCaptions() {
    const Catalogue& c = context_.catalogue;
    setWindowTitle(c.Text(TextId::ListTitle));
    bankLabel_->setText(c.Text(TextId::ListBank) + QLatin1Char(':'));
    groupLabel_->setText(c.Text(TextId::ListGroup) + QLatin1Char(':'));
    const int bank = std::max(bankFilter_->currentIndex(), 0);
    FillComboBox(bankFilter_,
                 {c.Text(TextId::ListAll), QStringLiteral("CB"), QStringLiteral("HF")});
    SelectComboBoxIndex(bankFilter_, bank);
    FillGroupFilter();
    usedOnly_->setText(c.Text(TextId::ListUsedOnly));
    const TextId texts[] = {TextId::ListCopy, TextId::ListPaste, TextId::ListFillDown,
                            TextId::ListDelete, TextId::ListSortByFrequency};
    const QList<QAction*> actions = table_->actions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setText(c.Text(texts[i]));
}

void ChannelListWindow::SizeColumns() {
    // Wide enough for the caption and every entry a column can show; measured
    // from the lists rather than from hundreds of rows.
    const QFontMetrics metrics = table_->fontMetrics();
    const ListRow sample{0, 1, 1};
    for (int column = 0; column < kListColumnCount; ++column) {
        QStringList texts = CellChoices(context_.model, sample, column, context_.catalogue);
        texts << ColumnCaption(column, context_.catalogue)
              << (column == kColFrequency ? QStringLiteral("00.0000") : QStringLiteral("M6"));
        int width = 0;
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        // Room for the cell's margins and the sort arrow, little more: the
        // whole row fits on a small screen.
        table_->setColumnWidth(column, width + metrics.averageCharWidth() * 2);
    }
}

void ChannelListWindow::FillGroupFilter() {
    // Only the groups of the bank chosen: HF has no group J.
    const int group = std::max(groupFilter_->currentIndex(), 0);
    const int bank = bankFilter_->currentIndex() - 1;
    QStringList groups{context_.catalogue.Text(TextId::ListAll)};
    for (int g = 1; g <= (bank < 0 ? kGroups : GroupsInBank(bank)); ++g)
        groups << GroupLetter(g);
    FillComboBox(groupFilter_, groups);
    SelectComboBoxIndex(groupFilter_, group < groups.size() ? group : 0);
}

void ChannelListWindow::ShowFilteredRows() {
    const int group = groupFilter_->currentIndex();
    model_->ShowRows(
        {bankFilter_->currentIndex() - 1, group < 1 ? -1 : group, usedOnly_->isChecked()});
}

QSize ChannelListWindow::sizeHint() const {
    const int frame = 2 * table_->frameWidth();
    int width = frame + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kListColumnCount; ++column)
        width += table_->columnWidth(column);
    const int rows = frame + table_->horizontalHeader()->sizeHint().height() +
                     kRowsShown * table_->verticalHeader()->defaultSectionSize() +
                     table_->horizontalScrollBar()->sizeHint().height();
    const QMargins margins = layout()->contentsMargins();
    return {margins.left() + margins.right() + width, margins.top() + margins.bottom() +
                                                          layout()->spacing() +
                                                          bankFilter_->sizeHint().height() + rows};
}

void ChannelListWindow::PlaceWindow() {
    QWidget* frame = parentWidget();
    QWidget* area = frame ? frame->parentWidget() : nullptr;
    if (!area)
        return;
    const QRect saved = UserSettings().channelListPlace();
    if (saved.isValid() && area->rect().intersects(saved)) {
        frame->setGeometry(saved);
        return;
    }
    const QSize wanted = frame->size() - size() + sizeHint();
    // The work area's size as laid out now, not at the next event.
    QWidget* main = window();
    const auto layOut = [main] {
        if (main->layout())
            main->layout()->activate();
    };
    layOut();
    // A work area too small for every column grows with the main window, up
    // to the screen.
    const QSize missing = (wanted - area->size()).expandedTo({0, 0});
    if (missing.width() > 0 || missing.height() > 0) {
        main->resize(main->size() + missing);
        FitOnScreen(main);
        layOut();
    }
    frame->resize(wanted.boundedTo(area->size()));
    if (!area->rect().contains(frame->geometry()))
        frame->move(0, 0);
}

void ChannelListWindow::closeEvent(QCloseEvent* event) {
    if (parentWidget())
        UserSettings().setChannelListPlace(parentWidget()->geometry());
    QWidget::closeEvent(event);
}

QList<ListRow> ChannelListWindow::SelectedRows() const {
    QList<int> indexes;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        indexes << index.row();
    if (indexes.isEmpty() && table_->currentIndex().isValid())
        indexes << table_->currentIndex().row();
    std::sort(indexes.begin(), indexes.end());
    QList<ListRow> rows;
    for (const int index : indexes)
        rows << model_->rows().at(index);
    return rows;
}

void ChannelListWindow::ApplyToRows(const QList<ListRow>& rows,
                                    const std::function<QString(const ListRow&)>& apply) {
    QStringList refused;
    for (const ListRow& row : rows)
        if (const QString why = apply(row); !why.isEmpty())
            refused << RowLabel(row) + QStringLiteral(": ") + why;
    Edited();
    if (refused.isEmpty())
        return;
    if (refused.size() > kMaxListedRows)
        refused = refused.mid(0, kMaxListedRows) << QStringLiteral("...");
    host_.prompter().tell(context_.catalogue.Text(TextId::ListRowsNotChanged) +
                              QStringLiteral("\r\n") + refused.join(QStringLiteral("\r\n")),
                          PromptIcon::Exclamation);
}

void ChannelListWindow::OnCellEdited(int row, int column, const QString& text) {
    // A choice in a selected row goes to every selected row; elsewhere to its own row.
    const ListRow edited = model_->rows().at(row);
    QList<ListRow> rows = SelectedRows();
    if (!rows.contains(edited))
        rows = {edited};
    RadioModel& data = context_.model;
    const Catalogue& c = context_.catalogue;
    if (column == kColFrequency)
        ApplyToRows(rows, [&](const ListRow& r) { return SetRowFrequency(data, r, text, c); });
    else
        ApplyToRows(rows,
                    [&](const ListRow& r) { return SetCellChoice(data, r, column, text, c); });
}

void ChannelListWindow::FillDown() {
    const QList<ListRow> rows = SelectedRows();
    const int column = table_->currentIndex().column();
    if (rows.size() < 2 || column < kColFrequency)
        return;
    RadioModel& data = context_.model;
    const Catalogue& c = context_.catalogue;
    const QString text = CellText(data, rows.first(), column, c);
    ApplyToRows(rows.mid(1), [&](const ListRow& r) {
        return column == kColFrequency ? SetRowFrequency(data, r, text, c)
                                       : SetCellChoice(data, r, column, text, c);
    });
}

void ChannelListWindow::DeleteChannels() {
    RadioModel& data = context_.model;
    QList<ListRow> rows;
    for (const ListRow& row : SelectedRows())
        if (RecordOfRow(data, row))
            rows << row;
    if (rows.isEmpty())
        return;
    const Catalogue& c = context_.catalogue;
    if (host_.prompter().ask(c.Counted(TextId::ListDeleteQuestion, rows.size()).arg(rows.size()),
                             PromptButtons::OkCancel, PromptIcon::Question) != PromptAnswer::Ok)
        return;
    ApplyToRows(rows, [&](const ListRow& r) { return SetRowFrequency(data, r, QString(), c); });
}

void ChannelListWindow::CopyRows() {
    QGuiApplication::clipboard()->setText(CopyRowsText(context_.model, SelectedRows()));
}

void ChannelListWindow::PasteRows() {
    const QString text = QGuiApplication::clipboard()->text();
    const QModelIndex current = table_->currentIndex();
    if (text.isEmpty())
        return;
    // Lines without their own bank, group and channel fill down from the
    // current row, to the end of its group.
    QList<ListRow> targets;
    if (current.isValid()) {
        const ListRow first = model_->rows().at(current.row());
        for (const ListRow& row : model_->rows().mid(current.row()))
            if (row.bank == first.bank && row.group == first.group)
                targets << row;
    }
    const Catalogue& c = context_.catalogue;
    const PasteOutcome outcome =
        PasteRowsText(context_.model, text, targets, std::max(current.column(), 0), c);
    Edited();
    QStringList lines;
    if (!outcome.problems.isEmpty()) {
        lines << c.Text(TextId::ListLinesNotPasted) << outcome.problems.mid(0, kMaxListedRows);
        if (outcome.problems.size() > kMaxListedRows)
            lines << QStringLiteral("...");
    }
    if (outcome.leftOut > 0)
        lines << c.Counted(TextId::ListLeftOut, outcome.leftOut).arg(outcome.leftOut);
    if (!lines.isEmpty())
        host_.prompter().tell(lines.join(QStringLiteral("\r\n")), PromptIcon::Exclamation);
}

void ChannelListWindow::SortByFrequency() {
    QList<std::pair<int, int>> groups;
    for (const ListRow& row : SelectedRows())
        if (!groups.contains(std::pair{row.bank, row.group}))
            groups << std::pair{row.bank, row.group};
    for (const auto& [bank, group] : groups)
        SortGroupByFrequency(context_.model, bank, group);
    Edited();
}

void ChannelListWindow::Edited() {
    host_.DataEdited(this);
    model_->Refresh();
}
