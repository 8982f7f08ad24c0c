# The statement layer and the config.ini settings it reads.
add_library(core_db STATIC
    ${CMAKE_CURRENT_LIST_DIR}/configini.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dbworks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/db/sqldate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/db/tableexists.cpp
    ${CMAKE_CURRENT_LIST_DIR}/db/tablenames.cpp)
target_include_directories(core_db PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_db PUBLIC core_state core_crypto platform_ado platform_com platform_ui Qt6::Widgets)
