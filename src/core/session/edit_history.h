#pragma once

#include "core/model/radio_data.h"

#include <QList>
#include <QString>

class RadioModel;

// Undo and redo over the radio data, one step a user action in any window.
// A step keeps the whole data as it was (a few dozen KiB), which makes every
// kind of change undoable alike. Where the user is (the group shown, the
// remembered rows) is not part of a step and stays as it is, nor are the
// identity and version a save stamps into the data: saving is not an edit.
class EditHistory {
public:
    static constexpr int kMaxSteps = 200;

    // A new history whose start is the model's data (open, new, a read).
    void Reset(const RadioModel& model);
    // After a user action: when the data differs from the last step's, the
    // last state becomes a step to undo. Consecutive actions with the same
    // non-empty `mergeKey` (the keys typed into one name) make one step.
    // True when the data had changed.
    bool Record(const RadioModel& model, const QString& mergeKey = {});
    // The typing in one box ended (it lost the focus, or Enter): the next
    // change starts a step of its own, whatever its key.
    void EndStep() { lastKey_.clear(); }

    bool CanUndo() const { return !undo_.isEmpty(); }
    bool CanRedo() const { return !redo_.isEmpty(); }
    // Puts the model back one step (or forward again); false when there is none.
    bool Undo(RadioModel& model);
    bool Redo(RadioModel& model);

private:
    struct State {
        RadioData radio;
        ChannelTable channels;
    };
    static State StateOf(const RadioModel& model);
    static bool SameData(const State& a, const State& b);
    // `radio` with what is not an edit taken from `now`.
    static RadioData Kept(RadioData radio, const RadioData& now);
    void Restore(const State& state, RadioModel& model);

    QList<State> undo_;
    QList<State> redo_;
    State current_;
    QString lastKey_;
};
