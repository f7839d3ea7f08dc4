#pragma once

#include <QString>

class QObject;

struct AppContext;
class Prompter;

// Window names of the editor windows the main window opens.
inline const QString kChannelInfoForm = QStringLiteral("frmCommChInfo");
inline const QString kOptionsForm = QStringLiteral("FrmOptFeatures");
inline const QString kToneForm = QStringLiteral("FrmToneTips");
inline const QString kChannelListForm = QStringLiteral("frmChannelList");

// What an editor window needs of the window that holds it: the objects of
// the run, the prompts, and the undo steps of its changes.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual AppContext& context() = 0;
    virtual Prompter& prompter() = 0;
    // The caption names the band in force, so a bank switch renews it.
    virtual void RefreshCaption() = 0;
    // After a user's change to the radio data in `source`: one step to undo,
    // and the data's notifier tells the other open windows. Changes with the same
    // non-empty `mergeKey` in a row (the keys typed into one box) are one step.
    virtual void DataEdited(QObject* source, const QString& mergeKey = {}) = 0;
    // The typing in a box with a merge key ended: its next change is a new step.
    virtual void EndEditStep() = 0;
};
