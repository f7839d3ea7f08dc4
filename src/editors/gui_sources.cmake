# Window sources of the editors subsystem, one list per window family.
include(${CMAKE_CURRENT_LIST_DIR}/channel_editor.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/option_tone_editors.cmake OPTIONAL)
set(ZR_EDITORS_GUI_SOURCES ${ZR_CHANNEL_EDITOR_SOURCES} ${ZR_OPTION_TONE_EDITOR_SOURCES})
