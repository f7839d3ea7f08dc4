#pragma once

#include "core/editing/channel_list.h"
#include "core/session/editor_hooks.h"

#include <QWidget>

class ChannelListModel;
class ChannelListTable;
class EditorHost;
class QCheckBox;
class QComboBox;
class QLabel;
struct AppContext;

// The channel list window (`frmChannelList`): every channel of both banks in
// one table, filtered by bank, group and use, sorted by a column when its
// header is clicked. A choice made in a cell of a selection sets that column
// for every selected row where the rules allow it; Fill Down, Delete, Copy,
// Paste and sorting a group by frequency work on the selection. Every change
// goes through the same rules as the channel information window.
class ChannelListWindow : public QWidget, public PlacedWindow {
    Q_OBJECT
public:
    explicit ChannelListWindow(EditorHost& host, QWidget* parent = nullptr);

    void PlaceWindow() override;
    // Every column and 20 rows.
    QSize sizeHint() const override;

    void CopyRows();
    void PasteRows();
    void FillDown();
    void DeleteChannels();
    void SortByFrequency();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetCaptions();
    void SizeColumns();
    void FillGroupFilter();
    void ShowFilteredRows();
    void OnCellEdited(int row, int column, const QString& text);
    // The selected rows in table order; the current row when none is selected.
    QList<ListRow> SelectedRows() const;
    // Applies `apply` to each row; the rows it refused are listed in one message.
    void ApplyToRows(const QList<ListRow>& rows,
                     const std::function<QString(const ListRow&)>& apply);
    void Edited();

    EditorHost& host_;
    AppContext& context_;
    ChannelListModel* model_;
    QLabel* bankLabel_;
    QComboBox* bankFilter_;
    QLabel* groupLabel_;
    QComboBox* groupFilter_;
    QCheckBox* usedOnly_;
    ChannelListTable* table_;
};
