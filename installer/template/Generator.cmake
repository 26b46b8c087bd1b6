# The template document's generator: the product's own writer, from the core libraries.
add_executable(write_template ${CMAKE_CURRENT_LIST_DIR}/WriteTemplate.cpp)
target_link_libraries(write_template PRIVATE zembra_app_core)
