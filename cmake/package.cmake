# The download: one zip with the program, its help, a README for Windows users and the
# licence, nothing to install. cmake --build --preset win32 --target package
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(arch win64)
else()
  set(arch win32)
endif()
# Windows users read these with Notepad: CRLF line ends.
configure_file(docs/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE LICENSE.txt COPYONLY)
file(READ ${CMAKE_BINARY_DIR}/LICENSE.txt licence)
string(REGEX REPLACE "\r?\n" "\r\n" licence "${licence}")
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE.txt "${licence}")

install(TARGETS vexmora RUNTIME DESTINATION .)
install(FILES ${VEXMORA_HELP_FILE} ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt
        DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME vexmora-${VEXMORA_VERSION_TEXT}-${arch})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(VEXMORA_ZIP ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip)
include(CPack)
