# Tests of the radio link: engine, packets, simulated radio, serial driver.
zr_add_test(test_link_engine test_link_engine.cpp)
zr_add_test(test_link_e2e test_link_e2e.cpp)
target_compile_definitions(test_link_e2e PRIVATE ZR_PROGRAM_DIR="${ZR_PROGRAM_DIR}")
add_dependencies(test_link_e2e zr4400-cli zr4400-radio-sim zr4400-initial-files)
set_tests_properties(test_link_e2e PROPERTIES TIMEOUT 300)
zr_add_gui_test(test_radio_commands test_radio_commands.cpp)
add_dependencies(test_radio_commands zr4400-radio-sim)
set_tests_properties(test_radio_commands PROPERTIES TIMEOUT 300)
