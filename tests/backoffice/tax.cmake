# The tax editor: its statements, adding and removing taxes on both engines, the booking
# window refreshed when it closes.
hotel_add_test(NAME backoffice_tax_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tax/tst_frmtax.cpp
    LIBS test_support_core backoffice_windows frontdesk_booking)
target_include_directories(backoffice_tax_test PRIVATE ${PROJECT_SOURCE_DIR}/tests/frontdesk/booking)
add_dependencies(backoffice_tax_test TarvolinkINI)
