# Cross-compiles the Windows build with the x86_64 mingw-w64 compilers.
# The -posix thread model is required: with -win32, g++ 12 lacks std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILL_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
