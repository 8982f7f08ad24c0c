# The back office windows by name, for the main window to open (RegisterBackOfficeWindows).
add_library(backoffice_windows STATIC ${CMAKE_CURRENT_LIST_DIR}/register.cpp)
target_include_directories(backoffice_windows PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(backoffice_windows PUBLIC backoffice_stats core_state platform_ui)
