#pragma once

#include <QRect>
#include <QSettings>
#include <QStringList>

#include <optional>

// The windows' per-user settings, each under its own name here and nowhere
// else (Qt's store for the program: on Linux ~/.config/ZR-4400/ZR-4400.conf,
// group "Settings"). The program-wide settings file mysetup.ini is another
// matter: the core keeps that.
class UserSettings {
public:
    // The main window's frame in twips, as stored; nothing for a value not
    // stored or not a number.
    struct Place {
        std::optional<int> left, top, width, height;
    };
    Place mainWindow() const;
    void setMainWindow(int left, int top, int width, int height);

    // Newest first.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& paths);

    // The folder file dialogs open in; "" at first.
    QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // "Verify after write": off until the user turns it on.
    bool verifyAfterWrite() const;
    void setVerifyAfterWrite(bool on);

    // Where the channel list was left in the work area; invalid at first.
    QRect channelListPlace() const;
    void setChannelListPlace(const QRect& place);

    // What the printed sheet holds: the groups left out ("CB A"), the option
    // features and the tones (both on at first).
    QStringList printGroupsLeftOut() const;
    bool printOptions() const;
    bool printTones() const;
    void setPrint(const QStringList& groupsLeftOut, bool options, bool tones);

private:
    QSettings store_;
};
