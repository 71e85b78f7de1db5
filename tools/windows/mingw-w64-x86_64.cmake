# CMake toolchain for 64-bit Windows with Debian's MinGW-w64 cross compilers (POSIX threads variant,
# which std::thread and Qt need). Used for Qt itself and for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RNA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RNA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RNA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RNA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RNA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
