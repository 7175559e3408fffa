# The Windows build, cross-compiled with cmake/mingw-w64.cmake and tested
# under wine (tools/test-windows.sh): the same layers as on Linux, with the
# Win32 view (forms/win32), the Windows platform (platform/windows), JPEG
# through WIC and the skin engine's Windows half.
if(YZ_SANITIZE)
  message(FATAL_ERROR "The sanitizers are not available in the mingw-w64 build")
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
