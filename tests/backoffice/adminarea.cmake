# The administration area and its two editors.
hotel_add_test(NAME backoffice_adminstatements_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/adminarea/tst_adminstatements.cpp
    LIBS backoffice_adminstatements)
