#include "gui/shell/edit_steps.h"

#include "core/session/data_notifier.h"

#include <QAction>

EditSteps::EditSteps(RadioModel& model, DataNotifier& changes, QAction* undo, QAction* redo,
                     std::function<void()> commitEdits, QObject* parent)
    : QObject(parent), model_(model), changes_(changes), undo_(undo), redo_(redo),
      commitEdits_(std::move(commitEdits)) {
    connect(undo_, &QAction::triggered, this, &EditSteps::Undo);
    connect(redo_, &QAction::triggered, this, &EditSteps::Redo);
    UpdateActions();
}

void EditSteps::Edited(QObject* source, const QString& mergeKey) {
    if (!history_.Record(model_, mergeKey))
        return;
    UpdateActions();
    changes_.Tell(source);
}

void EditSteps::Undo() {
    Step(&EditHistory::Undo);
}

void EditSteps::Redo() {
    Step(&EditHistory::Redo);
}

void EditSteps::Step(bool (EditHistory::*move)(RadioModel&)) {
    // A value still being typed is a step of its own, undone first.
    commitEdits_();
    history_.Record(model_);
    if ((history_.*move)(model_)) {
        UpdateActions();
        changes_.Tell(nullptr);
    }
}

void EditSteps::Restart() {
    history_.Reset(model_);
    UpdateActions();
}

void EditSteps::UpdateActions() {
    undo_->setEnabled(history_.CanUndo());
    redo_->setEnabled(history_.CanRedo());
}
