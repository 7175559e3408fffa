# The tests of the Windows build, run under wine by ctest (the toolchain sets
# wine as the emulator; tools/wine-env.sh keeps one wine server for the run).
# One ctest test per executable: every start of a program under wine costs
# more than most of its cases.
include(${CMAKE_CURRENT_LIST_DIR}/conformance.cmake)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Built quickly (cmake/quick_tests.cmake).
set(YZ_TEST_USES yanzhou GTest::gtest)
set(YZ_TEST_DEFINES YZ_SOURCE_DIR="${CMAKE_SOURCE_DIR}" YZ_BINARY_DIR="${CMAKE_BINARY_DIR}")
include(${CMAKE_SOURCE_DIR}/cmake/quick_tests.cmake)
yz_test_headers(<windows.h> <gtest/gtest.h> <algorithm> <filesystem> <fstream> <map> <optional> <string> <vector>)

function(yz_windows_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ${YZ_TEST_USES} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ${YZ_TEST_DEFINES})
  yz_quick_test(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120
    ENVIRONMENT "YZ_CONFORMANCE=${yz_conformance}")
endfunction()

set(t ${CMAKE_CURRENT_LIST_DIR})
# Helpers of the same name as another file's: each compiled alone.
set_source_files_properties(${t}/pictures/bmp_suite_test.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
yz_windows_test(pictures_tests
  ${t}/pictures/image_test_support.cpp ${t}/pictures/reference_wic.cpp
  ${t}/pictures/gif_writer.cpp ${t}/pictures/gif_decoder_test.cpp ${t}/pictures/gif_suite_test.cpp
  ${t}/pictures/bmp_writer.cpp ${t}/pictures/bmp_decoder_test.cpp ${t}/pictures/bmp_suite_test.cpp
  ${t}/pictures/picture_sniff_test.cpp)
target_link_libraries(pictures_tests PRIVATE windowscodecs ole32)
yz_windows_test(assets_tests
  ${t}/assets/picture_formats_test.cpp ${t}/assets/picture_headers.cpp ${t}/assets/picture_decoding_test.cpp)
# The core's tests that need no Linux: one executable, since each start under
# wine costs more than their cases.
yz_windows_test(core_tests ${t}/host/conversions_test.cpp ${t}/platform/text_conversion_test.cpp
  ${t}/platform/launch_worker_test.cpp ${t}/search/catalogue_test.cpp)
yz_windows_test(skin_format_tests
  ${t}/skins/she_reader_test.cpp ${t}/skins/catalogue_test.cpp ${CMAKE_SOURCE_DIR}/skins/engine/she_reader.cpp)

# The engine as the program uses it: loaded from beside the test, attached,
# and seen in the colours the test's own windows paint.
yz_windows_test(skin_engine_tests
  ${t}/skins/skin_engine_windows_test.cpp ${CMAKE_SOURCE_DIR}/skins/engine/she_reader.cpp)
target_link_libraries(skin_engine_tests PRIVATE comctl32 gdi32 user32)
add_dependencies(skin_engine_tests SkinH_EL)

# Every built file imports only DLLs that every Windows has, and the engine
# exports exactly its entry point.
add_test(NAME windows_imports COMMAND ${CMAKE_COMMAND}
  -DOBJDUMP=${CMAKE_OBJDUMP} -DDIRECTORY=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  -P ${t}/pe_check.cmake)

# The form model shown with real Win32 controls: the Qt view's test windows,
# driven with messages and keyboard input and looked at pixel by pixel.
yz_windows_test(forms_win32_tests ${t}/forms/win32_view_test.cpp ${t}/forms/test_windows.cpp)
target_link_libraries(forms_win32_tests PRIVATE oleaut32)

# The main window at 120, 144 and 192 dpi and in a Windows 10 frame at 96
# (the plain 96 run is ctest's own): each run on a wine server of its own,
# so alone.
yz_windows_test(windows_scale_tests ${t}/forms/win32_scale_test.cpp)
add_test(NAME windows_scales COMMAND /bin/bash ${t}/forms/scales.sh $<TARGET_FILE:windows_scale_tests>)
set_tests_properties(windows_scales PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)

# The Windows platform on real files, its run directory and libraries, and
# where the settings file goes.
yz_windows_test(windows_platform_tests ${t}/platform/windows_platform_test.cpp ${t}/host/settings_place_test.cpp)
add_dependencies(windows_platform_tests SkinH_EL)

# The program itself, started alone in a fresh folder.
yz_windows_test(windows_start_tests ${t}/e2e/windows_start_test.cpp)
add_dependencies(windows_start_tests yanzhou-search)
# Both give windows the keyboard focus on the one display and check where it
# went: alone, so that another test's window never takes it in between.
set_tests_properties(forms_win32_tests windows_start_tests PROPERTIES RUN_SERIAL TRUE)

# The real program under wine, driven as on Linux (tests/e2e): alone, since
# it clicks on the display the other tests draw on.
add_test(NAME e2e_program_windows COMMAND /usr/bin/python3 ${t}/e2e/test_program.py)
set_tests_properties(e2e_program_windows PROPERTIES
  ENVIRONMENT "YZ_BINARY=$<TARGET_FILE:yanzhou-search>"
  LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE)
