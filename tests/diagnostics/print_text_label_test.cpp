// The label test-print dialogs against the emulated printer: the TSPL
// label, the fonts by model, the size checks, the code pages, the models
// that print CPCL and the Miro Bluetooth variant.
#include "PrintTextFixture.h"
#include "mdlMessages.h"

namespace tolvane::test {
namespace {

constexpr const char* kLabel = "T_frmPrintTextLabel";
constexpr const char* kMiro = "T_frmPrintTextLabelCpclMirobt";

TEST_F(PrintTextTest, LabelWithTwoLinesAt40By30) {
    Open(kLabel, "Vorlan");
    Form().SetText("txtPrintableWidth", "40");
    Form().SetText("txtPrintableHeigh", "30");
    Print("AB\nCD");
    EXPECT_EQ(Job("TSPL"), "CLS\r\nSIZE 40 mm,30 mm\r\nTEXT 10,10,\"0\",0,1,1,\"AB\"\r\n"
                           "TEXT 10,64,\"0\",0,1,1,\"CD\"\r\nPRINT 1\r\n");
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(PrintTextTest, VectorFontModelsAndTheBriscoUtf8Font) {
    Open(kLabel, "Kavo-300");
    Print("AB");
    EXPECT_NE(Job("TSPL").find("TEXT 10,10,\"9\",0,50,50,\"AB\"\r\n"), std::string::npos);
    printer.reset();

    Open(kLabel, "Brisco");
    ChooseCodePage("cbxLanguage", "65001");
    Print("Việt");
    const auto viet = printer->waitForCommand("setval", "viet_mode");
    ASSERT_TRUE(viet);
    EXPECT_EQ(viet->value, "2");
    EXPECT_NE(Job("TSPL").find("TEXT 10,10,\"Z\",0,1,1,\"Việt\"\r\n"), std::string::npos);
}

TEST_F(PrintTextTest, SizesAreBroughtIntoTheirLimitsWhenLeavingTheField) {
    Open(kLabel, "Ardel", "ardel_tspl.profile");
    EXPECT_EQ(Form()["lblMultiple1"].text, "(10-108)mm");
    const struct {
        const char* edit;
        const char* typed;
        const char* kept;
    } cases[] = {
        {"txtPrintableWidth", "5", "10"},    {"txtPrintableWidth", "109", "108"},
        {"txtPrintableWidth", "108", "108"}, {"txtPrintableWidth", "", "10"},
        {"txtPrintableHeigh", "300", "210"}, {"txtPrintableHeigh", "9", "10"},
        {"txtPrintableHeigh", "210", "210"},
    };
    for (const auto& c : cases) {
        Form().SetText(c.edit, c.typed);
        dialog->LeaveField(c.edit);
        EXPECT_EQ(Form()[c.edit].text, c.kept) << c.edit << " " << c.typed;
    }
    EXPECT_FALSE(dialog->AcceptsText("txtPrintableWidth", "1a"));
    EXPECT_FALSE(dialog->AcceptsText("txtPrintableWidth", "1000"));
    Form().SetText("txtPrintableWidth", "5");
    dialog->LeaveField("txtPrintableWidth");
    Print("X");
    EXPECT_NE(Job("TSPL").find("SIZE 10 mm,210 mm\r\n"), std::string::npos);
}

TEST_F(PrintTextTest, CodePagesOfTheLanguageGroup) {
    Open(kLabel, "Vorlan");
    EXPECT_FALSE(Form()["cmbInternationalCharacter"].enabled);
    // Ticking with nothing selected selects the first entry.
    Form().SetIndex("cbxLanguage", 1);
    dialog->UserChanged("cbxLanguage");
    EXPECT_TRUE(Form()["cmbInternationalCharacter"].enabled);
    EXPECT_EQ(Form()["cmbInternationalCharacter"].index, 0);
    ChooseCodePage("cbxLanguage", "936");
    Print("中文");
    EXPECT_NE(Job("TSPL").find("\"\xD6\xD0\xCE\xC4\""), std::string::npos);

    // Without the tick the text goes in the ANSI code page (English: 1252).
    printer->clearRecords();
    Form().SetIndex("cbxLanguage", 0);
    dialog->UserChanged("cbxLanguage");
    Print("é");
    EXPECT_NE(Job("TSPL").find("\"\xE9\""), std::string::npos);
}

TEST_F(PrintTextTest, LanguageGroupByModel) {
    Open(kMiro, "MiroC", "corla_cpcl.profile");
    EXPECT_TRUE(Form().EffectivelyVisible("cbxLanguage"));
    EXPECT_FALSE(Form().EffectivelyEnabled("cbxLanguage"));
    printer.reset();
    Open(kMiro, "Lorvik", "corla_cpcl.profile");
    EXPECT_FALSE(Form().EffectivelyVisible("cbxLanguage"));
    printer.reset();
    Open(kLabel, "Vorlan");
    EXPECT_TRUE(Form().EffectivelyVisible("cbxLanguage") && Form().EffectivelyEnabled("cbxLanguage"));
    EXPECT_EQ(Form()["gpbLanguage"].text, "     " + params::Txt("Lang_All_00210325_11"));
}

TEST_F(PrintTextTest, EmptyTextAndAPortThatDoesNotOpen) {
    Open(kLabel, "Vorlan");
    Print(" \n ");
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, LangText("_Err_ImportNull"));
    EXPECT_FALSE(printer->waitForCommand("job", {}, std::chrono::milliseconds(200)));

    sink.boxes.clear();
    printer.reset();
    Print("AB");
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text.rfind(LangText("_Err_OpenPort") + ":", 0), 0u) << Boxes("error")[0].text;
}

TEST_F(PrintTextTest, ModelsThatPrintCpclGetOneLabelPerLine) {
    Open(kLabel, "Miro-T4", "corla_cpcl.profile");
    Print("AB\nCD");
    const std::string expected = "! 0 200 200 80 1\r\nTEXT 5 0 30 40 AB\r\nPRINT\r\n"
                                 "! 0 200 200 80 1\r\nTEXT 5 0 30 40 CD\r\nPRINT\r\n";
    EXPECT_NE(ReceivedHolding(expected).find(expected), std::string::npos);
}

TEST_F(PrintTextTest, MiroVariantAt50By20AsksForLabelPaper) {
    for (const int mode : {0, 1}) {
        Open(kMiro, "Miro-T6", "corla_cpcl.profile", [&] { SetKey(1, 206, {static_cast<uint8_t>(mode)}); });
        Form().SetText("txtPrintableWidth", "50");
        Form().SetText("txtPrintableHeigh", "20");
        Print("AB\nCD");
        const std::string expected = std::string("! 0 200 200 160 1\r\n PW 400\r\nTEXT 5 0 10 10 AB\r\n"
                                                 "TEXT 5 0 10 64 CD\r\n") +
                                     (mode != 0 ? "FORM\r\n" : "") + "PRINT\r\n";
        EXPECT_NE(ReceivedHolding(expected).find(expected), std::string::npos) << int(mode);
        EXPECT_TRUE(printer->waitForCommand("getkey", "1.206"));
        printer.reset();
    }
}

} // namespace
} // namespace tolvane::test
