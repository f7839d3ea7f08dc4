#include "core/editing/option_store.h"

#include "core/codec/mode_codec.h"
#include "core/editing/combo_list.h"
#include "core/editing/option_codes.h"
#include "core/editing/option_lists.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"

namespace {

// How a control's value becomes the field's value.
enum class Stored {
    Position,   // the chosen position
    Number,     // the chosen entry read as a number
    TotSteps,   // the position in steps of 30 s (3 x 10 s)
    ModeName,   // the chosen mode name's code
    RogerTone,  // the chosen tone number, 0 for "OFF"
    Check,      // the check value; other stored values show checked
    CheckClear, // the same, but other stored values show unchecked
};

struct Binding {
    int code;
    Stored kind;
    int16_t& (*field)(RadioData&);
    int (*value)(const RadioData&);
};

// `Field` is a lambda naming the field for a changeable and a read-only record alike.
template <typename Field> Binding Bind(int code, Stored kind, Field) {
    return {code, kind, [](RadioData& d) -> int16_t& { return Field{}(d); },
            [](const RadioData& d) -> int { return Field{}(d); }};
}

#define ZR_FIELD(path)                                                                             \
    [](auto& d) -> auto& {                                                                         \
        return d.path;                                                                             \
    }

const Binding kBindings[] = {
    Bind(OptionCode::Indic, Stored::Position, ZR_FIELD(Options.Indic)),
    Bind(OptionCode::Mic, Stored::Number, ZR_FIELD(Options.MicGain)),
    Bind(OptionCode::Nog, Stored::Position, ZR_FIELD(Options.Nog)),
    Bind(OptionCode::Tot, Stored::TotSteps, ZR_FIELD(Options.Tot)),
    Bind(OptionCode::Scm, Stored::Position, ZR_FIELD(Options.ScanMode)),
    Bind(OptionCode::Fin, Stored::Position, ZR_FIELD(Options.Fin)),
    Bind(OptionCode::Color, Stored::Position, ZR_FIELD(Options.BacklightColor)),
    Bind(OptionCode::PublicMode, Stored::ModeName, ZR_FIELD(Options.PublicMode)),
    Bind(OptionCode::WorkBand, Stored::Position, ZR_FIELD(Options.WorkBand)),
    Bind(OptionCode::MenuPage, Stored::Number, ZR_FIELD(Options.MenuPage)),
    Bind(OptionCode::ChannelMode, Stored::Position, ZR_FIELD(Options.ChannelMode)),
    Bind(OptionCode::FreqCh, Stored::Position, ZR_FIELD(FreqCh)),
    Bind(OptionCode::AsqLevel, Stored::Number, ZR_FIELD(AsqLevel)),
    Bind(OptionCode::VoxFunction, Stored::Check, ZR_FIELD(Options.VoxFunction)),
    Bind(OptionCode::KeyBeep, Stored::Check, ZR_FIELD(Options.KeyBeep)),
    Bind(OptionCode::SwrProtect, Stored::Check, ZR_FIELD(Options.SwrProtect)),
    Bind(OptionCode::BatteryProtect, Stored::Check, ZR_FIELD(Options.BatteryProtect)),
    Bind(OptionCode::FmEnable, Stored::Check, ZR_FIELD(Options.ModeEnable[0])),
    Bind(OptionCode::FmEnable + 1, Stored::Check, ZR_FIELD(Options.ModeEnable[1])),
    Bind(OptionCode::FmEnable + 2, Stored::Check, ZR_FIELD(Options.ModeEnable[2])),
    Bind(OptionCode::LsbEnable, Stored::Check, ZR_FIELD(Options.ModeEnable[3])),
    Bind(OptionCode::PaEnable, Stored::Check, ZR_FIELD(Options.ModeEnable[4])),
    Bind(OptionCode::MemMenu, Stored::CheckClear, ZR_FIELD(Options.MemMenu)),
    Bind(OptionCode::PublicHiCut, Stored::Position, ZR_FIELD(Options.PublicHiCut)),
    Bind(OptionCode::PublicNbAnl, Stored::Position, ZR_FIELD(Options.PublicNbAnl)),
    Bind(OptionCode::PublicHiCut + 2, Stored::Position, ZR_FIELD(Options.PublicEcho)),
    Bind(OptionCode::PublicHiCut + 3, Stored::Position, ZR_FIELD(Options.PublicAdd10K)),
    Bind(OptionCode::PublicBusy, Stored::Position, ZR_FIELD(Options.PublicBusy)),
    Bind(OptionCode::PublicRoger, Stored::RogerTone, ZR_FIELD(Options.PublicRoger)),
};

#undef ZR_FIELD

const Binding* Find(int code) {
    for (const Binding& b : kBindings) {
        if (b.code == code)
            return &b;
    }
    return nullptr;
}

const QStringList kModeNames = {QStringLiteral("FM"), QStringLiteral("AM"), QStringLiteral("USB"),
                                QStringLiteral("LSB"), QStringLiteral("PA")};

} // namespace

bool SaveOptFeat(RadioData& data, int code, int position, const QString& text) {
    const Binding* b = Find(code);
    if (!b || position < 0)
        return false;
    int value = position;
    switch (b->kind) {
    case Stored::Number:
    case Stored::RogerTone:
        // "OFF" reads as 0.
        value = text.toInt();
        break;
    case Stored::TotSteps:
        value = position * 3;
        break;
    case Stored::ModeName:
        value = ModeTextToIndex(FindComboText(kModeNames, text));
        break;
    default:
        break;
    }
    b->field(data) = static_cast<int16_t>(value);
    return true;
}

ShownChoice ShownOptionChoice(const RadioData& data, int code, const QStringList& entries,
                              int language) {
    const Binding* b = Find(code);
    if (!b)
        return ChoiceAt(entries, 0, {});
    const int value = b->value(data);
    const QString number = QString::number(value);
    switch (b->kind) {
    case Stored::RogerTone:
        // 0 is the first entry, "OFF".
        return value == 0 ? ChoiceAt(entries, 0, number) : ChoiceOf(entries, number, number);
    case Stored::Number:
        return ChoiceOf(entries, number, number);
    case Stored::TotSteps:
        // Only whole steps of 30 s have an entry; the list counts seconds.
        return ChoiceAt(entries, value % 3 == 0 ? value / 3 : -1,
                        QString::number(value * 10) + QLatin1Char('s'));
    case Stored::ModeName:
        return ChoiceOf(entries, StoredModeText(value, language), StoredModeText(value, language));
    default:
        return ChoiceAt(entries, value, number);
    }
}

QString ShownOptionText(const RadioData& data, int code, int language) {
    const QStringList entries = OptionListEntries(code, language, data);
    const ShownChoice choice = ShownOptionChoice(data, code, entries, language);
    return choice.index >= 0 ? entries.at(choice.index) : choice.asStored;
}

int ShownOptionCheck(const RadioData& data, int code) {
    const Binding* b = Find(code);
    if (!b)
        return 0;
    const int value = b->value(data);
    return ClampBinary(value, b->kind == Stored::CheckClear ? 0 : 1);
}

int KeepOneChecked(int value, int minimum, const QList<int>& values, int self) {
    if (value > 0)
        return value;
    int others = 0;
    for (int i = 0; i < values.size(); ++i)
        others += i != self && values.at(i) > 0 ? 1 : 0;
    return others < minimum ? 1 : 0;
}

int StoreModeEnable(RadioData& data, ChannelTable& channels, int code, int value,
                    const QString& shownPublicMode, QMap<int, int>* movedFrom) {
    if (!OptionCode::IsModeEnable(code))
        return value;
    if (code <= OptionCode::LsbEnable) {
        const auto& enable = data.Options.ModeEnable;
        const QList<int> fourModes{enable[0], enable[1], enable[2], enable[3]};
        value = KeepOneChecked(value, 1, fourModes, code - OptionCode::FmEnable);
    }
    SaveOptFeat(data, code, value, QString());
    RevalidateAllModes(data, channels, movedFrom);
    const QStringList offered = ModeListEntries(data.Options.ModeEnable, false);
    const int shown = SelectComboText(offered, shownPublicMode);
    if (shown >= 0)
        SaveOptFeat(data, OptionCode::PublicMode, shown, offered.at(shown));
    return value;
}

QString ModesMovedText(const QMap<int, int>& movedFrom, const ModeEnableFlags& modeEnable,
                       const Catalogue& c) {
    QStringList lines;
    const QString to = ModeIndexToText(ValidMode(-1, modeEnable));
    for (auto it = movedFrom.begin(); it != movedFrom.end(); ++it) {
        const QString from = it.key() >= 0 && it.key() < kModeCount
                                 ? ModeIndexToText(it.key())
                                 : c.Text(TextId::StoredMode).arg(it.key());
        lines << c.Counted(TextId::OptModesMoved, it.value()).arg(it.value()).arg(from, to);
    }
    return lines.join(QStringLiteral("\r\n"));
}
