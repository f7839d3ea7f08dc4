#pragma once

#include <QString>

class Catalogue;
class Prompter;
class RadioModel;

// What a value typed into the channel grid did to the data.
enum class GridEditResult {
    None,         // no channel and nothing (valid) typed
    Added,        // a channel was created
    Changed,      // the channel's frequency was replaced
    Removed,      // the channel was deleted
    GroupEmptied, // the group's last regular channel was deleted; the group is invalid now
    KeptLast,     // the bank's last regular channel stays: nothing changed
    GroupFull,    // the group holds 46 records already; nothing was created
    Refused,      // not a frequency of the bank: reported, nothing changed
};

// Takes a frequency typed for channel `number` (1..46) of `group` in `bank`:
// adds, changes or removes the channel under the same rules as the grid. The
// bank's own band limits apply, whichever bank is in force.
GridEditResult UpdateChannelFrequency(RadioModel& model, const Catalogue& catalogue,
                                      Prompter* prompter, int bank, int group, int number,
                                      const QString& value);

// Takes the value typed into `row`, `column` of the grid of `view` (group
// 1..10, or 11 for the memory channels of group A) in `bank`: adds, changes or
// removes the row's channel. A value outside the bank or not a number is
// reported ("Frequency is out of range." and the bank's range) and changes
// nothing: a typo never deletes a channel, emptying the cell does.
GridEditResult UpdateChannelFromGrid(RadioModel& model, const Catalogue& catalogue,
                                     Prompter* prompter, int bank, int view, int row, int column,
                                     const QString& value);
