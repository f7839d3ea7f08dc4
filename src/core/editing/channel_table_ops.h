#pragma once

#include <QString>

class RadioModel;
struct ChannelRecord;

// Operations on the channel records of one group (bank 0..1, group 1..10)
// and on the group settings that refer to them. A group never holds two
// records of the same number, nor more than 46 records.

// The number of groups a bank offers: 10 ("A".."J") in bank 0, 9 in bank 1.
int GroupsInBank(int bank);

// Records numbered 1..40 in the group.
int CountRegularChannels(const RadioModel& model, int bank, int group);
// Records numbered 1..40 in the bank's valid groups, leaving out the given
// group's record of `number`.
int CountRegularChannelsElsewhere(const RadioModel& model, int bank, int group, int number);
// Records of the same kind as `number`: regular (up to 40) or memory (above).
int CountChannelsOfKind(const RadioModel& model, int bank, int group, int number);

// `number` while the group holds it, else the group's first record of the
// same kind in table order, else 0.
int ValidateChannelRef(const RadioModel& model, int bank, int group, int number);
// The group's emergency, work and dual-watch channels each pass through
// ValidateChannelRef, so none names a channel the group no longer has.
void RevalidateGroupChannelRefs(RadioModel& model, int bank, int group);

// Renumbers the group's regular channels 1 to n in the order of their
// receive frequencies (equal ones keep their order); each keeps its settings
// and the group's emergency, work and dual-watch references follow their
// channels. Memory channels stay as they are. False when nothing changed.
bool SortGroupByFrequency(RadioModel& model, int bank, int group);

// Removes the record at `position` (1..count); the following records move down.
void DeleteChannelAt(RadioModel& model, int position, int bank, int group);
// Column 1 of the grid is the receive frequency.
void StoreChannelField(ChannelRecord& record, int column, const QString& text, double bandLowMHz);

// The frequency channel 1 of a group starts with: 28.015, 28.145, 28.115,
// 28.085, 28.055, 28.025 MHz for groups 1..6, and again from the start for 7..10.
QString DefaultChannelFrequency(int group);
// Adds channel 1 on the group's default frequency (unless the group has it)
// and points the group's channel references at existing channels.
void AddDefaultChannel(RadioModel& model, int bank, int group);

// Whether another of the bank's groups is valid.
bool AnyOtherGroupValid(const RadioModel& model, int bank, int group);
// The group stops being valid. A bank must not work in an invalid group, so
// when it was the work group, the first valid group of the bank takes over.
void MakeGroupInvalid(RadioModel& model, int bank, int group);

// The group whose records a view shows: the memory view shows group A's.
int GroupOfView(int view);
// Channel rows of a view: 40, or 6 in the memory view.
int RowsOfView(int view);
// The channel number grid row `row` stands for in `view`.
int ChannelOfRow(int view, int row);
// The record shown in grid row `row` of `view` (a group 1..10, or 11 for the
// memory channels of group A); nullptr when the row has none.
ChannelRecord* RecordForRow(RadioModel& model, int bank, int view, int row);
