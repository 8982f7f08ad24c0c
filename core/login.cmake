# The login module: the credentials checks, the hotel information and the rights tests the
# windows share. It reads the login window by name, so the windows that only test a right
# need not link the main window's library.
add_library(core_login STATIC ${CMAKE_CURRENT_LIST_DIR}/globallogin.cpp)
target_include_directories(core_login PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_login PUBLIC core_db core_crypto core_state platform_ui Qt6::Widgets)
