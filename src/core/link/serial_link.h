#pragma once

#include "core/link/link_engine.h"
#include "core/link/link_trace.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>

struct SerialSettings {
    QString devicePath;
    QString portName;    // "COM33", as the user chose it; may be empty
    int handshaking = 0; // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both
    int stopBits = 1;
    // Why the stored line settings cannot be used (empty: they can).
    FileProblem invalid;
};

// Runs the transfer engine over a serial port at 9600 baud, no parity,
// 8 data bits, with the 300 ms reply timer. A reply is handed to the engine
// once the number of bytes it waits for is buffered.
class SerialLink : public QObject, public LinkPort {
    Q_OBJECT
public:
    SerialLink(LinkUi& ui, RadioModel& model, const VersionTable& versions,
               const Catalogue& catalogue, QObject* parent = nullptr);
    ~SerialLink() override;

    LinkEngine& engine() { return engine_; }
    // The port the next transfer opens.
    void setSettings(const SerialSettings& settings) { settings_ = settings; }
    void setTraceFile(const QString& path);
    // Why the trace asked for (by option or environment) cannot be written.
    const FileProblem& traceProblem() const { return trace_->problem(); }
    bool isPortOpen() const { return port_.isOpen(); }

    // LinkPort
    bool OpenPort() override;
    void ClosePort() override;
    void SendPacket(const QByteArray& packet, int replyThreshold) override;
    void StartReplyTimer() override;
    void StopReplyTimer() override;
    int ReplyTimeMs() const override { return replyTimeMs_; }
    void StartPause() override;
    void ReplyRefused(const QString& why) override;
    FileProblem OpenProblem() const override { return openProblem_; }
    QString PortLabel() const override;

private:
    bool OpenDevice();
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void OnTimeout();

    LinkEngine engine_;
    SerialSettings settings_;
    QSerialPort port_;
    QTimer timer_;
    std::unique_ptr<LinkTrace> trace_;
    QByteArray received_;
    int threshold_ = 1;
    // The tests' simulated radio shares a machine that may be busy: they
    // give it more time (ZR4400_TEST_REPLY_MS), never less than a radio has.
    int replyTimeMs_ = kReplyTimeMs;
    int repliesTaken_ = 0;
    bool pausing_ = false;      // the timer runs for a pause, not for a reply
    bool replyRefused_ = false; // since the last packet
    bool portLost_ = false;
    FileProblem openProblem_;
};
