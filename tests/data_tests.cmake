# Tests of the model, records, data files, settings and the command-line tool.
zr_add_test(test_records test_records.cpp)
zr_add_test(test_settings test_settings.cpp)
zr_add_test(test_radio_model test_radio_model.cpp)
zr_add_test(test_data_file test_data_file.cpp)
zr_add_test(test_cli test_cli.cpp)
target_compile_definitions(test_cli PRIVATE
    ZR_PROGRAM_DIR="${ZR_PROGRAM_DIR}")
add_dependencies(test_cli zr4400-cli zr4400-initial-files)
zr_add_test(test_fuzz test_fuzz.cpp)
