# The configuration sheet with its help file, the placeholder pages, and the
# adapter selection dialog.
add_library(zelvin_adapter_select STATIC adapter_select_dlg.cpp)
target_link_libraries(zelvin_adapter_select PUBLIC zelvin_toolkit zelvin_ui_controls)

add_library(zelvin_config_sheet STATIC nv_prop_sheet.cpp nv_prop_sheet_help.cpp placeholder_page.cpp)
target_link_libraries(zelvin_config_sheet PUBLIC zelvin_toolkit zelvin_ui_strings zelvin_event_log_page zelvin_core)

zelvin_add_test(NAME ui_sheet_tests
  SOURCES adapter_select_dlg_test.cpp nv_prop_sheet_help_test.cpp nv_prop_sheet_test.cpp
  LIBS zelvin_adapter_select zelvin_config_sheet zelvin_toolkit_memory)

# On real windows under Wine, with screenshots for a person to look at.
if(WIN32)
  zelvin_add_test(NAME ui_sheet_win32_tests
    SOURCES win32/sheet_win32_test.cpp ${CMAKE_SOURCE_DIR}/toolkit/win32/screenshot.cpp ${CMAKE_SOURCE_DIR}/resources/zelvin_manifest.rc
    LIBS zelvin_adapter_select zelvin_config_sheet zelvin_toolkit_win32
    LABELS gui)
  target_compile_definitions(ui_sheet_win32_tests PRIVATE ZELVIN_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
endif()
