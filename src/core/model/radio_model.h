#pragma once

#include "core/model/band.h"
#include "core/model/radio_data.h"
#include "core/model/radio_image.h"

#include <QString>
#include <QStringList>

// The model code this program is made for; it names the initial data files
// whatever model the data on screen came from.
inline constexpr char kProgramModelCode[] = "PK2323";
// The name of data that has no file yet.
inline constexpr char kUntitledName[] = "new.dat";

// Whether two channel records hold the same settings, as the modified test
// sees them: frequencies by value, TxFreq and the reserved words left out.
bool SameChannelSettings(const ChannelRecord& a, const ChannelRecord& b);

// The one shared model of the radio's configuration: the working data the
// editors change, the snapshot it is compared with and saved through, the
// memory image of the link, and the globals that travel with them.
class RadioModel {
public:
    RadioModel();

    RadioData radio;
    ChannelTable channels;
    RadioData SavedRadioData;
    ChannelTable SavedChannelTable;
    RadioImage image{};

    QString ModelName = QStringLiteral("ZR-4400");
    QString ModelCode = QString::fromLatin1(kProgramModelCode);
    QString BandText = kBandTextHF;
    double BandLowMHz = 28.0;
    double BandHighMHz = 29.699;
    QString FirmwareVersion = QStringLiteral("V100");
    bool IsUntitled = true;
    QString CurrentFileName = QString::fromLatin1(kUntitledName);

    void CommitToSnapshot();
    void AdoptSnapshot();
    bool IsModified() const;

    // BandText from BandFlag, then the band limits.
    void ApplyBandFlag();
    void ApplyBandLimits();

    void AppendChannel(int number, int bank, int group, const QString& frequency);
    int FindSlot(int number, int bank, int group) const;

private:
    void RefreshIdentity();
};
