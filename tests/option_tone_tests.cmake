# Tests of the option features and roger-beep editors: their logic without
# windows, then the windows driven through their widgets.
zr_add_test(test_option_rules test_option_rules.cpp)
zr_add_test(test_tone_sound test_tone_sound.cpp)
zr_add_gui_test(test_option_features_window test_option_features_window.cpp)
zr_add_gui_test(test_tone_tips_window test_tone_tips_window.cpp)
