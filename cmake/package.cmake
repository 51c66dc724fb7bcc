# The download: one zip with the program, its help, a README for Windows users and the
# licence, nothing to install. cmake --build --preset win32 --target package
#
# Two builds of one commit give the same bytes, wherever and whenever they run: the link
# writes no timestamp, and the zip's entries, in a fixed order, carry the last commit's time
# (SOURCE_DATE_EPOCH, when set, takes its place).
# Windows users read these with Notepad: CRLF line ends.
configure_file(docs/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
file(READ LICENSE licence)
string(REGEX REPLACE "\r?\n" "\r\n" licence "${licence}")
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE.txt "${licence}")

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VEXMORA_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE VEXMORA_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
  # A new commit configures the build again, so the zip carries that commit's time.
  if(EXISTS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
  endif()
endif()
set(VEXMORA_ZIP ${CMAKE_BINARY_DIR}/vexmora-${VEXMORA_VERSION_TEXT}-win${VEXMORA_WORD_BITS}.zip)
find_program(ZIPPER zip NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# A build folder that once packed with CPack keeps its configuration, which reserves the name.
file(REMOVE ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_BINARY_DIR}/CPackSourceConfig.cmake)
add_custom_target(package
  COMMAND ${CMAKE_COMMAND} -DZIPPER=${ZIPPER} -DZIP=${VEXMORA_ZIP} -DEPOCH=${VEXMORA_EPOCH}
          -DFILES=$<TARGET_FILE:vexmora>|${VEXMORA_HELP_FILE}|${CMAKE_BINARY_DIR}/README.txt|${CMAKE_BINARY_DIR}/LICENSE.txt
          -P ${CMAKE_CURRENT_LIST_DIR}/zip.cmake
  DEPENDS vexmora helpfile VERBATIM)
