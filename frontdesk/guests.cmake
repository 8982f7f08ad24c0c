# The guest windows: guest details, the food and beverage order with its guest search, and a
# guest's food orders.
add_library(frontdesk_guests STATIC
    ${CMAKE_CURRENT_LIST_DIR}/customerdetailsstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/customersearchstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fooddetailsstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/foodingbookstatements.cpp)
target_include_directories(frontdesk_guests PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(frontdesk_guests PUBLIC
    frontdesk_booking core_login core_aids core_db core_ui core_state platform_ado platform_ui platform_vb Qt6::Widgets)
