// ToText and ByteSetLength: the conversions of the host that need no outside world.
#include <cstdio>

#include "host/host.h"

Text ToText(const DateTime& when) {
    char buffer[128];
    int n = std::snprintf(buffer, sizeof buffer, "%d年%d月%d日", when.year, when.month, when.day);
    Text out(buffer, static_cast<size_t>(n));
    // The time part ends at its smallest unit that is not 0.
    if (when.second != 0)
        n = std::snprintf(buffer, sizeof buffer, "%d时%d分%d秒", when.hour, when.minute, when.second);
    else if (when.minute != 0)
        n = std::snprintf(buffer, sizeof buffer, "%d时%d分", when.hour, when.minute);
    else if (when.hour != 0)
        n = std::snprintf(buffer, sizeof buffer, "%d时", when.hour);
    else
        n = 0;
    out.append(buffer, static_cast<size_t>(n));
    return out;
}

std::int32_t ByteSetLength(ByteSet bytes) { return static_cast<std::int32_t>(bytes.size()); }
