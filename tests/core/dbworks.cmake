hotel_add_test(NAME core_dbworks_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/dbworks/tst_dbworks.cpp
    LIBS test_support_core core_db)
add_dependencies(core_dbworks_test TarvolinkINI)

# The date literal, the per-room and per-order table names and the quiet table check.
hotel_add_test(NAME core_sqlnames_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/db/tst_sqlnames.cpp
    LIBS test_support_core core_db)
add_dependencies(core_sqlnames_test TarvolinkINI)
