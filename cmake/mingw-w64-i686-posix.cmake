# Cross build for 32-bit Windows; its tests run under 32-bit Wine.
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
