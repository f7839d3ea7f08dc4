#pragma once

class MainWindow;

// Makes the editor windows known to the main window by their names, so its
// menus, toolbar and tree can open them.
void RegisterEditorWindows(MainWindow& window);
