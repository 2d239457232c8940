# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the -posix
# compilers, whose C++ runtime has std::thread). Used for Qt itself and for
# this project; ZAV_WINDOWS_QT names the Qt built by scripts/windows-qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(DEFINED ENV{ZAV_WINDOWS_QT})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{ZAV_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH $ENV{ZAV_WINDOWS_QT})
    # moc, rcc and uic run here: Debian's, of the same Qt version. So do
    # lupdate and lrelease: Qt6Config looks for every Qt6*Tools package (here
    # LinguistTools, which the Windows Qt does not have) under QT_HOST_PATH.
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
