# The guest windows: guest details, the food and beverage order with its guest search, and a
# guest's food orders.
hotel_add_window_library(NAME frontdesk_guests
    SOURCES customerdetailsstatements.cpp customersearchstatements.cpp fooddetailsstatements.cpp
            foodingbookstatements.cpp frmcustomerdetails.cpp frmcustomerdetails_controls.cpp
            frmcustomersearch.cpp frmfooddetails.cpp frmfooddetails_controls.cpp frmfoodingbook.cpp
            frmfoodingbook_controls.cpp guestlistselection.cpp
    LIBS frontdesk_booking frontdesk_bills platform_controls)
