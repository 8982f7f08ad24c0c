# The guest details, food order, guest search and food orders windows.
hotel_add_test(NAME frontdesk_gueststatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/guests/tst_gueststatements.cpp
    LIBS frontdesk_guests)

hotel_add_test(NAME frontdesk_customerdetails_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/guests/tst_frmcustomerdetails.cpp ${CMAKE_CURRENT_LIST_DIR}/guests/guesttesting.h
    LIBS test_support_core frontdesk_guests)
add_dependencies(frontdesk_customerdetails_test TarvolinkINI)

hotel_add_test(NAME frontdesk_foodingbook_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/guests/tst_frmfoodingbook.cpp ${CMAKE_CURRENT_LIST_DIR}/guests/guesttesting.h
    LIBS test_support_core frontdesk_guests)
add_dependencies(frontdesk_foodingbook_test TarvolinkINI)

hotel_add_test(NAME frontdesk_fooddetails_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/guests/tst_frmfooddetails.cpp ${CMAKE_CURRENT_LIST_DIR}/guests/guesttesting.h
    LIBS test_support_core frontdesk_windows)
add_dependencies(frontdesk_fooddetails_test TarvolinkINI)

# The road of a new clerk through the guest windows, with screenshots in the build folder.
hotel_add_test(NAME frontdesk_guestroad_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/guests/tst_guestroad.cpp ${CMAKE_CURRENT_LIST_DIR}/guests/guesttesting.h
    LIBS test_support_core frontdesk_windows)
add_dependencies(frontdesk_guestroad_test TarvolinkINI)
target_compile_definitions(frontdesk_guestroad_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")
