#pragma once
// Window flow: the handlers of the two windows that belong to no other part
// of the program.
void on_welcome_created();
void advance_welcome_progress();
void enter_main_window();
void on_main_created();
void place_main_window();
void update_clock();
void end_program_on_main_destroyed();
