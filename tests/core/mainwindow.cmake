foreach(test mainfrm login modifypassword singleinstance)
    hotel_add_test(NAME core_${test}_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/mainwindow/tst_${test}.cpp
                ${CMAKE_CURRENT_LIST_DIR}/mainwindow/mainwindowtesting.h
        LIBS test_support_core core_main)
    add_dependencies(core_${test}_test TarvolinkINI)
endforeach()
