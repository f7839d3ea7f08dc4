#include "gui/channels/channel_list_model.h"

#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "gui/widgets/colours.h"

#include <QBrush>
#include <QPalette>
#include <QSet>

#include <algorithm>

namespace {

// The value a column sorts by: numbers where the column holds numbers.
QVariant SortKey(const ListRow& row, int column, const QStringList& texts) {
    switch (column) {
    case kColBank:
    case kColGroup:
        return RowKey(row);
    case kColChannel:
        return row.number;
    case kColFrequency:
        return texts.value(column).toDouble();
    default:
        return texts.value(column).toLower();
    }
}

bool Before(const QVariant& a, const QVariant& b) {
    return QVariant::compare(a, b) == QPartialOrdering::Less;
}

// Calls `run(first, last)` for each run of consecutive indexes where `take` holds.
template <typename Take, typename Run> void ForEachRun(int size, Take take, Run run) {
    for (int i = 0; i < size;) {
        if (!take(i)) {
            ++i;
            continue;
        }
        int last = i;
        while (last + 1 < size && take(last + 1))
            ++last;
        run(i, last);
        i = last + 1;
    }
}

} // namespace

ChannelListModel::ChannelListModel(RadioModel& model, const Catalogue& catalogue, QObject* parent)
    : QAbstractTableModel(parent), model_(model), catalogue_(catalogue) {}

QList<ListRow> ChannelListModel::FilteredRows(QHash<int, QStringList>& texts) const {
    const CellTexts cells(model_, catalogue_);
    QList<ListRow> rows;
    for (const ListRow& row : ChannelListRows(model_)) {
        if ((filter_.bank >= 0 && row.bank != filter_.bank) ||
            (filter_.group >= 0 && row.group != filter_.group) ||
            (filter_.usedOnly && !RecordOfRow(model_, row)))
            continue;
        rows << row;
        texts.insert(RowKey(row), cells.Texts(row));
    }
    if (sortColumn_ >= 0) {
        const int column = sortColumn_;
        const bool ascending = sortOrder_ == Qt::AscendingOrder;
        // Empty rows after the channels, whichever way round.
        const auto empty = [&](const ListRow& row) {
            return texts[RowKey(row)][kColFrequency].isEmpty();
        };
        std::stable_sort(rows.begin(), rows.end(), [&](const ListRow& a, const ListRow& b) {
            if (empty(a) != empty(b))
                return empty(b);
            const QVariant ka = SortKey(a, column, texts[RowKey(a)]);
            const QVariant kb = SortKey(b, column, texts[RowKey(b)]);
            return ascending ? Before(ka, kb) : Before(kb, ka);
        });
    }
    return rows;
}

void ChannelListModel::ShowRows(const ListFilter& filter) {
    beginResetModel();
    filter_ = filter;
    QHash<int, QStringList> texts;
    rows_ = FilteredRows(texts);
    texts_.clear();
    for (const ListRow& row : rows_)
        texts_ << texts.value(RowKey(row));
    endResetModel();
}

void ChannelListModel::Refresh() {
    QHash<int, QStringList> texts;
    const QList<ListRow> next = FilteredRows(texts);
    // Rows that went, from the end so the indexes ahead stay right.
    QList<bool> gone;
    for (const ListRow& row : std::as_const(rows_))
        gone << !texts.contains(RowKey(row));
    for (int i = static_cast<int>(rows_.size()) - 1; i >= 0;) {
        if (!gone[i]) {
            --i;
            continue;
        }
        int first = i;
        while (first > 0 && gone[first - 1])
            --first;
        beginRemoveRows({}, first, i);
        rows_.remove(first, i - first + 1);
        texts_.remove(first, i - first + 1);
        endRemoveRows();
        i = first - 1;
    }
    // The rows that stay, in the new order (a sorted column's values changed).
    QSet<int> present;
    for (const ListRow& row : std::as_const(rows_))
        present.insert(RowKey(row));
    QList<ListRow> staying;
    for (const ListRow& row : next)
        if (present.contains(RowKey(row)))
            staying << row;
    if (staying != rows_) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        QHash<int, int> rowOfKey;
        for (int i = 0; i < staying.size(); ++i)
            rowOfKey.insert(RowKey(staying[i]), i);
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex& old : from)
            to << index(rowOfKey.value(RowKey(rows_[old.row()])), old.column());
        QList<QStringList> moved;
        QHash<int, int> oldRowOfKey;
        for (int i = 0; i < rows_.size(); ++i)
            oldRowOfKey.insert(RowKey(rows_[i]), i);
        for (const ListRow& row : staying)
            moved << texts_[oldRowOfKey.value(RowKey(row))];
        rows_ = staying;
        texts_ = moved;
        changePersistentIndexList(from, to);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    // Rows that came, where the new order puts them.
    ForEachRun(
        static_cast<int>(next.size()), [&](int i) { return !present.contains(RowKey(next[i])); },
        [&](int first, int last) {
            beginInsertRows({}, first, last);
            for (int i = first; i <= last; ++i) {
                rows_.insert(i, next[i]);
                texts_.insert(i, texts.value(RowKey(next[i])));
            }
            endInsertRows();
        });
    // Rows whose cells show something else now.
    QList<bool> changed;
    for (int i = 0; i < rows_.size(); ++i) {
        const QStringList& now = texts[RowKey(rows_[i])];
        changed << (texts_[i] != now);
        texts_[i] = now;
    }
    ForEachRun(
        static_cast<int>(rows_.size()), [&](int i) { return changed[i]; },
        [&](int first, int last) {
            emit dataChanged(index(first, 0), index(last, kListColumnCount - 1));
        });
}

void ChannelListModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    Refresh();
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
        return texts_[index.row()].value(index.column());
    case Qt::AccessibleTextRole:
        return SpokenCell(SpokenRow(row, catalogue_), ColumnCaption(index.column(), catalogue_),
                          texts_[index.row()].value(index.column()), catalogue_);
    case Qt::ForegroundRole:
        // The public channel decides these: shown, but not the channel's own.
        if (CellFollowsPublic(model_, row, index.column()))
            return QBrush(MutedText(QPalette()));
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
