# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads) against the
# Windows kit that scripts/windows-kit provides (Qt, SQLite, Hunspell). Qt's host tools
# (moc, rcc, uic) are Debian's own of the same Qt version.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/windows-toolchain.cmake -DZORVAT_WINKIT_PREFIX=<kit> ...
# The kit's own mingw.cmake is a copy of this file and finds the kit beside itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# The toolchain file is read again for every check CMake compiles: the environment
# carries the kit's place there.
if(NOT ZORVAT_WINKIT_PREFIX)
  if(DEFINED ENV{ZORVAT_WINKIT_PREFIX})
    set(ZORVAT_WINKIT_PREFIX "$ENV{ZORVAT_WINKIT_PREFIX}")
  elseif(EXISTS "${CMAKE_CURRENT_LIST_DIR}/lib/cmake/Qt6")
    set(ZORVAT_WINKIT_PREFIX "${CMAKE_CURRENT_LIST_DIR}")
  endif()
endif()
if(ZORVAT_WINKIT_PREFIX)
  set(ENV{ZORVAT_WINKIT_PREFIX} "${ZORVAT_WINKIT_PREFIX}")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${ZORVAT_WINKIT_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${ZORVAT_WINKIT_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config looks only into the kit, never at Debian's own libraries.
set(ENV{PKG_CONFIG_LIBDIR} "${ZORVAT_WINKIT_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

if(NOT QT_HOST_PATH)
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
