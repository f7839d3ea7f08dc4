#include "data/radio_model.h"

#include "data/data_file.h"
#include "editors/channel_slot_codec.h"
#include "editors/freq_codec.h"
#include "editors/option_block_codec.h"
#include "editors/tone_block_codec.h"

#include <algorithm>

namespace {

const QString kDataVersion = QStringLiteral("V100");

// Memory channels 41..46 of every group start on these frequencies.
const char* const kMemoryFrequencies[6] = {"28.015000", "28.145000", "28.115000",
                                           "28.085000", "28.055000", "28.025000"};
// Channel 1 of groups 1..10.
const char* const kChannelOneFrequencies[kGroups] = {
    "28.015000", "28.145000", "28.115000", "28.085000", "28.055000",
    "28.025000", "28.015000", "28.145000", "28.115000", "28.085000"};

void SetToneElements(ToneEntry& entry, std::initializer_list<ToneElement> elements) {
    int k = 0;
    for (const ToneElement& e : elements)
        entry.Element[k++] = e;
    entry.LoopCount = 1;
    entry.IntervalCode = 0;
}

void SetDefaultTones(ToneTable& tones) {
    SetToneElements(tones[1],
                    {{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}});
    ToneEntry& second = tones[2];
    for (int k = 0; k < kToneElements; ++k)
        second.Element[k] = k % 2 == 0 ? ToneElement{80, 4} : ToneElement{0, 4};
    second.LoopCount = 1;
    second.IntervalCode = 0;
    SetToneElements(tones[3], {{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}});
    SetToneElements(tones[4], {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}});
    SetToneElements(tones[5], {{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}});
}

void SetDefaultOptions(RadioData& d) {
    OptionRecord& o = d.Options;
    for (int v = 0; v < kBanks; ++v) {
        for (int g = 1; g <= kGroups; ++g) {
            o.GroupValid(v, g) = 1;
            o.GroupName(v, g).set(GroupLetter(g) + QChar(0));
            o.EmgChannel(v, g, 0) = o.EmgChannel(v, g, 1) = 1;
            o.WorkChannel(v, g) = 1;
            o.DwChannel(v, g, 0) = o.DwChannel(v, g, 1) = 1;
            o.MemChannel(v, g) = 41;
        }
    }
    o.UpperNibble = 2;
    o.WorkBand = 1;
    o.WorkGroup = {1, 1};
    o.VoxFunction = o.ChannelMode = o.MemMenu = 0;
    o.Rtix = o.Ttix = 0;
    o.PublicHiCut = 0;
    o.PublicNbAnl = 1;
    o.PublicEcho = o.PublicAdd10K = o.PublicBusy = o.PublicRoger = 0;
    o.KeyBeep = 1;
    o.Indic = 0;
    o.MicGain = 30;
    o.Nog = o.Tot = 0;
    o.SwrProtect = o.BatteryProtect = 1;
    o.ScanMode = o.Fin = o.BacklightColor = 0;
    o.MenuPage = 1;
    o.BatteryMin = 97;
    o.BatteryMax = 168;
    o.SwrMax = 160;
    o.PublicMode = 1;
    o.ModeEnable = {1, 1, 1, 1, 1};
    d.TxOffset = 100;
    d.FreqCh = 0;
    d.AsqLevel = 5;
    d.RssiPoint = {0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35};
}

// The fields the modified test compares. TxFreq, TxToneIndex and the reserved
// words have no editing path, so they never count as a change.
bool SameChannelSettings(const ChannelRecord& a, const ChannelRecord& b) {
    return a.RxFreq.text() == b.RxFreq.text() && a.ChannelNumber == b.ChannelNumber &&
           a.InUse == b.InUse && a.ScanFlag == b.ScanFlag && a.ToneIndex == b.ToneIndex &&
           a.Mode == b.Mode && a.HiCut == b.HiCut && a.NbAnl == b.NbAnl && a.Echo == b.Echo &&
           a.Add10K == b.Add10K && a.Busy == b.Busy && a.Roger == b.Roger &&
           a.Repeater == b.Repeater && a.Public == b.Public;
}

// Rtix and Ttix are carried, never edited, so they are left out. Group names
// compare by their text: encoding for a write rewrites "A" + NUL as "A" + blanks.
bool SameOptions(OptionRecord a, OptionRecord b) {
    a.Rtix = b.Rtix;
    a.Ttix = b.Ttix;
    for (auto* names : {&a.GroupName, &b.GroupName})
        for (FixedText<4>& name : names->items)
            name.set(name.text());
    return a == b;
}

bool SameTones(const ToneTable& a, const ToneTable& b) {
    return a == b;
}

} // namespace

RadioModel::RadioModel() {
    ApplyBandLimits();
}

void RadioModel::SetBuiltInDefaults(const QDate& today) {
    IsUntitled = true;
    CurrentFileName = QStringLiteral("new.dat");

    RadioData& d = radio;
    d.DataVersion.set(kDataVersion);
    d.BandFlag = 0;
    d.CurrentGroup = {1, 1};
    d.LastRow.items.fill(1);

    for (int v = 0; v < kBanks; ++v) {
        for (int g = 1; g <= kGroups; ++g) {
            d.ChannelCount(v, g) = 0;
            for (int m = 0; m < 6; ++m)
                AppendChannel(41 + m, v, g, QString::fromLatin1(kMemoryFrequencies[m]));
        }
        for (int g = 1; g <= kGroups; ++g)
            AppendChannel(1, v, g, QString::fromLatin1(kChannelOneFrequencies[g - 1]));
    }

    SetDefaultOptions(d);

    RadioIdentity& id = d.Identity;
    id.IdentityBand2 = static_cast<int16_t>(BandFlagOf(BandText));
    id.IdentityModelCode6.set(ModelCode + QChar(0));
    id.IdentityMark = 67;
    id.IdentityDate.set(today.toString(QStringLiteral("yyyyMMdd")));
    id.IdentityVersion.set(QStringLiteral("V1.00"));

    SetDefaultTones(d.Tones);
}

void RadioModel::InitialiseData(const QString& initFolder, const QDate& today) {
    SetBuiltInDefaults(today);
    LoadInitialFile(InitialFilePath(initFolder, QStringLiteral("_New.dat")));
    CommitToSnapshot();
}

QString RadioModel::InitialFilePath(const QString& initFolder, const QString& suffix) const {
    return initFolder + QLatin1Char('/') + QString::number(BandFlagOf(BandText)) +
           QLatin1Char('_') + ModelCode + suffix;
}

bool RadioModel::LoadInitialFile(const QString& path) {
    DataFilePair pair;
    if (ReadDataFilePair(path, pair) != FileStatus::Ok) {
        // The built-in data stays; its band text and limits follow its bank.
        ApplyBandFlag();
        CommitToSnapshot();
        return false;
    }
    SavedRadioData = pair.radio;
    SavedChannelTable = pair.channels;
    AdoptSnapshot();
    return true;
}

void RadioModel::RefreshIdentity() {
    RadioIdentity& id = radio.Identity;
    id.IdentityModelCode.set(ModelCode + QChar(0));
    id.IdentityBand = static_cast<int16_t>(BandFlagOf(BandText));
    id.IdentityWord = 248;
    id.IdentityModelCode6.set(ModelCode + QChar(0));
}

void RadioModel::CommitToSnapshot() {
    RefreshIdentity();
    radio.DataVersion.set(kDataVersion);
    SavedRadioData = radio;
    // Slots above a group's count are never read, so copying them all is harmless.
    SavedChannelTable = channels;
}

void RadioModel::AdoptSnapshot() {
    radio = SavedRadioData;
    FirmwareVersion = radio.DataVersion.raw();
    ModelCode = radio.Identity.IdentityModelCode.text();
    ApplyBandFlag();
    channels = SavedChannelTable;
}

void RadioModel::ApplyBandFlag() {
    // Any non-zero flag means the HF bank; keeping it 0 or 1 makes it a safe bank index.
    radio.BandFlag = radio.BandFlag == 0 ? 0 : 1;
    BandText = BandTextOf(radio.BandFlag);
    ApplyBandLimits();
}

void RadioModel::ApplyBandLimits() {
    const BandLimits limits = ParseBandLimits(BandText);
    BandLowMHz = limits.lowMHz;
    BandHighMHz = limits.highMHz;
}

bool RadioModel::IsModified() const {
    const RadioData& w = radio;
    const RadioData& s = SavedRadioData;
    for (int v = 0; v < kBanks; ++v) {
        for (int g = 1; g <= kGroups; ++g) {
            const int count = w.ChannelCount(v, g);
            if (count != s.ChannelCount(v, g))
                return true;
            for (int slot = 1; slot <= std::clamp(count, 0, kSlots); ++slot) {
                const ChannelRecord& saved = SavedChannelTable.at(v, slot, g);
                int workingSlot = slot;
                if (channels.at(v, slot, g).ChannelNumber != saved.ChannelNumber) {
                    workingSlot = FindSlot(saved.ChannelNumber, v, g);
                    if (workingSlot == 0)
                        return true;
                }
                if (!SameChannelSettings(channels.at(v, workingSlot, g), saved))
                    return true;
            }
        }
    }
    // The bank in force is sent to the radio, so switching it is a change to save.
    if ((w.BandFlag == 0) != (s.BandFlag == 0))
        return true;
    const RadioIdentity& wi = w.Identity;
    const RadioIdentity& si = s.Identity;
    if (wi.IdentityModelCode != si.IdentityModelCode || wi.IdentityVersion != si.IdentityVersion ||
        wi.IdentityDate != si.IdentityDate || wi.IdentityModelCode6 != si.IdentityModelCode6)
        return true;
    if (!SameOptions(w.Options, s.Options))
        return true;
    return w.TxOffset != s.TxOffset || w.FreqCh != s.FreqCh || w.AsqLevel != s.AsqLevel ||
           w.RssiPoint != s.RssiPoint || !SameTones(w.Tones, s.Tones);
}

void RadioModel::AppendChannel(int number, int bank, int group, const QString& frequency) {
    if (!ValidBank(bank) || !ValidGroup(group))
        return;
    int16_t& count = radio.ChannelCount(bank, group);
    if (count < 0 || count >= kSlots)
        return; // a full group never takes a 47th entry
    ++count;
    ChannelRecord& r = channels.at(bank, count, group);
    const QString digits = FreqTextToDigits(frequency, BandLowMHz);
    r.ChannelNumber = static_cast<int16_t>(number);
    r.InUse = 1;
    r.ScanFlag = 1;
    r.RxFreq.set(digits);
    r.TxFreq.set(digits);
    r.ToneIndex = 8;
    r.TxToneIndex = 8;
    r.Mode = 0;
    r.HiCut = 0;
    r.NbAnl = 1;
    r.Echo = r.Add10K = r.Busy = r.Roger = r.Repeater = r.Public = 0;
}

int RadioModel::FindSlot(int number, int bank, int group) const {
    if (!ValidBank(bank) || !ValidGroup(group))
        return 0;
    const int count = std::clamp<int>(radio.ChannelCount(bank, group), 0, kSlots);
    for (int slot = 1; slot <= count; ++slot)
        if (channels.at(bank, slot, group).ChannelNumber == number)
            return slot;
    return 0;
}

void RadioModel::DecodeImage() {
    DecodeOptionBlock(image, radio);
    ApplyBandFlag();
    DecodeChannels(image, radio, channels);
    DecodeToneBlock(image, radio.Tones);
}

void RadioModel::EncodeImage() {
    EncodeChannelTable(image, radio, channels);
    EncodeOptionBlock(image, radio);
    EncodeToneBlock(radio.Tones, image);
    std::fill(image.begin() + kEndMarkerStart, image.end(), uint8_t{0x55});
}

void RadioModel::CompleteRead() {
    DecodeImage();
    CurrentFileName = QStringLiteral("new.dat");
    IsUntitled = true;
}

void RadioModel::QueueMessage(const QString& text) {
    if (MessageQueue.size() < kMessageQueueLimit)
        MessageQueue.append(text);
}
