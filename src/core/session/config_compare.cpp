#include "core/session/config_compare.h"

#include "core/base/text_util.h"
#include "core/editing/channel_settings.h"
#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

#include <QHash>

namespace {

constexpr int kChannelFields[] = {kSettingMode,   kSettingTsq,    kSettingHiCut, kSettingNbAnl,
                                  kSettingEcho,   kSettingAdd10K, kSettingBusy,  kSettingRepeater,
                                  kSettingPublic, kSettingScan,   kSettingRoger};

QString BankName(int bank) {
    return bank == 0 ? QStringLiteral("CB") : QStringLiteral("HF");
}

void AddOptions(QList<ConfigField>& f, const RadioData& d, const Catalogue& c) {
    const OptionRecord& o = d.Options;
    const auto add = [&](const QString& name, const QString& value) {
        f.append({QStringLiteral("Options ") + name, value, {}});
    };
    const auto onOff = [&](int value) { return StoredSwitchText(value, c); };
    add(QStringLiteral("Bank in use"), BankName(d.BandFlag == 0 ? 0 : 1));
    for (const OptionRow& r : kOptionLists)
        add(c.Text(r.caption), ShownOptionText(d, r.code, Catalogue::kEnglish));
    add(c.Text(TextId::OptTxOffset), FormatFixed(d.TxOffset / 10000.0, 4));
    add(c.Text(TextId::OptBeep), onOff(o.KeyBeep));
    add(c.Text(TextId::OptSwrProtect), onOff(o.SwrProtect));
    add(c.Text(TextId::OptSwrProtect) + QLatin1Char(' ') + c.Text(TextId::OptSwrMax),
        FormatFixed(o.SwrMax / 10.0, 1));
    add(c.Text(TextId::OptBatteryProtect), onOff(o.BatteryProtect));
    add(c.Text(TextId::OptBatteryMin), FormatFixed(o.BatteryMin / 10.0, 1));
    add(c.Text(TextId::OptBatteryMax), FormatFixed(o.BatteryMax / 10.0, 1));
    for (int point = 0; point < 2 * kRssiPerFrame; ++point)
        add(c.Text(point < kRssiPerFrame ? TextId::OptFmAmRssi : TextId::OptUsbLsbRssi) +
                QLatin1Char(' ') + QLatin1String(kRssiCaptions[point % kRssiPerFrame]),
            QString::number(d.RssiPoint[point] + 1));
    for (const OptionRow& r : kModeEnables)
        add(c.Text(r.caption), onOff(o.ModeEnable[r.code - OptionCode::FmEnable]));
    for (const OptionRow& r : kPublicLists)
        add(c.Text(TextId::OptPublic) + QLatin1Char(' ') + c.Text(r.caption),
            ShownOptionText(d, r.code, Catalogue::kEnglish));
    add(c.Text(TextId::OptPublic) + QLatin1Char(' ') + c.Text(TextId::SwBusy), onOff(o.PublicBusy));
    add(QStringLiteral("work band"), ShownOptionText(d, OptionCode::WorkBand, Catalogue::kEnglish));
    for (int v = 0; v < kBanks; ++v)
        add(QStringLiteral("work group ") + BankName(v), StoredGroupText(o.WorkGroup[v]));
    add(QStringLiteral("VOX"), onOff(o.VoxFunction));
    add(QStringLiteral("channel mode"), QString::number(o.ChannelMode));
    add(QStringLiteral("menu page"), QString::number(o.MenuPage));
    add(QStringLiteral("MEM menu"), onOff(o.MemMenu));
    add(QStringLiteral("RTIX"), QString::number(o.Rtix));
    add(QStringLiteral("TTIX"), QString::number(o.Ttix));
    add(QStringLiteral("upper nibble"), QString::number(o.UpperNibble));
}

void AddGroup(QList<ConfigField>& f, const RadioModel& m, const Catalogue& c, int v, int g) {
    const RadioData& d = m.radio;
    const OptionRecord& o = d.Options;
    const QString group = BankName(v) + QStringLiteral(" group ") + GroupLetter(g);
    const auto add = [&](const QString& name, const QString& value) {
        f.append({group + QLatin1Char(' ') + name, value, {}});
    };
    add(c.Text(TextId::ChGroupName), EscapeControls(o.GroupName(v, g).text()));
    add(c.Text(TextId::ChGroupValid), StoredSwitchText(o.GroupValid(v, g), c));
    for (int k = 0; k < 2; ++k) {
        const QString n = QString::number(k + 1);
        add(c.Text(TextId::ChEmgChannel) + n, StoredChannelText(o.EmgChannel(v, g, k)));
        add(c.Text(TextId::ChDwChannel) + n, StoredChannelText(o.DwChannel(v, g, k)));
    }
    add(c.Text(TextId::ChWorkChannel), StoredChannelText(o.WorkChannel(v, g)));
    add(c.Text(TextId::ChMemChannel), StoredChannelText(o.MemChannel(v, g)));
    for (int slot = 1; slot <= d.ChannelCount(v, g); ++slot) {
        const ChannelRecord& r = m.channels.at(v, slot, g);
        const QString channel =
            group + QStringLiteral(" channel ") + StoredChannelText(r.ChannelNumber);
        f.append({channel,
                  EscapeControls(FreqDigitsToText(r.RxFreq.text(), m.BandLowMHz, nullptr)),
                  {}});
        for (int setting : kChannelFields)
            f.append({channel + QLatin1Char(' ') + ChannelSettingCaption(setting, c),
                      ChannelSettingText(r, setting, c), channel});
    }
}

void AddTones(QList<ConfigField>& f, const ToneTable& tones) {
    for (int n = 1; n <= kToneCount; ++n) {
        const ToneEntry& t = tones[n];
        const QString tone = QStringLiteral("Tone %1 ").arg(n);
        f.append({tone + QStringLiteral("loops"), QString::number(t.LoopCount), {}});
        f.append({tone + QStringLiteral("interval"),
                  QStringLiteral("%1 ms").arg(t.IntervalCode * 10),
                  {}});
        for (int k = 0; k < kToneElements; ++k)
            f.append({tone + QStringLiteral("element %1").arg(k + 1),
                      QStringLiteral("%1 Hz, %2 ms")
                          .arg(t.Element[k].FreqCode * 10)
                          .arg(t.Element[k].DurCode * 10),
                      {}});
    }
}

} // namespace

QList<ConfigField> ConfigFields(const RadioModel& model) {
    const Catalogue c; // English
    QList<ConfigField> fields;
    AddOptions(fields, model.radio, c);
    for (int v = 0; v < kBanks; ++v)
        for (int g = 1; g <= kGroups; ++g)
            AddGroup(fields, model, c, v, g);
    AddTones(fields, model.radio.Tones);
    return fields;
}

QStringList CompareConfigs(const RadioModel& a, const RadioModel& b) {
    const QList<ConfigField> left = ConfigFields(a);
    const QList<ConfigField> right = ConfigFields(b);
    QHash<QString, QString> inA, inB;
    for (const ConfigField& f : left)
        inA.insert(f.name, f.value);
    for (const ConfigField& f : right)
        inB.insert(f.name, f.value);
    QStringList lines;
    const auto compare = [&](const ConfigField& f, bool fromA) {
        if (!f.parent.isEmpty() && !(inA.contains(f.parent) && inB.contains(f.parent)))
            return; // the channel itself is reported
        const bool hasA = inA.contains(f.name);
        const bool hasB = inB.contains(f.name);
        if (hasA && hasB) {
            if (fromA && inA.value(f.name) != inB.value(f.name))
                lines << f.name + QStringLiteral(": ") + inA.value(f.name) +
                             QStringLiteral(" -> ") + inB.value(f.name);
        } else {
            lines << f.name +
                         (hasA ? QStringLiteral(": only in A (")
                               : QStringLiteral(": only in B (")) +
                         f.value + QLatin1Char(')');
        }
    };
    for (const ConfigField& f : left)
        compare(f, true);
    for (const ConfigField& f : right)
        if (!inA.contains(f.name))
            compare(f, false);
    return lines;
}
