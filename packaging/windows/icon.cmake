# Included by the top level, beside the program's target.
# The program file's own icon, which Explorer and the taskbar show before a
# window exists: drawn by tools/make_pictures.py at 16, 20, 24, 32, 40, 48, 64
# and 256 pixels, so that each view and each scale from 100 to 200 % finds
# one of its own size.
set(icon ${CMAKE_SOURCE_DIR}/assets/pictures/app_icon.ico)
set(resources ${CMAKE_BINARY_DIR}/packaging/windows/yanzhou-search.rc)
file(WRITE ${resources} "1 ICON \"${icon}\"\n")
set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS ${icon})
target_sources(yanzhou-search PRIVATE ${resources})
