#include "app/start_program.h"

int main() { return start_program(); }
