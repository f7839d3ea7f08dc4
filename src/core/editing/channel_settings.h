#pragma once

#include <QString>
#include <QStringList>

class Catalogue;
struct ChannelRecord;

// The per-channel settings of the channel editor's "More Information" panel,
// by their place in it.
enum ChannelSetting {
    kSettingTsq = 0,      // ToneIndex, by its tone list entry
    kSettingQtDqtEnc = 1, // transmit tone list: no field behind it
    kSettingHiCut = 2,
    kSettingNbAnl = 3,
    kSettingEcho = 4,
    kSettingAdd10K = 5,
    kSettingBusy = 6,
    kSettingRepeater = 7,
    kSettingTsqSwitch = 8, // "Disable"/"Enable": no field behind it
    kSettingPublic = 9,
    kSettingScan = 10,
    kSettingRoger = 11, // "OFF" or a roger-beep tone number
    kSettingMode = 12,  // a mode text
    kChannelSettingCount = 13,
};

// Whether the setting changes the record at all.
bool SettingStored(int setting);

// Whether the setting is chosen by entry index: all but Roger, Mode and the
// two without a field.
bool SettingByIndex(int setting);
// The list entry a record's index setting shows (its field's value); -1 for the others.
int SettingIndex(const ChannelRecord& record, int setting);

// Stores a choice: the entry index for the index settings, the tone number of
// the chosen text for Roger (0 for the first entry, "OFF"), the mode of the
// chosen text for Mode. Choices of the two settings without a field store nothing.
void StoreChannelSetting(ChannelRecord& record, int setting, int index, const QString& text);

// With Public on, the channel uses the public settings: these settings are
// not the channel's own to choose.
bool FollowsPublic(int setting);

// The caption of a setting in the panel.
QString ChannelSettingCaption(int setting, const Catalogue& catalogue);
// The entries of a setting's list that depend on the language only (all but
// Roger and Mode, whose entries follow the tones and the enabled modes).
QStringList ChannelSettingEntries(int setting, const Catalogue& catalogue);
// What the panel shows for a record's setting: its entry, or the value as
// stored when no entry stands for it.
QString ChannelSettingText(const ChannelRecord& record, int setting, const Catalogue& catalogue);
