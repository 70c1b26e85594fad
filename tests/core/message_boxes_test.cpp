// The message boxes of the core without widgets: the program's message box
// goes to its presenter or the message interface, and box titles come from
// the shared words once they are loaded.
#include "CoreFixture.h"

#include "mdlMessageBoxes.h"

namespace tolvane {
namespace {

using test::CoreTest;

TEST_F(CoreTest, ShowMsgBoxGoesToThePresenterOrTheMessageInterface) {
    WriteFiles("UtilityForLabelLanguage.ini", test::kSmallLanguageFile);
    StartUp(test::Args({"-EN"}));
    sink.boxes.clear();
    GlobalObjects().GlobalVar->ShowMsgBox("first");
    std::vector<std::string> presented;
    SetFormMsgBoxPresenter([&](const std::string& text) { presented.push_back(text); });
    GlobalObjects().GlobalVar->ShowMsgBox("second");
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "first");
    EXPECT_EQ(sink.boxes[0].title, "Information");
    EXPECT_EQ(presented, std::vector<std::string>{"second"});
}

TEST_F(CoreTest, BoxTitlesAreEmptyUntilTheWordsAreLoaded) {
    WriteFiles("UtilityForLabelLanguage.ini", test::kSmallLanguageFile);
    StartUp(test::Args({"-EN"}));
    sink.answers = {true};
    EXPECT_TRUE(AskOkCancel("Delete?"));
    ShowInfo("Done");
    LoadSharedWords();
    EXPECT_FALSE(AskOkCancel("Delete?"));
    ShowInfo("Done");
    std::vector<std::string> titles;
    for (const test::ShownBox& b : sink.boxes) {
        titles.push_back(b.kind + ":" + b.title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"ask:", "info:", "ask:Warning", "info:Information"}));
    EXPECT_EQ(LangText("Lang_NeededY"), "Yes") << "other keys read the language file";
}

} // namespace
} // namespace tolvane
