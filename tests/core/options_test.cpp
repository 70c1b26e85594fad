#include "CoreFixture.h"

#include "mdlConstLangV.h"
#include "mdlOptions.h"

#include <filesystem>

namespace tolvane {
namespace {

using test::CoreTest;

TEST_F(CoreTest, OptionDefaultsAndTheLanguageFileOfTheConstants) {
    struct Case {
        const char* option; // nullptr: no option file
        int toolTypeNo;
        const char* toolType;
        const char* oemCo;
        const char* constantsFile;
    } cases[] = {
        {nullptr, 2, "Label", "", "UtilityForLabelLanguage.ini"},
        {"[Option]\n", 2, "Label", "", "UtilityForLabelLanguage.ini"},
        {"[Option]\nToolType=\nOemCo=\n", 1, "Mobile", "", "UtilityForMobileLanguage.ini"},
        {"[option]\ntooltype = Mobile \noemco=Mobile_Abc\n", 2, "Mobile", "Mobile_Abc",
         "UtilityForMobileLanguage.ini"},
        {"[Option]\nToolType=Label\nOemCo=Label_Xyz\n", 2, "Label", "Label_Xyz",
         "UtilityForLabelLanguage.ini"},
        {"[Option]\nToolType=Receipt\n", 2, "Receipt", "", "UtilityForMobileLanguage.ini"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(app / "files/Option.ini");
        if (c.option != nullptr) {
            WriteFiles("Option.ini", c.option);
        }
        Globals().ToolTypeNo = c.toolTypeNo;
        ReadOptions();
        EXPECT_EQ(Globals().ToolType, c.toolType) << (c.option ? c.option : "no file");
        EXPECT_EQ(Globals().OemCo, c.oemCo);
        const TConstLangV constants(test::Args({}));
        EXPECT_EQ(constants.LanguageFileName, c.constantsFile) << (c.option ? c.option : "no file");
    }
}

TEST_F(CoreTest, SystemParameterFileIsPreparedWithoutLosingContent) {
    struct Case {
        const char* before; // nullptr: no file
        const char* after;
        const char* saved;
    } cases[] = {
        {nullptr, "[SysPm]\nToolLang=\n", ""},
        {"", "[SysPm]\nToolLang=\n", ""},
        {"[Other]\nA=1\n", "[Other]\nA=1\n[SysPm]\nToolLang=\n", ""},
        {"[SysPm]\nX=2\n", "[SysPm]\nX=2\nToolLang=\n", ""},
        {"[SysPm]\nToolLang=1033\n", "[SysPm]\nToolLang=1033\n", "1033"},
    };
    for (const Case& c : cases) {
        const std::string path = home / "PrtConfig_SysPm.ini";
        std::filesystem::remove(path);
        if (c.before != nullptr) {
            home.Write("PrtConfig_SysPm.ini", c.before);
        }
        EXPECT_EQ(PrepareSysPmFile(path), c.saved);
        EXPECT_EQ(test::ReadFile(path), c.after);
    }
    EXPECT_TRUE(SaveToolLang(home / "PrtConfig_SysPm.ini", "2052"));
    EXPECT_EQ(test::ReadFile(home / "PrtConfig_SysPm.ini"), "[SysPm]\nToolLang=2052\n");
}

} // namespace
} // namespace tolvane
