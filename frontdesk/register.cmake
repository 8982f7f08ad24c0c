# The front desk windows by name, for the main window to open (RegisterFrontDeskWindows).
add_library(frontdesk_windows STATIC ${CMAKE_CURRENT_LIST_DIR}/register.cpp)
target_include_directories(frontdesk_windows PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(frontdesk_windows PUBLIC frontdesk_booking core_state platform_ui)
