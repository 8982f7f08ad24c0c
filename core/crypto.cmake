# CCrypto: the stored form of secrets (passwords, config.ini keys), and the program key.
add_library(core_crypto STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ccrypto.cpp
    ${CMAKE_CURRENT_LIST_DIR}/programkey.cpp)
target_include_directories(core_crypto PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_crypto PUBLIC core_state platform_crypt platform_vb Qt6::Core)
