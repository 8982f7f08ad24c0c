# The window aids: scroll bars and ScrollResize, ReplaceEach and PlayWave; the about box;
# the database settings window.
hotel_add_test(NAME core_scrollresize_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/aids/tst_scrollresize.cpp
    LIBS core_aids)

hotel_add_test(NAME core_aids_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/aids/tst_aids.cpp
    LIBS core_aids)

# Screenshots of the windows land in the build folder for a look.
hotel_add_test(NAME core_about_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/aids/tst_frmabout.cpp
    LIBS core_about)
target_compile_definitions(core_about_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")

hotel_add_test(NAME core_dblocate_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/aids/tst_frmdblocatetool.cpp
    LIBS test_support_core core_dblocate)
add_dependencies(core_dblocate_test TarvolinkINI)
target_compile_definitions(core_dblocate_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")
