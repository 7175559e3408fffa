#include "app/window_flow.h"

int main() { return start_program(); }
