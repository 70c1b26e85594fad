// The widgets every window shares: the language font on windows and their
// controls, and the program's own message box window.
#include "CoreFixture.h"

#include "gui/FormMsgBox.h"
#include "gui/mdlLangFontApply.h"

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
    const QFont appFont = QApplication::font();
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

} // namespace
} // namespace tolvane
