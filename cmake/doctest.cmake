# doctest is header-only. The cross build must not see /usr/include ahead of MinGW's own
# headers, so it gets a copy of the one header in the build tree.
find_path(DOCTEST_HEADER_DIR doctest/doctest.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
if(CMAKE_CROSSCOMPILING)
  file(COPY ${DOCTEST_HEADER_DIR}/doctest/doctest.h DESTINATION ${CMAKE_BINARY_DIR}/doctest/doctest)
  set(DOCTEST_INCLUDE ${CMAKE_BINARY_DIR}/doctest)
else()
  set(DOCTEST_INCLUDE ${DOCTEST_HEADER_DIR})
endif()

add_library(doctest_main STATIC ${CMAKE_CURRENT_LIST_DIR}/doctest_main.cpp)
target_include_directories(doctest_main PUBLIC ${DOCTEST_INCLUDE})
target_compile_definitions(doctest_main PUBLIC DOCTEST_CONFIG_NO_MULTITHREADING)

include(/usr/lib/cmake/doctest/doctest.cmake)
