#pragma once

#include "core/text/text_id.h"

#include <QString>

// The menu bar of the main window, in order: each top-level menu followed by
// its items. Hidden entries exist but are never shown.
enum class MenuKind { Menu, Item, Check, Separator };
enum class MenuCaption { Catalogue, ToneEditor, Fixed, None };

struct MenuEntry {
    const char* name;
    MenuKind kind;
    bool hidden;
    MenuCaption captionKind;
    TextId text;
    const char* fixedText;
};

const MenuEntry* MainMenuEntries(int* count);
