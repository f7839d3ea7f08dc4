#pragma once

// Operations that other windows run on the open editor windows. The main
// window finds its children by name and calls whichever of these they offer.

// Rebuilds the roger-beep list after the tone table changed.
class RogerListOwner {
public:
    virtual ~RogerListOwner() = default;
    virtual void ShowRB() = 0;
};

// Rebuilds the mode list after the mode-enable flags changed.
class ModeListOwner {
public:
    virtual ~ModeListOwner() = default;
    virtual void RefreshModeList() = 0;
};

// Takes a value still being edited into the radio data (before a write).
class PendingEditOwner {
public:
    virtual ~PendingEditOwner() = default;
    virtual void CommitPendingEdit() = 0;
};

// Shows the radio data anew after it changed elsewhere (another window, undo).
class DataShower {
public:
    virtual ~DataShower() = default;
    virtual void ShowCurrentData() = 0;
};

// Opens where the user last left it, or at a size that shows what it holds.
class PlacedWindow {
public:
    virtual ~PlacedWindow() = default;
    virtual void PlaceWindow() = 0;
};
