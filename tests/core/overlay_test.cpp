#include "CoreFixture.h"

#include "mdlLangOverlay.h"

namespace tolvane {
namespace {

using test::CoreTest;
using test::PluginProbe;

constexpr const char* kOverlayFile = "[LanguageCollect]\n"
                                     "List=2052,1033\n"
                                     "[2052]\n"
                                     "Title=标题\n"
                                     "(简体中文)____________(未知)________________{LWR999} - Title=定制标题\n"
                                     "Plain=普通\n"
                                     "[1042]\n"
                                     "Title=file 1042\n"
                                     "_FontCharset=129\n"
                                     "[7]\n"
                                     "Title=file 7\n"
                                     "_FontCharset=0\n"
                                     "[1040]\n"
                                     "Title=file 1040\n";

std::string Read(const std::string& section, const std::string& key) {
    return ReadFilesIni("UtilityForLabelLanguage.ini", section, key);
}

TEST_F(CoreTest, LanguageOverlayWithoutTheHelperLibrary) {
    WriteFiles("UtilityForLabelLanguage.ini", kOverlayFile);
    struct Case {
        const char* toolType;
        const char* oemCo;
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Label", "", "2052", "Title", "标题"},
        {"Label", "Label_Lingua", "2052", "Title", "定制标题"},
        {"Label", "Label_Lingua", "2052", "Plain", "普通"},
        {"Mobile", "Label_Lingua", "2052", "Title", "标题"},
        {"Label", "", "1042", "Title", "file 1042"},
        {"Label", "", "1042", "_FontCharset", "1"},
        {"Label", "", "7", "_FontCharset", "0"},
        {"Label", "", "1040", "_FontCharset", "1"},
        {"Label", "", "1036", "_FontCharset", "1"},
        {"Label", "", "2052", "_FontCharset", ""},
        {"Label", "", "LanguageCollect", "List", "2052,1033"},
        {"Label", "Label_Lingua", "LanguageCollect", "List", "2052,1033,1042"},
        {"Label", "Label_Lingua", "languagecollect", "list", "2052,1033,1042"},
        {"Label", "Label_Other", "LanguageCollect", "List", "2052,1033"},
    };
    for (const Case& c : cases) {
        Globals().ToolType = c.toolType;
        Globals().OemCo = c.oemCo;
        EXPECT_EQ(Read(c.section, c.key), c.expected)
            << c.toolType << " " << c.oemCo << " " << c.section << "/" << c.key;
    }
    // Other files are read as they are.
    WriteFiles("Other.ini", "[1042]\n_FontCharset=129\n");
    EXPECT_EQ(ReadFilesIni("Other.ini", "1042", "_FontCharset"), "129");
}

TEST_F(CoreTest, LanguageOverlayThroughTheHelperLibrary) {
    WriteFiles("UtilityForLabelLanguage.ini", kOverlayFile);
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT));
    morrant.Get<void (*)(const char*, const char*, const char*)>("TestMorrant_SetText")("7", "Title",
                                                                                        "Titel");
    Morrant().Bind();
    ASSERT_TRUE(Morrant().IsBound());

    EXPECT_EQ(Read("1042", "Title"), "M:1042:Title");
    EXPECT_EQ(Read("7", "Title"), "Titel");
    EXPECT_EQ(Read("1042", "_FontCharset"), "1");
    EXPECT_EQ(Read("2052", "Title"), "标题");
    const std::string file = app / "files/UtilityForLabelLanguage.ini";
    EXPECT_EQ(morrant.Calls(), (std::vector<std::string>{"LangReadIni(" + file + "|1042|Title|255)",
                                                         "LangReadIni(" + file + "|7|Title|255)"}));
}

TEST_F(CoreTest, HelperLibraryWithoutLangReadIniLeavesTheFileValues) {
    WriteFiles("UtilityForLabelLanguage.ini", kOverlayFile);
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT_PARTIAL));
    Morrant().Bind();
    ASSERT_TRUE(Morrant().IsBound());
    EXPECT_FALSE(Morrant().CanReadIni());
    EXPECT_EQ(Read("1042", "Title"), "file 1042");
    Morrant().LangInit();
    Morrant().LangUnInit(); // missing entry point: nothing happens
    EXPECT_EQ(morrant.Calls(), std::vector<std::string>{"LangInit"});
}

TEST_F(CoreTest, CatalogueOverlaySeesEveryReadAfterTheLanguageOverlay) {
    WriteFiles("UtilityForLabelLanguage.ini", kOverlayFile);
    WriteFiles("PrinterTypeList_Label.ini", "[ParameterSet]\nKavo_ParameterSetting=,A,\n");
    std::vector<std::string> seen;
    SetCatalogueOverlay(
        [&](const std::string& file, const std::string& section, const std::string& key, std::string value) {
            seen.push_back(file + "|" + section + "|" + key + "|" + value);
            return file == "PrinterTypeList_Label.ini" ? value + ",B,C," : value;
        });
    EXPECT_EQ(ReadFilesIni("PrinterTypeList_Label.ini", "ParameterSet", "Kavo_ParameterSetting"), ",A,,B,C,");
    EXPECT_EQ(Read("1042", "_FontCharset"), "1");
    EXPECT_EQ(seen,
              (std::vector<std::string>{"PrinterTypeList_Label.ini|ParameterSet|Kavo_ParameterSetting|,A,",
                                        "UtilityForLabelLanguage.ini|1042|_FontCharset|1"}));
}

} // namespace
} // namespace tolvane
