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
# Channel editor: channel table operations, grid edits, choice lists, panel settings.
list(APPEND ZR_EDITORS_CORE_SOURCES
    editors/channel_choice_lists.cpp
    editors/channel_grid_edit.cpp
    editors/channel_names.cpp
    editors/channel_settings.cpp
    editors/channel_table_ops.cpp
)
# Option features and roger-beep editors: list contents, field mapping, text
# rules, tone edits, playback steps, samples, WAV files and the bar picture.
list(APPEND ZR_EDITORS_CORE_SOURCES
    editors/option_lists.cpp
    editors/option_store.cpp
    editors/option_text_rules.cpp
    editors/tone_edit.cpp
    editors/tone_lists.cpp
    editors/tone_picture.cpp
    editors/tone_samples.cpp
    editors/tone_sequence.cpp
)
