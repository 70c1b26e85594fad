#include "CoreFixture.h"

#include "mdlPrinterLib.h"

#include <filesystem>

namespace tolvane {
namespace {

using test::Args;
using test::CoreTest;
using test::kSmallLanguageFile;
using test::PluginProbe;

std::string RoleLetters() {
    const TRoleFlags& r = Roles();
    return std::string(r.Dealer ? "D" : "-") + (r.Technical ? "T" : "-") + (r.CustomerService ? "C" : "-") +
           (r.Programmer ? "P" : "-");
}

TEST_F(CoreTest, CommandLinesMarkersAndPromptsDecideTheModes) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        bool firstMarker, secondMarker;
        std::deque<bool> answers;
        const char* languageId;      // the program's, after the first show
        const char* constLanguageId; // the language constants' own
        bool factorySwitch, debug, factoryMode;
        int normalUser;
        const char* roles;
        std::size_t prompts;
    } cases[] = {
        {"no arguments", Args({}), false, false, {}, "2052", "2052", false, false, false, 1, "----", 0},
        {"-EN", Args({"-EN"}), false, false, {}, "1033", "1033", false, false, false, 1, "----", 0},
        {"-TW", Args({"-TW"}), false, false, {}, "1028", "1028", false, false, false, 1, "----", 0},
        {"-ES", Args({"-ES"}), false, false, {}, "1034", "1034", false, false, false, 1, "----", 0},
        {"-KR unknown to the constants",
         Args({"-KR"}),
         false,
         false,
         {},
         "1042",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         0},
        {"-JP not listed",
         Args({"-JP"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         0},
        {"switch as argument 2",
         Args({"x", "-EN"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         0},
        {"switches are case-sensitive",
         Args({"-en"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         0},
        {"-Factory first",
         Args({"-Factory"}),
         false,
         false,
         {},
         "2052",
         "2052",
         true,
         false,
         false,
         1,
         "----",
         0},
        {"-Factory second",
         Args({"-EN", "-Factory"}),
         false,
         false,
         {},
         "1033",
         "1033",
         true,
         false,
         false,
         1,
         "----",
         0},
        {"-Factory third",
         Args({"a", "b", "-Factory"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         0},
        {"programmer third",
         Args({"a", "b", "-SwitchProgrammer"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "---P",
         0},
        {"role case matters",
         Args({"-switchprogrammer"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         0},
        {"three roles",
         Args({"-SwitchDealer", "-SwitchTechnical", "-SwitchCustomerServicePeople"}),
         false,
         false,
         {},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "DTC-",
         0},
        {"marker, OK and OK",
         Args({"-EN"}),
         true,
         false,
         {true, true},
         "1028",
         "1033",
         false,
         true,
         true,
         0,
         "----",
         2},
        {"marker, Cancel and Cancel",
         Args({}),
         true,
         false,
         {false, false},
         "2052",
         "2052",
         false,
         false,
         false,
         1,
         "----",
         2},
        {"marker, Cancel and OK",
         Args({}),
         true,
         false,
         {false, true},
         "2052",
         "2052",
         false,
         false,
         true,
         0,
         "----",
         2},
        {"second marker only", Args({}), false, true, {}, "2052", "2052", false, false, false, 1, "----", 0},
        {"both markers",
         Args({"-EN"}),
         true,
         true,
         {false, false},
         "1028",
         "1033",
         false,
         true,
         false,
         1,
         "----",
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            test::TempFolder caseHome;
            ::setenv("HOME", caseHome.Path().c_str(), 1);
            std::filesystem::remove(app / "x20061128153047.txt");
            if (c.firstMarker) {
                caseHome.Write("xx20050316094512/dfile20050316094512.txt", "");
            }
            if (c.secondMarker) {
                CreateSecondMarker();
            }
            WriteFiles("UtilityForLabelLanguage.ini", kSmallLanguageFile);
            sink.boxes.clear();
            sink.answers = c.answers;

            StartUp(c.args);

            EXPECT_EQ(Globals().LanguageId, c.languageId);
            EXPECT_EQ(GlobalObjects().ConstLangV->LanguageId, c.constLanguageId);
            EXPECT_EQ(FactorySwitch(), c.factorySwitch);
            EXPECT_EQ(DebugMode(), c.debug);
            EXPECT_EQ(FactoryMode(), c.factoryMode);
            EXPECT_EQ(NormalUser(), c.normalUser);
            EXPECT_EQ(GlobalObjects().OstrelVar->FactoryMode, c.factoryMode);
            EXPECT_EQ(GlobalObjects().OstrelVar->NormalUser, c.normalUser);
            EXPECT_EQ(RoleLetters(), c.roles);
            ASSERT_EQ(sink.boxes.size(), c.prompts);
            if (c.prompts == 2) {
                EXPECT_EQ(sink.boxes[0].text, "Ener DMode?");
                EXPECT_EQ(sink.boxes[1].text, "Ener Factory Mode?");
                EXPECT_EQ(sink.boxes[0].kind, "ask");
                EXPECT_EQ(sink.boxes[0].title, ""); // texts are not loaded yet
            }
            TearDown();
        }
        SetUp();
    }
}

TEST_F(CoreTest, StartUpAndShutDownRunInTheDocumentedOrder) {
    WriteFiles("UtilityForLabelLanguage.ini", kSmallLanguageFile);
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT));
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));

    std::vector<std::string> steps;
    const auto objects = [] {
        const TGlobalObjects& g = GlobalObjects();
        return std::string(g.ConstVar ? "V" : "-") + (g.ConstLangV ? "L" : "-") + (g.GlobalVar ? "G" : "-") +
               (g.OstrelVar ? "O" : "-");
    };
    const auto step = [&](const char* name) { return [&steps, name] { steps.emplace_back(name); }; };
    TCoreHooks& hooks = CoreHooks();
    hooks.BuildModelLists = step("BuildModelLists");
    hooks.SetDeviceDefaults = step("SetDeviceDefaults");
    hooks.StartImageSubsystem = step("StartImageSubsystem");
    hooks.CreateUsbNotifier = step("CreateUsbNotifier");
    hooks.CreateFeatureObjects = [&] { steps.push_back("CreateFeatureObjects " + objects()); };
    hooks.CreateFeatureList = [&] {
        steps.push_back("CreateFeatureList " + objects());
        return std::shared_ptr<TFTNVar>(reinterpret_cast<TFTNVar*>(&steps),
                                        [&](TFTNVar*) { steps.push_back("FeatureList freed " + objects()); });
    };
    hooks.SetCatalogueFile = [&](const std::string& name) { steps.push_back("SetCatalogueFile " + name); };
    hooks.BuildFeatureLists = [&] { steps.push_back("BuildFeatureLists " + Globals().ToolType); };
    hooks.FillCompanyPrinterList = [&] {
        steps.push_back(std::string("FillCompanyPrinterList ") +
                        (GlobalObjects().OstrelVar->Oem != nullptr ? "after edition" : "before edition"));
    };
    hooks.LoadProtocolLists = [&] {
        steps.push_back("LoadProtocolLists table=" + std::to_string(LangTexts().Size()));
    };
    hooks.FreeFeatureObjects = step("FreeFeatureObjects");

    StartupInitModules();
    EXPECT_EQ(Globals().ToolTypeNo, 2);
    StartupDecideAndCreate(Args({}));
    EXPECT_TRUE(std::filesystem::is_directory(app / "PgmOrCdr"));
    EXPECT_EQ(CurrentDevNewPrt(), GlobalObjects().OstrelVar->DevNewPrt.get());
    MainWindowCreateSteps(Args({}));
    const TFirstShowResult shown = FirstShowPrepare();
    FirstShowHandToSelvanic();
    AfterMessageLoop();
    MainWindowDestroySteps();
    hooks = TCoreHooks{}; // they refer to this test's locals

    EXPECT_EQ(steps, (std::vector<std::string>{
                         "BuildModelLists", "SetDeviceDefaults", "StartImageSubsystem", "CreateUsbNotifier",
                         "CreateFeatureObjects ----", "CreateFeatureList VLG-",
                         "SetCatalogueFile PrinterTypeList_Label.ini", "BuildFeatureLists Label",
                         "FillCompanyPrinterList after edition", "LoadProtocolLists table=0",
                         "FreeFeatureObjects", "FeatureList freed VLG-"}));
    EXPECT_EQ(shown.IconPath, app / "icons/icon.ico");
    EXPECT_EQ(shown.ProtocolFieldText, "TSPL,InitProtocolType");
    EXPECT_EQ(ProtocolKind, 1);
    EXPECT_EQ(Globals().ScratchBitmapPath, app / "CBT.bmp");
    EXPECT_EQ(Globals().PrinterMapPath, app / "files/PrinterMap.ini");
    EXPECT_EQ(objects(), "----");
    EXPECT_EQ(CurrentDevNewPrt(), nullptr);

    const std::vector<std::string> morrantCalls = morrant.Calls();
    ASSERT_GE(morrantCalls.size(), 4u);
    EXPECT_EQ(morrantCalls[0], "LangInit");
    EXPECT_EQ(morrantCalls[1], "LangSetLanguageID(2052)");
    EXPECT_EQ(morrantCalls[2],
              "LangSetLanguageFN_FullName(" + app / "files/UtilityForLabelLanguage.ini" + ")");
    EXPECT_EQ(morrantCalls[3].rfind("LangReadIni(", 0), 0u) << "the text table is read through the library";
    EXPECT_EQ(morrantCalls.back(), "LangUnInit");

    const std::string logFolder = home / "xx20050316094512/Base_Label_20200117_160501/Log/DebugLog/";
    const std::vector<std::string> selvanicCalls = selvanic.Calls();
    EXPECT_EQ(selvanicCalls,
              (std::vector<std::string>{
                  "CmdsInit", "Cmds_SetIsDebug(0)", "Cmds_SetBaseDbgPath(" + logFolder + ")",
                  "Cmds_SetLogFile(" + logFolder + "logfile" + FormatLogDate(NowLocal()) + ".log)",
                  "Cmds_SetToolType(Label)", "Cmds_SetOemCo()", "Cmds_TrySetAppToReady", "Cmds_GetAppIsReady",
                  "CmdsUnInit"}));
}

TEST_F(CoreTest, StartsWithoutHelperLibrariesOrLanguageFile) {
    StartUp(Args({"-EN"}));
    FirstShowHandToSelvanic();
    FirstShowPrinterMapCheck();
    EXPECT_FALSE(Morrant().IsBound());
    EXPECT_FALSE(Selvanic().IsBound());
    EXPECT_FALSE(SelvanicAppIsReady());
    // No language file: the id falls back to the (missing) default, texts are empty.
    EXPECT_EQ(Globals().LanguageId, "");
    EXPECT_EQ(GetLangText("_MSG_Title_Warn"), "");
    EXPECT_TRUE(sink.boxes.empty());
    // The system parameter file lives in the per-user data folder.
    EXPECT_EQ(GlobalObjects().OstrelVar->SysPmFile, home / "data/OstrelUtility/PrtConfig_SysPm.ini");
    EXPECT_EQ(test::ReadFile(GlobalObjects().OstrelVar->SysPmFile), "[SysPm]\nToolLang=\n");
}

TEST_F(CoreTest, LanguageFileNameReachesTheHelperOnlyWhenTheFileExists) {
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT));
    StartUp(Args({}));
    for (const std::string& call : morrant.Calls()) {
        EXPECT_EQ(call.rfind("LangSetLanguageFN_FullName", 0), std::string::npos) << call;
    }
}

TEST_F(CoreTest, SavedLanguageIsKeptAcrossStartUps) {
    WriteFiles("UtilityForLabelLanguage.ini", kSmallLanguageFile);
    home.Write("data/OstrelUtility/PrtConfig_SysPm.ini", "; kept\n[SysPm]\nToolLang=1033\n");
    StartUp(Args({}));
    EXPECT_EQ(GlobalObjects().OstrelVar->SavedLanguage, "1033");
    EXPECT_EQ(test::ReadFile(home / "data/OstrelUtility/PrtConfig_SysPm.ini"),
              "; kept\n[SysPm]\nToolLang=1033\n");
}

TEST_F(CoreTest, PrinterMapCheckReportsAnUncreatableTsplPrinter) {
    struct Case {
        const char* map; // nullptr: no file
        std::size_t boxes;
    } cases[] = {{nullptr, 0}, {"[Map]\nA=Vorlan\nB=Quist\n", 0}, {"[Map]\nA=Vorlan\nB=Gulvo\n", 1}};
    StartUp(Args({}));
    PrtLib_UnloadLibraries(); // nothing can be created
    for (const Case& c : cases) {
        std::filesystem::remove(app / "files/PrinterMap.ini");
        if (c.map != nullptr) {
            WriteFiles("PrinterMap.ini", c.map);
        }
        sink.boxes.clear();
        FirstShowPrinterMapCheck();
        ASSERT_EQ(sink.boxes.size(), c.boxes) << (c.map ? c.map : "no file");
        if (c.boxes == 1) {
            EXPECT_EQ(sink.boxes[0].text, "TSPL ERR(CRT ERR)(ERRNO:20200628_101601)");
        }
    }
}

} // namespace
} // namespace tolvane
