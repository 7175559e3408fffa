// Fuzzes ToInteger's rule: no undefined behaviour on any bytes, agreement
// with a plain 64-bit model of the wrap-around, and exact round trips of
// every 32-bit number written in ASCII or full-width digits.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/to_integer.h"

namespace {

std::int32_t model(const std::string& folded) {
    size_t i = 0;
    while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
    std::uint64_t value = 0;
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
        value = (value * 10 + static_cast<std::uint64_t>(folded[i] - '0')) % 4294967296u;
    if (negative) value = (4294967296u - value) % 4294967296u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string full_width(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        out += '\xA3';
        out += static_cast<char>(static_cast<unsigned char>(c) + 0x80);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::int32_t number = in.ConsumeIntegral<std::int32_t>();
    const std::string text = in.ConsumeRemainingBytesAsString();

    if (to_integer(text) != model(fold_full_width(text))) std::abort();
    if (to_integer(std::to_string(number)) != number) std::abort();
    if (to_integer(full_width(std::to_string(number))) != number) std::abort();
    if (to_integer(" \t+" + std::to_string(static_cast<std::int64_t>(number) & 0xFFFFFFFF) + "x" + text) != number)
        std::abort();
    return 0;
}
