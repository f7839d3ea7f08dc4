# Window tests: real widgets on the offscreen platform with scripted prompts.
function(zr_add_gui_test name)
    zr_add_test(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE zrgui)
    target_compile_definitions(${name} PRIVATE
        ZR_PROGRAM_DIR="${ZR_PROGRAM_DIR}" ZR_DIST_DIR="${ZR_DIST_DIR}")
    add_dependencies(${name} zr4400-initial-files zr4400-pictures)
endfunction()

zr_add_gui_test(test_main_window test_main_window.cpp)
include(channel_editor_tests.cmake OPTIONAL)
include(option_tone_tests.cmake OPTIONAL)
# The number format under a German user locale, where "," is the decimal separator.
add_test(NAME test_main_window_german_locale COMMAND test_main_window numbersIgnoreTheUserLocale)
set_tests_properties(test_main_window_german_locale PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=de_DE.UTF-8;LANG=de_DE.UTF-8")
zr_add_gui_test(test_startup test_startup.cpp)
