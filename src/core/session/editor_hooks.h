#pragma once

// Operations the main window runs on the open editor windows that offer them.

// Takes a value still being edited into the radio data (before a write).
class PendingEditOwner {
public:
    virtual ~PendingEditOwner() = default;
    virtual void CommitPendingEdit() = 0;
};

// Opens where the user last left it, or at a size that shows what it holds.
class PlacedWindow {
public:
    virtual ~PlacedWindow() = default;
    virtual void PlaceWindow() = 0;
};
