# The guest details, food order, guest search and food orders windows.
hotel_add_test(NAME frontdesk_gueststatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/guests/tst_gueststatements.cpp
    LIBS frontdesk_guests)
