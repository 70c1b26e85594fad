#include "CoreFixture.h"

#include "mdlLanguageId.h"

#include <map>

namespace tolvane {
namespace {

using test::CoreTest;

TEST_F(CoreTest, SystemLanguageIsMappedAndCheckedAgainstTheList) {
    struct Case {
        const char* lcAll;
        const char* lang;
        const char* list;
        const char* expectedId;
        const char* expectedName;
    } cases[] = {
        {"", "es_ES.UTF-8", "2052,1033,1034", "1034", "Spanish (Spain, Traditional Sort)"},
        {"", "es_AR.UTF-8", "2052,1033,1034", "1034", "Spanish (Spain, Traditional Sort)"},
        {"", "en_GB.UTF-8", "2052,1033,1028", "2052", "Default"},
        {"", "en_GB.UTF-8", "2052,2057", "2057", "English (United Kingdom)"},
        {"", "zh_HK.UTF-8", "2052,1033,1028", "1028", "Chinese (Traditional, Taiwan)"},
        {"", "zh_MO", "2052,1033,1028", "1028", "Chinese (Traditional, Taiwan)"},
        {"", "zh_TW.Big5", "2052,1033,1028", "1028", "Chinese (Traditional, Taiwan)"},
        {"", "pt_PT.UTF-8", "2052,1046", "1046", "Portuguese (Brazil)"},
        {"", "ko_KR.UTF-8", "2052,1042", "1042", "Korean (Korea)"},
        {"", "de_DE.UTF-8", "2052,7", "7", "German"},
        {"", "de_AT@euro", "2052,1057", "2052", "Default"}, // "7" is not an id in "1057"
        {"ja_JP.UTF-8", "en_US.UTF-8", "2052,1041", "1041", "Japanese (Japan)"},
        {"", "C", "2052,1033", "1033", "English (United States)"},
        {"", "", "2052,1033", "1033", "English (United States)"},
        {"", "xx_YY.UTF-8", "2052,1033,1028,2000", "2052", "Default"}, // unknown: never a listed id
        {"", "zh_CN.UTF-8", "", "2052", "Default"},                    // no list at all
    };
    for (const Case& c : cases) {
        ::setenv("LC_ALL", c.lcAll, 1);
        ::setenv("LANG", c.lang, 1);
        const std::map<std::string, std::string> collect = {
            {"List", c.list}, {"DefaultLanguageID", "2052"}, {"DefaultLanguageName", "Default"}};
        std::string id;
        std::string name;
        DetectLanguageId(id, name, [&](const std::string& key) { return collect.at(key); });
        EXPECT_EQ(id, c.expectedId) << c.lcAll << "/" << c.lang;
        EXPECT_EQ(name, c.expectedName) << c.lcAll << "/" << c.lang;
    }
}

TEST_F(CoreTest, GivenLanguageIsOnlyCheckedAgainstTheList) {
    const std::map<std::string, std::string> collect = {
        {"List", "2052,1033"}, {"DefaultLanguageID", "2052"}, {"DefaultLanguageName", "Default"}};
    const auto read = [&](const std::string& key) { return collect.at(key); };
    std::string id = "1033";
    std::string name = "kept";
    DetectLanguageId(id, name, read);
    EXPECT_EQ(id, "1033");
    EXPECT_EQ(name, "kept");
    id = "1042";
    DetectLanguageId(id, name, read);
    EXPECT_EQ(id, "2052");
    EXPECT_EQ(name, "Default");
}

TEST_F(CoreTest, SpanishVariantsAndTheOtherMappings) {
    for (const int spanish : {1034,  2058,  3082,  4106,  5130,  6154,  7178,  8202,  9226,  10250,
                              11274, 12298, 13322, 14346, 15370, 16394, 17418, 18442, 19466, 20490}) {
        EXPECT_EQ(MapLanguageId(spanish), 1034) << spanish;
    }
    EXPECT_EQ(MapLanguageId(2070), 1046);
    EXPECT_EQ(MapLanguageId(3076), 1028);
    EXPECT_EQ(MapLanguageId(5124), 1028);
    EXPECT_EQ(MapLanguageId(1042), 1042);
    EXPECT_EQ(MapLanguageId(2057), 2057);
}

} // namespace
} // namespace tolvane
