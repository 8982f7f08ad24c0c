# The shared window aids: scrollable areas, sounds and text cleaning.
add_library(core_aids STATIC
    ${CMAKE_CURRENT_LIST_DIR}/playwave.cpp
    ${CMAKE_CURRENT_LIST_DIR}/replaceeach.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scrollarea.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scrollbar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scrollresize.cpp)
target_include_directories(core_aids PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_aids PUBLIC core_state platform_ui platform_vb Qt6::Widgets)

# The about box, and the registration of the core windows the main window opens by name.
add_library(core_about STATIC ${CMAKE_CURRENT_LIST_DIR}/frmabout.cpp)
target_include_directories(core_about PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_about PUBLIC core_state platform_ui platform_registry PRIVATE platform_ansi)
if(NOT PROJECT_VERSION_PATCH)
    set(brevant_revision 0)
else()
    set(brevant_revision ${PROJECT_VERSION_PATCH})
endif()
target_compile_definitions(core_about PRIVATE
    BREVANT_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    BREVANT_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    BREVANT_VERSION_REVISION=${brevant_revision})

# The database settings window the statement layer opens after a failure.
add_library(core_dblocate STATIC ${CMAKE_CURRENT_LIST_DIR}/frmdblocatetool.cpp)
target_include_directories(core_dblocate PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_dblocate PUBLIC core_db core_ui core_crypto core_state platform_ui)
