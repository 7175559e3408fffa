#!/usr/bin/env bash
# Checks that the files below are exactly as clang-format writes them with the
# project's .clang-format. The tree as a whole is not reformatted: a file joins
# the list once it conforms (clang-format -i FILE), so that the check never
# fails on a file someone edits without knowing of it.
set -euo pipefail
cd "$(dirname "$0")/.."
files=(
  app/form_model_host.cpp
  app/main_window_wiring.cpp
  app/platform/browser_address.cpp
  app/platform/browser_address.h
  app/platform/windows/browser_launcher.cpp
  app/platform/windows/code_page.cpp
  app/platform/temporary_names.cpp
  app/platform/temporary_names.h
  app/platform/windows/file_replace.cpp
  app/platform/windows/files.cpp
  app/platform/windows/files.h
  app/platform/windows/library_image.cpp
  app/platform/windows/library_image.h
  app/platform/windows/new_file.cpp
  app/platform/windows/wide_path.cpp
  app/platform/windows/wide_path.h
  app/platform/windows/windows_platform.cpp
  app/start_program.cpp
  app/start_program.h
  app/welcome_window_wiring.cpp
  app/wiring.h
  bench/bare_window_win32.cpp
  directory/links.cpp
  directory/links.h
  directory/sites.h
  forms/animation.cpp
  forms/animation.h
  forms/host_hooks.h
  forms/parts_made.cpp
  forms/parts_made.h
  forms/presentation.cpp
  forms/presentation.h
  forms/wiring.h
  skins/catalogue.cpp
  skins/engine/own_colours.h
  skins/named_skins.h
  skins/skin_choice.cpp
  tests/e2e/windows_start_test.cpp
  tests/layouts/layout_lookup.h
  tests/platform/windows_platform_test.cpp
  tests/support/form_access.h
  tools/form_shots.cpp
)
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files as clang-format writes them"
