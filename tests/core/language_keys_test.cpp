// Every language key the program's sources use must have a text in each of
// the shipped languages (the shipped fonts: tests/main/shipped_fonts_test.cpp).
#include "mdlConstLangV.h"
#include "mdlIniFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace tolvane {
namespace {

const std::string kSourceDir = TOLVANE_SOURCE_DIR;
const std::vector<std::string> kShippedLanguages = {"2052", "1033", "1028"};

// Quoted literals shaped like language keys: window texts ("Form..._..."),
// shared words and errors ("_Word"), language constants ("Lang_..."), main
// window texts ("Lang" + 8 digits) and the shared text table.
std::set<std::string> KeysUsedInSources() {
    static const std::regex literal(
        R"re("((?:Form[A-Z][A-Za-z0-9]*_|_[A-Z]|Lang_[A-Za-z]|Lang[0-9]{8})[A-Za-z0-9_]*)")re");
    // Keys of other sections or files that share the shapes above.
    static const std::set<std::string> notLanguageTexts = {"_Version"};
    std::set<std::string> keys;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSourceDir + "/utility")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) {
            continue;
        }
        std::ifstream in(entry.path());
        std::ostringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
            const std::string key = (*it)[1];
            if (key.back() != '_' && notLanguageTexts.count(key) == 0) {
                keys.insert(key);
            }
        }
    }
    return keys;
}

TEST(ShippedLanguageFiles, HaveATextForEveryKeyTheSourcesUse) {
    const std::set<std::string> keys = KeysUsedInSources();
    ASSERT_TRUE(keys.count("_MSG_Title_Error") == 1 && keys.count("Lang_Word_Space") == 1)
        << "the scan finds the keys of the language system itself";
    const auto doc = IniLoad(kSourceDir + "/files/UtilityForLabelLanguage.ini");
    for (const std::string& language : kShippedLanguages) {
        for (const std::string& key : keys) {
            const auto text = doc->Find(language, key);
            EXPECT_TRUE(text && !text->empty()) << "[" << language << "] " << key << " is missing or empty";
        }
    }
}

TEST(ShippedLanguageFiles, ListTheShippedLanguagesAndADefault) {
    for (const char* file : {"UtilityForLabelLanguage.ini", "UtilityForMobileLanguage.ini"}) {
        const auto doc = IniLoad(kSourceDir + "/files/" + file);
        EXPECT_EQ(doc->Find("LanguageCollect", "List").value_or(""), "2052,1033,1028") << file;
        EXPECT_EQ(doc->Find("LanguageCollect", "DefaultLanguageID").value_or(""), "2052") << file;
        EXPECT_FALSE(doc->Find("Global", "_Version").value_or("").empty()) << file;
    }
    const auto mobile = IniLoad(kSourceDir + "/files/UtilityForMobileLanguage.ini");
    for (const std::string& language : kShippedLanguages) {
        for (const std::string& key : TConstLangV::TextKeys()) {
            EXPECT_FALSE(mobile->Find(language, key).value_or("").empty()) << "[" << language << "] " << key;
        }
    }
    const auto option = IniLoad(kSourceDir + "/files/Option.ini");
    EXPECT_EQ(option->Find("Option", "ToolType").value_or(""), "Label");
}

} // namespace
} // namespace tolvane
