// ToInteger and ToText with their tables.
#include <cstdint>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/to_integer.h"

namespace {

struct IntegerCase {
    Text text;
    std::int32_t expected;
};

TEST(ToInteger, TableOfCases) {
    const IntegerCase cases[] = {
        {"１２３", 123},  // full-width digits
        {" -42abc", -42},
        {"abc", 0},
        {"", 0},
        {"+7", 7},
        {"36", 36},
        {"007", 7},
        {"－５", -5},  // full-width minus and digit
        {"＋８", 8},
        {"\xA1\xA1\xA1\xA1"
         "9",
         9},  // ideographic spaces are white space
        {"\t\n\v\f\r 12", 12},
        {"1 2", 1},
        {"- 5", 0},  // the sign must touch the digits
        {"--5", 0},
        {"+-5", 0},
        {"5-", 5},
        {"１2３", 123},
        {"皮肤6", 0},
        {"２１４７４８３６４７", 2147483647},
        {"2147483648", -2147483647 - 1},  // wraps around
        {"-2147483648", -2147483647 - 1},
        {"4294967297", 1},
        {"99999999999999999999", 1661992959},
        {"\xA1\xAB"
         "1",
         0},          // full-width tilde folds to "~", not a digit
        {"\xA3", 0},  // a lone lead byte at the end
        {"\xA3\xB1\xA3", 1},
        {"\xB0\xA1"
         "1",
         0},  // any other character stops the number
    };
    for (const IntegerCase& c : cases) EXPECT_EQ(ToInteger(c.text), c.expected) << c.text;
}

TEST(ToInteger, FullWidthFoldingWalksByCharacters) {
    // 0xA3 inside another character (as its trail byte) must not start a fold.
    EXPECT_EQ(fold_full_width("\xB0\xA3\xB1"), "\xB0\xA3\xB1");
    EXPECT_EQ(fold_full_width("\xA3\xC1\xA3\xE1\xA1\xAB\xA1\xEE\xA1\xEF\xA1\xA1"), "Aa~** ");
    EXPECT_EQ(fold_full_width("\xA3\xFE\xA3\xA0"), "~\xA3\xA0");  // 0xA3A0 is outside the range
}

struct DateCase {
    DateTime when;
    Text expected;
};

TEST(ToText, DateTimeEndsAtTheSmallestUnitThatIsNotZero) {
    const DateCase cases[] = {
        {{2013, 3, 30, 16, 32, 10}, "2013年3月30日16时32分10秒"}, {{2013, 3, 30, 16, 32, 0}, "2013年3月30日16时32分"},
        {{2013, 3, 30, 16, 0, 0}, "2013年3月30日16时"},           {{2013, 3, 30, 0, 0, 0}, "2013年3月30日"},
        {{2013, 3, 30, 0, 0, 7}, "2013年3月30日0时0分7秒"},       {{2024, 12, 1, 0, 5, 0}, "2024年12月1日0时5分"},
        {{2024, 1, 9, 9, 0, 1}, "2024年1月9日9时0分1秒"},
    };
    for (const DateCase& c : cases) EXPECT_EQ(ToText(c.when), c.expected) << c.expected;
}

}  // namespace
