// GBK <-> UTF-8 (and UTF-16) at the edge: the program's literals are GBK, so
// each case names the same text once as a GBK literal and once as UTF-8 bytes.
#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

struct Pair {
    const char* gbk;
    const char* utf8;
};

TEST(TextConversion, RoundTripsGbkAndUtf8) {
    const Pair cases[] = {
        {"", ""},
        {"abc 123", "abc 123"},
        {"皮肤", "\xE7\x9A\xAE\xE8\x82\xA4"},
        {"搜索器设置：", "\xE6\x90\x9C\xE7\xB4\xA2\xE5\x99\xA8\xE8\xAE\xBE\xE7\xBD\xAE\xEF\xBC\x9A"},
        {"\x80", "\xE2\x82\xAC"},      // code page 936 puts the euro sign at 0x80
        {"\xA1\xA1", "\xE3\x80\x80"},  // ideographic space
    };
    for (const Pair& c : cases) {
        EXPECT_EQ(to_utf8(c.gbk), c.utf8) << c.utf8;
        EXPECT_EQ(from_utf8(c.utf8), c.gbk) << c.utf8;
    }
}

TEST(TextConversion, CharacterGbkCannotHoldBecomesOneQuestionMark) {
    EXPECT_EQ(from_utf8("a\xF0\x9F\x98\x80"
                        "b"),
              "a?b");                                                 // emoji, 4 bytes
    EXPECT_EQ(from_utf8("\xEA\xB0\x80"), "?");                        // Hangul syllable
    EXPECT_EQ(from_utf8("x\xFFy"), "x?y");                            // not UTF-8 at all
    EXPECT_EQ(from_utf8("cut\xE7\x9A"), "cut??");                     // cut-off sequence
    EXPECT_EQ(gbk_from_utf16(u"a\U0001F600b\xDC00\xD800"), "a?b??");  // a pair, lone surrogates
}

TEST(TextConversion, InvalidGbkBytesBecomeReplacementCharacters) {
    // A lead byte followed by a byte that cannot trail it: only the lead byte is lost.
    EXPECT_EQ(to_utf8("\x81"
                      " A"),
              "\xEF\xBF\xBD"
              " A");
    EXPECT_EQ(to_utf8("\x81"
                      "A"),
              "\xE4\xB8\x84");  // 0x41 is a trail byte: one character
    EXPECT_EQ(to_utf8("ok\xFF"), "ok\xEF\xBF\xBD");
    EXPECT_EQ(to_utf8("end\xB0"), "end\xEF\xBF\xBD");  // lead byte at the very end
    EXPECT_EQ(utf16_from_gbk("\x81"
                             " A\x81"
                             "A\xB0"),
              u"\uFFFD A\u4E04\uFFFD");
}

TEST(TextConversion, LongTextsSurviveTheBufferBoundaries) {
    Text gbk;
    std::string utf8;
    for (int i = 0; i < 3000; ++i) {
        gbk += "皮a";
        utf8 +=
            "\xE7\x9A\xAE"
            "a";
    }
    EXPECT_EQ(to_utf8(gbk), utf8);
    EXPECT_EQ(from_utf8(utf8), gbk);
}

}  // namespace
