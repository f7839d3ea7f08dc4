#pragma once

#include <QLineEdit>

// The box laid over a grid cell to type a frequency in. It takes digits, a
// decimal point ("." or ",") and control keys only: no other printable character, nothing outside
// ASCII, no copy, cut or paste, no context menu and no dropped text.
class FreqCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit FreqCellEditor(QWidget* parent = nullptr);

    // Whether the box lets the key through to the text.
    static bool Accepts(const QKeyEvent& event);

signals:
    void enterPressed();
    // Up, Down, PageUp or PageDown: the value is taken and the edit moves on.
    void stepPressed(int key);
    // Tab (next) or Shift+Tab: the focus goes on from the grid's place.
    void tabbed(bool next);
    // The focus went elsewhere in the program (not to another application).
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
