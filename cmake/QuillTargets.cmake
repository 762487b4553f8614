# The program is built from two libraries, filled by the folders under src/:
#   quill_pure  logic without <windows.h>; built natively too, where it is tested under the sanitizers;
#   quill_win   the Win32 shell over it (Windows builds only).
# quill_resources holds the compiled .rc; it is an object library so that every
# executable that shows a dialog (qmark.exe and the Wine tests) carries the templates itself.
add_library(quill_pure STATIC)
target_include_directories(quill_pure PUBLIC ${CMAKE_SOURCE_DIR}/src)

if(WIN32)
  add_library(quill_win STATIC)
  target_link_libraries(quill_win PUBLIC quill_pure
    comctl32 comdlg32 shell32 ole32 oleaut32 uuid advapi32 gdi32 user32 kernel32)
  add_library(quill_resources OBJECT)
  target_include_directories(quill_resources PRIVATE ${CMAKE_SOURCE_DIR}/src)
endif()

# quill_sources(PURE a.cpp ... WIN b.cpp ... RC c.rc) adds a folder's files to the libraries.
function(quill_sources)
  cmake_parse_arguments(Q "" "" "PURE;WIN;RC" ${ARGN})
  if(Q_PURE)
    target_sources(quill_pure PRIVATE ${Q_PURE})
  endif()
  if(WIN32 AND Q_WIN)
    target_sources(quill_win PRIVATE ${Q_WIN})
  endif()
  if(WIN32 AND Q_RC)
    target_sources(quill_resources PRIVATE ${Q_RC})
  endif()
endfunction()
