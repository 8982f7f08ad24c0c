# The revenue report "Report View": a month of daily figures as a chart.
add_library(backoffice_stats STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmstats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmstats_chart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/statsstatements.cpp)
target_include_directories(backoffice_stats PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(backoffice_stats PUBLIC
    core_db core_state platform_controls platform_ado platform_ui platform_vb Qt6::Widgets)
