# Shared build rules: warnings, the Windows runtime, tests and the stage folder.

set(ZELVIN_STAGE_DIR ${CMAKE_BINARY_DIR}/stage)

if(MSVC)
  add_compile_options(/W4 /WX /utf-8 /permissive-)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
else()
  add_compile_options(-Wall -Wextra -Werror -Wno-unused-parameter)
endif()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  if(MINGW)
    # One self-contained executable per target: no libstdc++/libgcc/winpthread DLLs to ship.
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
endif()

option(ZELVIN_SANITIZE "Build with AddressSanitizer and UBSan" OFF)
if(ZELVIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

macro(zelvin_find_gtest)
  if(CMAKE_CROSSCOMPILING)
    # No packaged GoogleTest for MinGW: build Debian's shipped sources for the target.
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Its CMake files define the GTest:: aliases themselves.
  else()
    find_package(GTest REQUIRED)
  endif()
endmacro()

# zelvin_add_test(NAME name SOURCES ... LIBS ... [LABELS ...])
# One GoogleTest executable; natively it runs as is, for Windows targets ctest
# runs it through scripts/wine-run.sh (the cross-compiling emulator).
function(zelvin_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock zelvin_test_main)
  if(MINGW)
    target_link_options(${T_NAME} PRIVATE -municode)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABELS}"
    ENVIRONMENT "ZELVIN_TEST_TMP=${CMAKE_BINARY_DIR}/testtmp;ZELVIN_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZELVIN_STAGE_DIR=${ZELVIN_STAGE_DIR}")
endfunction()

# Copies a built target into the stage folder, laid out as an installation.
function(zelvin_stage target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZELVIN_STAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${ZELVIN_STAGE_DIR}/)
endfunction()

function(zelvin_stage_file source relative_dest)
  get_filename_component(dest_dir ${ZELVIN_STAGE_DIR}/${relative_dest} DIRECTORY)
  configure_file(${source} ${ZELVIN_STAGE_DIR}/${relative_dest} COPYONLY)
endfunction()
