#include "CoreFixture.h"

#include "mdlLangChoice.h"
#include "mdlOemClass.h"
#include "mdlOptions.h"

#include <filesystem>

namespace tolvane {
namespace {

using test::CoreTest;
using test::PluginProbe;

constexpr const char* kChoiceFile = "[LanguageCollect]\n"
                                    "List=2052,1033\n"
                                    "DefaultLanguageID=2052\n"
                                    "[2052]\n"
                                    "Lang_All_00210181_11=英语\n"
                                    "Lang_All_00210181_12=简体中文\n"
                                    "Lang_All_00210329_11=德语\n"
                                    "Lang_All_00210026_11=关闭\n"
                                    "Lang_NeededY=是\n"
                                    "[1033]\n"
                                    "Lang_All_00210181_11=English\n"
                                    "Lang_All_00210181_12=Simplified Chinese\n"
                                    "Lang_All_00210329_11=German\n"
                                    "Lang_All_00210026_11=Off\n"
                                    "Lang_NeededY=Yes\n";

class LanguageChoiceTest : public CoreTest {
  protected:
    void SetUp() override {
        CoreTest::SetUp();
        WriteFiles("UtilityForLabelLanguage.ini", kChoiceFile);
        morrant = std::make_unique<PluginProbe>(InstallPlugin(TEST_MORRANT_PARTIAL));
        StartUp(test::Args({}));
        edition.Lang2052 = 1;
        edition.Lang1033 = 1;
        edition.Lang7 = 1;
        choice.OnApplied = [this] { ++applied; };
        choice.Fill(edition);
        morrant->ClearCalls();
    }
    void TearDown() override {
        CoreTest::TearDown();
        morrant.reset();
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TLangChoiceEntry& e : choice.Entries()) {
            texts.push_back(e.id + "=" + e.text);
        }
        return texts;
    }

    std::unique_ptr<PluginProbe> morrant;
    TOemClass edition;
    TLanguageChoice choice;
    int applied = 0;
};

TEST_F(LanguageChoiceTest, FillOffersTheEditionsLanguagesInOrder) {
    EXPECT_EQ(Texts(), (std::vector<std::string>{"=", "2052=简体中文", "1033=英语", "7=德语"}));
    EXPECT_EQ(choice.SelectedIndex(), -1);
    TOemClass none;
    choice.Select(2);
    choice.Fill(none);
    EXPECT_EQ(Texts(), std::vector<std::string>{"="});
    EXPECT_EQ(choice.SelectedIndex(), -1);
}

TEST_F(LanguageChoiceTest, SetStoresTheIdAndAppliesTheLanguage) {
    const std::string sysPm = GlobalObjects().OstrelVar->SysPmFile;
    choice.Select(2);
    choice.Fill(edition);
    EXPECT_EQ(choice.SelectedIndex(), 2) << "the shown text is selected again";
    choice.Set(sysPm);
    EXPECT_EQ(test::ReadFile(sysPm), "[SysPm]\nToolLang=1033\n");
    EXPECT_EQ(Globals().LanguageId, "1033");
    EXPECT_EQ(LangAll("Lang_All_00210026_11"), "Off");
    EXPECT_EQ(GlobalObjects().ConstLangV->NeededY, "Yes");
    EXPECT_EQ(GlobalObjects().OstrelVar->Options.YesNo[0].text, "Yes");
    EXPECT_EQ(morrant->Calls(), std::vector<std::string>{"LangSetLanguageID(1033)"});
    EXPECT_EQ(applied, 1);

    // The names follow the new language, so the text shown before is gone.
    choice.Fill(edition);
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"=", "2052=Simplified Chinese", "1033=English", "7=German"}));
    EXPECT_EQ(choice.SelectedIndex(), -1);

    // The empty entry is stored as an empty id and applies nothing.
    choice.Select(0);
    choice.Set(sysPm);
    EXPECT_EQ(test::ReadFile(sysPm), "[SysPm]\nToolLang=\n");
    EXPECT_EQ(Globals().LanguageId, "1033");
    EXPECT_EQ(applied, 1);
}

TEST_F(LanguageChoiceTest, ReadSelectsTheSavedLanguageWithoutApplying) {
    const std::string sysPm = GlobalObjects().OstrelVar->SysPmFile;
    SaveToolLang(sysPm, "7");
    choice.Read(sysPm);
    EXPECT_EQ(choice.SelectedId(), "7");
    EXPECT_EQ(Globals().LanguageId, "2052");
    EXPECT_EQ(applied, 0);
}

TEST_F(LanguageChoiceTest, SavedLanguageAtStartUp) {
    struct Case {
        const char* saved;
        bool applied;
        const char* languageId;
    } cases[] = {
        {"", false, "2052"},        {"1033", true, "1033"}, {"  1033 ", true, "1033"},
        {"English", false, "2052"}, // names are those of the current language: "英语" now
        {"1042", false, "2052"},    // not offered by the edition: the detected language stays
        {"英语", true, "1033"},     // a name saved by an older version
    };
    for (const Case& c : cases) {
        ApplyLanguageId("2052");
        choice.Fill(edition);
        choice.Select(-1);
        GlobalObjects().OstrelVar->SavedLanguage = c.saved;
        EXPECT_EQ(FirstShowApplySavedLanguage(choice), c.applied) << c.saved;
        EXPECT_EQ(Globals().LanguageId, c.languageId) << c.saved;
    }
}

} // namespace
} // namespace tolvane
