#pragma once

#include <QDialog>

struct AppContext;
class QComboBox;
class QLabel;
class QTimer;

// The port window (`FrmComSet`): chooses the serial port ("COM" and a number). The list follows
// ports that come and go while the window is open, keeping the user's choice while its port is
// present.
class PortWindow : public QDialog {
    Q_OBJECT
public:
    PortWindow(AppContext& context, QWidget* parent = nullptr);

    int chosenPort() const { return chosen_; }
    // Lists the ports again (the window does so every second).
    void Relist();

private:
    void Choose(int wanted);
    void Accept();

    AppContext& context_;
    QComboBox* combo_;
    QLabel* device_;
    QTimer* timer_;
    int chosen_ = 0;
};
