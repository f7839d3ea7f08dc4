#include "gui/widgets/user_settings.h"

namespace {

const QString kMainLeft = QStringLiteral("Settings/MainLeft");
const QString kMainTop = QStringLiteral("Settings/MainTop");
const QString kMainWidth = QStringLiteral("Settings/MainWidth");
const QString kMainHeight = QStringLiteral("Settings/MainHeight");
const QString kRecentFiles = QStringLiteral("Settings/RecentFiles");
const QString kLastFolder = QStringLiteral("Settings/LastFolder");
const QString kVerifyAfterWrite = QStringLiteral("Settings/VerifyAfterWrite");
const QString kChannelListPlace = QStringLiteral("Settings/ChannelListPlace");
const QString kPrintGroupsLeftOut = QStringLiteral("Settings/PrintGroupsLeftOut");
const QString kPrintOptions = QStringLiteral("Settings/PrintOptions");
const QString kPrintTones = QStringLiteral("Settings/PrintTones");

std::optional<int> Number(const QSettings& store, const QString& key) {
    bool ok = false;
    const int value = store.value(key).toString().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

UserSettings::Place UserSettings::mainWindow() const {
    return {Number(store_, kMainLeft), Number(store_, kMainTop), Number(store_, kMainWidth),
            Number(store_, kMainHeight)};
}

void UserSettings::setMainWindow(int left, int top, int width, int height) {
    // Stored as text, as the program has always stored them.
    store_.setValue(kMainLeft, QString::number(left));
    store_.setValue(kMainTop, QString::number(top));
    store_.setValue(kMainWidth, QString::number(width));
    store_.setValue(kMainHeight, QString::number(height));
}

QStringList UserSettings::recentFiles() const {
    return store_.value(kRecentFiles).toStringList();
}

void UserSettings::setRecentFiles(const QStringList& paths) {
    store_.setValue(kRecentFiles, paths);
}

QString UserSettings::lastFolder() const {
    return store_.value(kLastFolder).toString();
}

void UserSettings::setLastFolder(const QString& folder) {
    store_.setValue(kLastFolder, folder);
}

bool UserSettings::verifyAfterWrite() const {
    return store_.value(kVerifyAfterWrite, false).toBool();
}

void UserSettings::setVerifyAfterWrite(bool on) {
    store_.setValue(kVerifyAfterWrite, on);
}

QRect UserSettings::channelListPlace() const {
    return store_.value(kChannelListPlace).toRect();
}

void UserSettings::setChannelListPlace(const QRect& place) {
    store_.setValue(kChannelListPlace, place);
}

QStringList UserSettings::printGroupsLeftOut() const {
    return store_.value(kPrintGroupsLeftOut).toStringList();
}

bool UserSettings::printOptions() const {
    return store_.value(kPrintOptions, true).toBool();
}

bool UserSettings::printTones() const {
    return store_.value(kPrintTones, true).toBool();
}

void UserSettings::setPrint(const QStringList& groupsLeftOut, bool options, bool tones) {
    store_.setValue(kPrintGroupsLeftOut, groupsLeftOut);
    store_.setValue(kPrintOptions, options);
    store_.setValue(kPrintTones, tones);
}
