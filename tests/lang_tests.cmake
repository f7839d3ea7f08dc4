# Tests of the text catalogue, the language names and the roger-beep editor's texts.
zr_add_test(test_catalogue test_catalogue.cpp)
