#pragma once

#include "core/session/editor_host.h"

class VersionLauncher;

// What the radio commands need of the main window besides an editor's needs.
class RadioHost : public EditorHost {
public:
    virtual VersionLauncher& launcher() = 0;
    // Values still being typed in the editors are taken into the data.
    virtual void ValidateOpenEditors() = 0;
    // The editors close before a completed read replaces the data under them.
    virtual void UnloadAllChildForms() = 0;
    // After the data was replaced: channel editor, captions in the language
    // in force, cascade.
    virtual void ShowOpenedData() = 0;
    // Every caption again; the status bar names the port in force.
    virtual void Change_Language() = 0;
};
