#include "core/model/radio_model.h"

#include "core/base/version_table.h"
#include "core/model/freq_text.h"

#include <algorithm>

namespace {

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

// The fields the modified test compares. TxFreq and the reserved words have no
// editing path, so they never count as a change. Frequencies compare by value:
// a write stores "271850" as "27185000", which is the same frequency.
bool SameChannelSettings(const ChannelRecord& a, const ChannelRecord& b) {
    return PadFreqDigits(a.RxFreq.text()) == PadFreqDigits(b.RxFreq.text()) &&
           a.ChannelNumber == b.ChannelNumber && a.InUse == b.InUse && a.ScanFlag == b.ScanFlag &&
           a.ToneIndex == b.ToneIndex && a.TxToneIndex == b.TxToneIndex && a.Mode == b.Mode &&
           a.HiCut == b.HiCut && a.NbAnl == b.NbAnl && a.Echo == b.Echo && a.Add10K == b.Add10K &&
           a.Busy == b.Busy && a.Roger == b.Roger && a.Repeater == b.Repeater &&
           a.Public == b.Public;
}

RadioModel::RadioModel() {
    ApplyBandLimits();
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
    radio.DataVersion.set(QString::fromLatin1(kSoftwareVersion));
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
