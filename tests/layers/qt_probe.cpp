// Compiled with one layer's include directories; it must fail to compile.
#include <QString>
