# The back office windows inside a main window, with data; screenshots in the build folder.
hotel_add_test(NAME backoffice_screens_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_backofficescreens.cpp
    LIBS test_support_core backoffice_windows)
add_dependencies(backoffice_screens_test TarvolinkINI)
target_compile_definitions(backoffice_screens_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")
