#pragma once

#include "data/band.h"
#include "data/radio_data.h"
#include "data/radio_image.h"

#include <QDate>
#include <QString>
#include <QStringList>

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
    QString ModelCode = QStringLiteral("PK2323");
    QString BandText = kBandTextHF;
    double BandLowMHz = 28.0;
    double BandHighMHz = 29.699;
    QString FirmwareVersion = QStringLiteral("V100");
    bool IsUntitled = true;
    QString CurrentFileName = QStringLiteral("new.dat");
    QStringList MessageQueue;

    static constexpr int kMessageQueueLimit = 1001;

    // Built-in defaults, then the initial data file of the band in force
    // (`initFolder`/<band>_PK2323_New.dat), then the snapshot. `today` dates the identity.
    void InitialiseData(const QString& initFolder, const QDate& today = QDate::currentDate());
    // Only the built-in defaults (steps shared by start-up and the initial files).
    void SetBuiltInDefaults(const QDate& today);
    // Loads a data file pair without the version or length test; keeps the
    // built-in values when the pair cannot be read. Returns whether it loaded.
    bool LoadInitialFile(const QString& path);
    // Path of an initial data file: "<folder>/<band>_<ModelCode><suffix>".
    QString InitialFilePath(const QString& initFolder, const QString& suffix) const;

    void CommitToSnapshot();
    void AdoptSnapshot();
    bool IsModified() const;

    // BandText from BandFlag, then the band limits.
    void ApplyBandFlag();
    void ApplyBandLimits();

    void AppendChannel(int number, int bank, int group, const QString& frequency);
    int FindSlot(int number, int bank, int group) const;

    void DecodeImage();
    void EncodeImage();
    // A read finished with every block verified: the image becomes the
    // working data, untitled as "new.dat".
    void CompleteRead();

    void QueueMessage(const QString& text);

private:
    void RefreshIdentity();
};
