# Run by `cmake --install`: writes the desktop entry with the installed
# program's full path in Exec, so the menu starts it whatever the prefix and
# whether or not the prefix's bin/ is on the desktop session's PATH.
# Expects YZ_DESKTOP_IN, YZ_DESKTOP_OUT and YZ_BINDIR.
cmake_path(ABSOLUTE_PATH YZ_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE OUTPUT_VARIABLE bindir)
set(program "${bindir}/yanzhou-search")
# A path with characters the Exec key reserves goes in double quotes, with
# the characters that stay special inside them escaped; "%" is doubled, and
# each backslash doubled again because the key's value is itself escaped.
if(program MATCHES "^[A-Za-z0-9/._+-]+$")
  set(YZ_EXEC "${program}")
else()
  string(REPLACE "\\" "\\\\\\\\" quoted "${program}")
  string(REPLACE "\"" "\\\\\"" quoted "${quoted}")
  string(REPLACE "`" "\\\\`" quoted "${quoted}")
  string(REPLACE "$" "\\\\$" quoted "${quoted}")
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(YZ_EXEC "\"${quoted}\"")
endif()
configure_file("${YZ_DESKTOP_IN}" "${YZ_DESKTOP_OUT}" @ONLY)
