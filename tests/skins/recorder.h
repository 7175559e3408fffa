#pragma once
// Reading the record of the stand-in engine (recording_engine.cpp) once the
// program has loaded it: given the handle the platform returned (the
// RecordingPlatform keeps it), these functions read what it wrote down.
#include <dlfcn.h>

#include <string>

// The record kept by tests/skins/recording_engine.cpp.
struct Recorder {
    void* library = nullptr;
    template <class F>
    F get(const char* name) const {
        return reinterpret_cast<F>(dlsym(library, name));
    }
    int calls() const { return get<int (*)()>("recorded_calls")(); }
    void forget() const { get<void (*)()>("forget_calls")(); }
    bool null(int i) const { return get<bool (*)(int)>("recorded_null")(i); }
    const unsigned char* address(int i) const { return get<const unsigned char* (*)(int)>("recorded_address")(i); }
    int size(int i) const { return get<int (*)(int)>("recorded_size")(i); }
    std::string bytes(int i) const {
        auto data = get<const unsigned char* (*)(int)>("recorded_bytes")(i);
        return {reinterpret_cast<const char*>(data), std::size_t(get<int (*)(int)>("recorded_byte_count")(i))};
    }
    std::string password(int i) const { return get<const char* (*)(int)>("recorded_password")(i); }
    int number(int i, int which) const { return get<int (*)(int, int)>("recorded_number")(i, which); }
    void watch(const std::string& path) const { get<void (*)(const char*)>("watch_file")(path.c_str()); }
    std::string watched(int i) const { return get<const char* (*)(int)>("recorded_watched")(i); }
};
