// What the reader's catalogue costs a start: reading, judging and putting in
// force the file beside the program (load_reader_catalogue), without a file
// and with one of 100 engines, medians of many runs in one process. The
// interleaved start-up bench (before_after.py --beside-new) sees the same
// cost in the whole start, where it drowns in the start's own spread.
//
//     catalogue-bench CATALOGUE_FILE
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "search/engines.h"
#include "search/reader_catalogue.h"
#include "tests/support/platform_stand_in.h"

namespace {

using Clock = std::chrono::steady_clock;

double median_us_of_loads(int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        search::load_reader_catalogue();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: catalogue-bench CATALOGUE_FILE\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("yz-catalogue-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
    fs::create_directories(folder);
    PlatformStandIn outside;
    outside.run_directory = folder.string();
    const int runs = 201;
    const double without = median_us_of_loads(runs);
    fs::copy_file(argv[1], folder / fs::path(u8"搜索器自定义站点.ini"));
    const double with = median_us_of_loads(runs);
    std::printf("catalogue at start: no file %.1f us, %zu engines listed from the file %.1f us (medians of %d)\n",
                without, search::listed_engines().size(), with, runs);
    fs::remove_all(folder);
    return 0;
}
