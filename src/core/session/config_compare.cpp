#include "core/session/config_compare.h"

#include "core/base/text_util.h"
#include "core/codec/image_codec.h"
#include "core/editing/channel_settings.h"
#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/data_file.h"
#include "core/model/freq_text.h"
#include "core/model/image_file.h"
#include "core/model/initial_data.h"
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
    const int language = c.CurrentLanguage;
    const QString options = c.Text(TextId::CmpOptions) + QLatin1Char(' ');
    const auto add = [&](const QString& name, const QString& value) {
        f.append({options + name, value, {}});
    };
    const auto onOff = [&](int value) { return StoredSwitchText(value, c); };
    add(c.Text(TextId::CmpBankInUse), BankName(d.BandFlag == 0 ? 0 : 1));
    for (const OptionRow& r : kOptionLists)
        add(c.Text(r.caption), ShownOptionText(d, r.code, language));
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
            ShownOptionText(d, r.code, language));
    add(c.Text(TextId::OptPublic) + QLatin1Char(' ') + c.Text(TextId::SwBusy), onOff(o.PublicBusy));
    add(c.Text(TextId::CmpWorkBand), ShownOptionText(d, OptionCode::WorkBand, language));
    for (int v = 0; v < kBanks; ++v)
        add(c.Text(TextId::CmpWorkGroup).arg(BankName(v)), StoredGroupText(o.WorkGroup[v]));
    add(QStringLiteral("VOX"), onOff(o.VoxFunction));
    add(c.Text(TextId::CmpChannelMode), QString::number(o.ChannelMode));
    add(c.Text(TextId::CmpMenuPage), QString::number(o.MenuPage));
    add(c.Text(TextId::CmpMemMenu), onOff(o.MemMenu));
    add(QStringLiteral("RTIX"), QString::number(o.Rtix));
    add(QStringLiteral("TTIX"), QString::number(o.Ttix));
    add(c.Text(TextId::CmpUpperNibble), QString::number(o.UpperNibble));
}

void AddGroup(QList<ConfigField>& f, const RadioModel& m, const Catalogue& c, int v, int g) {
    const RadioData& d = m.radio;
    const OptionRecord& o = d.Options;
    const QString group = c.Text(TextId::CmpGroup).arg(BankName(v), GroupLetter(g));
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
            c.Text(TextId::CmpChannel).arg(group, StoredChannelText(r.ChannelNumber));
        f.append({channel,
                  EscapeControls(FreqDigitsToText(r.RxFreq.text(), m.BandLowMHz, nullptr)),
                  {}});
        for (int setting : kChannelFields)
            f.append({channel + QLatin1Char(' ') + ChannelSettingCaption(setting, c),
                      ChannelSettingText(r, setting, c), channel});
    }
}

void AddTones(QList<ConfigField>& f, const ToneTable& tones, const Catalogue& c) {
    for (int n = 1; n <= kToneCount; ++n) {
        const ToneEntry& t = tones[n];
        const QString tone = c.Text(TextId::CmpTone).arg(n) + QLatin1Char(' ');
        f.append({tone + c.Text(TextId::CmpLoops), QString::number(t.LoopCount), {}});
        f.append({tone + c.Text(TextId::CmpInterval),
                  QStringLiteral("%1 ms").arg(t.IntervalCode * 10),
                  {}});
        for (int k = 0; k < kToneElements; ++k)
            f.append({tone + c.Text(TextId::CmpElement).arg(k + 1),
                      QStringLiteral("%1 Hz, %2 ms")
                          .arg(t.Element[k].FreqCode * 10)
                          .arg(t.Element[k].DurCode * 10),
                      {}});
    }
}

} // namespace

QList<ConfigField> ConfigFields(const RadioModel& model, const Catalogue& c) {
    QList<ConfigField> fields;
    AddOptions(fields, model.radio, c);
    for (int v = 0; v < kBanks; ++v)
        for (int g = 1; g <= kGroups; ++g)
            AddGroup(fields, model, c, v, g);
    AddTones(fields, model.radio.Tones, c);
    return fields;
}

QStringList CompareConfigs(const RadioModel& a, const RadioModel& b, const Catalogue& c) {
    const QList<ConfigField> left = ConfigFields(a, c);
    const QList<ConfigField> right = ConfigFields(b, c);
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
            lines << f.name + QStringLiteral(": ") +
                         c.Text(TextId::CmpOnlyIn).arg(hasA ? QLatin1Char('A') : QLatin1Char('B')) +
                         QStringLiteral(" (") + f.value + QLatin1Char(')');
        }
    };
    for (const ConfigField& f : left)
        compare(f, true);
    for (const ConfigField& f : right)
        if (!inA.contains(f.name))
            compare(f, false);
    return lines;
}

namespace {

// The bits of the model's image that its data gives back when encoded: what
// the encoder leaves alone keeps whatever the image held before.
RadioImage ModelledBits(const RadioModel& decoded) {
    RadioModel model = decoded;
    model.image.fill(0x00);
    EncodeImage(model);
    const RadioImage clear = model.image;
    model.image.fill(0xFF);
    EncodeImage(model);
    RadioImage bits{};
    for (int i = 0; i < kImageSize; ++i)
        bits[i] = static_cast<uint8_t>(~(clear[i] ^ model.image[i]));
    return bits;
}

} // namespace

int OtherBytesDiffering(const RadioModel& a, const RadioModel& b) {
    const RadioImage modelledA = ModelledBits(a);
    const RadioImage modelledB = ModelledBits(b);
    int count = 0;
    for (int i = 0; i < kImageSize; ++i)
        if (((a.image[i] ^ b.image[i]) & ~(modelledA[i] | modelledB[i]) & 0xFF) != 0)
            ++count;
    return count;
}

bool LoadComparedFile(const QString& path, RadioModel& model, FileProblem* problem) {
    RadioModel loaded = model;
    const ImageFileStatus image = ReadImageFile(path, loaded.image, problem);
    if (image == ImageFileStatus::Ok) {
        CompleteRead(loaded);
    } else if (image == ImageFileStatus::WrongSize) {
        DataFilePair pair;
        if (ReadDataFilePair(path, pair, problem) != FileStatus::Ok)
            return false;
        AdoptDataFilePair(loaded, pair);
    } else {
        return false;
    }
    model = std::move(loaded);
    return true;
}
