#include "core/base/app_settings.h"

bool ParseTruth(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const long long number = t.toLongLong(&ok);
    return ok && number != 0;
}
