# Program-wide state and the error-report convention.
add_library(core_state STATIC appstate.cpp errorreport.cpp windowregistry.cpp)
target_include_directories(core_state PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(core_state PUBLIC platform_vb Qt6::Widgets)
