// Checked as if it were a file of the search: a feature that includes a
// window's control names breaks the layers, and the check must say so.
#include <QString>
#include "main_window/controls.h"
