#pragma once

#include "core/codec/mode_codec.h"
#include "core/editing/combo_list.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class Catalogue;
struct RadioData;
class ChannelTable;

// How the option window's controls map to the radio data, by change code
// (option_codes.h). Every change is stored at once.

// Stores a control's value: for a list its chosen position and entry text, for
// a check box its check value as `position`. Returns false, storing nothing,
// for a code without a field or a list with nothing chosen.
bool SaveOptFeat(RadioData& data, int code, int position, const QString& text);

// How a list shows the stored value: the stored position or the entry equal to
// the stored number; a value no entry stands for is shown as stored.
ShownChoice ShownOptionChoice(const RadioData& data, int code, const QStringList& entries,
                              int language);

// The text the list of `code` shows for the stored value.
QString ShownOptionText(const RadioData& data, int code, int language);

// The check value a box shows: 0 or 1; other stored values show checked
// (unchecked for the memory-menu flag).
int ShownOptionCheck(const RadioData& data, int code);

// Keeps at least `minimum` of a row of check boxes checked. `values` are the
// boxes' check values and `self` the index of the clicked one: a cleared box
// comes back as 1 when too few others are checked.
int KeepOneChecked(int value, int minimum, const QList<int>& values, int self);

// A click on a mode-enable box (codes 105..109). FM, AM, USB and LSB keep at
// least one enabled; PA is free. Channels on a mode no longer offered move to
// the first offered one, and the public mode keeps `shownPublicMode` when it
// is still offered, else takes the first offered mode. Returns the check
// value stored, for the box to show; `movedFrom` counts the channels moved by
// the mode they left.
int StoreModeEnable(RadioData& data, ChannelTable& channels, int code, int value,
                    const QString& shownPublicMode, QMap<int, int>* movedFrom = nullptr);
// "12 channels changed from PA to FM.", a line for each mode channels left.
QString ModesMovedText(const QMap<int, int>& movedFrom, const ModeEnableFlags& modeEnable,
                       const Catalogue& catalogue);
