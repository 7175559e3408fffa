# What keeps the tests quick to build from nothing. Most of a test file's
# compile time goes to the headers it shares with every other test file
# (GoogleTest, the standard library, the toolkit's), so:
# - each test executable compiles its files together, a few to a translation
#   unit (a unity build); a file that cannot share one with the others says
#   so with the source property SKIP_UNITY_BUILD_INCLUSION;
# - those headers are compiled once, into a precompiled header that every
#   test executable reuses.
# yz_test_headers(headers...) makes the header, after the test executables'
# usage requirements (YZ_TEST_USES: libraries, YZ_TEST_DEFINES: definitions);
# yz_quick_test(target) applies both to one test executable.

function(yz_test_headers)
  set(source ${CMAKE_BINARY_DIR}/yz_test_headers.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "")
  add_library(yz_test_headers OBJECT ${source})
  target_link_libraries(yz_test_headers PRIVATE ${YZ_TEST_USES})
  target_compile_definitions(yz_test_headers PRIVATE ${YZ_TEST_DEFINES})
  # Compiled as an executable's own files are, so that the header fits them.
  if(NOT WIN32)
    set_target_properties(yz_test_headers PROPERTIES POSITION_INDEPENDENT_CODE OFF)
    target_compile_options(yz_test_headers PRIVATE -fPIE)
  endif()
  target_precompile_headers(yz_test_headers PRIVATE ${ARGN})
  yz_cache_with_header(yz_test_headers)
endfunction()

# ccache caches what is compiled with a precompiled header only when told to
# take the header's definitions and time macros as they are.
function(yz_cache_with_header target)
  get_target_property(launcher ${target} CXX_COMPILER_LAUNCHER)
  if(launcher MATCHES "ccache")
    set_target_properties(${target} PROPERTIES CXX_COMPILER_LAUNCHER
      "${CMAKE_COMMAND};-E;env;CCACHE_SLOPPINESS=pch_defines,time_macros;${launcher}")
  endif()
endfunction()

function(yz_quick_test target)
  yz_cache_with_header(${target})
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
  target_precompile_headers(${target} REUSE_FROM yz_test_headers)
  # A header that no longer fits is an error, not a silent slow build. In a
  # unity build every file is an included one, so a test fixture in an
  # unnamed namespace is not the fault this warning looks for in headers.
  target_compile_options(${target} PRIVATE -Winvalid-pch -Wno-subobject-linkage)
endfunction()
