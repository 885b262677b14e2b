# Cross-builds for 64-bit Windows with Debian's mingw-w64 (the posix thread model, which has
# std::thread and std::mutex) and runs what it builds under wine.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables that need no DLLs beside them: the runtime and the C++ library linked in. A build
# against Qt's DLLs, which use the runtime's DLLs, sets TAVREL_SHARED_RUNTIME so that one copy
# of the C++ library serves the whole process.
if(NOT TAVREL_SHARED_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAVREL_SHARED_RUNTIME)

# Tests and anything else the build runs go through wine; test discovery waits for ctest, so
# building never starts wine.
find_program(TAVREL_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVREL_WINE})
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
