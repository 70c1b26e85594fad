#include "CoreFixture.h"

#include "mdlConstLangV.h"

namespace tolvane {
namespace {

using test::CoreTest;
using test::PluginProbe;

constexpr const char* kTableFile =
    "[LanguageCollect]\n"
    "List=2052,1033,1042\n"
    "DefaultLanguageID=2052\n"
    "[2052]\n"
    "Lang_All_00210026_11=关闭\n"
    "Lang_Pos_00010030_11=参数设置窗口：{0}\n"
    "Lang_All_00210181_12=简体中文\n"
    "Lang_NeededY=是\n"
    "_OK=确定\n"
    "[1033]\n"
    "Lang_All_00210026_11=Off\n"
    "Lang_Word_Space=1 1\n"
    "(英语)________________(未知)________________{LWR999} - Lang_NeededY=Sure\n"
    "Lang_NeededY=Yes\n"
    "[1042]\n"
    "Lang_NeededY=file 1042\n";

TEST_F(CoreTest, TextTableHoldsTheSharedTextsOfOneLanguage) {
    WriteFiles("UtilityForLabelLanguage.ini", kTableFile);
    Globals().LanguageId = "2052";
    LangTexts().Load("2052");
    EXPECT_EQ(LangTexts().LanguageId(), "2052");
    EXPECT_EQ(LangTexts().Size(), 3u);
    EXPECT_EQ(LangAll("Lang_All_00210026_11"), "关闭");
    EXPECT_EQ(LangAll("Lang_Pos_00010030_11"), "参数设置窗口：{0}");
    EXPECT_EQ(LangAll("Lang_NeededY"), "") << "not a shared text";
    EXPECT_EQ(LangAll("Lang_All_99999999_99"), "");

    // A language that lacks texts has them empty rather than from another language.
    LangTexts().Load("1033");
    EXPECT_EQ(LangAll("Lang_All_00210026_11"), "Off");
    EXPECT_EQ(LangAll("Lang_All_00210181_12"), "");
    EXPECT_EQ(LangTexts().Size(), 3u);
}

TEST_F(CoreTest, TextTableComesFromTheHelperLibraryWhenItReadsTexts) {
    WriteFiles("UtilityForLabelLanguage.ini", kTableFile);
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT));
    Morrant().Bind();
    LangTexts().Load("1042");
    EXPECT_EQ(LangTexts().Size(), 3u) << "the default language's keys";
    EXPECT_EQ(LangAll("Lang_All_00210026_11"), "M:1042:Lang_All_00210026_11");
    LangTexts().Load("2052");
    EXPECT_EQ(LangAll("Lang_Pos_00010030_11"), "M:2052:Lang_Pos_00010030_11");
}

TEST_F(CoreTest, LanguageConstantsReadTheirOwnFileWithoutOverlays) {
    WriteFiles("UtilityForLabelLanguage.ini", kTableFile);
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT));
    Morrant().Bind();
    Globals().ToolType = "Label";
    Globals().OemCo = "Label_Lingua"; // the overlays would change both texts below

    TConstLangV constants(test::Args({"-EN"}));
    ASSERT_TRUE(constants.CmdLineDone && constants.PathsDone && constants.FileDone);
    EXPECT_FALSE(constants.DetectDone);
    EXPECT_EQ(constants.AppFolder, app.Path());
    EXPECT_EQ(constants.FilesFolder, app / "files/");
    constants.DetectLanguage();
    EXPECT_TRUE(constants.DetectDone);
    EXPECT_EQ(constants.LanguageId, "1033");
    EXPECT_EQ(constants.NeededY, "Yes");
    EXPECT_EQ(constants.Word_Space, " ") << "every 1 is removed";

    constants.SetLanguageId("1042");
    EXPECT_EQ(constants.NeededY, "file 1042");
    EXPECT_EQ(constants.Word_Space, "");
    constants.SetLanguageId("2052");
    EXPECT_EQ(constants.Btn_OK, "确定");
    EXPECT_TRUE(morrant.Calls().empty());
}

} // namespace
} // namespace tolvane
