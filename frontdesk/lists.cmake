# The list windows: current guests, former guests and the room booking schedule, with their
# queries, row icons and the export to Excel they share.
hotel_add_window_library(NAME frontdesk_lists
    SOURCES customerliststatements.cpp customerlistwindow.cpp frmcustomers.cpp frmcustomershistory.cpp
            frmroomlist.cpp listexport.cpp listicons.cpp
    LIBS frontdesk_booking platform_controls)
