# Included from ui/CMakeLists.txt.
# The main window: its controls, the operations on them, its handlers and
# the message pump.
add_library(tessaly_ui STATIC
  char_format.cpp
  clipboard_text.cpp
  controls.cpp
  generate_action.cpp
  main_window.cpp
  main_window_handlers.cpp
  message_pump.cpp
  plain_controls.cpp
  rich_text_box.cpp
  stream_chunks.cpp
  window_layout.cpp)
target_link_libraries(tessaly_ui PUBLIC tessaly_controls tessaly_generator)

# The program's icon, drawn at build time; programs that show the main
# window link the resource in (target_sources INTERFACE).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TESSALY_ICON ${CMAKE_CURRENT_BINARY_DIR}/tessaly.ico)
add_custom_command(OUTPUT ${TESSALY_ICON}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/icon/make_icon.py ${TESSALY_ICON}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/icon/make_icon.py)
add_custom_target(tessaly_icon DEPENDS ${TESSALY_ICON})
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/tessaly_icon.rc "1 ICON \"${TESSALY_ICON}\"\n")
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/tessaly_icon.rc PROPERTIES
  OBJECT_DEPENDS ${TESSALY_ICON})
add_library(tessaly_icon_resource OBJECT ${CMAKE_CURRENT_BINARY_DIR}/tessaly_icon.rc)
add_dependencies(tessaly_icon_resource tessaly_icon)
