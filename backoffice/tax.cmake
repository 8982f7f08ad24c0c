# The tax editor " Tax Editor": room and food and beverages taxes.
hotel_add_window_library(NAME backoffice_tax
    SOURCES frmtax.cpp taxstatements.cpp
    LIBS platform_controls frontdesk_booking)
