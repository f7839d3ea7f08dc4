#pragma once

#include <QTableWidget>
#include <functional>

class FreqCellEditor;

// The two-column channel grid: column 0 the fixed channel label, column 1 the
// receive frequency. Row 0 is the fixed header row; its texts stand in the
// horizontal header, which stays in place while the channel rows scroll.
// Channel rows are 1..40 ("1".."40") or, in the memory view, 1..6 ("M1".."M6").
class ChannelGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ChannelGrid(QWidget* parent = nullptr);

    FreqCellEditor* editor() const { return editor_; }
    // What a screen reader reads for a channel row's frequency cell.
    using Speaker = std::function<QString(int row, const QString& frequency)>;
    void SetSpeaker(Speaker speaker) { speaker_ = std::move(speaker); }

    void SetHeaderTexts(const QString& channelNo, const QString& frequency);
    // Rows, labels and column widths of a view; every frequency cell empty.
    void SetView(bool memoryView);
    int ChannelRows() const { return rowCount() - 1; }

    QString Frequency(int row) const;
    void SetFrequency(int row, const QString& text);
    // The channel row a step key leads to from `row`: one row for Up and
    // Down, a screenful for PageUp and PageDown, never past the first or last.
    int RowAfterStep(int row, int key) const;
    // Makes (row, column 1) current and visible.
    void MoveTo(int row);

    // The in-cell editor over (row, column 1), holding the cell's text.
    void OpenEditor(int row, const QString& text);
    // Hides the editor and gives back what was typed.
    QString CloseEditor();
    bool EditorOpen() const { return editRow_ > 0; }

signals:
    // Enter or F2 on a cell.
    void editRequested();
    // A digit or "." typed on a cell: editing starts with it.
    void editTyped(const QString& text);
    // Delete on a cell: its channel goes, as when the cell is emptied.
    void deleteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void PlaceEditor();
    void SetFixedCell(int row, int column, const QString& text);
    void Speak(QTableWidgetItem* cell, int row);

    FreqCellEditor* editor_ = nullptr;
    int editRow_ = 0;
    Speaker speaker_;
    QString headerTexts_[2];
};
