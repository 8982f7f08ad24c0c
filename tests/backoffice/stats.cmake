# The revenue report: its statement, the month's fill on both engines, the chart's events
# and saving.
hotel_add_test(NAME backoffice_statsstatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats/tst_statsstatements.cpp
    LIBS backoffice_stats)

hotel_add_test(NAME backoffice_stats_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/stats/tst_frmstats.cpp
    LIBS test_support_core backoffice_windows frontdesk_booking)
target_include_directories(backoffice_stats_test PRIVATE ${PROJECT_SOURCE_DIR}/tests/frontdesk/booking)
add_dependencies(backoffice_stats_test TarvolinkINI)

