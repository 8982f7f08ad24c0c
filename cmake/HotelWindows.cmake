# hotel_add_window_library(NAME lib SOURCES a.cpp ... [LIBS extra ...])
# A static library holding one window or a group of windows (frontdesk/, backoffice/). It
# links what every window is written against: the program state and error report, the
# statement layer, the rights checks, the window aids and kit, and the platform layer; LIBS
# adds what only this window needs. Relative sources are taken from the calling folder.
function(hotel_add_window_library)
    cmake_parse_arguments(W "" "NAME" "SOURCES;LIBS" ${ARGN})
    if(NOT W_NAME OR NOT W_SOURCES)
        message(FATAL_ERROR "hotel_add_window_library needs NAME and SOURCES")
    endif()
    list(TRANSFORM W_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/ REGEX "^[^/]")
    add_library(${W_NAME} STATIC ${W_SOURCES})
    target_include_directories(${W_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${W_NAME} PUBLIC
        core_login core_aids core_db core_ui core_state
        platform_ado platform_ui platform_vb Qt6::Widgets ${W_LIBS})
endfunction()
