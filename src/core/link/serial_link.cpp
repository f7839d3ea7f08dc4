#include "core/link/serial_link.h"

SerialLink::SerialLink(LinkUi& ui, RadioModel& model, const VersionTable& versions,
                       const Catalogue& catalogue, QObject* parent)
    : QObject(parent), engine_(*this, ui, model, versions, catalogue),
      trace_(std::make_unique<LinkTrace>()) {
    timer_.setObjectName(QStringLiteral("WaitTimer"));
    timer_.setSingleShot(true);
    replyTimeMs_ = std::max(kReplyTimeMs, qEnvironmentVariableIntValue("ZR4400_TEST_REPLY_MS"));
    connect(&timer_, &QTimer::timeout, this, &SerialLink::OnTimeout);
    connect(&port_, &QSerialPort::readyRead, this, &SerialLink::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::OnError);
}

SerialLink::~SerialLink() {
    ClosePort();
}

void SerialLink::setTraceFile(const QString& path) {
    if (!path.isEmpty())
        trace_ = std::make_unique<LinkTrace>(path);
}

QString SerialLink::PortLabel() const {
    if (settings_.portName.isEmpty() || settings_.devicePath.isEmpty())
        return settings_.portName + settings_.devicePath;
    return settings_.portName + QStringLiteral(" (") + settings_.devicePath + QLatin1Char(')');
}

bool SerialLink::OpenDevice() {
    openProblem_ = settings_.invalid;
    if (openProblem_.known())
        return false;
    if (settings_.devicePath.isEmpty()) {
        // A COM number no device is known for.
        openProblem_ = {settings_.portName, FileCause::NotFound, {}};
        return false;
    }
    port_.setPortName(settings_.devicePath);
    if (!port_.open(QIODevice::ReadWrite)) {
        // The system's words for a folder or a file that is no serial port
        // ("Inappropriate ioctl for device") become ours.
        const FileCause cause = port_.error() == QSerialPort::DeviceNotFoundError
                                    ? FileCause::NotFound
                                : port_.error() == QSerialPort::PermissionError
                                    ? FileCause::PermissionDenied
                                    : CauseOfSystemText(port_.errorString());
        // Named as the user chose it: the COM number and the device it stands for.
        openProblem_ = {PortLabel(), cause, port_.errorString()};
        return false;
    }
    const QSerialPort::FlowControl flow =
        settings_.handshaking == 2 || settings_.handshaking == 3 ? QSerialPort::HardwareControl
        : settings_.handshaking == 1                             ? QSerialPort::SoftwareControl
                                                                 : QSerialPort::NoFlowControl;
    const bool configured =
        port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) &&
        port_.setStopBits(settings_.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port_.setFlowControl(flow);
    if (!configured) {
        openProblem_ = {settings_.devicePath, FileCause::Other, port_.errorString()};
        port_.close();
        return false;
    }
    return true;
}

bool SerialLink::OpenPort() {
    ClosePort();
    portLost_ = false;
    const bool opened = OpenDevice();
    trace_->note(
        (opened ? QStringLiteral("port opened: ") : QStringLiteral("port failed to open: ")) +
        settings_.devicePath);
    return opened;
}

void SerialLink::ClosePort() {
    timer_.stop();
    received_.clear();
    if (port_.isOpen()) {
        port_.close();
        trace_->note(QStringLiteral("port closed"));
    }
}

void SerialLink::SendPacket(const QByteArray& packet, int replyThreshold) {
    // A port that vanished (adapter pulled) is tried again, so plugging it
    // back in lets a retried transfer go on.
    if (portLost_ && !port_.isOpen() && OpenDevice()) {
        portLost_ = false;
        trace_->note(QStringLiteral("port reopened"));
    }
    threshold_ = replyThreshold;
    received_.clear();
    replyRefused_ = false;
    if (!port_.isOpen()) {
        trace_->note(QStringLiteral("not sent, the port is closed: ") +
                     QString::fromLatin1(packet.toHex(' ').toUpper()));
        return;
    }
    trace_->sent(packet);
    port_.clear(); // late bytes of an earlier reply must not mix with this one
    port_.write(packet);
}

void SerialLink::StartReplyTimer() {
    pausing_ = false;
    timer_.start(replyTimeMs_);
}

void SerialLink::StartPause() {
    pausing_ = true;
    timer_.start(kReplyTimeMs);
}

void SerialLink::ReplyRefused(const QString& why) {
    replyRefused_ = true;
    trace_->note(QStringLiteral("reply refused: ") + why);
}

void SerialLink::StopReplyTimer() {
    timer_.stop();
}

void SerialLink::OnReadyRead() {
    const QByteArray bytes = port_.readAll();
    if (!engine_.AwaitingReply())
        return; // nothing is asked for: stray bytes are dropped
    received_.append(bytes);
    if (received_.size() < threshold_)
        return;
    const QByteArray reply = std::exchange(received_, {});
    trace_->received(reply);
    ++repliesTaken_;
    engine_.HandleReceive(reply);
}

void SerialLink::OnError(QSerialPort::SerialPortError error) {
    // Errors of a failed open are reported by OpenPort; a time-out is no fault.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !port_.isOpen())
        return;
    // Any other error means the line is gone or unusable (a pulled adapter, a
    // radio switched off). Closing the port stops its notifiers, so the error
    // is seen once instead of on every event; the reply timer then runs out as
    // for a silent radio, and a retry reopens the port when the device is back.
    trace_->note(
        QStringLiteral("port error %1: %2; port closed").arg(int(error)).arg(port_.errorString()));
    portLost_ = true;
    port_.close();
}

void SerialLink::OnTimeout() {
    if (std::exchange(pausing_, false)) {
        engine_.HandleReplyTimeout();
        return;
    }
    // A reply that came in while the program was busy elsewhere is taken
    // before the radio is called silent.
    if (engine_.AwaitingReply() && port_.isOpen()) {
        const int taken = repliesTaken_;
        port_.waitForReadyRead(0);
        if (repliesTaken_ != taken)
            return;
    }
    if (!received_.isEmpty())
        trace_->received(received_);
    trace_->note(
        QString::fromLatin1(replyRefused_ ? "no valid reply within %1 ms" : "no reply within %1 ms")
            .arg(replyTimeMs_));
    received_.clear();
    engine_.HandleReplyTimeout();
}
