#include "gui/channels/channel_list_model.h"

#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

#include <QBrush>
#include <QPalette>

ChannelListModel::ChannelListModel(RadioModel& model, const Catalogue& catalogue, QObject* parent)
    : QAbstractTableModel(parent), model_(model), catalogue_(catalogue) {}

void ChannelListModel::ShowRows(int bank, int group) {
    beginResetModel();
    texts_.emplace(model_, catalogue_);
    rows_.clear();
    for (const ListRow& row : ChannelListRows(model_))
        if ((bank < 0 || row.bank == bank) && (group < 0 || row.group == group))
            rows_.append(row);
    endResetModel();
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumnCount;
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const ListRow& row = rows_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return texts_ ? texts_->Text(row, index.column())
                      : CellText(model_, row, index.column(), catalogue_);
    case Qt::ForegroundRole:
        // The public channel decides these: shown, but not the channel's own.
        if (CellFollowsPublic(model_, row, index.column()))
            return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        return {};
    default:
        return {};
    }
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ColumnCaption(section, catalogue_);
}

Qt::ItemFlags ChannelListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid() || index.row() >= rows_.size())
        return flags;
    const ListRow& row = rows_[index.row()];
    const bool editable = index.column() == kColFrequency ||
                          (SettingOfColumn(index.column()) >= 0 && RecordOfRow(model_, row) &&
                           !CellFollowsPublic(model_, row, index.column()));
    return editable ? flags | Qt::ItemIsEditable : flags;
}

bool ChannelListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    emit cellEdited(index.row(), index.column(), value.toString());
    return true;
}
