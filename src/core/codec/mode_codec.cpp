#include "core/codec/mode_codec.h"

#include "core/model/channels_in_use.h"
#include "core/model/radio_data.h"

namespace {

const std::array<QString, kModeCount> kModeTexts = {QStringLiteral("FM"), QStringLiteral("AM"),
                                                    QStringLiteral("USB"), QStringLiteral("LSB"),
                                                    QStringLiteral("PA")};

bool Offered(int mode, const ModeEnableFlags& modeEnable) {
    return mode >= 0 && mode < kModeCount && modeEnable[mode] > 0;
}

} // namespace

int ModeTextToIndex(const QString& text) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (kModeTexts[mode] == text)
            return mode;
    }
    return 0;
}

QString ModeIndexToText(int mode) {
    return mode >= 0 && mode < kModeCount ? kModeTexts[mode] : kModeTexts[0];
}

int ValidMode(int mode, const ModeEnableFlags& modeEnable) {
    if (Offered(mode, modeEnable))
        return mode;
    for (int first = 0; first < kModeCount; ++first) {
        if (Offered(first, modeEnable))
            return first;
    }
    return 0;
}

QStringList ModeListEntries(const ModeEnableFlags& modeEnable, bool isMemory) {
    QStringList entries;
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (Offered(mode, modeEnable) && !(isMemory && mode == kModePA))
            entries << kModeTexts[mode];
    }
    return entries;
}

void RevalidateAllModes(RadioData& data, ChannelTable& channels, QMap<int, int>* movedFrom) {
    const ModeEnableFlags& enable = data.Options.ModeEnable;
    ForEachChannelInUse(data, channels, [&](ChannelRecord& record, int, int) {
        const int valid = ValidMode(record.Mode, enable);
        if (valid != record.Mode && movedFrom)
            ++(*movedFrom)[record.Mode];
        record.Mode = static_cast<int16_t>(valid);
    });
}
