#include "core/session/edit_history.h"

#include "core/model/radio_model.h"

EditHistory::State EditHistory::StateOf(const RadioModel& model) {
    return {model.radio, model.channels};
}

RadioData EditHistory::Kept(RadioData radio, const RadioData& now) {
    // Moving around is not an edit, nor the stamps a save puts in.
    radio.CurrentGroup = now.CurrentGroup;
    radio.LastRow = now.LastRow;
    radio.Identity = now.Identity;
    radio.DataVersion = now.DataVersion;
    return radio;
}

bool EditHistory::SameData(const State& a, const State& b) {
    return a.channels == b.channels && Kept(a.radio, b.radio) == b.radio;
}

void EditHistory::Reset(const RadioModel& model) {
    undo_.clear();
    redo_.clear();
    current_ = StateOf(model);
    lastKey_.clear();
}

bool EditHistory::Record(const RadioModel& model, const QString& mergeKey) {
    State now = StateOf(model);
    if (SameData(now, current_)) {
        current_ = std::move(now);
        return false;
    }
    const bool merge = !mergeKey.isEmpty() && mergeKey == lastKey_ && !undo_.isEmpty();
    if (!merge) {
        undo_.append(std::move(current_));
        if (undo_.size() > kMaxSteps)
            undo_.removeFirst();
    }
    redo_.clear();
    current_ = std::move(now);
    lastKey_ = mergeKey;
    return true;
}

void EditHistory::Restore(const State& state, RadioModel& model) {
    model.radio = Kept(state.radio, model.radio);
    model.channels = state.channels;
    // The bank in force decides the band the windows check frequencies against.
    model.ApplyBandFlag();
    current_ = StateOf(model);
    lastKey_.clear();
}

bool EditHistory::Undo(RadioModel& model) {
    if (undo_.isEmpty())
        return false;
    redo_.append(current_);
    Restore(undo_.takeLast(), model);
    return true;
}

bool EditHistory::Redo(RadioModel& model) {
    if (redo_.isEmpty())
        return false;
    undo_.append(current_);
    Restore(redo_.takeLast(), model);
    return true;
}
