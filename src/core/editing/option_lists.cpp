#include "core/editing/option_lists.h"

#include "core/codec/mode_codec.h"
#include "core/editing/option_codes.h"
#include "core/editing/tone_rules.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"

#include <initializer_list>

namespace {

QStringList Numbers(int first, int last, int step = 1) {
    QStringList entries;
    for (int n = first; n <= last; n += step)
        entries << QString::number(n);
    return entries;
}

QStringList Texts(std::initializer_list<TextId> ids, int language) {
    QStringList entries;
    for (TextId id : ids)
        entries << Catalogue::TextIn(id, language);
    return entries;
}

QStringList Fixed(std::initializer_list<const char*> texts) {
    QStringList entries;
    for (const char* text : texts)
        entries << QString::fromLatin1(text);
    return entries;
}

// 30 s to 600 s in steps of 30 s: the time-out timer counts in tens of seconds.
QStringList TotEntries(int language) {
    QStringList entries{Catalogue::TextIn(TextId::OffWord, language)};
    for (int tens = 3; tens <= 60; tens += 3)
        entries << QString::number(tens * 10) + QLatin1Char('s');
    return entries;
}

QStringList SwitchEntries(int code, int language) {
    // NB/ANL reads "ON" in both languages.
    const QString on = code == OptionCode::PublicNbAnl
                           ? QStringLiteral("ON")
                           : Catalogue::TextIn(TextId::OnSwitch, language);
    return {Catalogue::TextIn(TextId::OffSwitch, language), on};
}

} // namespace

QStringList RogerListEntries(const ToneTable& tones, int language) {
    QStringList entries{Catalogue::TextIn(TextId::OffSwitch, language)};
    for (int n = 1; n <= kToneCount; ++n) {
        if (ValidRogerTone(tones, n) != 0)
            entries << QString::number(n);
    }
    return entries;
}

QStringList OptionListEntries(int code, int language, const RadioData& data) {
    const QString off = Catalogue::TextIn(TextId::OffWord, language);
    switch (code) {
    case OptionCode::Indic:
        return Texts({TextId::OptIndicTxFrequency, TextId::OptIndicSwr, TextId::OptIndicTotRemain,
                      TextId::OptIndicBattery},
                     language);
    case OptionCode::Mic:
        return Numbers(1, 36);
    case OptionCode::Nog:
        return QStringList{off} + Numbers(1, 32);
    case OptionCode::Tot:
        return TotEntries(language);
    case OptionCode::Scm:
        return Texts({TextId::OptSquelchScan, TextId::OptTimeScan}, language);
    case OptionCode::Fin:
        return QStringList{off} + Fixed({"R", "T", "RT"});
    case OptionCode::Color:
        return Texts({TextId::OptColorWhite, TextId::OptColorBlue, TextId::OptColorGreen,
                      TextId::OptColorRed, TextId::OptColorYellow, TextId::OptColorPurple,
                      TextId::OptColorCyan},
                     language);
    case OptionCode::PublicMode:
        return ModeListEntries(data.Options.ModeEnable, false);
    case OptionCode::WorkBand:
        return Fixed({"CB", "HF"});
    case OptionCode::MenuPage:
    case OptionCode::AsqLevel:
        return Numbers(1, 9);
    case OptionCode::ChannelMode:
        return Fixed({"CH", "MEM"});
    case OptionCode::FreqCh:
        return Fixed({"Channel", "Frequency"});
    case OptionCode::PublicRoger:
        return RogerListEntries(data.Tones, language);
    default:
        if (code >= OptionCode::PublicHiCut && code <= OptionCode::PublicBusy)
            return SwitchEntries(code, language);
        return {};
    }
}
