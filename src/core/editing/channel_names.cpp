#include "core/editing/channel_names.h"

int GetCHID(const QString& name) {
    const bool memory = name.startsWith(QLatin1Char('M'));
    bool ok = false;
    const int value = (memory ? name.mid(1) : name).toInt(&ok);
    if (!ok)
        return 0;
    return memory ? kRegularChannelCount + value : value;
}

QString GetCHName(int number) {
    if (number > kRegularChannelCount)
        return QLatin1Char('M') + QString::number(number - kRegularChannelCount);
    return QString::number(number);
}
