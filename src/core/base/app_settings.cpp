#include "core/base/app_settings.h"

#include "core/base/ini_file.h"
#include "core/text/catalogue.h"

#include <QRegularExpression>

bool ParseTruth(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const long long number = t.toLongLong(&ok);
    return ok && number != 0;
}

namespace {

// A [language] value written as digits within lowest..highest is taken into
// `value`; a missing or empty one leaves `value` as it is. Any other text is
// refused: the setting as written is returned ("comPort=-3"), else "".
QString ReadNumber(const IniFile& setup, const char* key, int lowest, int highest, int& value) {
    const QString text = setup.value(QStringLiteral("language"), QLatin1String(key));
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    const int number = digits.match(text).hasMatch() ? text.toInt() : -1;
    if (number >= lowest && number <= highest)
        value = number;
    else if (!text.isEmpty())
        return QLatin1String(key) + QLatin1Char('=') + text;
    return {};
}

} // namespace

void LoadLineSettings(const IniFile& setup, AppSettings& settings) {
    const QString handshaking = ReadNumber(setup, "Handshaking", 0, 2, settings.Handshaking);
    const QString stopBit = ReadNumber(setup, "StopBit", 1, 2, settings.StopBit);
    // The first refused setting is the one told when the port is not opened.
    settings.InvalidLineSetting = handshaking.isEmpty() ? stopBit : handshaking;
}

int LoadPortAndLanguage(const IniFile& setup, AppSettings& settings) {
    settings.ReadFrom = setup.path();
    settings.Faults.clear();
    if (setup.tooLarge())
        settings.Faults.append({TextId::SettingsTooLarge, {}});
    if (const int line = setup.firstGarbledLine(); line > 0)
        settings.Faults.append({TextId::SettingsGarbledLine, QString::number(line)});
    int language = Catalogue::kEnglish;
    const auto note = [&](TextId cause, const QString& refused) {
        if (!refused.isEmpty())
            settings.Faults.append({cause, refused});
    };
    note(TextId::SettingsNotPort,
         ReadNumber(setup, "comPort", 1, kHighestPortNumber, settings.comPort));
    note(TextId::SettingsNotLanguage,
         ReadNumber(setup, "CurrentLanguage", Catalogue::kEnglish, Catalogue::kChinese, language));
    return language;
}

QString SettingsNotice(const Catalogue& catalogue, const AppSettings& settings) {
    if (settings.Faults.isEmpty())
        return {};
    QString notice = catalogue.Text(TextId::SettingsDamaged);
    for (const SettingsFault& fault : settings.Faults) {
        const QString cause = catalogue.Text(fault.cause);
        notice += QStringLiteral("\r\n") + settings.ReadFrom + QStringLiteral(": ") +
                  (fault.detail.isEmpty() ? cause : cause.arg(fault.detail));
    }
    return notice;
}

FileProblem LineSettingProblem(const AppSettings& settings, const Catalogue& catalogue,
                               const QString& settingsPath) {
    if (settings.InvalidLineSetting.isEmpty())
        return {};
    return {settingsPath, FileCause::Other,
            catalogue.Text(TextId::LineSettingInvalid).arg(settings.InvalidLineSetting)};
}
