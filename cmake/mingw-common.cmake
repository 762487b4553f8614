set(CMAKE_C_COMPILER ${QUILL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything links statically so that qmark.exe and the test programs need no DLL but Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
