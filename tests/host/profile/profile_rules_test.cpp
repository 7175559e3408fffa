// The private-profile rules of ReadSetting and WriteSetting, pinned as tables:
// the bytes of a real file before, one call, the result and the exact bytes
// after.
#include <sys/stat.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "host/host.h"
#include "host/profile/profile.h"
#include "host/settings.h"
#include "tests/support/temp_folder.h"

namespace {

const Text ini = "设置.ini";
const std::optional<std::string> missing;  // no file at all

// The bytes of a Unicode settings file: the UTF-16LE mark and text.
std::string unicode(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

struct ReadCase {
    const char* rule;
    std::optional<std::string> file;
    Text section, key;
    Text expected;
};

TEST(ProfileRead, TableOfCases) {
    const std::string long_value(10300, 'x');
    const ReadCase cases[] = {
        {"missing file", missing, "s", "k", ""},
        {"empty file", std::string(""), "s", "k", ""},
        {"the first-start file", std::string("[搜索器设置：]\r\n皮肤=6\r\n"), settings_section, skin_key, "6"},
        {"LF lines", std::string("[s]\nk=v\n"), "s", "k", "v"},
        {"CR lines", std::string("[s]\rk=v\r"), "s", "k", "v"},
        {"no final line break", std::string("[s]\r\nk=v"), "s", "k", "v"},
        {"missing section", std::string("[t]\r\nk=v\r\n"), "s", "k", ""},
        {"missing key", std::string("[s]\r\nj=v\r\n"), "s", "k", ""},
        {"blanks around names and value", std::string("  [ s\t]  \r\n \t k \t=  v w \t\r\n"), "s", "k", "v w"},
        {"vertical tab is a blank", std::string("\v[\vs\v]\r\n\vk\v=\vv\v\r\n"), "s", "k", "v"},
        {"query names lose their spaces", std::string("[s]\r\nk=v\r\n"), "s ", "k  ", "v"},
        {"a query name ending in a tab is another name", std::string("[s]\r\nk=v\r\n"), "s", "k\t", ""},
        {"ASCII case ignored", std::string("[SeC]\r\nKeY=v\r\n"), "sEc", "kEy", "v"},
        {"GBK trail 'A' is not 'a' (section)", std::string("[\x81\x41]\r\nk=v\r\n"), "\x81\x61", "k", ""},
        {"GBK trail 'A' is not 'a' (key)", std::string("[s]\r\n\x81\x41=v\r\n"), "s", "\x81\x61", ""},
        {"GBK names match byte for byte", std::string("[\x81\x41]\r\n\x81\x41=v\r\n"), "\x81\x41", "\x81\x41", "v"},
        {"0x80 is a character of its own",
         std::string("[\x80"
                     "A]\r\nk=v\r\n"),
         "\x80"
         "a",
         "k", "v"},
        {"ASCII colon is another section", std::string("[搜索器设置:]\r\n皮肤=6\r\n"), settings_section, skin_key, ""},
        {"double quotes removed", std::string("[s]\r\nk=\"a b\"\r\n"), "s", "k", "a b"},
        {"single quotes removed", std::string("[s]\r\nk='a'\r\n"), "s", "k", "a"},
        {"blanks inside quotes kept", std::string("[s]\r\nk= \" a \" \r\n"), "s", "k", " a "},
        {"unmatched quotes kept", std::string("[s]\r\nk=\"a'\r\n"), "s", "k", "\"a'"},
        {"a lone quote kept", std::string("[s]\r\nk=\"\r\n"), "s", "k", "\""},
        {"empty quotes", std::string("[s]\r\nk=\"\"\r\n"), "s", "k", ""},
        {"value split at the first =", std::string("[s]\r\nk=a=b\r\n"), "s", "k", "a=b"},
        {"semicolon inside a value kept", std::string("[s]\r\nk=1 ;note\r\n"), "s", "k", "1 ;note"},
        {"comment line is no item", std::string("[s]\r\n;k=c\r\nk=v\r\n"), "s", "k", "v"},
        {"comment line never matches", std::string("[s]\r\n;k=c\r\n"), "s", ";k", ""},
        {"a line without = is no key", std::string("[s]\r\nk\r\nk=v\r\n"), "s", "k", "v"},
        {"a line without = never matches", std::string("[s]\r\nk\r\n"), "s", "k", ""},
        {"first of duplicate keys", std::string("[s]\r\nk=1\r\nk=2\r\n"), "s", "k", "1"},
        {"first of duplicate sections", std::string("[s]\r\nj=1\r\n[s]\r\nk=2\r\n"), "s", "k", ""},
        {"items before any section", std::string("k=0\r\n[s]\r\nk=1\r\n"), "s", "k", "1"},
        {"item of the next section", std::string("[s]\r\n[t]\r\nk=1\r\n"), "s", "k", ""},
        {"text after ] ignored", std::string("[s] ; x\r\nk=v\r\n"), "s", "k", "v"},
        {"first ] closes the name", std::string("[a]b]\r\nk=v\r\n"), "a", "k", "v"},
        {"nothing after the first ] is name", std::string("[a]b]\r\nk=v\r\n"), "a]b", "k", ""},
        {"[ without ] runs to the line's end", std::string("[ s \r\nk=v\r\n"), "s", "k", "v"},
        {"trail byte ] does not close", std::string("[s\x81]\r\nk=v\r\n"), "s\x81", "k", ""},
        {"trail byte ] is part of the name", std::string("[s\x81]\r\nk=v\r\n"), "s\x81]", "k", "v"},
        {"GBK name with trail ]", std::string("[\x81]]\r\nk=v\r\n"), "\x81]", "k", "v"},
        {"leading control bytes of the names skipped", std::string("[s]\r\nk=v\r\n"), "\x01\x1f s", " \x02k", "v"},
        {"value cut at 10239 bytes", "[s]\r\nk=" + long_value + "\r\n", "s", "k", long_value.substr(0, 10239)},
        {"10239 bytes fit", "[s]\r\nk=" + long_value.substr(0, 10239), "s", "k", long_value.substr(0, 10239)},
        {"empty section name", std::string("[]\r\nk=v\r\n"), "", "k", ""},
        {"empty key name", std::string("[s]\r\n=v\r\n"), "s", "", ""},
        {"blank-only key name", std::string("[s]\r\n=v\r\n"), "s", " \t", ""},
        {"a UTF-8 mark is text of line 1", std::string("\xEF\xBB\xBF[s]\r\nk=v\r\n"), "s", "k", ""},
        {"Unicode file read as GBK", unicode(u"[设置]\r\nK=\"值 \"\r\n"), "设置", "k", "值 "},
        {"Unicode LF lines and blanks", unicode(u"\v[s]\nk\t=\vv\n"), "s", "k", "v"},
        {"a character GBK lacks reads as ?", unicode(u"[s]\r\nk=a😀\r\n"), "s", "k", "a?"},
    };
    for (const ReadCase& c : cases) {
        TempFolder folder;
        if (c.file) folder.put(ini, *c.file);
        EXPECT_EQ(ReadSetting(folder.text(ini), c.section, c.key), c.expected) << c.rule;
        if (c.file) { EXPECT_EQ(folder.get(ini), *c.file) << c.rule << ": a read changed the file"; }
    }
}

// Names as the engine gets them, below ReadSetting's own skip of leading
// control bytes and its refusal of empty names.
TEST(ProfileRead, EngineTakesTheNamesAsGiven) {
    const ReadCase cases[] = {
        {"a name starting with a tab", std::string("[s]\r\nk=v\r\n"), "\ts", "k", ""},
        {"[] is the section of the empty name", std::string("k=0\r\n[]\r\nk=1\r\n"), "", "k", "1"},
        {"keys before the first header are in no section", std::string("k=0\r\n[s]\r\n"), "", "k", ""},
    };
    for (const ReadCase& c : cases) EXPECT_EQ(profile::read_value(*c.file, c.section, c.key), c.expected) << c.rule;
}

TEST(ProfileRead, LeadingControlBytesOfThePathSkipped) {
    TempFolder folder;
    folder.put(ini, "[s]\r\nk=v\r\n");
    EXPECT_EQ(ReadSetting(" \t\x01" + folder.text(ini), "s", "k"), "v");
}

TEST(ProfileRead, EmptyNameReturnsAtOnceWithoutOpeningTheFile) {
    // Opening a FIFO for reading blocks until a writer comes: a read that
    // touched this file would never return.
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.os(ini).c_str(), 0666), 0);
    EXPECT_EQ(ReadSetting(folder.text(ini), " \x05", "k"), "");
    EXPECT_EQ(ReadSetting(folder.text(ini), "s", "\t\r\n"), "");
    EXPECT_EQ(ReadSetting(" ", "s", "k"), "");
}

struct WriteCase {
    const char* rule;
    std::optional<std::string> before;
    Text section, key, value;
    bool result;
    std::optional<std::string> after;
};

TEST(ProfileWrite, TableOfCases) {
    const WriteCase cases[] = {
        {"missing file is created", missing, "s", "k", "v", true, std::string("[s]\r\nk=v\r\n")},
        {"the first start", missing, settings_section, skin_key, "6", true,
         std::string("[搜索器设置：]\r\n皮肤=6\r\n")},
        {"empty file", std::string(""), "s", "k", "v", true, std::string("[s]\r\nk=v\r\n")},
        {"value replaced in place", std::string("[s]\r\nk=1\r\nj=2\r\n"), "s", "k", "9", true,
         std::string("[s]\r\nk=9\r\nj=2\r\n")},
        {"LF lines keep their breaks", std::string("[s]\nk=1\nj=2\n"), "s", "k", "9", true,
         std::string("[s]\nk=9\nj=2\n")},
        {"blanks of the old line go", std::string("[s]\r\n  k  =  1  \r\n"), "s", "k", "2", true,
         std::string("[s]\r\nk=2\r\n")},
        {"the key keeps its spelling", std::string("[S]\r\n\vK =1\r\n"), "s", "k", "2", true,
         std::string("[S]\r\nK=2\r\n")},
        {"a key name ending in a tab is another key", std::string("[s]\r\nk=1\r\n"), "s", "k\t", "2", true,
         std::string("[s]\r\nk=1\r\nk\t=2\r\n")},
        {"new item after the section's last line", std::string("[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n"), "s", "k", "v", true,
         std::string("[s]\r\na=1\r\nk=v\r\n\r\n[t]\r\nb=2\r\n")},
        {"new item under a bare header", std::string("[s]\r\n\r\n[t]"), "s", "k", "v", true,
         std::string("[s]\r\nk=v\r\n\r\n[t]")},
        {"new item above the comments after the keys", std::string("[s]\r\na=1\r\n;c\r\nno key\r\n[t]"), "s", "k", "v",
         true, std::string("[s]\r\na=1\r\nk=v\r\n;c\r\nno key\r\n[t]")},
        {"keys before the first header are in no section", std::string("k=1\r\n[s]\r\n"), "s", "k", "2", true,
         std::string("k=1\r\n[s]\r\nk=2\r\n")},
        {"the first ] ends the name", std::string("[s]x]\r\nk=1\r\n"), "s", "k", "2", true,
         std::string("[s]x]\r\nk=2\r\n")},
        {"new item after a last line without break", std::string("[s]\r\na=1"), "s", "k", "v", true,
         std::string("[s]\r\na=1\r\nk=v\r\n")},
        {"new section at the end", std::string("[t]\r\nb=2\r\n"), "s", "k", "v", true,
         std::string("[t]\r\nb=2\r\n[s]\r\nk=v\r\n")},
        {"new section after a last line without break", std::string("[t]\r\nb=2"), "s", "k", "v", true,
         std::string("[t]\r\nb=2\r\n[s]\r\nk=v\r\n")},
        {"first of duplicate sections", std::string("[s]\r\na=1\r\n[s]\r\nk=1\r\n"), "s", "k", "2", true,
         std::string("[s]\r\na=1\r\nk=2\r\n[s]\r\nk=1\r\n")},
        {"first of duplicate keys", std::string("[s]\r\nk=1\r\nk=2\r\n"), "s", "k", "3", true,
         std::string("[s]\r\nk=3\r\nk=2\r\n")},
        {"comments and junk kept; [ without ] is a header",
         std::string("; note\r\njunk\r\n[s]\r\n;k=c\r\n[x\r\nk=1\r\n"), "s", "k", "2", true,
         std::string("; note\r\njunk\r\n[s]\r\nk=2\r\n;k=c\r\n[x\r\nk=1\r\n")},
        {"GBK trail 'A' is another key", std::string("[s]\r\n\x81\x41=1\r\n"), "s", "\x81\x61", "2", true,
         std::string("[s]\r\n\x81\x41=1\r\n\x81\x61=2\r\n")},
        {"value written as given", std::string("[s]\r\n"), "s", "k", " \"v\" ", true,
         std::string("[s]\r\nk= \"v\" \r\n")},
        {"empty value kept as an item", std::string("[s]\r\nk=1\r\n"), "s", "k", "", true,
         std::string("[s]\r\nk=\r\n")},
        {"line break in a value cannot add a line", std::string("[s]\r\n"), "s", "k", "a\r\n皮肤=59", true,
         std::string("[s]\r\nk=a\r\n")},
        {"value ends at a zero byte", std::string("[s]\r\n"), "s", "k", Text("a\0b", 3), true,
         std::string("[s]\r\nk=a\r\n")},
        {"names trimmed", missing, " s ", " k ", "v", true, std::string("[s]\r\nk=v\r\n")},
        {"empty section refused", std::string("[s]\r\n"), "", "k", "v", false, std::string("[s]\r\n")},
        {"empty key refused", missing, "s", " ", "v", false, missing},
        {"same value: file unchanged", std::string("[s]\r\n k = v\r\n"), "s", "k", "v", true,
         std::string("[s]\r\nk=v\r\n")},
        {"a UTF-8 mark is text of line 1", std::string("\xEF\xBB\xBF[s]\r\nk=1"), "s", "k", "2", true,
         std::string("\xEF\xBB\xBF[s]\r\nk=1\r\n[s]\r\nk=2\r\n")},
        {"Unicode file stays Unicode", unicode(u"[设置]\r\nK=1\r\nx=😀"), "设置", "k", "值", true,
         unicode(u"[设置]\r\nK=值\r\nx=😀")},
        {"new key in a Unicode file", unicode(u"[s]\na=1"), "s", "k", "值", true, unicode(u"[s]\na=1\r\nk=值\r\n")},
        {"a bare Unicode mark", std::string("\xFF\xFE"), "s", "k", "v", true, unicode(u"[s]\r\nk=v\r\n")},
    };
    for (const WriteCase& c : cases) {
        TempFolder folder;
        if (c.before) folder.put(ini, *c.before);
        EXPECT_EQ(WriteSetting(folder.text(ini), c.section, c.key, c.value), c.result) << c.rule;
        if (c.after) {
            EXPECT_EQ(folder.get(ini), *c.after) << c.rule;
        } else {
            EXPECT_FALSE(folder.exists(ini)) << c.rule;
        }
        EXPECT_EQ(folder.entries(), c.after ? 1u : 0u) << c.rule << ": something left beside the file";
    }
}

TEST(ProfileWrite, ReadBackGivesTheValueAndNewKeysKeepTheirOrderAboveAComment) {
    TempFolder folder;
    const Text path = folder.text("搜索器设置信息1.4.ini");
    folder.put("搜索器设置信息1.4.ini", "[搜索器设置：]\r\n; 手写的注释\r\n");
    ASSERT_TRUE(WriteSetting(path, settings_section, skin_key, "6"));
    ASSERT_TRUE(WriteSetting(path, settings_section, history_key, "斗破苍穹"));
    ASSERT_TRUE(WriteSetting(path, settings_section, skin_key, "36"));
    EXPECT_EQ(ReadSetting(path, settings_section, skin_key), "36");
    EXPECT_EQ(ReadSetting(path, settings_section, history_key), "斗破苍穹");
    EXPECT_EQ(folder.get("搜索器设置信息1.4.ini"),
              "[搜索器设置：]\r\n皮肤=36\r\n搜索记录=斗破苍穹\r\n; 手写的注释\r\n");
}

}  // namespace
