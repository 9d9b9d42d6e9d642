# The event store filled by the watchdog, and the event log page over it.
add_library(zelvin_events STATIC
  ${CMAKE_CURRENT_LIST_DIR}/event_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_log_format.cpp)
target_link_libraries(zelvin_events PUBLIC zelvin_platform)

add_library(zelvin_event_log_page STATIC ${CMAKE_CURRENT_LIST_DIR}/event_log_page.cpp)
target_link_libraries(zelvin_event_log_page PUBLIC zelvin_events zelvin_toolkit zelvin_ui_strings)

zelvin_add_test(NAME event_log_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/event_store_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/event_log_format_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/event_log_page_test.cpp
  LIBS zelvin_event_log_page zelvin_toolkit_memory)
