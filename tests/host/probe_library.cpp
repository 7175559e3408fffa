// A small outside library for the tests of CallExternalLibrary. Two copies are
// built, differing only in PROBE_COPY, so a test can tell which one was loaded.
#include <cstdio>

extern "C" int yz_probe(int a, int b) { return PROBE_COPY * 1000 + a * 10 + b; }

// The shape of the skin engine's entry: bytes with their length, a text and
// three integers.
extern "C" int yz_probe_six(const unsigned char* bytes, int length, const char* text, int a, int b, int c) {
    int sum = 0;
    for (int i = 0; i < length; ++i) sum += bytes[i];
    int text_length = 0;
    while (text[text_length] != '\0') ++text_length;
    return sum * 1000000 + text_length * 10000 + a * 100 + b * 10 + c;
}

// Shows that EndProgram released the library: _exit runs no destructors, so
// this line appears only when the library was unloaded on purpose.
__attribute__((destructor)) static void unloaded() { std::fputs("probe library unloaded\n", stderr); }
