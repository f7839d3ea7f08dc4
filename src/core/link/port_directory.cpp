#include "core/link/port_directory.h"

#include "core/base/ini_file.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

const QString kPortsSection = QStringLiteral("ports");

// "COM12" -> 12, anything else -> 0.
int ComNumber(const QString& text) {
    static const QRegularExpression com(QStringLiteral("^COM(\\d{1,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(text.trimmed());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QList<PortEntry> MappedPorts(const IniFile& setup) {
    QList<PortEntry> ports;
    for (const QString& key : setup.keys(kPortsSection)) {
        const int number = ComNumber(key);
        const QString path = setup.value(kPortsSection, key);
        if (number > 0 && !path.isEmpty())
            ports.append({number, path});
    }
    return ports;
}

} // namespace

int AutomaticPortNumber(const QString& devicePath) {
    static const QRegularExpression device(QStringLiteral("^/dev/tty(S|USB|ACM)(\\d+)$"));
    const QRegularExpressionMatch m = device.match(devicePath);
    if (!m.hasMatch())
        return 0;
    const int k = m.captured(2).toInt();
    const QString kind = m.captured(1);
    return k + (kind == QLatin1String("S") ? 1 : kind == QLatin1String("USB") ? 33 : 65);
}

QList<PortEntry> ListSerialPorts(const IniFile& setup) {
    QList<PortEntry> ports = MappedPorts(setup);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const int number = AutomaticPortNumber(info.systemLocation());
        const bool taken = std::any_of(ports.begin(), ports.end(), [&](const PortEntry& p) {
            return p.number == number || p.path == info.systemLocation();
        });
        if (number > 0 && !taken)
            ports.append({number, info.systemLocation()});
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return ports;
}

QString DevicePathOf(int number, const IniFile& setup) {
    for (const PortEntry& p : MappedPorts(setup))
        if (p.number == number)
            return p.path;
    // A device of the automatic rule is tried even when discovery missed it.
    if (number >= 1 && number <= 32)
        return QStringLiteral("/dev/ttyS%1").arg(number - 1);
    if (number >= 33 && number <= 64)
        return QStringLiteral("/dev/ttyUSB%1").arg(number - 33);
    if (number >= 65 && number <= 96)
        return QStringLiteral("/dev/ttyACM%1").arg(number - 65);
    return {};
}

QString ResolvePortArgument(const QString& argument, const IniFile& setup) {
    const int number = ComNumber(argument);
    return number > 0 ? DevicePathOf(number, setup) : argument;
}
