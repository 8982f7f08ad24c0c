# The booking window "New Booking" and the storing of a booking.
hotel_add_window_library(NAME frontdesk_booking
    SOURCES bookingstatements.cpp drawunique.cpp frmbooking.cpp frmbooking_controls.cpp
            frmbooking_events.cpp frmbooking_submit.cpp guestnumber.cpp paymentmethod.cpp
            revenuestatements.cpp)
