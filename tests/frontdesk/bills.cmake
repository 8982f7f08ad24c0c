# The rich-text bill viewers: the bill texts, the viewer windows.
hotel_add_test(NAME frontdesk_billtexts_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bills/tst_billtexts.cpp
    LIBS frontdesk_bills)

hotel_add_test(NAME frontdesk_billviewers_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bills/tst_billviewers.cpp
    LIBS test_support_core test_support_rtf frontdesk_bills)
add_dependencies(frontdesk_billviewers_test TarvolinkINI)

# Both viewers inside a main window; screenshots in the build folder.
hotel_add_test(NAME frontdesk_billscreens_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bills/tst_billscreens.cpp
    LIBS test_support_core frontdesk_bills)
add_dependencies(frontdesk_billscreens_test TarvolinkINI)
target_compile_definitions(frontdesk_billscreens_test PRIVATE HOTEL_SCREENS_DIR="${CMAKE_BINARY_DIR}/screens")

# The bills reached through the guest details and food orders windows.
hotel_add_test(NAME frontdesk_billroads_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bills/tst_billroads.cpp
    LIBS test_support_core frontdesk_guests frontdesk_bills)
add_dependencies(frontdesk_billroads_test TarvolinkINI)
