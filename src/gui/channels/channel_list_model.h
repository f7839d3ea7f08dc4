#pragma once

#include "core/editing/channel_list.h"

#include <QAbstractTableModel>

class Catalogue;
class RadioModel;

// What the channel list shows: a bank and group (-1: all), perhaps only the
// rows that hold a channel, in the data's order or sorted by a column.
struct ListFilter {
    int bank = -1;
    int group = -1;
    bool usedOnly = false;
};

// The channel list's rows and cells over the radio data. It shows and
// offers; the window stores what the user chose. When the data changes it
// tells the view what changed (rows that come or go, cells whose text
// changed), so the selection, the current cell and an open editor stay.
class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelListModel(RadioModel& model, const Catalogue& catalogue, QObject* parent = nullptr);

    // Another filter: the rows are read anew.
    void ShowRows(const ListFilter& filter);
    // The data changed: the rows and texts are brought up to date.
    void Refresh();
    const QList<ListRow>& rows() const { return rows_; }
    int RowOf(const ListRow& row) const { return static_cast<int>(rows_.indexOf(row)); }
    RadioModel& data() const { return model_; }
    const Catalogue& catalogue() const { return catalogue_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit is reported, not stored: the window applies it to the selection.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Sorts the view only; the data's order stays. A column of -1: the data's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void cellEdited(int row, int column, const QString& text);

private:
    // The rows the filter lets through, in the order shown, with their texts.
    QList<ListRow> FilteredRows(QHash<int, QStringList>& texts) const;

    RadioModel& model_;
    const Catalogue& catalogue_;
    ListFilter filter_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QList<ListRow> rows_;
    QList<QStringList> texts_; // by row shown
};
