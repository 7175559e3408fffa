// A real shared library that a run directory may hold under the skin
// engine's file name, exporting everything but the entry the program needs.
extern "C" int SkinH_Attach() { return 0; }
extern "C" int SkinH_AttachEx(const char*, const char*) { return 0; }
