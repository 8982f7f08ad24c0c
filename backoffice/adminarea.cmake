# The administration area's statements: rooms, accounts, catalogue and settings.
add_library(backoffice_adminstatements STATIC
    ${CMAKE_CURRENT_LIST_DIR}/catalogstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/roomstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/userstatements.cpp)
target_include_directories(backoffice_adminstatements PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(backoffice_adminstatements PUBLIC core_db platform_vb Qt6::Core)
