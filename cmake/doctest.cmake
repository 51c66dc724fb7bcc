# doctest is header-only. The cross build must not see the host's include folder ahead of
# MinGW's own headers, so it gets a copy of the one header in the build tree.
find_package(doctest REQUIRED NO_CMAKE_FIND_ROOT_PATH)
get_target_property(DOCTEST_INCLUDE doctest::doctest INTERFACE_INCLUDE_DIRECTORIES)
if(CMAKE_CROSSCOMPILING)
  file(COPY ${DOCTEST_INCLUDE}/doctest/doctest.h DESTINATION ${CMAKE_BINARY_DIR}/doctest/doctest)
  set(DOCTEST_INCLUDE ${CMAKE_BINARY_DIR}/doctest)
endif()

add_library(doctest_main STATIC ${CMAKE_CURRENT_LIST_DIR}/doctest_main.cpp)
target_include_directories(doctest_main PUBLIC ${DOCTEST_INCLUDE})
target_compile_definitions(doctest_main PUBLIC DOCTEST_CONFIG_NO_MULTITHREADING)

include(${doctest_DIR}/doctest.cmake)
