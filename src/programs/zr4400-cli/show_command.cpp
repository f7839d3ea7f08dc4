#include "programs/zr4400-cli/show_command.h"

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString ChannelName(int number) {
    return number > 40 ? QStringLiteral("M%1").arg(number - 40) : QString::number(number);
}

QString ToneText(int index) {
    static const QStringList texts = ToneListTexts(QStringLiteral("Off"));
    return index >= 0 && index < texts.size() ? texts[index] : QStringLiteral("Off");
}

QString FrequencyText(const RadioModel& model, const FixedText<8>& digits) {
    return FreqDigitsToText(digits.text(), model.BandLowMHz, nullptr);
}

QJsonObject ChannelJson(const RadioModel& model, const ChannelRecord& r) {
    return QJsonObject{
        {"number", r.ChannelNumber},
        {"name", ChannelName(r.ChannelNumber)},
        {"rxFrequency", FrequencyText(model, r.RxFreq)},
        {"rxDigits", r.RxFreq.text()},
        {"txDigits", r.TxFreq.text()},
        {"scan", r.ScanFlag},
        {"toneIndex", r.ToneIndex},
        {"tone", ToneText(r.ToneIndex)},
        {"txToneIndex", r.TxToneIndex},
        {"mode", ModeIndexToText(r.Mode)},
        {"hiCut", r.HiCut},
        {"nbAnl", r.NbAnl},
        {"echo", r.Echo},
        {"add10K", r.Add10K},
        {"busy", r.Busy},
        {"roger", r.Roger},
        {"repeater", r.Repeater},
        {"public", r.Public},
    };
}

template <typename T, size_t N> QJsonArray JsonArray(const std::array<T, N>& values) {
    QJsonArray a;
    for (const T& v : values)
        a.append(v);
    return a;
}

QJsonObject GroupJson(const RadioModel& model, int v, int g) {
    const OptionRecord& o = model.radio.Options;
    QJsonArray channels;
    for (int s = 1; s <= model.radio.ChannelCount(v, g); ++s)
        channels.append(ChannelJson(model, model.channels.at(v, s, g)));
    return QJsonObject{
        {"group", GroupLetter(g)},
        {"name", o.GroupName(v, g).text()},
        {"valid", o.GroupValid(v, g)},
        {"emergencyChannels", QJsonArray{o.EmgChannel(v, g, 0), o.EmgChannel(v, g, 1)}},
        {"dualWatchChannels", QJsonArray{o.DwChannel(v, g, 0), o.DwChannel(v, g, 1)}},
        {"workChannel", o.WorkChannel(v, g)},
        {"memoryChannel", o.MemChannel(v, g)},
        {"channels", channels},
    };
}

QJsonObject OptionsJson(const RadioModel& model) {
    const RadioData& d = model.radio;
    const OptionRecord& o = d.Options;
    return QJsonObject{
        {"upperNibble", o.UpperNibble},
        {"workBand", o.WorkBand},
        {"workGroup", JsonArray(o.WorkGroup)},
        {"voxFunction", o.VoxFunction},
        {"channelMode", o.ChannelMode},
        {"memMenu", o.MemMenu},
        {"rtix", o.Rtix},
        {"ttix", o.Ttix},
        {"publicHiCut", o.PublicHiCut},
        {"publicNbAnl", o.PublicNbAnl},
        {"publicEcho", o.PublicEcho},
        {"publicAdd10K", o.PublicAdd10K},
        {"publicBusy", o.PublicBusy},
        {"publicRoger", o.PublicRoger},
        {"publicMode", ModeIndexToText(o.PublicMode)},
        {"keyBeep", o.KeyBeep},
        {"indic", o.Indic},
        {"micGain", o.MicGain},
        {"nog", o.Nog},
        {"tot", o.Tot},
        {"swrProtect", o.SwrProtect},
        {"batteryProtect", o.BatteryProtect},
        {"scanMode", o.ScanMode},
        {"fin", o.Fin},
        {"backlightColor", o.BacklightColor},
        {"menuPage", o.MenuPage},
        {"batteryMin", o.BatteryMin},
        {"batteryMax", o.BatteryMax},
        {"swrMax", o.SwrMax},
        {"modeEnable", JsonArray(o.ModeEnable)},
        {"txOffset", static_cast<qint64>(d.TxOffset)},
        {"freqCh", d.FreqCh},
        {"asqLevel", d.AsqLevel},
        {"rssiPoint", JsonArray(d.RssiPoint)},
    };
}

QJsonArray TonesJson(const ToneTable& tones) {
    QJsonArray result;
    for (int n = 1; n <= kToneCount; ++n) {
        QJsonArray elements;
        for (const ToneElement& e : tones[n].Element)
            elements.append(
                QJsonObject{{"frequencyHz", e.FreqCode * 10}, {"lengthMs", e.DurCode * 10}});
        result.append(QJsonObject{{"tone", n},
                                  {"loopCount", tones[n].LoopCount},
                                  {"intervalMs", tones[n].IntervalCode * 10},
                                  {"elements", elements}});
    }
    return result;
}

} // namespace

QByteArray ShowJson(const RadioModel& model) {
    QJsonArray banks;
    for (int v = 0; v < kBanks; ++v) {
        QJsonArray groups;
        for (int g = 1; g <= kGroups; ++g)
            groups.append(GroupJson(model, v, g));
        banks.append(QJsonObject{{"bank", v}, {"band", BandTextOf(v)}, {"groups", groups}});
    }
    const RadioIdentity& id = model.radio.Identity;
    const QJsonObject root{
        {"model", model.ModelName},
        {"modelCode", model.ModelCode},
        {"dataVersion", model.radio.DataVersion.text()},
        {"bandFlag", model.radio.BandFlag},
        {"band", model.BandText},
        {"date", id.IdentityDate.text()},
        {"banks", banks},
        {"options", OptionsJson(model)},
        {"tones", TonesJson(model.radio.Tones)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray ShowText(const RadioModel& model) {
    QString out;
    QTextStream s(&out);
    const RadioData& d = model.radio;
    s << model.ModelName << " (" << model.ModelCode << ")  data " << d.DataVersion.text()
      << "  band " << model.BandText << "  created " << d.Identity.IdentityDate.text() << "\n";
    for (int v = 0; v < kBanks; ++v) {
        s << "\nBank " << v << " (" << BandTextOf(v) << ")\n";
        for (int g = 1; g <= kGroups; ++g) {
            const OptionRecord& o = d.Options;
            s << "  Group " << GroupLetter(g) << " \"" << o.GroupName(v, g).text() << "\""
              << (o.GroupValid(v, g) ? "" : " (not valid)") << ", " << d.ChannelCount(v, g)
              << " channels\n";
            for (int slot = 1; slot <= d.ChannelCount(v, g); ++slot) {
                const ChannelRecord& r = model.channels.at(v, slot, g);
                s << "    " << qSetFieldWidth(4) << Qt::left << ChannelName(r.ChannelNumber)
                  << qSetFieldWidth(0) << " " << qSetFieldWidth(9) << FrequencyText(model, r.RxFreq)
                  << qSetFieldWidth(0) << " " << qSetFieldWidth(4) << ModeIndexToText(r.Mode)
                  << qSetFieldWidth(0) << " tone " << ToneText(r.ToneIndex)
                  << (r.ScanFlag ? "  scan" : "")
                  << (r.Roger ? QStringLiteral("  roger %1").arg(r.Roger) : QString()) << "\n";
            }
        }
    }
    s << "\nTones\n";
    for (int n = 1; n <= kToneCount; ++n) {
        const ToneEntry& t = d.Tones[n];
        s << "  " << n << ": loops " << t.LoopCount << ", interval " << t.IntervalCode * 10
          << " ms:";
        for (const ToneElement& e : t.Element)
            if (e.DurCode > 0)
                s << " " << e.FreqCode * 10 << "Hz/" << e.DurCode * 10 << "ms";
        s << "\n";
    }
    s.flush();
    return out.toUtf8();
}
