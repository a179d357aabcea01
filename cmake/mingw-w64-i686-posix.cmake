# Cross build for 32-bit Windows (compile only: this Wine runs 64-bit programs).
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
