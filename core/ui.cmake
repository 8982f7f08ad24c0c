# Interface aids of the core: the error report window and the balloon hints.
add_library(core_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/balloonhint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cballoontooltip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmerrorreport.cpp)
target_include_directories(core_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_ui PUBLIC core_state platform_ui platform_controls)
