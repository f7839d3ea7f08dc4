#pragma once

#include "core/session/edit_history.h"

#include <QObject>
#include <functional>

class DataNotifier;
class QAction;
class RadioModel;

// Undo and redo of the radio data for the whole program: each user's change
// becomes a step, Edit > Undo and Redo are enabled as the steps allow, and
// every change is told through the data's notifier.
class EditSteps : public QObject {
    Q_OBJECT
public:
    // `commitEdits` takes the values still being typed into the data.
    EditSteps(RadioModel& model, DataNotifier& changes, QAction* undo, QAction* redo,
              std::function<void()> commitEdits, QObject* parent);

    // A user's change in `source`; see EditHistory::Record for `mergeKey`.
    void Edited(QObject* source, const QString& mergeKey);
    void EndStep() { history_.EndStep(); }
    void Undo();
    void Redo();
    // A new history starts with the data now on show (new, open, read).
    void Restart();

private:
    // Undoes or redoes one step.
    void Step(bool (EditHistory::*move)(RadioModel&));
    void UpdateActions();

    RadioModel& model_;
    DataNotifier& changes_;
    QAction* undo_;
    QAction* redo_;
    std::function<void()> commitEdits_;
    EditHistory history_;
};
