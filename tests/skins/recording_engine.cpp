// A stand-in for the skin engine that remembers every call, for tests that
// check what the program hands the engine. The test reaches the record through
// the same loaded library (the handle the platform gave), then the functions below.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Call {
    const unsigned char* address;
    bool data_was_null;
    int size;
    std::vector<unsigned char> bytes;  // copied: the caller frees its own right after
    std::string password;
    int numbers[3];
    std::string watched;  // the watched file's content at the moment of the call
};
std::vector<Call> calls;
std::string watched_path;

std::string watched_content() {
    std::ifstream in(watched_path, std::ios::binary);
    if (!in) return "(missing)";
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

#define EXPORTED extern "C" __attribute__((visibility("default")))

EXPORTED int SkinH_AttachRes(const unsigned char* data, int size, const char* password, int a, int b, int c) {
    Call call{data,
              data == nullptr,
              size,
              {},
              password ? password : "(null)",
              {a, b, c},
              watched_path.empty() ? "" : watched_content()};
    if (data != nullptr && size > 0) call.bytes.assign(data, data + size);
    calls.push_back(call);
    return 1;
}

// A file whose content each call writes down, to tell what happened before
// the engine was called and what after.
EXPORTED void watch_file(const char* path) { watched_path = path; }
EXPORTED const char* recorded_watched(int i) { return calls.at(std::size_t(i)).watched.c_str(); }
EXPORTED int recorded_calls() { return int(calls.size()); }
EXPORTED void forget_calls() { calls.clear(); }
EXPORTED bool recorded_null(int i) { return calls.at(std::size_t(i)).data_was_null; }
EXPORTED const unsigned char* recorded_address(int i) { return calls.at(std::size_t(i)).address; }
EXPORTED int recorded_size(int i) { return calls.at(std::size_t(i)).size; }
EXPORTED const unsigned char* recorded_bytes(int i) { return calls.at(std::size_t(i)).bytes.data(); }
EXPORTED int recorded_byte_count(int i) { return int(calls.at(std::size_t(i)).bytes.size()); }
EXPORTED const char* recorded_password(int i) { return calls.at(std::size_t(i)).password.c_str(); }
EXPORTED int recorded_number(int i, int which) { return calls.at(std::size_t(i)).numbers[which]; }
