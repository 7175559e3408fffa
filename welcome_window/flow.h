#pragma once
// The welcome window's own handlers: its start, its bar, the way on.
namespace welcome_window {

void on_welcome_created();
void advance_welcome_progress();
void enter_main_window();

}  // namespace welcome_window
