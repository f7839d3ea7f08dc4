# Tests of the encodings and codecs of the editors subsystem.
zr_add_test(test_freq_codec test_freq_codec.cpp scripted_prompter.h)
zr_add_test(test_choice_texts test_choice_texts.cpp)
zr_add_test(test_channel_slots test_channel_slots.cpp)
