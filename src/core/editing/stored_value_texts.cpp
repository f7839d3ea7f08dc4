#include "core/editing/stored_value_texts.h"

#include "core/base/text_util.h"
#include "core/codec/mode_codec.h"
#include "core/editing/channel_names.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"

QString StoredSwitchText(int value, const Catalogue& catalogue) {
    if (value == 0 || value == 1)
        return catalogue.Text(value ? TextId::OnSwitch : TextId::OffSwitch);
    return QString::number(value);
}

QString StoredModeText(int mode, int language) {
    if (mode >= 0 && mode < kModeCount)
        return ModeIndexToText(mode);
    return Catalogue::TextIn(TextId::StoredMode, language).arg(mode);
}

QString StoredChannelText(int number) {
    return number >= 1 && number <= kSlots ? GetCHName(number) : QString::number(number);
}

QString StoredGroupText(int group) {
    return group >= 1 && group <= kMemoryView ? GroupLetter(group) : QString::number(group);
}

QString StoredToneFrequencyText(int code) {
    return QString::number(code * 10) + QStringLiteral(" Hz");
}

QString StoredTenMsText(int code) {
    return QString::number(code * 10);
}
