# Window sources of the channel information editor.
set(ZR_CHANNEL_EDITOR_SOURCES
    editors/channel_grid.cpp
    editors/channel_info_edits.cpp
    editors/channel_info_window.cpp
    editors/channel_panel.cpp
    editors/combo_box_fill.cpp
    editors/freq_cell_editor.cpp
    editors/group_settings_frame.cpp
)
