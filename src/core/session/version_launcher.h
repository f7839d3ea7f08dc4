#pragma once

#include <QString>
#include <functional>

class Catalogue;
class Prompter;
class VersionTable;

// Starts the installed program version that handles a data file or radio
// version this one does not, and ends this program.
class VersionLauncher {
public:
    VersionLauncher(const VersionTable& versions, QString baseFolder, QString programName,
                    const Catalogue& catalogue, Prompter& prompter);

    // Starts a program detached; false when it could not be started.
    std::function<bool(const QString& path)> startProgram;
    // Ends this program at once, without questions.
    std::function<void()> endProgram;
    // Asked before this program ends for the other version (whether changed
    // data may be dropped); false keeps this program running.
    std::function<bool()> mayEnd;
    // Run before the other version starts (for example to release the serial port).
    std::function<void()> beforeLaunch;

    // False (with the message shown) when no installed version handles `other`,
    // and false when `mayEnd` keeps this program running.
    bool LaunchVersion(const QString& other);

private:
    const VersionTable& versions_;
    QString baseFolder_;
    QString programName_;
    const Catalogue& catalogue_;
    Prompter& prompter_;
};
