# The revenue report: its statement, the month's fill on both engines, the chart's events,
# saving, and screenshots of the window and of every chart type.
hotel_add_test(NAME backoffice_statsstatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats/tst_statsstatements.cpp
    LIBS backoffice_stats)

hotel_add_test(NAME backoffice_stats_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats/tst_frmstats.cpp
    LIBS test_support_core backoffice_windows frontdesk_booking)
target_include_directories(backoffice_stats_test PRIVATE ${PROJECT_SOURCE_DIR}/tests/frontdesk/booking)
add_dependencies(backoffice_stats_test TarvolinkINI)

hotel_add_test(NAME backoffice_statsscreens_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats/tst_statsscreens.cpp
    LIBS test_support_core backoffice_stats)
add_dependencies(backoffice_statsscreens_test TarvolinkINI)
target_compile_definitions(backoffice_statsscreens_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")
