# The Wine side of the tests as CTest fixtures, so that ctest runs them alone after a build:
# the base prefix, a server with its display for the Windows programs the tests run, and the
# download. Every test here learns its way (win32 or win64) from VEXMORA_WINE_ENV.
set(VEXMORA_WINE_ENV VEXMORA_WINE_ARCH=${VEXMORA_WINE_ARCH})
set(VEXMORA_SESSION bash ${PROJECT_SOURCE_DIR}/scripts/wine-session)
add_test(NAME "wine: prefix" COMMAND ${VEXMORA_SESSION} prefix)
add_test(NAME "wine: session up" COMMAND ${VEXMORA_SESSION} up)
add_test(NAME "wine: session down" COMMAND ${VEXMORA_SESSION} down)
add_test(NAME "package: built" COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target package)
set_tests_properties("wine: prefix" PROPERTIES FIXTURES_SETUP prefix)
set_tests_properties("wine: session up" PROPERTIES FIXTURES_SETUP session FIXTURES_REQUIRED prefix)
set_tests_properties("wine: session down" PROPERTIES FIXTURES_CLEANUP session)
set_tests_properties("package: built" PROPERTIES FIXTURES_SETUP package)
set_tests_properties("wine: prefix" "wine: session up" "wine: session down"
                     PROPERTIES ENVIRONMENT ${VEXMORA_WINE_ENV})

# A Windows test program, run whole in the session: listing its cases would start a Windows
# process while building, which a machine without 32-bit support cannot do.
function(add_wine_test name label target)
  add_test(NAME "${name}" COMMAND ${VEXMORA_SESSION} run $<TARGET_FILE:${target}>)
  set_tests_properties("${name}" PROPERTIES LABELS ${label} FIXTURES_REQUIRED session
                       ENVIRONMENT ${VEXMORA_WINE_ENV} TIMEOUT 60)
endfunction()
