// A second program that writes the settings file: `settings-writer FILE
// PREFIX COUNT` writes COUNT items PREFIX0.. PREFIX<COUNT-1>, each also
// overwriting the shared item "shared". Exit status 1 when a write failed.
#include <cstdlib>
#include <string>

#include "host/host.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const Text path = argv[1];
    const std::string prefix = argv[2];
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const Text key = prefix + std::to_string(i);
        if (!WriteSetting(path, "s", key, key + "-value")) return 1;
        if (!WriteSetting(path, "s", "shared", key)) return 1;
    }
    return 0;
}
