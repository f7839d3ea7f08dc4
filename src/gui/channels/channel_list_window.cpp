#include "gui/channels/channel_list_window.h"

#include "core/base/prompter.h"
#include "core/base/text_util.h"
#include "core/editing/channel_table_ops.h"
#include "core/session/app_context.h"
#include "core/session/editor_host.h"
#include "gui/channels/channel_list_delegate.h"
#include "gui/channels/channel_list_model.h"
#include "gui/widgets/combo_box_fill.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxListedRows = 50;

} // namespace

ChannelListWindow::ChannelListWindow(EditorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), context_(host.context()) {
    setObjectName(QStringLiteral("frmChannelList"));
    model_ = new ChannelListModel(context_.model, context_.catalogue, this);
    connect(model_, &ChannelListModel::cellEdited, this, &ChannelListWindow::OnCellEdited);

    bankLabel_ = new QLabel(this);
    bankFilter_ = new QComboBox(this);
    bankFilter_->setObjectName(QStringLiteral("cboBank"));
    bankLabel_->setBuddy(bankFilter_);
    groupLabel_ = new QLabel(this);
    groupFilter_ = new QComboBox(this);
    groupFilter_->setObjectName(QStringLiteral("cboGroup"));
    groupLabel_->setBuddy(groupFilter_);
    OnChosen(bankFilter_, this, [this](int) { ShowFilteredRows(); });
    OnChosen(groupFilter_, this, [this](int) { ShowFilteredRows(); });

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblChannels"));
    table_->setModel(model_);
    table_->setItemDelegate(new ChannelListDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
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
    filters->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);

    SetCaptions();
    ShowFilteredRows();
    SizeColumns();
    resize(900, 480);
}

void ChannelListWindow::SetCaptions() {
    const Catalogue& c = context_.catalogue;
    setWindowTitle(c.Text(TextId::ListTitle));
    bankLabel_->setText(c.Text(TextId::ListBank) + QLatin1Char(':'));
    groupLabel_->setText(c.Text(TextId::ListGroup) + QLatin1Char(':'));
    const int bank = std::max(bankFilter_->currentIndex(), 0);
    const int group = std::max(groupFilter_->currentIndex(), 0);
    FillComboBox(bankFilter_,
                 {c.Text(TextId::ListAll), QStringLiteral("CB"), QStringLiteral("HF")});
    QStringList groups{c.Text(TextId::ListAll)};
    for (int g = 1; g <= kGroups; ++g)
        groups << GroupLetter(g);
    FillComboBox(groupFilter_, groups);
    SelectComboBoxIndex(bankFilter_, bank);
    SelectComboBoxIndex(groupFilter_, group);
    const TextId texts[] = {TextId::ListCopy, TextId::ListPaste, TextId::ListFillDown,
                            TextId::ListDelete};
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
        table_->setColumnWidth(column, width + metrics.height() * 2);
    }
}

void ChannelListWindow::ShowFilteredRows() {
    model_->ShowRows(bankFilter_->currentIndex() - 1,
                     groupFilter_->currentIndex() < 1 ? -1 : groupFilter_->currentIndex());
}

void ChannelListWindow::ShowCurrentData() {
    // The same rows stay current and selected as the data is shown anew.
    const QList<ListRow> selected = SelectedRows();
    const QModelIndex current = table_->currentIndex();
    const ListRow currentRow =
        current.isValid() ? model_->rows().value(current.row()) : ListRow{-1, 0, 0};
    ShowFilteredRows();
    QItemSelection selection;
    for (const ListRow& row : selected)
        if (const int at = model_->RowOf(row); at >= 0)
            selection.select(model_->index(at, 0), model_->index(at, kListColumnCount - 1));
    if (const int at = model_->RowOf(currentRow); at >= 0)
        table_->selectionModel()->setCurrentIndex(model_->index(at, current.column()),
                                                  QItemSelectionModel::NoUpdate);
    table_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
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
    // Lines without their own bank, group and channel fill down from the current row.
    const QList<ListRow> targets = model_->rows().mid(current.isValid() ? current.row() : 0);
    const Catalogue& c = context_.catalogue;
    const PasteOutcome outcome =
        PasteRowsText(context_.model, text, targets, std::max(current.column(), 0), c);
    Edited();
    if (outcome.problems.isEmpty())
        return;
    QStringList lines = outcome.problems.mid(0, kMaxListedRows);
    if (outcome.problems.size() > kMaxListedRows)
        lines << QStringLiteral("...");
    host_.prompter().tell(c.Text(TextId::ListLinesNotPasted) + QStringLiteral("\r\n") +
                              lines.join(QStringLiteral("\r\n")),
                          PromptIcon::Exclamation);
}

void ChannelListWindow::Edited() {
    host_.DataEdited(this);
    ShowCurrentData();
}
