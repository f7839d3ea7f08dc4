# Windows of the option features editor and the roger-beep editor, with the
# roger-beep audition through the audio device.
find_package(Qt6 REQUIRED COMPONENTS Multimedia)
set(ZR_OPTION_TONE_EDITOR_SOURCES
    editors/form_helpers.cpp
    editors/option_features_window.cpp
    editors/option_text_box.cpp
    editors/tone_bar_picture.cpp
    editors/tone_player.cpp
    editors/tone_tips_window.cpp
)
set(ZR_EDITORS_GUI_LIBRARIES Qt6::Multimedia)
