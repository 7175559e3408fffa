#pragma once
// The real skin engine, loaded from the build the way the program loads it,
// into a test process with one QApplication.
#include <dlfcn.h>

#include <QApplication>
#include <QString>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skins/catalogue.h"

using AttachRes = int (*)(const unsigned char*, int, const char*, int, int, int);

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "skin_engine_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

inline AttachRes engine() {
    static AttachRes attach = [] {
        void* library = dlopen(YZ_BINARY_DIR "/lib/SkinH_EL.dll", RTLD_NOW | RTLD_LOCAL);
        return library ? reinterpret_cast<AttachRes>(dlsym(library, "SkinH_AttachRes")) : nullptr;
    }();
    return attach;
}

inline std::vector<std::uint8_t> skin_copy(int number) {
    const ByteSet bytes = catalogue_skin(number);
    return {bytes.begin(), bytes.end()};
}

// Attaches a catalogue skin as the program does: from a copy freed at once.
inline int attach_skin(int number) {
    std::vector<std::uint8_t> copy = skin_copy(number);
    return engine()(copy.data(), int(copy.size()), "", 0, 0, 0);
}

class SkinEngine : public testing::Test {
protected:
    void SetUp() override {
        application();
        ASSERT_NE(engine(), nullptr) << dlerror();
    }
};
