# Cross-building for 64-bit Windows with Debian's MinGW-w64. The -posix compilers carry the
# C++ thread model that std::mutex and GoogleTest need; everything is linked statically so the
# DLL and the test programs need no MinGW runtime beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLORA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
