# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
#         -DKEPLUND_WITH_QT=OFF -DKEPLUND_WITH_HIDAPI=OFF -DKEPLUND_BUILD_TESTS=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEPLUND_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model gives the standard library its threads and mutexes.
set(CMAKE_C_COMPILER ${KEPLUND_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEPLUND_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KEPLUND_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KEPLUND_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that runs without the compiler's runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
