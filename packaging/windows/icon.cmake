# Included by the top level, beside the program's target.
# The program file's own icon, which Explorer and the taskbar show before a
# window exists: the 48 px icon the windows show, and 32 and 16 px resampled.
find_program(YZ_IMAGEMAGICK convert PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(icon_source ${CMAKE_SOURCE_DIR}/assets/pictures/app_icon.bmp)
set(icon ${CMAKE_BINARY_DIR}/packaging/windows/yanzhou-search.ico)
add_custom_command(OUTPUT ${icon}
  COMMAND ${YZ_IMAGEMAGICK} ${icon_source} -define icon:auto-resize=48,32,16 ${icon}
  DEPENDS ${icon_source} VERBATIM)
set(resources ${CMAKE_BINARY_DIR}/packaging/windows/yanzhou-search.rc)
file(WRITE ${resources} "1 ICON \"${icon}\"\n")
set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS ${icon})
target_sources(yanzhou-search PRIVATE ${resources})
