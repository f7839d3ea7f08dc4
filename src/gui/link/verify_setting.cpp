#include "gui/link/verify_setting.h"

#include <QSettings>

namespace {
const QString kKey = QStringLiteral("Settings/VerifyAfterWrite");
} // namespace

bool VerifyAfterWrite() {
    return QSettings().value(kKey, false).toBool();
}

void SetVerifyAfterWrite(bool on) {
    QSettings().setValue(kKey, on);
}
