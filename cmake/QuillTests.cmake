include(GoogleTest)

# GoogleTest is built from Debian's sources once per toolchain.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main gmock gmock_main)
  if(TARGET ${t})
    target_compile_options(${t} PRIVATE -w)
  endif()
endforeach()

if(WIN32)
  # Windows test programs run under Wine in a private prefix of this build folder: the x86_64
  # build under 64-bit Wine (label wine), the i686 build under 32-bit Wine emulated by qemu-i386
  # in a 64-bit prefix (label wine32, slower, so with longer timeouts).
  set(QUILL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(QUILL_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/harness/wine-run ${QUILL_WINEPREFIX})
    set(QUILL_WINE_LABEL wine)
    set(QUILL_WINE_TIMEOUT 120)
  else()
    set(QUILL_WINE32 "${CMAKE_BINARY_DIR}/../wine32" CACHE PATH "The 32-bit Wine runner that tests/harness/wine32-prepare makes")
    set(QUILL_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/harness/wine32-run ${QUILL_WINE32} ${QUILL_WINEPREFIX})
    set(QUILL_WINE_LABEL wine32)
    set(QUILL_WINE_TIMEOUT 240)
  endif()
endif()

# quill_native_test(name sources...): pure-logic tests, run natively under the sanitizers.
function(quill_native_test name)
  if(WIN32)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quill_pure gtest_main gmock)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS native TIMEOUT 60)
endfunction()

# quill_wine_test(name [WITHOUT_HEAP_CHECK] sources...): tests of the Win32 shell, run under
# Wine on Xvfb. Each test starts without the program's registry key and with a fresh scratch
# folder. WITHOUT_HEAP_CHECK runs them without Wine's heap checking, for tests whose every run
# would otherwise take minutes (see where it is used).
function(quill_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(Q "WITHOUT_HEAP_CHECK" "" "" ${ARGN})
  set(environment "")
  if(Q_WITHOUT_HEAP_CHECK)
    set(environment ENVIRONMENT QUILL_WINEDEBUG=-all)
  endif()
  add_executable(${name} ${Q_UNPARSED_ARGUMENTS} $<TARGET_OBJECTS:quill_resources>)
  target_link_libraries(${name} PRIVATE quill_testkit quill_win gmock)
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${QUILL_WINE_RUN}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${QUILL_WINE_TIMEOUT}
    PROPERTIES LABELS ${QUILL_WINE_LABEL} TIMEOUT ${QUILL_WINE_TIMEOUT} RUN_SERIAL ON
    ${environment})
endfunction()
