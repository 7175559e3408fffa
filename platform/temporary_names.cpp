#include "platform/temporary_names.h"

#include <charconv>

std::uint32_t writer_of_temporary(std::string_view name, std::string_view base, std::string_view tail) {
    const std::string_view head = ".";
    if (!name.starts_with(head) || !name.ends_with(tail)) return 0;
    name.remove_prefix(head.size());
    if (!name.starts_with(base) || name.size() <= base.size() || name[base.size()] != '.') return 0;
    name.remove_prefix(base.size() + 1);
    name.remove_suffix(tail.size());
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) return 0;
    const std::string_view pid = name.substr(0, dot), counter = name.substr(dot + 1);
    auto all_digits = [](std::string_view digits) {
        return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!all_digits(pid) || !all_digits(counter)) return 0;
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), number);
    if (error != std::errc() || end != pid.data() + pid.size()) return 0;
    return number;
}
