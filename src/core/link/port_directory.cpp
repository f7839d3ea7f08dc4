#include "core/link/port_directory.h"

#include "core/base/ini_file.h"
#include "core/text/catalogue.h"

#include <QFileInfo>
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
            ports.append(PortEntry::Of(number, path));
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
    const QList<QSerialPortInfo> found = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : found) {
        const int number = AutomaticPortNumber(info.systemLocation());
        const bool taken = std::any_of(ports.begin(), ports.end(), [&](const PortEntry& p) {
            return p.number == number || p.path == info.systemLocation();
        });
        if (number > 0 && !taken)
            ports.append(PortEntry::Of(number, info.systemLocation()));
    }
    for (PortEntry& port : ports) {
        const QFileInfo device(port.path);
        port.present = device.exists();
        port.mayOpen = !port.present || (device.isReadable() && device.isWritable());
        // A mapped path may be a link (by-id) to a discovered device.
        const QString target = device.canonicalFilePath();
        for (const QSerialPortInfo& info : found) {
            if (info.systemLocation() != port.path && info.systemLocation() != target)
                continue;
            port.description = info.description();
            port.manufacturer = info.manufacturer();
            port.serialNumber = info.serialNumber();
            port.vendorId = info.hasVendorIdentifier() ? info.vendorIdentifier() : -1;
            port.productId = info.hasProductIdentifier() ? info.productIdentifier() : -1;
        }
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return ports;
}

QString PortDetails(const PortEntry& port, const Catalogue& catalogue) {
    QStringList parts;
    for (const QString& text : {port.description, port.manufacturer})
        if (!text.isEmpty())
            parts << text;
    if (port.vendorId >= 0 && port.productId >= 0)
        parts << QStringLiteral("USB %1:%2")
                     .arg(port.vendorId, 4, 16, QLatin1Char('0'))
                     .arg(port.productId, 4, 16, QLatin1Char('0'));
    if (!port.serialNumber.isEmpty())
        parts << QStringLiteral("serial ") + port.serialNumber;
    if (!port.present)
        parts << catalogue.Text(TextId::PortAbsent);
    else if (!port.mayOpen)
        parts << catalogue.Text(TextId::CausePermissionDenied);
    return parts.join(QStringLiteral(", "));
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
    // The last kind of device takes every number above, as the rule numbers it.
    if (number >= 65)
        return QStringLiteral("/dev/ttyACM%1").arg(number - 65);
    return {};
}

QString ResolvePortArgument(const QString& argument, const IniFile& setup) {
    const int number = ComNumber(argument);
    return number > 0 ? DevicePathOf(number, setup) : argument;
}

QString PortArgumentName(const QString& argument, const QString& device) {
    return device == argument ? QString() : argument.toUpper();
}
