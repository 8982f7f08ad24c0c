# The registration of every window library's windows that the Hotel program does at start.
add_library(core_startup STATIC ${CMAKE_CURRENT_LIST_DIR}/startup.cpp)
target_include_directories(core_startup PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_startup PUBLIC core_main core_about core_dblocate core_ui frontdesk_windows backoffice_windows)
