#include "core/editing/channel_settings.h"

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/combo_list.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"

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

QString ChannelSettingCaption(int setting, const Catalogue& cat) {
    switch (setting) {
    case kSettingTsq:
        return cat.Text(TextId::ChTsq);
    case kSettingQtDqtEnc:
        return cat.Text(TextId::ChQtDqtEnc);
    case kSettingHiCut:
        return cat.Text(TextId::SwHiCut);
    case kSettingNbAnl:
        return cat.Text(TextId::SwNbAnl);
    case kSettingEcho:
        return cat.Text(TextId::SwEcho);
    case kSettingAdd10K:
        return cat.Text(TextId::SwAdd10K);
    case kSettingBusy:
        return cat.Text(TextId::SwBusy);
    case kSettingRepeater:
        return QStringLiteral("REP");
    case kSettingTsqSwitch:
        return QStringLiteral("TSQ");
    case kSettingPublic:
        return QStringLiteral("Public");
    case kSettingScan:
        return cat.Text(TextId::ChScan);
    case kSettingRoger:
        return cat.Text(TextId::SwRoger);
    default:
        return cat.Text(TextId::SwMode);
    }
}

QStringList ChannelSettingEntries(int setting, const Catalogue& cat) {
    const QString off = cat.Text(TextId::OffSwitch);
    switch (setting) {
    case kSettingTsq:
        return ToneListTexts(cat.Text(TextId::OffWord));
    case kSettingQtDqtEnc:
        return ShortToneListTexts(cat.Text(TextId::OffWord));
    case kSettingHiCut:
    case kSettingNbAnl:
    case kSettingEcho:
    case kSettingAdd10K:
    case kSettingBusy:
    case kSettingPublic:
        return {off, cat.Text(TextId::OnSwitch)};
    case kSettingRepeater:
        return {off, QStringLiteral("+"), QStringLiteral("-")};
    case kSettingTsqSwitch:
        return {cat.Text(TextId::ChDisable), cat.Text(TextId::ChEnable)};
    case kSettingScan:
        return {cat.Text(TextId::ChScanDel), cat.Text(TextId::ChScanAdd)};
    default:
        return {};
    }
}

QString ChannelSettingText(const ChannelRecord& record, int setting, const Catalogue& cat) {
    if (setting == kSettingRoger)
        return record.Roger == 0 ? cat.Text(TextId::OffSwitch) : QString::number(record.Roger);
    if (setting == kSettingMode)
        return StoredModeText(record.Mode, cat.CurrentLanguage);
    const int index = SettingIndex(record, setting);
    const QStringList entries = ChannelSettingEntries(setting, cat);
    return index >= 0 && index < entries.size() ? entries.at(index) : QString::number(index);
}
