# Core (Widgets-free) sources of the editors subsystem: encodings and codecs.
set(ZR_EDITORS_CORE_SOURCES
    editors/channel_slot_codec.cpp
    editors/combo_list.cpp
    editors/freq_codec.cpp
    editors/mode_codec.cpp
    editors/option_block_codec.cpp
    editors/tone_block_codec.cpp
    editors/tone_codes.cpp
    editors/tone_rules.cpp
)
