# Tests of the model, records, data files, settings and the command-line tool.
zr_add_test(test_records test_records.cpp)
zr_add_test(test_settings test_settings.cpp)
zr_add_test(test_radio_model test_radio_model.cpp)
zr_add_test(test_data_file test_data_file.cpp)
