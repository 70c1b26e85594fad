#include "TempFolder.h"
#include "mdlIniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tolvane {
namespace {

using test::ReadFile;
using test::TempFolder;

constexpr std::string_view kSample = "\xEF\xBB\xBF"
                                     "orphan=before any section\n"
                                     "[Main]\n"
                                     "  Name  =  Tolvane  \r\n"
                                     "Quoted=\"  padded \"\n"
                                     "Single='x'\n"
                                     "Unbalanced=\"x'\n"
                                     "Escapes=a\\nb\\tc\n"
                                     "Equation=a=b\n"
                                     "; Hidden=comment\n"
                                     "# Hash=comment\n"
                                     "no equals sign here\n"
                                     "name=second spelling loses\n"
                                     "Empty=\n"
                                     "[main]\n"
                                     "Name=duplicate section loses\n"
                                     "Extra=from the second section\n"
                                     "[中文]\n"
                                     "键=值\n";

TEST(IniRead, FollowsTheWindowsLookupRules) {
    TempFolder dir;
    const std::string path = dir.Write("sample.ini", kSample);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Main", "Name", "Tolvane"},
        {"MAIN", "nAmE", "Tolvane"},
        {" Main ", " Name ", "Tolvane"},
        {"Main", "Quoted", "  padded "},
        {"Main", "Single", "x"},
        {"mAIN", "UNBALANCED", "\"x'"},
        {"Main", "Unbalanced", "\"x'"},
        {"Main", "Escapes", "a\\nb\\tc"},
        {"Main", "Equation", "a=b"},
        {"Main", "; Hidden", "<default>"},
        {"Main", "Empty", ""},
        {"Main", "orphan", "<default>"},
        {"Main", "no equals sign here", "<default>"},
        {"Main", "Extra", "from the second section"},
        {"中文", "键", "值"},
        {"Missing", "Name", "<default>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniReadString(path, c.section, c.key, "<default>"), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(IniReadSectionNames(path), (std::vector<std::string>{"Main", "中文"}));
    EXPECT_EQ(IniReadKeys(path, "main"), (std::vector<std::string>{"Name", "Quoted", "Single", "Unbalanced",
                                                                   "Escapes", "Equation", "Empty", "Extra"}));
    EXPECT_EQ(IniReadString(dir / "absent.ini", "Main", "Name", "fallback"), "fallback");
}

TEST(IniRead, SeesEditsMadeBehindItsBack) {
    TempFolder dir;
    const std::string path = dir.Write("live.ini", "[S]\nK=aaaa\n");
    EXPECT_EQ(IniReadString(path, "S", "K"), "aaaa");
    dir.Write("live.ini", "[S]\nK=bbbb\n"); // same size: only the time stamp tells
    EXPECT_EQ(IniReadString(path, "S", "K"), "bbbb");
    std::remove(path.c_str());
    EXPECT_EQ(IniReadString(path, "S", "K"), "");
    dir.Write("live.ini", "[S]\nK=back\n");
    EXPECT_EQ(IniReadString(path, "S", "K"), "back");
}

TEST(IniRead, RefusesFilesBeyondTheSizeLimit) {
    TempFolder dir;
    std::string big = "[S]\nK=v\n";
    big.append(kIniMaxFileBytes, ';');
    const std::string path = dir.Write("big.ini", big);
    EXPECT_EQ(IniReadString(path, "S", "K", "none"), "none");
    EXPECT_FALSE(IniWriteString(path, "S", "K", "w"));
    EXPECT_EQ(ReadFile(path).size(), big.size());
}

TEST(IniWrite, ChangesOnlyTheOneKey) {
    struct Case {
        const char* name;
        const char* before; // nullptr: no file
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"update keeps the rest", "; top\n[A]\nK = old \nL=1\n[B]\nK=b\n", "a", "k", "new",
         "; top\n[A]\nK=new\nL=1\n[B]\nK=b\n"},
        {"new key after the section's last entry", "[A]\nK=1\n\n[B]\nX=2\n", "A", "N", "v",
         "[A]\nK=1\nN=v\n\n[B]\nX=2\n"},
        {"new key in an empty section", "[A]\n[B]\n", "A", "N", "v", "[A]\nN=v\n[B]\n"},
        {"new section at the end", "[A]\nK=1", "SysPm", "ToolLang", "", "[A]\nK=1\n[SysPm]\nToolLang=\n"},
        {"missing file is created", nullptr, "SysPm", "ToolLang", "2052", "[SysPm]\nToolLang=2052\n"},
        {"empty file", "", "S", "K", "v", "[S]\nK=v\n"},
        {"line ends and mark kept", "\xEF\xBB\xBF[A]\r\nK=1\r\n", "A", "N", "2",
         "\xEF\xBB\xBF[A]\r\nK=1\r\nN=2\r\n"},
        {"first of duplicate keys", "[A]\nK=1\nK=2\n[a]\nK=3\n", "A", "K", "x", "[A]\nK=x\nK=2\n[a]\nK=3\n"},
        {"key found in a later duplicate section", "[A]\nX=1\n[B]\n[A]\nK=3\n", "A", "K", "x",
         "[A]\nX=1\n[B]\n[A]\nK=x\n"},
        {"last line without line end", "[A]\nK=1", "A", "N", "2", "[A]\nK=1\nN=2\n"},
        {"commented key is not the key", "[A]\n;K=1\n", "A", "K", "2", "[A]\n;K=1\nK=2\n"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string path = dir / "w.ini";
        if (c.before != nullptr) {
            dir.Write("w.ini", c.before);
            IniLoad(path); // warm the cache: the write must invalidate it
        }
        ASSERT_TRUE(IniWriteString(path, c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(ReadFile(path), c.after) << c.name;
        EXPECT_EQ(IniReadString(path, c.section, c.key, "<none>"), c.value) << c.name;
    }
}

TEST(IniWrite, RefusesWhatCannotBeStoredAndLeavesTheFileAlone) {
    TempFolder dir;
    const std::string original = "[A]\nK=1\n";
    const std::string path = dir.Write("r.ini", original);
    ::chmod(path.c_str(), 0640);
    struct Case {
        std::string section, key, value;
    } cases[] = {
        {"A", "", "v"},    {"A", "  ", "v"},         {"A", "a=b", "v"},
        {"A]", "K", "v"},  {"A", "K", "two\nlines"}, {"A", "K", "cr\r"},
        {"A\n", "K", "v"}, {"A", "K\n", "v"},        {"A", "K", std::string("nul\0", 4)},
        {"A", "[K", "v"},  {"A", ";K", "v"},         {"A", "K", std::string(kIniMaxValueBytes + 1, 'x')},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(IniWriteString(path, c.section, c.key, c.value)) << c.section << "/" << c.key;
    }
    EXPECT_EQ(ReadFile(path), original);
    ASSERT_TRUE(IniWriteString(path, "A", "K", "2"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(IniWriteString(dir / "no/such/folder/x.ini", "A", "K", "v"));
}

} // namespace
} // namespace tolvane
