# The main window, start-up, the login and password windows; and the Hotel program itself.
add_library(core_main STATIC
    ${CMAKE_CURRENT_LIST_DIR}/addbadge.cpp
    ${CMAKE_CURRENT_LIST_DIR}/capslockwatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmloginout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/load_frms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainfrm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modifypassword.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbaricons.cpp)
target_include_directories(core_main PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_main PUBLIC core_login core_db core_ui core_crypto core_state platform_ui)

# Every window library registers its windows by name; Hotel links them all through
# core_startup. The settings component is loaded at run time, by class identifier, so it is
# only built alongside.
add_executable(Hotel ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_compile_definitions(Hotel PRIVATE HOTEL_VERSION="${PROJECT_VERSION}")
target_link_libraries(Hotel PRIVATE core_startup)
add_dependencies(Hotel TarvolinkINI regsvr make-default-db)
