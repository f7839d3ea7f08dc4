#pragma once

#include "core/link/port_directory.h"

#include <QDialog>
#include <QList>

#include <functional>

struct AppContext;
class Prompter;
class QComboBox;
class QLabel;
class QTimer;

// The port window (`FrmComSet`): chooses the serial port ("COM" and a number), shows its device
// and what the system knows of the adapter. The list follows ports that come and go while the
// window is open, keeping the user's choice while its port is present. Detect finds the port of
// a cable the user unplugs and plugs in again.
class PortWindow : public QDialog {
    Q_OBJECT
public:
    PortWindow(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);

    int chosenPort() const { return chosen_; }
    // Lists the ports again (the window does so every second) when they changed.
    void Relist();
    // Where the ports come from (the system and the settings; tests script it).
    std::function<QList<PortEntry>()> lister;

    // How long Detect waits for the plugged cable's port to appear.
    int detectLimitMs = 30000;

private:
    void Fill(const QList<PortEntry>& ports);
    void Choose(int wanted);
    void ShowDevice();
    // Grows the window so that every line of the device text shows.
    void FitToContents();
    void Detect();
    void Accept();

    AppContext& context_;
    Prompter& prompter_;
    QList<PortEntry> ports_;
    QComboBox* combo_;
    QLabel* device_;
    QTimer* timer_;
    int chosen_ = 0;
};
