#include "core/model/initial_data.h"

#include "core/base/version_table.h"
#include "core/model/data_file.h"
#include "core/model/radio_model.h"

namespace {

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

} // namespace

void SetBuiltInDefaults(RadioModel& model, const QDate& today) {
    model.IsUntitled = true;
    model.CurrentFileName = QString::fromLatin1(kUntitledName);

    RadioData& d = model.radio;
    d.DataVersion.set(QString::fromLatin1(kSoftwareVersion));
    d.BandFlag = 0;
    d.CurrentGroup = {1, 1};
    d.LastRow.items.fill(1);

    for (int v = 0; v < kBanks; ++v) {
        for (int g = 1; g <= kGroups; ++g) {
            d.ChannelCount(v, g) = 0;
            for (int m = 0; m < 6; ++m)
                model.AppendChannel(41 + m, v, g, QString::fromLatin1(kMemoryFrequencies[m]));
        }
        for (int g = 1; g <= kGroups; ++g)
            model.AppendChannel(1, v, g, QString::fromLatin1(kChannelOneFrequencies[g - 1]));
    }

    SetDefaultOptions(d);

    RadioIdentity& id = d.Identity;
    id.IdentityBand2 = static_cast<int16_t>(BandFlagOf(model.BandText));
    id.IdentityModelCode6.set(model.ModelCode + QChar(0));
    id.IdentityMark = 67;
    id.IdentityDate.set(today.toString(QStringLiteral("yyyyMMdd")));
    id.IdentityVersion.set(QStringLiteral("V1.00"));

    SetDefaultTones(d.Tones);
}

void MakeInitialData(RadioModel& model, int band, const QDate& today) {
    model.BandText = BandTextOf(band);
    SetBuiltInDefaults(model, today);
    model.radio.BandFlag = static_cast<int16_t>(band);
    model.ApplyBandFlag();
    model.CommitToSnapshot();
}

void InitialiseData(RadioModel& model, const QString& initFolder, const QDate& today) {
    SetBuiltInDefaults(model, today);
    LoadInitialFile(model, InitialFilePath(model, initFolder, QStringLiteral("_New.dat")));
    model.CommitToSnapshot();
}

QString InitialFilePath(const RadioModel& model, const QString& initFolder, const QString& suffix) {
    return initFolder + QLatin1Char('/') + QString::number(BandFlagOf(model.BandText)) +
           QLatin1Char('_') + QString::fromLatin1(kProgramModelCode) + suffix;
}

bool LoadInitialFile(RadioModel& model, const QString& path) {
    DataFilePair pair;
    if (ReadDataFilePair(path, pair) == FileStatus::Ok) {
        AdoptDataFilePair(model, pair);
        return true;
    }
    // The built-in data stays; its band text and limits follow its bank.
    model.ApplyBandFlag();
    model.CommitToSnapshot();
    return false;
}

void AdoptDataFilePair(RadioModel& model, const DataFilePair& pair) {
    model.SavedRadioData = pair.radio;
    model.SavedChannelTable = pair.channels;
    model.AdoptSnapshot();
}
