# Tests of the radio link: engine, packets, simulated radio, serial driver.
zr_add_test(test_link_engine test_link_engine.cpp)
