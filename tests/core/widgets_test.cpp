#include "CoreFixture.h"

#include "FormMsgBox.h"
#include "OffscreenApp.h"
#include "mdlLangFontApply.h"
#include "mdlMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace tolvane {
namespace {

using test::CoreTest;

TEST_F(CoreTest, LanguageFontReachesTheWindowAndItsControls) {
    const QFont appFont = test::OffscreenApp().font();
    struct Case {
        TLangFont font;
        QString family; // empty: the application font's
        int points;     // 0: the application font's
    } cases[] = {
        {{"WenQuanYi Micro Hei", "12", "134"}, "WenQuanYi Micro Hei", 12},
        {{" DejaVu Sans ", " 10 ", "x"}, "DejaVu Sans", 10},
        {{"DejaVu Sans", "abc", "0"}, "DejaVu Sans", 0},
        {{"DejaVu Sans", "9.5", ""}, "DejaVu Sans", 0},
        {{"DejaVu Sans", "0", ""}, "DejaVu Sans", 0},
        {{"", "", ""}, "", 0},
    };
    for (const Case& c : cases) {
        QWidget window;
        auto* label = new QLabel("A rather long label text", &window);
        label->resize(5, 5);
        const QList<QWidget*> takers = {label,
                                        new QPushButton("OK", &window),
                                        new QLineEdit(&window),
                                        new QComboBox(&window),
                                        new QGroupBox("Group", &window),
                                        new QCheckBox("Check", &window),
                                        new QTabWidget(&window),
                                        new QTreeWidget(&window),
                                        new QWidget(&window)};
        auto* other = new QProgressBar(&window);
        const QFont explicitFont("Serif", 30);
        for (QWidget* w : takers) {
            w->setFont(explicitFont);
        }
        other->setFont(explicitFont);

        ApplyLangFont(&window, c.font);

        const QString family = c.family.isEmpty() ? appFont.family() : c.family;
        const int points = c.points == 0 ? appFont.pointSize() : c.points;
        for (const QWidget* w :
             QList<const QWidget*>{&window} + QList<const QWidget*>(takers.begin(), takers.end())) {
            EXPECT_EQ(w->font().family(), family) << w->metaObject()->className() << " " << c.font.name;
            EXPECT_EQ(w->font().pointSize(), points) << w->metaObject()->className() << " " << c.font.size;
        }
        EXPECT_EQ(other->font().pointSize(), 30) << "not a kind of control that takes the language font";
        EXPECT_EQ(label->size(), label->sizeHint()) << "labels take their natural size";
    }
}

TEST_F(CoreTest, FirstShowAppliesTheSharedFontAndKeepsACopy) {
    test::OffscreenApp();
    WriteFiles("UtilityForLabelLanguage.ini",
               "[LanguageCollect]\nList=1033\nDefaultLanguageID=1033\n"
               "[1033]\n_FontName=DejaVu Sans\n_FontSize=11\n_FontCharset=0\n");
    StartUp(test::Args({}));
    LoadSharedLangFont();
    QWidget window;
    FirstShowApplyFont(&window);
    EXPECT_EQ(window.font().pointSize(), 11);
    EXPECT_EQ(GlobalObjects().OstrelVar->Font.name, "DejaVu Sans");
    EXPECT_EQ(GlobalObjects().OstrelVar->Font.charset, "0");
}

TEST_F(CoreTest, MessageBoxKeepsItsButtonsCentredWithAGap) {
    test::OffscreenApp();
    WriteFiles("UtilityForLabelLanguage.ini", test::kSmallLanguageFile);
    StartUp(test::Args({"-EN"}));
    TfrmFormMsgBox box;
    box.SetMessage("Printer is ready");
    EXPECT_EQ(box.windowTitle(), "Information");
    EXPECT_EQ(box.Memo()->toPlainText(), "Printer is ready");
    EXPECT_TRUE(box.Memo()->isReadOnly());

    box.show();
    for (const int width : {380, 500, 251, 120}) {
        box.resize(width, 75);
        QApplication::processEvents();
        const int okWidth = box.OkButton()->width();
        const int okLeft = (width - 2 * okWidth - 64) / 2;
        EXPECT_EQ(box.OkButton()->x(), okLeft) << width;
        EXPECT_EQ(box.CancelButton()->x(), okLeft + okWidth + 64) << width;
    }
}

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
