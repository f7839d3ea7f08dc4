#pragma once

#include "core/editing/channel_list.h"

#include <QAbstractTableModel>

#include <optional>

class Catalogue;
class RadioModel;

// The channel list's rows and cells over the radio data, filtered by bank
// and group. It shows and offers; the window stores what the user chose.
class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelListModel(RadioModel& model, const Catalogue& catalogue, QObject* parent = nullptr);

    // The rows of `bank` and `group` (-1: all), read from the data anew.
    void ShowRows(int bank, int group);
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

signals:
    void cellEdited(int row, int column, const QString& text);

private:
    RadioModel& model_;
    const Catalogue& catalogue_;
    QList<ListRow> rows_;
    std::optional<CellTexts> texts_;
};
