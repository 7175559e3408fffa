// Writing the skin engine beside the program.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "skins/skins.h"
#include "tests/skins/skin_test_support.h"

namespace {

TEST(DeploySkinEngine, WritesTheBuiltEngineHiddenIntoAnEmptyDirectory) {
    TempRunDirectory run;
    const std::string engine = built_engine();
    ASSERT_GT(engine.size(), 1000u);

    deploy_skin_engine();

    const std::string path = run.file("SkinH_EL.dll");
    EXPECT_EQ(file_bytes(path), engine);
    EXPECT_EQ(dos_attributes(path), "0x2");
    // Hidden only: not read-only.
    EXPECT_EQ(access(path.c_str(), W_OK), 0);
    EXPECT_NE(std::filesystem::status(path).permissions() & std::filesystem::perms::owner_write,
              std::filesystem::perms::none);
    // Nothing else is left in the directory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(run.path), {}), 1);
}

TEST(DeploySkinEngine, NeverTouchesWhatAlreadyCarriesTheName) {
    struct Case {
        const char* what;
        std::string content;
    };
    const Case cases[] = {
        {"an empty file", ""},
        {"a short file", "not an engine"},
        {"a longer file", std::string(200000, 'x')},
        {"the engine itself", built_engine()},
    };
    for (const auto& c : cases) {
        TempRunDirectory run;
        const std::string path = run.file("SkinH_EL.dll");
        write_file(path, c.content);
        deploy_skin_engine();
        deploy_skin_engine();
        EXPECT_EQ(file_bytes(path), c.content) << c.what;
        EXPECT_EQ(dos_attributes(path), "") << c.what;
    }
}

// A link left under a temporary-looking name, pointing anywhere, is never
// written through: the engine goes to a fresh file of its own.
TEST(DeploySkinEngine, ALinkUnderTheTemporaryNameIsNeverFollowed) {
    TempRunDirectory elsewhere, run;  // the later one is the run directory
    const std::string target = elsewhere.file("precious");
    write_file(target, "keep me");
    ASSERT_EQ(symlink(target.c_str(), run.file("SkinH_EL.dll.part").c_str()), 0);

    deploy_skin_engine();

    EXPECT_EQ(file_bytes(target), "keep me");
    EXPECT_TRUE(std::filesystem::is_symlink(run.file("SkinH_EL.dll.part")));
    EXPECT_FALSE(std::filesystem::is_symlink(run.file("SkinH_EL.dll")));
    EXPECT_TRUE(file_bytes(run.file("SkinH_EL.dll")) == built_engine());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(run.path), {}), 2);
}

// A first start killed before its rename leaves ".SkinH_EL.dll.PID.N.part";
// any later start removes it once its writer is gone, engine or no engine.
TEST(DeploySkinEngine, PartialFilesOfGoneWritersAreRemovedAtEveryStart) {
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string left = ".SkinH_EL.dll." + std::to_string(gone) + ".7.part";
    const std::string running = ".SkinH_EL.dll." + std::to_string(getpid()) + ".8.part";
    for (const bool engine_there : {false, true}) {
        TempRunDirectory run;
        if (engine_there) write_file(run.file("SkinH_EL.dll"), built_engine());
        write_file(run.file(left), "half");
        write_file(run.file(running), "half");
        deploy_skin_engine();
        EXPECT_FALSE(std::filesystem::exists(run.file(left))) << engine_there;
        EXPECT_TRUE(std::filesystem::exists(run.file(running))) << "a writer still at work keeps its file";
        EXPECT_EQ(file_bytes(run.file("SkinH_EL.dll")), built_engine());
    }
}

// A disk that fills up halfway through the write, made with a file size limit.
TEST(DeploySkinEngine, AWriteCutShortLeavesNoEngineBehind) {
    TempRunDirectory run;
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    deploy_skin_engine();

    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(std::filesystem::exists(run.file("SkinH_EL.dll")));
    EXPECT_TRUE(std::filesystem::is_empty(run.path)) << "a partial file was left behind";

    // Once there is room again, the next attempt writes the whole engine.
    deploy_skin_engine();
    EXPECT_EQ(file_bytes(run.file("SkinH_EL.dll")), built_engine());
}

}  // namespace
