# hotel_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [LABELS l ...] [ENV K=V ...])
# A Qt Test executable run by CTest offscreen, with a private registry store and a
# private scratch folder so that tests never touch the user's files or each other.
function(hotel_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/platform
                               ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(scratch ${CMAKE_BINARY_DIR}/test-scratch/${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOTEL_REGISTRY_DIR=${scratch}/registry;HOTEL_TEST_SCRATCH=${scratch};HOTEL_PROGRAM_DIR=${HOTEL_PROGRAM_DIR};HOTEL_SCREENS_DIR=${CMAKE_BINARY_DIR}/screens;${T_ENV}"
        LABELS "${T_LABELS}"
        TIMEOUT 300)
endfunction()
