# CMake toolchain file: 64-bit Windows programs built on Debian with MinGW-w64 (GCC, posix thread
# model) against a static Qt cross-built for that target.
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows-x86_64.cmake \
#         -DWEATHER_QT_PREFIX=/path/to/qt-6.4.2-mingw64-static
# The Qt tools that run during the build (moc, rcc, uic, lupdate, lrelease) are the build
# machine's own Qt of the same version, found under QT_HOST_PATH (Debian: /usr).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(WEATHER_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${WEATHER_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WEATHER_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WEATHER_MINGW_TRIPLE}-windres)
set(CMAKE_AR /usr/bin/${WEATHER_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${WEATHER_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# try_compile projects see the toolchain file again, with only these variables.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WEATHER_QT_PREFIX WEATHER_QT_BOOTSTRAP)
set(CMAKE_FIND_ROOT_PATH /usr/${WEATHER_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# WEATHER_QT_BOOTSTRAP: building that Qt itself (scripts/build-windows.sh), with no Qt yet.
if(NOT WEATHER_QT_BOOTSTRAP)
    if(NOT WEATHER_QT_PREFIX AND DEFINED ENV{WEATHER_QT_PREFIX})
        set(WEATHER_QT_PREFIX "$ENV{WEATHER_QT_PREFIX}")
    endif()
    if(NOT WEATHER_QT_PREFIX OR NOT EXISTS "${WEATHER_QT_PREFIX}/lib/cmake/Qt6")
        message(FATAL_ERROR "Set WEATHER_QT_PREFIX to a Qt 6 built for ${WEATHER_MINGW_TRIPLE} "
                            "(scripts/build-windows.sh finds or builds one)")
    endif()
    set(ENV{WEATHER_QT_PREFIX} "${WEATHER_QT_PREFIX}")
    # Libraries and headers come from the Qt prefix and the MinGW sysroot only; programs from
    # the build machine. The prefix path is lib/cmake itself, since CMake re-roots it under
    # CMAKE_FIND_ROOT_PATH.
    list(PREPEND CMAKE_FIND_ROOT_PATH "${WEATHER_QT_PREFIX}")
    list(PREPEND CMAKE_PREFIX_PATH "${WEATHER_QT_PREFIX}/lib/cmake")
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# The whole C and C++ runtime (libgcc, libstdc++, winpthread) is linked in, so that the .exe
# needs no MinGW DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
