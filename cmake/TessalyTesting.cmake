# GoogleTest for both builds, and how test programs are registered.
#
# The native build uses Debian's prebuilt libraries. The Windows build compiles
# GoogleTest from Debian's sources with the cross compiler, and CTest runs each
# test program under Wine through scripts/wine-run.sh (a private prefix in the
# build folder, code page 936, a virtual display when none is given).
if(CMAKE_CROSSCOMPILING)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh;--prefix=${CMAKE_BINARY_DIR}/wineprefix")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# One test program. Natively each test case is a CTest test of its own; under
# Wine the program runs as one test, since every start of Wine costs time.
function(tessaly_add_gtest target)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE tessaly_options GTest::gtest GTest::gtest_main ${ARG_LIBS})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
  else()
    gtest_discover_tests(${target} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
  endif()
endfunction()
