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

void LoadLineSettings(const IniFile& setup, AppSettings& settings) {
    settings.InvalidLineSetting.clear();
    const auto read = [&](const char* key, int& value, int lowest, int highest) {
        const QString text = setup.value(QStringLiteral("language"), QLatin1String(key));
        if (text.isEmpty())
            return;
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
        const int number = digits.match(text).hasMatch() ? text.toInt() : -1;
        if (number >= lowest && number <= highest)
            value = number;
        else if (settings.InvalidLineSetting.isEmpty())
            settings.InvalidLineSetting = QLatin1String(key) + QLatin1Char('=') + text;
    };
    read("Handshaking", settings.Handshaking, 0, 2);
    read("StopBit", settings.StopBit, 1, 2);
}

FileProblem LineSettingProblem(const AppSettings& settings, const Catalogue& catalogue,
                               const QString& settingsPath) {
    if (settings.InvalidLineSetting.isEmpty())
        return {};
    return {settingsPath, FileCause::Other,
            catalogue.Text(TextId::LineSettingInvalid).arg(settings.InvalidLineSetting)};
}
