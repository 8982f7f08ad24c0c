hotel_add_test(NAME core_errorreport_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui/tst_frmerrorreport.cpp
    LIBS core_ui)

hotel_add_test(NAME core_balloontooltip_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ui/tst_cballoontooltip.cpp
    LIBS core_ui)
