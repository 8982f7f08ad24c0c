# Included by the test folders that use the shared helpers: defines test_support_db once.
if(NOT TARGET test_support_db)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_BINARY_DIR}/tests/support)
endif()
