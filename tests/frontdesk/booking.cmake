# The booking window and the storing of a booking.
hotel_add_test(NAME frontdesk_bookingstatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/booking/tst_bookingstatements.cpp
    LIBS frontdesk_booking)

hotel_add_test(NAME frontdesk_booking_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/booking/tst_frmbooking.cpp ${CMAKE_CURRENT_LIST_DIR}/booking/bookingtesting.h
    LIBS test_support_core frontdesk_windows)
add_dependencies(frontdesk_booking_test TarvolinkINI)

hotel_add_test(NAME frontdesk_bookingsubmit_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/booking/tst_bookingsubmit.cpp ${CMAKE_CURRENT_LIST_DIR}/booking/bookingtesting.h
    LIBS test_support_core frontdesk_booking)
add_dependencies(frontdesk_bookingsubmit_test TarvolinkINI)

# The window inside a main window, at its designed size; screenshots in the build folder.
hotel_add_test(NAME frontdesk_bookingscreens_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/booking/tst_bookingscreens.cpp ${CMAKE_CURRENT_LIST_DIR}/booking/bookingtesting.h
    LIBS test_support_core test_support_screens frontdesk_booking)
add_dependencies(frontdesk_bookingscreens_test TarvolinkINI)
target_compile_definitions(frontdesk_bookingscreens_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")

# Another program (the sqlcipher client) holding the database file during "Submit".
hotel_add_test(NAME frontdesk_bookingcontention_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/booking/tst_bookingcontention.cpp ${CMAKE_CURRENT_LIST_DIR}/booking/bookingtesting.h
    LIBS test_support_core frontdesk_booking)
add_dependencies(frontdesk_bookingcontention_test TarvolinkINI)

# A MySQL server of the test's own, hung and restarted during "Submit".
hotel_add_test(NAME frontdesk_bookingserverfaults_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/booking/tst_bookingserverfaults.cpp ${CMAKE_CURRENT_LIST_DIR}/booking/bookingtesting.h
    LIBS test_support_core frontdesk_booking)
add_dependencies(frontdesk_bookingserverfaults_test TarvolinkINI)
