# The rich-text bill viewers: the guest bill and the food bill, their texts and toolbar.
add_library(frontdesk_bills STATIC
    ${CMAKE_CURRENT_LIST_DIR}/customerprintstatements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/foodbill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmcustomerprint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmfoodtxtview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/guestbill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/richtextviewer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewericons.cpp)
target_include_directories(frontdesk_bills PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(frontdesk_bills PUBLIC
    core_db core_state platform_controls platform_ado platform_ui platform_vb Qt6::Widgets)
