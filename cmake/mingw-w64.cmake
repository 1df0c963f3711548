# Cross-builds Decalia for 64-bit Windows with Debian's mingw-w64 toolchain
# (the posix thread model, which std::thread needs). Programs built here run
# under Wine through scripts/wine-run, so ctest and build steps can start them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DECALIA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DECALIA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DECALIA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DECALIA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DECALIA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

# At -O3 GCC 12 warns falsely inside the mingw libstdc++ (-Wnull-dereference,
# -Wrestrict); -O2 builds the same program without them.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the Release build")
