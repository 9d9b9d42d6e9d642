# The event store filled by the watchdog, and the event log page over it.
add_library(zelvin_events STATIC
  ${CMAKE_CURRENT_LIST_DIR}/event_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_log_format.cpp)
target_link_libraries(zelvin_events PUBLIC zelvin_platform)

zelvin_add_test(NAME event_log_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/event_store_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/event_log_format_test.cpp
  LIBS zelvin_events)
