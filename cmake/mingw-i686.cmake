# Cross build for 32-bit Windows 2000 and later with MinGW-w64: the product.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VEXMORA_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
