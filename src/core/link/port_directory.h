#pragma once

#include <QList>
#include <QString>

class IniFile;

// Serial ports as the settings name them: "COM" and a number. Devices
// /dev/ttyS<k>, /dev/ttyUSB<k> and /dev/ttyACM<k> are COM(k+1), COM(k+33)
// and COM(k+65); section "ports" of the settings file maps further numbers
// to any device path ("COM99=/dev/pts/4") and wins over that rule.
struct PortEntry {
    int number = 0;
    QString path;
    QString name() const { return QStringLiteral("COM%1").arg(number); }
};

// The number of a device by the rule above; 0 when the rule does not cover it.
int AutomaticPortNumber(const QString& devicePath);

// The ports present (discovered devices plus the mapped ones), by number.
QList<PortEntry> ListSerialPorts(const IniFile& setup);

// The device of a port number, or "" when no such port is known.
QString DevicePathOf(int number, const IniFile& setup);

// A port named on a command line: "COM5" (any case) or a device path.
// Returns the device path, or "" for a COM number that is not known.
QString ResolvePortArgument(const QString& argument, const IniFile& setup);
