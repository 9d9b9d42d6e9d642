# The text table: every user-visible text, from the language files.
add_library(zelvin_ui_strings STATIC uistr.cpp)
target_link_libraries(zelvin_ui_strings PUBLIC zelvin_core)

zelvin_add_test(NAME ui_strings_tests
  SOURCES uistr_test.cpp
  LIBS zelvin_ui_strings)
if(WIN32)
  # The Windows test reads the language files from beside its executable.
  file(GLOB ui_language_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/Languages/*.ini)
  foreach(f ${ui_language_files})
    get_filename_component(name ${f} NAME)
    configure_file(${f} ${CMAKE_CURRENT_BINARY_DIR}/Languages/${name} COPYONLY)
  endforeach()
endif()
