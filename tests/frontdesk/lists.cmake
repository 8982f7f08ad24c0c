# The list windows: current and former guests, the room booking schedule.
hotel_add_test(NAME frontdesk_liststatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/lists/tst_liststatements.cpp
    LIBS frontdesk_lists)

hotel_add_test(NAME frontdesk_guestlists_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/lists/tst_guestlists.cpp ${CMAKE_CURRENT_LIST_DIR}/lists/liststesting.h
    LIBS test_support_core test_support_xls frontdesk_windows)
add_dependencies(frontdesk_guestlists_test TarvolinkINI)

hotel_add_test(NAME frontdesk_roomlist_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/lists/tst_frmroomlist.cpp ${CMAKE_CURRENT_LIST_DIR}/lists/liststesting.h
    LIBS test_support_core test_support_xls frontdesk_lists)
add_dependencies(frontdesk_roomlist_test TarvolinkINI)

# The windows opened from the real main window; screenshots in the build folder.
hotel_add_test(NAME frontdesk_listscreens_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/lists/tst_listscreens.cpp ${CMAKE_CURRENT_LIST_DIR}/lists/liststesting.h
    LIBS test_support_core core_main frontdesk_windows)
add_dependencies(frontdesk_listscreens_test TarvolinkINI)
target_compile_definitions(frontdesk_listscreens_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")
