// The Dresk, Miro and Quistel parameter dialogs against the emulated
// printer: the keys and frames of their read and write orders, the value
// encodings and the rules that depend on the model.
#include "ParamsFixture.h"
#include "mdlParaDialogModels.h"
#include "mdlParaSetDresk.h"
#include "mdlParaSetMiro.h"
#include "mdlParaSetQuistel.h"
#include "mdlPrinterLib_Call.h"

namespace tolvane::test {
namespace {

class KeyValueDialogTest : public EmulatedPrinterTest {
  protected:
    // Selects a printer of that list name on the emulated printer and opens
    // its dialog as the main window does (created on the open port, then
    // shown, which reads). The records start after the selection.
    template <typename TDialog>
    TDialog& Open(const std::string& listName, const std::string& profile,
                  const std::function<void()>& beforeOpen = {}) {
        const std::string address = StartPrinter(profile);
        if (beforeOpen) {
            beforeOpen();
        }
        SelectListedPrinter(listName, address);
        dialog = params::CreateParaDialogModel(TDialog::kClassName, params::SelectedPrinterContext());
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(PrtLib_BeginCommand());
        dialog->FormCreate();
        PrtLib_EndCommand();
        dialog->FormShow();
        dialog->StartRead();
        return static_cast<TDialog&>(*dialog);
    }
    const params::TControl& C(const char* name) const { return dialog->Form()[name]; }
    std::string Selected(const char* name) const { return C(name).SelectedText(); }
    void Enter(const char* edit, const std::string& text) {
        dialog->Form().SetText(edit, text);
        dialog->LeaveField(edit);
    }
    // The numbered keys of the received frames of one kind ("getkey" or
    // "setkey"), with their values for "setkey" ("1.208=60 00").
    std::vector<std::string> KeyFrames(const std::string& command) const {
        std::vector<std::string> frames;
        for (const emulator::Record& record : printer->records()) {
            if (record.command == command) {
                frames.push_back(command == "setkey" ? record.key + "=" + record.value : record.key);
            } else if (record.command == "do" || record.command == "getval") {
                frames.push_back(record.command + " " + record.key);
            }
        }
        return frames;
    }
    // Factory mode: the developer marker present, debug mode refused and
    // factory mode accepted at start-up.
    void EnterFactoryModeAtStart() {
        CreateFirstMarker();
        sink.answers = {false, true};
    }

    std::unique_ptr<params::TParaDialogModel> dialog;
};

// ---- Dresk ----

TEST_F(KeyValueDialogTest, DreskReadsTheNamedKeysWhenShownAndWritesWithoutSaveParam) {
    auto& dresk = Open<params::TParaSetDresk>("Dresk-4T", "dresk_tspl.profile");
    EXPECT_EQ(Keys("getval"), (std::vector<std::string>{"dpi",
                                                        "version",
                                                        "ppl",
                                                        "bt_mac",
                                                        "bt_name",
                                                        "bt_pwd",
                                                        "media_power_up",
                                                        "reprint_after_error",
                                                        "media_sensor",
                                                        "density",
                                                        "eth_dhcp",
                                                        "eth_ip",
                                                        "eth_mask",
                                                        "eth_gateway",
                                                        "heat_adj",
                                                        "speed",
                                                        "ppl",
                                                        "code_page",
                                                        "com_baud",
                                                        "com_wordlength",
                                                        "com_parity",
                                                        "com_stopbits",
                                                        "print_mode",
                                                        "tear_off",
                                                        "sensor_select",
                                                        "platenin_enter_pause"}));
    EXPECT_EQ(C("txtBTName").text, "Dresk-4T"); // "-1A2B" cut
    EXPECT_EQ(C("gpbAutoPosition").items.size(), 2u);
    EXPECT_EQ(C("gpbAutoPosition").index, 0);   // "none"
    EXPECT_FALSE(C("gpbPrintType").enabled);    // no ribbon switch on this model
    EXPECT_EQ(Selected("cmbProtocol"), "TSPL"); // "tsc" shown as "tspl"
    EXPECT_EQ(Selected("cmbCodepage"), "LatinI(1252)");
    EXPECT_EQ(C("txtTearOff").text, "-5");
    EXPECT_EQ(C("lblTearOffRange").text, "-90~+90");
    EXPECT_FALSE(C("StatusBarA").visible);
    EXPECT_FALSE(C("tabsUserParaB").visible);
    EXPECT_FALSE(C("btnSave").visible);

    printer->clearRecords();
    dresk.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    std::vector<std::string> sent;
    for (const std::string& command : Commands()) {
        if (command.rfind("setval ", 0) == 0 || command.rfind("do ", 0) == 0) {
            sent.push_back(command);
        }
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"setval bt_name",        "setval bt_pwd",
                                              "setval media_power_up", "setval reprint_after_error",
                                              "setval code_page",      "setval media_sensor",
                                              "setval density",        "setval eth_dhcp",
                                              "setval eth_ip",         "setval eth_mask",
                                              "setval eth_gateway",    "setval heat_adj",
                                              "setval speed",          "setval ppl",
                                              "setval com_baud",       "setval com_wordlength",
                                              "setval com_parity",     "setval com_stopbits",
                                              "setval sensor_select",  "setval platenin_enter_pause",
                                              "setval print_mode",     "setval tear_off",
                                              "do reset_printer"}));
    EXPECT_EQ(Written("ppl"), "tsc");
    EXPECT_EQ(Written("media_power_up"), "none");
    EXPECT_EQ(Written("eth_ip"), "192.168.1.100.");
    EXPECT_TRUE(dresk.CloseRequested());
}

TEST_F(KeyValueDialogTest, DreskStopPositionLimitFollowsTheModel) {
    struct Case {
        const char* typed;
        const char* shown90; // a model of "IsTealOff90"
        const char* shown120;
    };
    const Case cases[] = {
        {"100", "90", "100"},    {"-100", "-90", "-100"}, {"130", "90", "120"},
        {"-130", "-90", "-120"}, {"-", "0", "0"},         {"", "0", "0"},
    };
    for (const char* listName : {"Dresk-4T", "Pattik"}) {
        Open<params::TParaSetDresk>(listName, "dresk_tspl.profile");
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(listName) + " " + c.typed);
            Enter("txtTearOff", c.typed);
            EXPECT_EQ(C("txtTearOff").text, std::string(listName) == "Pattik" ? c.shown120 : c.shown90);
        }
        dialog.reset();
        TearDown();
        SetUp();
    }
}

TEST_F(KeyValueDialogTest, DreskPrintersWithoutBluetoothKeysNeitherReadNorWriteThem) {
    auto& dresk = Open<params::TParaSetDresk>("Corla", "dresk_tspl.profile",
                                              [this] { SetPrinterValue("sw_ribbon", "on"); });
    const std::vector<std::string> read = Keys("getval");
    EXPECT_EQ(std::count(read.begin(), read.end(), "bt_name"), 0);
    EXPECT_EQ(std::count(read.begin(), read.end(), "sw_ribbon"), 1);
    EXPECT_EQ(C("gpbPrintType").index, 1);
    EXPECT_FALSE(C("txtBTName").enabled);
    EXPECT_TRUE(C("txtBTName").text.empty());
    printer->clearRecords();
    dresk.btnSetClick(); // no password check for these models
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_FALSE(Written("bt_name"));
    EXPECT_FALSE(Written("bt_pwd"));
    EXPECT_EQ(Written("sw_ribbon"), "on");
}

// ---- Miro ----

const std::vector<std::string> kMiroNavraReads = {"1.206", "1.203", "1.202", "1.100", "1.101",
                                                  "1.102", "1.103", "1.208", "1.322"};

TEST_F(KeyValueDialogTest, MiroReadsAndWritesTheNumberedKeysInOrder) {
    auto& miro = Open<params::TParaSetMiro>("Navra", "miro_cpcl.profile");
    EXPECT_EQ(Keys("getkey"), kMiroNavraReads);
    EXPECT_TRUE(C("gpbEthernetSetting").visible);
    EXPECT_FALSE(C("tabsUserParaBt").visible);
    EXPECT_FALSE(C("tabsUserParaB").visible);
    EXPECT_EQ(C("cmbDetectMode").index, 2); // printer value 1
    EXPECT_EQ(Selected("cmbDensity"), "10");
    EXPECT_EQ(Selected("cmbPrintSpeed"), "5");
    EXPECT_EQ(Selected("cmbDHCP"), "OFF");
    EXPECT_EQ(C("txtIP4").text, "160");
    EXPECT_EQ(C("txtSubnet1").text, "255");
    EXPECT_EQ(C("txtPrintToStop").text, "12"); // word 96
    EXPECT_EQ(miro.CodePageList, params::TMiroCodePageList::A);
    EXPECT_EQ(Selected("cmbCodepage"), "16 : Multilingual : PC850");

    // Writing the third detect-mode entry sends 1; -5 mm goes as -40 dots.
    dialog->Form().SetIndex("cmbDetectMode", 2);
    Enter("txtPrintToStop", "-5");
    printer->clearRecords();
    miro.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(KeyFrames("setkey"),
              (std::vector<std::string>{"1.206=01", "1.203=0A", "1.202=05", "1.100=00", "1.101=C0 A8 01 A0",
                                        "1.102=FF FF FF 00", "1.103=C0 A8 01 01", "1.208=D8 FF",
                                        "1.322=10 00", "do save_param_zone", "do reset_printer"}));
    EXPECT_TRUE(miro.CloseRequested());
}

TEST_F(KeyValueDialogTest, MiroUsesTheUserGroupForReadsAndItsGroupsForWritesInFactoryMode) {
    auto& miro =
        Open<params::TParaSetMiro>("Navra", "miro_cpcl.profile", [this] { EnterFactoryModeAtStart(); });
    std::vector<std::string> expected;
    for (const std::string& key : kMiroNavraReads) {
        expected.push_back("0" + key.substr(1));
    }
    EXPECT_EQ(Keys("getkey"), expected);
    printer->clearRecords();
    miro.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    std::vector<std::string> groups;
    for (const std::string& key : Keys("setkey")) {
        groups.push_back(key);
    }
    // The speed that group 0 reports is no entry of the list: nothing is
    // selected, so the speed is not written.
    EXPECT_EQ(miro.Form()["cmbPrintSpeed"].index, -1);
    EXPECT_EQ(groups, (std::vector<std::string>{"1.206", "1.203", "0.100", "0.101", "0.102", "0.103", "1.208",
                                                "0.322"}));
}

TEST_F(KeyValueDialogTest, MiroStopsReadingAtTheFirstFailedReadAndWritesOnlyWhatItRead) {
    auto& miro = Open<params::TParaSetMiro>("Navra", "miro_cpcl.profile", [this] {
        std::string error;
        ASSERT_TRUE(printer->addFault("getkey:1.202=silent", error)) << error;
    });
    EXPECT_EQ(Keys("getkey"), (std::vector<std::string>{"1.206", "1.203", "1.202"}));
    EXPECT_EQ(Selected("cmbDensity"), "10");
    EXPECT_EQ(C("txtPrintToStop").text, "");
    // What the read did not reach is named below the buttons.
    EXPECT_TRUE(C("StatusBarA").visible);
    for (const char* label : {"lblPrintSpeed", "lblDHCP", "lblPrintToStop"}) {
        EXPECT_NE(C("StatusBarA").text.find(params::Trim(C(label).text)), std::string::npos) << label;
    }
    printer->clearRecords();
    miro.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    // Before, an unread stop position went out as 0 and the DHCP, address
    // and speed defaults with it.
    EXPECT_EQ(Keys("setkey"), (std::vector<std::string>{"1.206", "1.203"}));
}

TEST_F(KeyValueDialogTest, MiroBluetoothPageAndCodePageListFollowTheModel) {
    auto& miro = Open<params::TParaSetMiro>("Miro-T6BT", "miro_cpcl.profile");
    EXPECT_TRUE(C("tabsUserParaBt").visible);
    EXPECT_FALSE(C("gpbEthernetSetting").visible);
    EXPECT_EQ(C("txtBTName").text, "Miro-7788");
    EXPECT_EQ(C("txtBTPWD").text, "1234");
    EXPECT_EQ(C("chkSimplePairing").index, 0); // 1: not ticked
    EXPECT_EQ(Keys("getkey").front(), "1.104");
    EXPECT_EQ(miro.CodePageList, params::TMiroCodePageList::C);
    EXPECT_EQ(C("cmbCodepage").items.size(), 39u);
    EXPECT_EQ(Selected("cmbCodepage"), "16 : WPC1252 : WPC1252");
    EXPECT_EQ(C("cmbPrintSpeed").items.front(), "4");
    EXPECT_EQ(C("cmbPrintSpeed").items.back(), "6");
    // A password of another length is refused before anything is sent.
    dialog->Form().SetText("txtBTPWD", "12");
    printer->clearRecords();
    miro.btnSetClick();
    EXPECT_EQ(Boxes("error").size(), 1u);
    EXPECT_TRUE(Keys("setkey").empty());
    EXPECT_FALSE(miro.CloseRequested());
}

#ifdef TEST_SELVANIC
// With the permission to ask, the printer's own speed bounds replace the
// model's (when both are numbers in order).
TEST_F(KeyValueDialogTest, MiroSpeedBoundsFromThePrinterUnderThePermission) {
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    selvanic.Get<void (*)(const char*, int32_t)>("TestSelvanic_SetPermission")("0123000053", 1);
    Open<params::TParaSetMiro>("Miro-T6BT", "miro_cpcl.profile");
    EXPECT_EQ(Keys("getval"), (std::vector<std::string>{"max_speed", "min_speed"}));
    EXPECT_EQ(C("cmbPrintSpeed").items, (std::vector<std::string>{"3", "4", "5", "6"}));
    EXPECT_EQ(Selected("cmbPrintSpeed"), "5");
}

TEST_F(KeyValueDialogTest, DreskReleasePaperUnderThePermission) {
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    selvanic.Get<void (*)(const char*, int32_t)>("TestSelvanic_SetPermission")("0135000001", 1);
    auto& dresk = Open<params::TParaSetDresk>("Dresk-4T", "dresk_tspl.profile",
                                              [this] { SetPrinterValue("stickers_times", "3"); });
    EXPECT_EQ(Keys("getval").back(), "stickers_times");
    EXPECT_TRUE(dialog->Form().EffectivelyVisible("cmbReleasePaper"));
    EXPECT_EQ(Selected("cmbReleasePaper"), "3");
    dialog->Form().SetIndex("cmbReleasePaper", 5);
    printer->clearRecords();
    dresk.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Keys("setval").back(), "stickers_times");
    EXPECT_EQ(Written("stickers_times"), "5");
}
#endif

TEST(MiroCodePages, EachRuleChoosesItsList) {
    using params::ChooseMiroCodePageList;
    using L = params::TMiroCodePageList;
    struct Case {
        const char* listName;
        const char* model;
        const char* language;
        L list;
        std::size_t size;
    };
    const Case cases[] = {
        {"Navra", "Navra", "", L::A, 41},       {"Mine", "Miro-T6", "", L::B, 43},
        {"Solby", "Solby", "cpcl", L::A, 41},   {"Solby", "Solby", "esc", L::E, 28},
        {"Solby", "Solby", "tspl", L::None, 0}, {"Mine", "Miro-T6BT", "", L::C, 39},
        {"Mine", "Anything", "", L::D, 43},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const L list = ChooseMiroCodePageList(c.listName, c.model, c.language);
        EXPECT_EQ(list, c.list);
        EXPECT_EQ(params::MiroCodePages(list).size(), c.size);
    }
    EXPECT_EQ(params::MiroCodePages(L::A)[15], "32=32 : Cyrillic : PC855 ");
    EXPECT_EQ(params::MiroCodePages(L::D)[37], "77=77 : Thai Character Code 11,  TIS11 : CP_THAI11");
    EXPECT_EQ(params::MiroCodePages(L::E).back(), "52=52 : Vietnamese : WPC1258");
}

TEST(MiroDetectMode, PositionsAndPrinterValuesMapBothWays) {
    const int values[] = {0, 2, 1};
    for (int position = 0; position < 3; ++position) {
        EXPECT_EQ(params::TParaSetMiro::DetectModeValue(position), values[position]);
        EXPECT_EQ(params::TParaSetMiro::DetectModePosition(values[position]), position);
    }
}

// ---- Quistel ----

TEST_F(KeyValueDialogTest, QuistelReadsAndWritesItsKeysWithTheSignedStopWord) {
    auto& quistel = Open<params::TParaSetQuistel>("Quistel-C", "quistel_tspl.profile");
    EXPECT_EQ(Keys("getkey"), (std::vector<std::string>{"1.203", "1.202", "1.108", "1.404", "1.414", "1.208",
                                                        "1.236", "1.213", "1.206", "1.238"}));
    EXPECT_EQ(Selected("cmbDensity"), "8");
    EXPECT_EQ(Selected("cmbBaudRate"), "38400");
    EXPECT_EQ(C("cmbBuzzerSound").index, 1);
    EXPECT_EQ(C("txtPrintToStop").text, "-5");
    EXPECT_EQ(C("cmbRePrintSwitch").index, 1); // "0=" is the second entry
    EXPECT_EQ(Selected("cmbPaperMode"), params::Txt("Lang_All_00210094_12"));
    EXPECT_EQ(C("txtMinStudyPaperLength").text, "32");
    printer->clearRecords();
    quistel.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(
        KeyFrames("setkey"),
        (std::vector<std::string>{"1.203=08", "1.202=04", "1.108=02", "1.404=01", "1.414=00", "1.208=FB FF",
                                  "1.236=00", "1.206=02", "1.213=01", "1.238=20 00", "do reset_printer"}));
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("msgSRP"));
}

TEST_F(KeyValueDialogTest, QuistelStopPositionWordFollowsTheModelRule) {
    struct Case {
        const char* listName;
        const char* stop;
        const char* frame;
    };
    const Case cases[] = {
        {"Quistel", "-5", "1.208=FB FF"},
        {"Quistor", "-5", "1.208=FB 00"},
        {"Quistor", "12", "1.208=0C 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.listName) + " " + c.stop);
        auto& quistel = Open<params::TParaSetQuistel>(c.listName, "quistel_tspl.profile");
        Enter("txtPrintToStop", c.stop);
        printer->clearRecords();
        quistel.btnSetClick();
        ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
        const std::vector<std::string> frames = KeyFrames("setkey");
        EXPECT_NE(std::find(frames.begin(), frames.end(), c.frame), frames.end());
        // Rows of the Quistel-C only are neither read nor written.
        EXPECT_EQ(std::count(frames.begin(), frames.end(), "1.213=01"), 0);
        dialog.reset();
        TearDown();
        SetUp();
    }
}

TEST_F(KeyValueDialogTest, QuistelRefusesAStopPositionOutOfRangeAndSendsNothing) {
    auto& quistel = Open<params::TParaSetQuistel>("Quistel", "quistel_tspl.profile");
    Enter("txtPrintToStop", "150");
    EXPECT_EQ(C("txtPrintToStop").text, "99");
    dialog->Form().SetText("txtPrintToStop", "-");
    printer->clearRecords();
    quistel.btnSetClick();
    EXPECT_EQ(Boxes("error").size(), 1u);
    EXPECT_TRUE(Keys("setkey").empty());
    EXPECT_FALSE(quistel.CloseRequested());
}

} // namespace
} // namespace tolvane::test
