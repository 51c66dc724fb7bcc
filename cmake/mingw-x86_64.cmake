# The same sources for 64-bit Windows: tested under 64-bit Wine on machines that cannot
# run 32-bit programs. The product stays the 32-bit build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VEXMORA_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
