# Compile settings every target of ours links to (but not third-party code).
#
# Narrow string literals are compiled to code page 936: the program speaks to
# the system through the ANSI ("A") functions, and its texts are those bytes.
add_library(tessaly_options INTERFACE)
target_compile_options(tessaly_options INTERFACE
  -Wall -Wextra -Werror
  -finput-charset=UTF-8 -fexec-charset=CP936)
target_include_directories(tessaly_options INTERFACE ${CMAKE_SOURCE_DIR})
if(WIN32)
  # ANSI entry points and APIs; no UNICODE macros.
  target_compile_definitions(tessaly_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
