#include "app/editor_registry.h"

#include "app/main_window.h"

void RegisterEditorWindows(MainWindow& window) {
    // One line per editor window: window.RegisterChildForm(name, factory).
    (void)window;
}
