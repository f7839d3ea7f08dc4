#include "core/editing/channel_settings.h"

#include "core/codec/mode_codec.h"
#include "core/model/radio_data.h"

namespace {

// The record field chosen by entry index, or nullptr.
template <typename Record> auto* IndexField(Record& r, int setting) {
    switch (setting) {
    case kSettingTsq:
        return &r.ToneIndex;
    case kSettingHiCut:
        return &r.HiCut;
    case kSettingNbAnl:
        return &r.NbAnl;
    case kSettingEcho:
        return &r.Echo;
    case kSettingAdd10K:
        return &r.Add10K;
    case kSettingBusy:
        return &r.Busy;
    case kSettingRepeater:
        return &r.Repeater;
    case kSettingPublic:
        return &r.Public;
    case kSettingScan:
        return &r.ScanFlag;
    default:
        return static_cast<decltype(&r.ToneIndex)>(nullptr);
    }
}

} // namespace

bool SettingStored(int setting) {
    return setting >= 0 && setting < kChannelSettingCount && setting != kSettingQtDqtEnc &&
           setting != kSettingTsqSwitch;
}

bool SettingByIndex(int setting) {
    ChannelRecord probe;
    return IndexField(probe, setting) != nullptr;
}

int SettingIndex(const ChannelRecord& record, int setting) {
    const int16_t* field = IndexField(record, setting);
    return field != nullptr ? *field : -1;
}

void StoreChannelSetting(ChannelRecord& record, int setting, int index, const QString& text) {
    if (int16_t* field = IndexField(record, setting)) {
        *field = static_cast<int16_t>(index);
    } else if (setting == kSettingRoger) {
        record.Roger = static_cast<int16_t>(index <= 0 ? 0 : text.toInt());
    } else if (setting == kSettingMode) {
        record.Mode = static_cast<int16_t>(ModeTextToIndex(text));
    }
}

bool FollowsPublic(int setting) {
    switch (setting) {
    case kSettingHiCut:
    case kSettingNbAnl:
    case kSettingEcho:
    case kSettingAdd10K:
    case kSettingRoger:
    case kSettingMode:
        return true;
    default:
        return false;
    }
}
