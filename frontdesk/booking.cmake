# The booking window "New Booking" and the storing of a booking.
add_library(frontdesk_booking STATIC
    ${CMAKE_CURRENT_LIST_DIR}/bookingstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawunique.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmbooking.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmbooking_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmbooking_events.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmbooking_submit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/guestnumber.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paymentmethod.cpp
    ${CMAKE_CURRENT_LIST_DIR}/revenuestatements.cpp)
target_include_directories(frontdesk_booking PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(frontdesk_booking PUBLIC
    core_login core_aids core_db core_ui core_state platform_ado platform_ui platform_vb Qt6::Widgets)
