# The activity log viewer: its statements, entries of real actions listed, filtered, removed
# and cleared on both engines.
hotel_add_test(NAME backoffice_log_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/log/tst_frmlog.cpp
    LIBS test_support_core backoffice_windows frontdesk_booking core_main)
target_include_directories(backoffice_log_test PRIVATE ${PROJECT_SOURCE_DIR}/tests/frontdesk/booking
                           ${PROJECT_SOURCE_DIR}/tests/core/mainwindow)
add_dependencies(backoffice_log_test TarvolinkINI)
