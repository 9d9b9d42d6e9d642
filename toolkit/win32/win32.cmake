# The Win32 backend of the toolkit and its tests under Wine.
enable_language(RC)

add_library(zelvin_toolkit_win32 STATIC
  win32/win32_backend.cpp
  win32/win32_control.cpp
  win32/win32_sites.cpp
  win32/win32_template.cpp)
target_link_libraries(zelvin_toolkit_win32 PUBLIC zelvin_toolkit comctl32)

# Common controls 6 and per-monitor DPI awareness, as the program has them.
set(ZELVIN_MANIFEST_RC ${CMAKE_SOURCE_DIR}/resources/zelvin_manifest.rc)

zelvin_add_test(NAME toolkit_win32_tests
  SOURCES win32/win32_sample_test.cpp win32/screenshot.cpp ${ZELVIN_MANIFEST_RC}
  LIBS zelvin_toolkit_win32 zelvin_toolkit_sample)
target_compile_definitions(toolkit_win32_tests PRIVATE
  ZELVIN_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
