#include "gui/widgets/scaled_picture.h"

#include <QFileInfo>

QPixmap LoadPicture(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio >= 1.5) {
        const QFileInfo file(path);
        QPixmap sharp(file.path() + QLatin1Char('/') + file.completeBaseName() +
                      QStringLiteral("@2x.") + file.suffix());
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(path);
}
