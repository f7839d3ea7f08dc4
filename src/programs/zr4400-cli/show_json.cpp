// The JSON report of `show`: every field, by the model's own names.

#include "programs/zr4400-cli/show_command.h"

#include "core/base/text_util.h"

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
        {"rxFrequency", EscapeControls(FrequencyText(model, r.RxFreq))},
        {"rxDigits", EscapeControls(r.RxFreq.text())},
        {"txDigits", EscapeControls(r.TxFreq.text())},
        {"scan", r.ScanFlag},
        {"toneIndex", r.ToneIndex},
        {"tone", ToneText(r.ToneIndex)},
        {"txToneIndex", r.TxToneIndex},
        {"mode", ModeIndexToText(r.Mode)},
        {"modeCode", r.Mode},
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
        {"name", EscapeControls(o.GroupName(v, g).text())},
        {"valid", o.GroupValid(v, g)},
        {"emergencyChannels", QJsonArray{o.EmgChannel(v, g, 0), o.EmgChannel(v, g, 1)}},
        {"dualWatchChannels", QJsonArray{o.DwChannel(v, g, 0), o.DwChannel(v, g, 1)}},
        {"workChannel", o.WorkChannel(v, g)},
        {"memoryChannel", o.MemChannel(v, g)},
        {"lastRow", model.radio.LastRow(v, g)},
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
        {"publicModeCode", o.PublicMode},
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
        banks.append(QJsonObject{{"bank", v},
                                 {"band", BandTextOf(v)},
                                 {"currentGroup", model.radio.CurrentGroup[v]},
                                 {"memoryLastRow", model.radio.LastRow(v, kMemoryView)},
                                 {"groups", groups}});
    }
    const RadioIdentity& id = model.radio.Identity;
    const QJsonObject identity{
        {"modelCode", EscapeControls(id.IdentityModelCode.text())},
        {"word", id.IdentityWord},
        {"band", id.IdentityBand},
        {"date", EscapeControls(id.IdentityDate.text())},
        {"version", EscapeControls(id.IdentityVersion.text())},
        {"modelCode6", EscapeControls(id.IdentityModelCode6.text())},
        {"band2", id.IdentityBand2},
        {"mark", id.IdentityMark},
    };
    const QJsonObject root{
        {"model", model.ModelName},
        {"modelCode", EscapeControls(model.ModelCode)},
        {"dataVersion", EscapeControls(model.radio.DataVersion.text())},
        {"bandFlag", model.radio.BandFlag},
        {"band", model.BandText},
        {"date", EscapeControls(id.IdentityDate.text())},
        {"identity", identity},
        {"banks", banks},
        {"options", OptionsJson(model)},
        {"tones", TonesJson(model.radio.Tones)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
