# The custom input controls: the rules portable, the hooks in the toolkit's
# backends.
add_library(zelvin_ui_controls STATIC smart_edit.cpp combo_resize_width.cpp combo_box_super.cpp)
target_link_libraries(zelvin_ui_controls PUBLIC zelvin_toolkit)

zelvin_add_test(NAME ui_controls_tests
  SOURCES controls_test.cpp
  LIBS zelvin_ui_controls zelvin_toolkit_memory)

if(WIN32)
  enable_language(RC)
  zelvin_add_test(NAME ui_controls_win32_tests
    SOURCES controls_win32_test.cpp ${CMAKE_SOURCE_DIR}/resources/zelvin_manifest.rc
    LIBS zelvin_ui_controls zelvin_toolkit_win32)
endif()
