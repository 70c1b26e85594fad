// The customer editions in the running program: every shipped edition starts
// offscreen with its caption, models, languages and management dialog; the
// rules that read the edition (company printer list, map model, caption);
// the start-up catalogue check of the Mobile edition that asks for it.
#include "MainWindowFixture.h"

#include "FormPrinterManage_Label.h"
#include "mdlCompanyPrinterList.h"
#include "mdlGlobalObjects.h"
#include "mdlIniFile.h"
#include "mdlLangChoice.h"
#include "mdlMainCaption.h"
#include "mdlMapModel.h"
#include "mdlModelLists.h"
#include "mdlOemEditionFile.h"
#include "mdlPaths.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane::test {
namespace {

class TEditions : public MainWindowTest {
  protected:
    // Ends the run of the window, so that the next start begins afresh.
    void CloseWindow() {
        window.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
        CoreHooks() = TCoreHooks{};
        ResetModes();
    }
};

TEST_F(TEditions, EveryShippedEditionStartsWithItsCaptionModelsAndLanguages) {
    struct Case {
        const char* code;
        const char* caption;
        const char* model;  // the first of its own models
        bool onlyItsModels; // model list mode 1: the company list file is not offered
        int languages;      // languages offered in the language choice
        bool connectTest;   // the management dialog shows its connection test
    } const cases[] = {
        {"Mobile_Sorrel", "Sorrel Label Printer Utility  V2.1.0.3", "Miro-T4", true, 0, true},
        {"Mobile_Pimlow", "Pimlow Label Printer Utility  V1.3.0.0", "Miro-T6BT", true, 0, true},
        {"Mobile_Trevane", "Trevane Label Printer Utility  V1.0.2.1", "Trevane M58", false, 0, false},
        {"Mobile_Ordelle", "Ordelle Label Printer Utility  V3.0.0.5", "Lorvik", true, 0, true},
        {"Mobile_Quarvin", "Quarvin Label Printer Utility  V1.1.4.0", "Sendo", true, 2, true},
        {"Label_Lingua", "Lingua Label Printer Utility  V1.2.0.0", "Kavo-200", true, 3, true},
        {"Label_Arvane", "Arvane Label Printer Utility  V1.0.0.1", "Arvane L200", false, 0, true},
        {"Label_Belquist", "Belquist Label Printer Utility  V2.0.1.0", "Quist", true, 0, true},
        {"Label_Corvith", "Corvith Label Printer Utility  V1.4.0.2", "Dresk-4T", true, 0, false},
        {"Label_Dunmaro", "Dunmaro Label Printer Utility  V1.0.0.0", "Tallis", true, 0, true},
        {"Label_Elvetta", "Elvetta Label Printer Utility  V3.1.0.0", "Elvetta E80", false, 0, true},
        {"Label_Fernolt", "Fernolt Label Printer Utility--Custom edition  V1.0.3.0", "Gulvo-58", true, 0,
         true},
        {"Label_Gavrin", "Gavrin Label Printer Utility  V2.2.0.0", "Norla", true, 0, true},
        {"Label_Holtane", "Holtane Label Printer Utility  V1.0.0.4", "Ombra-80", true, 0, true},
        {"Label_Iverno", "Iverno Label Printer Utility  V1.1.0.0", "Iverno P58", false, 3, true},
        {"Label_Jastrel", "Jastrel Label Printer Utility  V1.0.0.0", "Wendle", true, 0, true},
        {"Label_Kelvane", "Kelvane Label Printer Utility  V4.0.0.1", "Pelso-58", true, 0, false},
        {"Label_Mordane", "Mordane Label Printer Utility  V1.0.1.0", "Pirvo-58", true, 0, true},
        {"Label_Nessaly", "Nessaly Label Printer Utility  V2.0.0.0", "Oskin-58", true, 3, true},
        {"Label_Orvint", "Orvint Label Printer Utility  V1.5.0.0", "Dapra-D2", true, 0, true},
        {"Label_Pallowe", "Pallowe Label Printer Utility  V1.0.0.2", "Corla", true, 0, true},
        {"Label_Quintaro", "Quintaro Label Printer Utility  V1.2.3.0", "Hobbe", true, 0, true},
        {"Label_Rastelle", "Rastelle Label Printer Utility  V1.0.0.0", "Rastelle R1", false, 3, true},
        {"Label_Sovrin", "Sovrin Label Printer Utility  V3.0.0.0", "Wexby", true, 0, true},
        {"Label_Tamberlo", "Tamberlo Label Printer Utility  V1.0.2.0", "Kavo-300", true, 0, false},
        {"Label_Ulvane", "Ulvane Label Printer Utility  V1.1.1.1", "Ulvane U4", false, 0, true},
        {"Label_Vostrel", "Vostrel Label Printer Utility  V2.3.0.0", "Corbel", true, 0, true},
        {"Label_Wendaro", "Wendaro Label Printer Utility  V1.0.0.0", "Ruvad", true, 6, true},
        {"Label_Yselt", "Yselt Label Printer Utility  V1.0.4.0", "Navra", true, 0, true},
        {"Label_Zorvane", "Zorvane Label Printer Utility  V1.3.0.0", "Zorvane Z2", false, 0, true},
    };
    ASSERT_EQ(std::size(cases), 30u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const std::string code = c.code;
        WriteFiles("Option.ini",
                   "[Option]\nToolType=" + code.substr(0, code.find('_')) + "\nOemCo=" + code + "\n");
        WriteList("Kavo-300|USB|USB||0\n");
        T_frmMain_Label& main = OpenWindow();
        const TOemClass& edition = *GlobalObjects().OstrelVar->Oem;
        EXPECT_EQ(edition.OemCo, code);
        EXPECT_EQ(main.windowTitle().toStdString(), c.caption);

        const std::vector<std::string> models = CompanyPrinterList();
        ASSERT_FALSE(models.empty());
        EXPECT_EQ(models.front() == c.model, c.onlyItsModels);
        EXPECT_NE(std::find(models.begin(), models.end(), c.model), models.end());

        EXPECT_EQ(main.LanguageChoice().Entries().size(), 1u + static_cast<std::size_t>(c.languages));
        EXPECT_EQ(!main.findChild<QComboBox*>("cmbLanguage")->isHidden(), c.languages > 0);

        T_frmPrinterManage_Label& manage = *main.PrinterManage();
        manage.SetModeAdd(ListFile());
        manage.show();
        EXPECT_EQ(manage.findChild<QComboBox*>("cmbPrinterName")->findText(c.model),
                  c.onlyItsModels
                      ? 0
                      : static_cast<int>(std::find(models.begin(), models.end(), c.model) - models.begin()));
        EXPECT_EQ(manage.findChild<QPushButton*>("btnConnectTest")->isVisibleTo(&manage), c.connectTest);
        manage.hide();

        const std::string dataFolder = XdgDataHome() + edition.ProductCode + "/OcUserData/";
        EXPECT_EQ(GlobalObjects().OstrelVar->SysPmFile, dataFolder + "PrtConfig_SysPm.ini");
        EXPECT_TRUE(std::filesystem::exists(dataFolder + "PrtConfig_SysPm.ini"));
        CloseWindow();
    }
}

TEST_F(TEditions, TheStandardAndAMismatchedFlavourShowThePlainCaption) {
    struct Case {
        const char* option;
        const char* caption;
    } const cases[] = {
        {"[Option]\nToolType=Label\nOemCo=\n", "Label Printer Utility  V1.0.0.0"},
        {"[Option]\nToolType=Mobile\nOemCo=Label_Lingua\n", "Label Printer Utility  V1.0.0.0"},
        {"[Option]\nToolType=Label\nOemCo=Label_Nobody\n", "Label Printer Utility  V1.0.0.0"},
        {"[Option]\nToolType=Label\nOemCo=Label_Lingua\n", "Lingua Label Printer Utility  V1.2.0.0"},
    };
    for (const Case& c : cases) {
        WriteFiles("Option.ini", c.option);
        T_frmMain_Label& main = OpenWindow();
        EXPECT_EQ(main.windowTitle().toStdString(), c.caption) << c.option;
        CloseWindow();
    }
}

TEST_F(TEditions, TheCommandLineChoosesTheEdition) {
    WriteFiles("Option.ini", "[Option]\nToolType=Label\nOemCo=\n");
    SetEditionOverride(TEditionChoice{"Label", "Label_Wendaro"});
    T_frmMain_Label& main = OpenWindow({"-EN", "-SwitchProgrammer"});
    EXPECT_EQ(main.windowTitle().toStdString(), "Wendaro Label Printer Utility  V1.0.0.0");
    EXPECT_EQ(CompanyPrinterList(),
              (std::vector<std::string>{"Ruvad", "Quist", "Dunmore", "Wendaro P1", "Wendaro P2"}))
        << "the programmer role adds two models";
    std::vector<std::string> ids;
    for (const TLangChoiceEntry& entry : main.LanguageChoice().Entries()) {
        ids.push_back(entry.id);
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"", "2052", "1033", "1042", "7", "1040", "1036"}));
}

TEST_F(TEditions, ACaptionOfItsOwnTitleText) {
    WriteFiles("UtilityForLabelLanguage.ini", "[LanguageCollect]\nList=1033\nDefaultLanguageID=1033\n"
                                              "[Global]\n_Version=V9.9.9.9\n"
                                              "[1033]\nFormMain_Label_Caption=Main title\n"
                                              "Lang_All_00210171_11=Shared title\n"
                                              "Lang_All_00210217_12=Special\n");
    struct Case {
        const char* code;
        const char* caption;
    } const cases[] = {
        {"Label_Elvetta", "Elvetta Shared title  V3.1.0.0"},
        {"Label_Fernolt", "Fernolt Main title--Special  V1.0.3.0"},
        {"", "Main title  V9.9.9.9"},
    };
    for (const Case& c : cases) {
        WriteFiles("Option.ini", std::string("[Option]\nToolType=Label\nOemCo=") + c.code + "\n");
        EXPECT_EQ(OpenWindow().windowTitle().toStdString(), c.caption);
        CloseWindow();
    }
}

TEST_F(TEditions, TheModelListModeDecidesWhichModelsAreOffered) {
    const std::string file = WriteFiles("CompanyPrinterList_Label.txt", "File A\n\nFile B\n");
    struct Case {
        int mode;
        std::vector<std::string> offered;
    } const cases[] = {
        {0, {"File A", "File B"}},
        {1, {"Own 1", "Own 2"}},
        {2, {"File A", "File B", "Own 1", "Own 2"}},
        {3, {"File A", "File B"}},
    };
    for (const Case& c : cases) {
        TOemClass edition;
        edition.ModelListMode = c.mode;
        edition.ModelList = {"Own 1", "Own 2"};
        EXPECT_EQ(CompanyPrinterListFor(&edition, file), c.offered) << c.mode;
    }
    std::filesystem::remove(file);
    TOemClass ownOnly;
    ownOnly.ModelListMode = 2;
    ownOnly.ModelList = {"Own 1"};
    EXPECT_EQ(CompanyPrinterListFor(&ownOnly, file), (std::vector<std::string>{"Own 1"}))
        << "a missing file offers the edition's models";
}

TEST_F(TEditions, TheMapModeDecidesWhetherThePrinterMapCounts) {
    WriteFiles("PrinterMap.ini", "[Map]\nBoth=FromFile\nFileOnly=FromFile\n");
    Globals().ToolType = "Label";
    BuildModelLists();
    struct Case {
        int mode;
        const char* model;
        const char* mapModel;
    } const cases[] = {
        {0, "Both", "FromFile"},    {0, "EditionOnly", "Vorlan"},      {0, "Nowhere", "Vorlan"},
        {1, "Both", "FromEdition"}, {1, "FileOnly", "FileOnly"},       {1, "EditionOnly", "FromEdition"},
        {2, "Both", "FromFile"},    {2, "EditionOnly", "FromEdition"}, {1, "Quist-T2", "Quist"},
        {0, "Quist-T2", "Vorlan"},
    };
    for (const Case& c : cases) {
        TOemClass edition;
        edition.MapMode = c.mode;
        edition.Map = {{"Both", "FromEdition"}, {"EditionOnly", "FromEdition"}};
        EXPECT_EQ(MapModelOf(c.model, "Vorlan", &edition), c.mapModel) << c.mode << " " << c.model;
    }
}

TEST_F(TEditions, TheMobileEditionChecksItsCatalogueAtStartUp) {
    const std::string consistent = "[ParameterSet]\nIsbtnSetArabic=,Miro-T6,\n"
                                   "IsbtnDownloadImages=,Miro-T6,Miro-T6BT,\n"
                                   "Sorrel_ParameterSetting=,Miro-T4,\nPimm_ParameterSetting=,Miro-T6BT,\n";
    struct Case {
        const char* option;
        std::string catalogue;
        std::vector<std::string> messages;
    } const cases[] = {
        {"[Option]\nToolType=Mobile\nOemCo=Mobile_Sorrel\n", consistent, {}},
        {"[Option]\nToolType=Mobile\nOemCo=Mobile_Sorrel\n",
         "[ParameterSet]\nIsbtnSetArabic=,Miro-T6,Other,\nIsbtnDownloadImages=,Miro-T6,Miro-T6BT,\n"
         "Sorrel_ParameterSetting=,Miro-T4,\n",
         {"配置信息不一致:设置阿拉伯字符变形(ERRNO:20191101_102601)",
          "配置信息不一致:参数设置(ERRNO:20191101_104401)"}},
        {"[Option]\nToolType=Mobile\nOemCo=Mobile_Sorrel\n",
         "",
         {"配置信息不一致:设置阿拉伯字符变形(ERRNO:20191101_102601)",
          "配置信息不一致:图片下载(ERRNO:20191101_102602)", "配置信息不一致:参数设置(ERRNO:20191101_103801)",
          "配置信息不一致:参数设置(ERRNO:20191101_104401)"}},
        {"[Option]\nToolType=Mobile\nOemCo=Mobile_Pimlow\n", "", {}},
        {"[Option]\nToolType=Label\nOemCo=Label_Lingua\n", "", {}},
    };
    for (const Case& c : cases) {
        WriteFiles("Option.ini", c.option);
        WriteFiles("PrinterTypeList_Label.ini", c.catalogue);
        sink.boxes.clear();
        OpenWindow();
        std::vector<std::string> messages;
        for (const ShownBox& box : Boxes("info")) {
            if (box.text.find("ERRNO:20191101") != std::string::npos) {
                messages.push_back(box.text);
            }
        }
        EXPECT_EQ(messages, c.messages) << c.option << c.catalogue;
        CloseWindow();
    }
}

} // namespace
} // namespace tolvane::test

namespace tolvane::test {
namespace {

// The system options page's "Set" saves the shown language and says so;
// the language id field only shows the id and takes no typing.
TEST_F(TEditions, SettingTheLanguageSavesItAndSaysSo) {
    WriteFiles("Option.ini", "[Option]\nToolType=Label\nOemCo=Label_Nessaly\n");
    WriteList("Kavo-300|USB|USB||0\n");
    T_frmMain_Label& main = OpenWindow();
    const std::vector<TLangChoiceEntry>& entries = main.LanguageChoice().Entries();
    const auto english = std::find_if(entries.begin(), entries.end(),
                                      [](const TLangChoiceEntry& entry) { return entry.id == "1033"; });
    ASSERT_NE(english, entries.end());
    main.findChild<QComboBox*>("cmbLanguage")->setCurrentIndex(static_cast<int>(english - entries.begin()));
    sink.boxes.clear();
    main.btnLangSetClick();
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, Text("FormMain_Label_LangSaved"));
    EXPECT_EQ(IniReadString(GlobalObjects().OstrelVar->SysPmFile, "SysPm", "ToolLang"), "1033");
    const auto* id = main.findChild<QLineEdit*>("txtLanguageId");
    EXPECT_TRUE(id->isReadOnly());
    EXPECT_EQ(id->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(id->text().toStdString(), "1033");
    CloseWindow();
}

} // namespace
} // namespace tolvane::test
