#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

// While it lives, SIGINT and SIGTERM no longer end the tool at once: they
// arrive as events of the event loop and run `stop`, so a transfer can tell
// the radio it is over and close the port; the user is told so. A second
// SIGINT quits at once, after printing `quitNote` (what that may leave behind).
class SignalStop : public QObject {
    Q_OBJECT
public:
    SignalStop(std::function<void()> stop, QString stopNote, QString quitNote,
               QObject* parent = nullptr);
    ~SignalStop() override;

    // The signal that asked to stop, or 0.
    int received() const { return received_; }

private:
    void Read();

    std::function<void()> stop_;
    QString stopNote_;
    QString quitNote_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};
