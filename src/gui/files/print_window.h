#pragma once

#include "report/sheet_content.h"

#include <QDialog>

class Catalogue;
class QCheckBox;
class QListWidget;
class RadioModel;

// Chooses what goes on the programming sheet: the channel groups (every
// group of both banks that holds channels), the option features and the
// roger-beep tones. The choice is kept for the user and offered again.
class PrintWindow : public QDialog {
    Q_OBJECT
public:
    PrintWindow(const RadioModel& model, const Catalogue& catalogue, QWidget* parent = nullptr);

    SheetChoice choice() const;

private:
    void Keep() const;

    QList<SheetGroup> shown_; // the list's groups, in its order
    QListWidget* groups_;
    QCheckBox* options_;
    QCheckBox* tones_;
};
