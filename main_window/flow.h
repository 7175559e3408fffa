#pragma once
// The main window's own handlers: its start, its place, its clock, its end.
namespace main_window {

void on_main_created();
void place_main_window();
void update_clock();
void end_program_on_main_destroyed();

}  // namespace main_window
