# Tests of the encodings and codecs of the editors subsystem.
zr_add_test(test_freq_codec test_freq_codec.cpp scripted_prompter.h)
zr_add_test(test_choice_texts test_choice_texts.cpp)
zr_add_test(test_channel_slots test_channel_slots.cpp)
zr_add_test(test_option_block test_option_block.cpp)
zr_add_test(test_tone_block test_tone_block.cpp)
zr_add_test(test_hostile_images test_hostile_images.cpp)
