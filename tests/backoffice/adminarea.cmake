# The administration area and its two editors.
hotel_add_test(NAME backoffice_adminstatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_adminstatements.cpp
    LIBS backoffice_adminstatements)

set(admin_testing ${CMAKE_CURRENT_LIST_DIR}/adminarea/admintesting.h)
hotel_add_test(NAME backoffice_adminrooms_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_adminrooms.cpp ${admin_testing}
    LIBS test_support_core test_support_xls backoffice_adminarea frontdesk_booking)
hotel_add_test(NAME backoffice_adminusers_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_adminusers.cpp ${admin_testing}
    LIBS test_support_core backoffice_windows core_main)
hotel_add_test(NAME backoffice_admincatalog_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_admincatalog.cpp ${admin_testing}
    LIBS test_support_core backoffice_adminarea)
hotel_add_test(NAME backoffice_adminsettings_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_adminsettings.cpp ${admin_testing}
    LIBS test_support_core backoffice_adminarea core_main)
# Every tab and both editors inside a main window; screenshots in the build folder.
hotel_add_test(NAME backoffice_adminscreens_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_adminscreens.cpp ${admin_testing}
    LIBS test_support_core test_support_screens backoffice_adminarea)
target_compile_definitions(backoffice_adminscreens_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")
foreach(test backoffice_adminrooms_test backoffice_adminusers_test backoffice_admincatalog_test
        backoffice_adminsettings_test backoffice_adminscreens_test)
    add_dependencies(${test} TarvolinkINI)
endforeach()
