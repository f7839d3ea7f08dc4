# Tests of the channel information editor: its table operations and its window.
zr_add_test(test_channel_table_ops test_channel_table_ops.cpp scripted_prompter.h)
zr_add_gui_test(test_channel_grid_editing test_channel_grid_editing.cpp channel_editor_driving.h)
zr_add_gui_test(test_channel_window_settings test_channel_window_settings.cpp
                channel_editor_driving.h)
