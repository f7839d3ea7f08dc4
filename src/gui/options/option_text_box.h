#pragma once

#include "core/editing/option_text_rules.h"

#include <QLineEdit>

// A number box of the option window: it takes only the keys its kind allows
// (no copy, cut or paste), selects its whole text when it gets the focus, and
// announces `committed` when the focus leaves it or Return is pressed.
class OptionTextBox : public QLineEdit {
    Q_OBJECT
public:
    OptionTextBox(TextBoxKind kind, const QString& name, QWidget* parent);

    // Announces `committed` now, as leaving the box would.
    void Commit() { emit committed(); }

signals:
    void committed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TextBoxKind kind_;
    bool selectOnPress_ = false;
};
