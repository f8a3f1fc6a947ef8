# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 GCC (POSIX threads).
#
# TRAPEZOID_WINDOWS_ROOTS lists further roots to search besides the MinGW
# one: the cached static Qt, and a small root that holds only the Boost
# headers, so that nothing else under the build machine's /usr/include leaks
# into the Windows build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TRAPEZOID_WINDOWS_ROOTS)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet} ${TRAPEZOID_WINDOWS_ROOTS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: the C++ runtime, libgcc and winpthreads are
# linked in, so no DLL has to travel beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
