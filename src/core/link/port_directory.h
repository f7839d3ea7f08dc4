#pragma once

#include <QList>
#include <QString>

class IniFile;

// Serial ports as the settings name them: "COM" and a number. Devices
// /dev/ttyS<k>, /dev/ttyUSB<k> and /dev/ttyACM<k> are COM(k+1), COM(k+33)
// and COM(k+65); section "ports" of the settings file maps further numbers
// to any device path ("COM99=/dev/pts/4") and wins over that rule.
// "COM" and the number.
inline QString PortName(int number) {
    return QStringLiteral("COM%1").arg(number);
}

struct PortEntry {
    static PortEntry Of(int number, const QString& path) {
        PortEntry port;
        port.number = number;
        port.path = path;
        return port;
    }

    int number = 0;
    QString path;
    QString name() const { return PortName(number); }

    // What the system tells of the adapter, where it knows.
    QString description;
    QString manufacturer;
    QString serialNumber;
    int vendorId = -1; // USB ids, -1 unknown
    int productId = -1;
    bool present = true; // false: a [ports] entry whose device does not exist
    bool mayOpen = true; // false: this user may not read and write the device

    bool operator==(const PortEntry& other) const {
        return number == other.number && path == other.path && present == other.present;
    }
};

class Catalogue;

// The details of a port after its device, in one line: "FT232R USB UART,
// FTDI, USB 0403:6001, serial A9X1" and, when so, absent or not permitted.
QString PortDetails(const PortEntry& port, const Catalogue& catalogue);

// The number of a device by the rule above; 0 when the rule does not cover it.
int AutomaticPortNumber(const QString& devicePath);

// The ports present (discovered devices plus the mapped ones), by number.
QList<PortEntry> ListSerialPorts(const IniFile& setup);

// The device of a port number: a mapped one, else the rule's (every number
// from 65 up is a /dev/ttyACM device); "" below 1.
QString DevicePathOf(int number, const IniFile& setup);

// A port named on a command line: "COM5" (any case) or a device path.
// Returns the device path.
QString ResolvePortArgument(const QString& argument, const IniFile& setup);
// The name a port argument shows beside its `device`: "COM5" for "com5", ""
// for a device path given as it is.
QString PortArgumentName(const QString& argument, const QString& device);
