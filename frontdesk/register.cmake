# The front desk windows by name, for the main window to open (RegisterFrontDeskWindows).
hotel_add_window_library(NAME frontdesk_windows SOURCES register.cpp LIBS frontdesk_booking frontdesk_guests frontdesk_lists)
