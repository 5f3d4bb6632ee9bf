# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers, the
# posix-threads flavour (std::thread and std::mutex need it; the win32
# flavour has neither in GCC 12).
#   cmake -S <project> -B <dir> -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PELLAR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PELLAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELLAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELLAR_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW tree only; programs (the build's
# own tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${PELLAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libstdc++, libgcc, winpthread) linked in, so
# the programs run on a Windows without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
