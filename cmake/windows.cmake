# The Windows build, cross-compiled with cmake/mingw-w64.cmake and tested
# under wine (tools/test-windows.sh). It holds what is already free of Qt and
# POSIX: the picture decoders (JPEG through WIC), the private-profile engine,
# the pure text helpers, the skin catalogue and the skin format reader, with
# their tests, and the skin engine's Windows half, SkinH_EL.dll. The view and
# the platform layer join when they have their Windows folders.
if(YZ_SANITIZE)
  message(FATAL_ERROR "The sanitizers are not available in the mingw-w64 build")
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

include(cmake/Embed.cmake)

# The Qt-free part of the program's library, under the Linux target's name
# so that folder lists add to it as they do there.
add_library(yanzhou STATIC)
target_include_directories(yanzhou PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

# Whole folders free of Qt and POSIX.
add_subdirectory(forms/image)
add_subdirectory(assets)
# Single files of folders that still mix in Qt or POSIX.
target_sources(yanzhou PRIVATE
  app/profile/profile.cpp
  app/to_integer.cpp
  app/wildcard.cpp
  app/conversions.cpp
  skins/catalogue.cpp
)

add_subdirectory(skins/engine/windows)

if(YZ_TESTS)
  enable_testing()
  include(tests/windows.cmake)
endif()
