#!/usr/bin/env bash
# Checks that the files below are exactly as clang-format writes them with the
# project's .clang-format. The tree as a whole is not reformatted: a file joins
# the list once it conforms (clang-format -i FILE), so that the check never
# fails on a file someone edits without knowing of it.
set -euo pipefail
cd "$(dirname "$0")/.."
files=(
  app/form_model_host.cpp
  app/start_program.cpp
  app/start_program.h
  bench/bare_window_win32.cpp
  forms/accessibility.cpp
  forms/accessibility.h
  forms/animation.cpp
  forms/animation.h
  forms/host_hooks.h
  forms/parts_made.cpp
  forms/parts_made.h
  forms/presentation.cpp
  forms/presentation.h
  forms/wiring.h
  host/documents.cpp
  host/documents.h
  host/new_file.cpp
  host/new_file.h
  host/settings.cpp
  host/settings.h
  main_window/content.h
  main_window/flow.cpp
  main_window/flow.h
  main_window/wiring.cpp
  main_window/wiring.h
  platform/browser_address.cpp
  platform/browser_address.h
  platform/percent_encoding.h
  platform/launch_worker.cpp
  platform/launch_worker.h
  platform/linux/browser_launcher.cpp
  platform/linux/bounded_lock.cpp
  platform/linux/bounded_lock.h
  platform/temporary_names.cpp
  platform/temporary_names.h
  platform/windows/browser_launcher.cpp
  platform/windows/carried_library.cpp
  platform/windows/code_page.cpp
  platform/windows/document_opener.cpp
  platform/windows/document_opener.h
  platform/windows/file_replace.cpp
  platform/windows/files.cpp
  platform/windows/files.h
  platform/windows/library_image.cpp
  platform/windows/library_image.h
  platform/windows/new_file.cpp
  platform/windows/wide_path.cpp
  platform/windows/wide_path.h
  platform/windows/windows_platform.cpp
  search/catalogue_lines.cpp
  search/catalogue_lines.h
  search/catalogue_menu.cpp
  search/catalogue_template.cpp
  search/history.cpp
  search/name_encoding.cpp
  search/name_encoding.h
  search/reader_catalogue.cpp
  search/reader_catalogue.h
  search/run_search.cpp
  search/search.h
  search/search_caption.cpp
  sites/books.h
  sites/links.cpp
  sites/links.h
  sites/sites.cpp
  sites/sites.h
  skins/catalogue.cpp
  skins/deploy_skin_engine.cpp
  skins/engine/own_colours.h
  skins/named_skins.h
  skins/skin_choice.cpp
  skins/skins.h
  tests/app/launch_worker_test.cpp
  tests/e2e/windows_start_test.cpp
  tests/layouts/layout_lookup.h
  tests/platform/windows_platform_test.cpp
  tests/support/form_access.h
  tools/form_shots.cpp
  welcome_window/flow.cpp
  welcome_window/flow.h
  welcome_window/wiring.cpp
  welcome_window/wiring.h
)
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files as clang-format writes them"
