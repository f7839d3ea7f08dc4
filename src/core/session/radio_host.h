#pragma once

#include "core/session/editor_host.h"
#include "core/session/file_commands.h"

class VersionLauncher;

// What the radio commands need of the main window: an editor's needs, and a
// document's (pending edits taken, editors closed before a completed read
// replaces the data, and the new data shown after it).
class RadioHost : public EditorHost, public DocumentHost {
public:
    virtual VersionLauncher& launcher() = 0;
    // The save question before changed data is replaced (see FileCommands).
    virtual bool MayDiscardChanges() = 0;
    // Every caption again; the status bar names the port in force.
    virtual void Change_Language() = 0;
};
