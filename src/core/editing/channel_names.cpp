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

int ChannelOfName(const QString& name) {
    const QString typed = name.trimmed().toUpper();
    for (int number = 1; number <= kLastMemoryChannel; ++number)
        if (typed == GetCHName(number))
            return number;
    return 0;
}
