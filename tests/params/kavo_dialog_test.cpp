// The Kavo parameter dialog against the emulated printer: the read and
// write orders for a Kavo and an Ardel printer, the reply rules and the
// edge cases that catch real faults.
#include "ParamsFixture.h"
#include "mdlFileUtil.h"
#include "mdlHeadlessSession.h"
#include "mdlParaFile.h"
#include "mdlParaReadState.h"
#include "mdlParaSetKavo.h"
#include "mdlPrinterLib_Call.h"

namespace tolvane::test {
namespace {

using params::TParaSetKavo;

class KavoDialogTest : public EmulatedPrinterTest {
  protected:
    // Selects a printer of that list name on the emulated printer and opens
    // the dialog as the main window does: created on the open port, shown,
    // then read. The records start after the selection.
    TParaSetKavo& Open(const std::string& listName, const std::string& profile = "kavo_tspl.profile",
                       const std::function<void()>& beforeOpen = {}) {
        const std::string address = StartPrinter(profile);
        SelectListedPrinter(listName, address);
        if (beforeOpen) {
            beforeOpen();
        }
        dialog = std::make_unique<TParaSetKavo>(params::SelectedPrinterContext());
        EXPECT_TRUE(PrtLib_BeginCommand());
        dialog->FormCreate();
        PrtLib_EndCommand();
        dialog->FormShow();
        dialog->StartRead();
        return *dialog;
    }
    const params::TControl& C(const char* name) const { return dialog->Form()[name]; }
    std::string Selected(const char* name) const { return C(name).SelectedText(); }

    std::unique_ptr<TParaSetKavo> dialog;
};

const std::vector<std::string> kKavoReadKeys = {"dpi",
                                                "ppl",
                                                "version",
                                                "bt_mac",
                                                "bt_name",
                                                "bt_pwd",
                                                "media_power_up",
                                                "sw_ribbon",
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
                                                "com_stopbits",
                                                "com_parity",
                                                "print_mode",
                                                "tear_off",
                                                "sensor_select",
                                                "platenin_enter_pause"};

TEST_F(KavoDialogTest, ReadsEveryKeyInOrderAndFillsTheControls) {
    TParaSetKavo& kavo = Open("Vorlan");
    EXPECT_EQ(Keys("getval"), kKavoReadKeys);
    EXPECT_EQ(kavo.DpiText, "203");
    EXPECT_EQ(C("txtBTName").text, "Kavo"); // "Kavo-ABCD" without "-ABCD"
    EXPECT_EQ(C("txtBTPWD").text, "0000");
    EXPECT_EQ(C("gpbAutoPosition").index, 1); // "calibation"
    EXPECT_EQ(C("gpbPrintType").index, 0);    // "off"
    EXPECT_EQ(C("gpbReprintWhenError").index, 1);
    EXPECT_EQ(C("cmbJudgePaperMode").index, 0); // "gap"
    EXPECT_EQ(Selected("cmbDensity"), "8");
    EXPECT_EQ(C("cmbDensity").items.size(), 16u);
    EXPECT_EQ(Selected("cmbDHCP"), "OFF");
    EXPECT_TRUE(C("txtIP1").enabled);
    EXPECT_EQ(C("txtIP1").text + "." + C("txtIP2").text + "." + C("txtIP3").text + "." + C("txtIP4").text,
              "192.168.1.100");
    EXPECT_EQ(C("txtSubnet4").text, "0");
    EXPECT_EQ(Selected("cmbPrintSpeed"), "4");
    EXPECT_EQ(Selected("cmbProtocol"), "TSC"); // "tsc" read as "tspl" selects entry 0 ignoring case
    EXPECT_EQ(kavo.ProtocolRead, "tspl");
    EXPECT_EQ(Selected("cmbCodepage"), "LatinI(1252)");
    EXPECT_EQ(Selected("cmbParity"), "NONE");
    EXPECT_EQ(C("cmbPrintMode").index, 0); // "tear"
    EXPECT_EQ(C("RadioGroup1").index, 1);  // "transmissive"
    EXPECT_EQ(C("g5").index, 1);           // "on"
    EXPECT_EQ(C("StatusBarA").text, params::Txt("Lang_All_00210099_53"));
    EXPECT_TRUE(kavo.Timers().at("StatusTimer").enabled);
    EXPECT_TRUE(C("btnSet").enabled);
    EXPECT_TRUE(Boxes("error").empty());
    // Not the Ardel printer: the print area rows and the file buttons are
    // hidden, the two buttons moved.
    EXPECT_FALSE(C("txtZPrintWidth").visible);
    EXPECT_FALSE(C("btnLoad").visible);
    EXPECT_EQ(C("btnSet").left, 222);
    EXPECT_EQ(C("btnClose").left, 370);
}

TEST_F(KavoDialogTest, WritesEveryKeyInOrderThenSavesAndResets) {
    TParaSetKavo& kavo = Open("Vorlan");
    printer->clearRecords();
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    const std::vector<std::string> expected = {"setval ppl",           "setval bt_name",
                                               "setval bt_pwd",        "setval media_power_up",
                                               "setval sw_ribbon",     "setval reprint_after_error",
                                               "setval code_page",     "setval media_sensor",
                                               "setval density",       "do demo_logic_area",
                                               "setval eth_dhcp",      "setval eth_ip",
                                               "setval eth_mask",      "setval eth_gateway",
                                               "setval heat_adj",      "setval speed",
                                               "setval com_baud",      "setval com_wordlength",
                                               "setval com_stopbits",  "setval com_parity",
                                               "setval sensor_select", "setval platenin_enter_pause",
                                               "setval print_mode",    "setval tear_off",
                                               "do save_param",        "getval version",
                                               "do reset_printer"};
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(Written("ppl"), "tsc");
    EXPECT_EQ(Written("bt_name"), "Kavo");
    EXPECT_EQ(Written("eth_ip"), "192.168.1.100.");
    EXPECT_EQ(Written("code_page"), "1252");
    EXPECT_EQ(Written("com_parity"), "none");
    EXPECT_EQ(Written("media_power_up"), "calibation");
    EXPECT_TRUE(kavo.CloseRequested());
}

TEST_F(KavoDialogTest, ArdelReadsAndWritesThePrintAreaInDots) {
    TParaSetKavo& kavo = Open("Ardel", "ardel_tspl.profile");
    const std::vector<std::string> keys = Keys("getval");
    ASSERT_GE(keys.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 6),
              (std::vector<std::string>{"dpi", "print_width", "print_height", "demo_star_y", "demo_star_x",
                                        "ppl"}));
    EXPECT_EQ(keys.back() == "stickers_times" ? keys[keys.size() - 2] : keys.back(), "platenin_locat");
    EXPECT_EQ(kavo.DpiText, "300");
    EXPECT_EQ(C("txtZPrintWidth").text, "80");
    EXPECT_TRUE(C("txtZPrintWidth").visible);
    EXPECT_TRUE(C("btnLoad").visible);
    EXPECT_EQ(Selected("cmbProtocol"), "TSC"); // kept as "tsc" for this model
    EXPECT_EQ(kavo.ProtocolRead, "tsc");
    EXPECT_EQ(kavo.LidKey, "platenin_locat");

    printer->clearRecords();
    dialog->Form().SetText("txtZPrintWidth", "200");   // above 108: 108 mm
    dialog->Form().SetText("txtDColumnOffset", "-40"); // below -15: -15 mm
    dialog->Form().SetText("txtDRowOffset", "");       // empty: not written
    dialog->Form().SetText("txtZPrintHeight", "-");    // no number: not written
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Written("print_width"), "1274");
    EXPECT_EQ(Written("demo_star_x"), "-177");
    EXPECT_FALSE(Written("demo_star_y"));
    EXPECT_FALSE(Written("print_height"));
    const std::vector<std::string> commands = Commands();
    const auto at = [&](const std::string& command) {
        return std::find(commands.begin(), commands.end(), command) - commands.begin();
    };
    EXPECT_LT(at("setval print_width"), at("do demo_logic_area"));
    EXPECT_LT(at("do demo_logic_area"), at("setval demo_star_x"));
    EXPECT_LT(at("setval platenin_locat"), at("do save_param"));
}

TEST_F(KavoDialogTest, ReplyRules) {
    TParaSetKavo& kavo = Open("Vorlan", "kavo_tspl.profile", [this] {
        SetPrinterValue("version", "1.00.7");
        SetPrinterValue("bt_name", "PRINTER-ABCD");
        SetPrinterValue("eth_ip", "1.2.3.4");
        SetPrinterValue("eth_mask", "1.2.3");
        SetPrinterValue("ppl", "zpl");
        SetPrinterValue("eth_dhcp", "on");
    });
    EXPECT_EQ(kavo.LidKey, "platenin_locat");
    EXPECT_EQ(Keys("getval").back(), "platenin_locat");
    EXPECT_EQ(C("txtBTName").text, "PRINTER");
    EXPECT_EQ(C("txtIP1").text + C("txtIP2").text + C("txtIP3").text + C("txtIP4").text, "1234");
    EXPECT_EQ(C("txtSubnet1").text, ""); // five characters: the fields stay as they were
    EXPECT_EQ(C("cmbDensity").items.size(), 31u);
    EXPECT_EQ(Selected("cmbProtocol"), "ZPL");
    EXPECT_EQ(C("cmbCodepage").items.size(), 21u);
    EXPECT_EQ(Selected("cmbDHCP"), "ON");
    EXPECT_FALSE(C("txtIP1").enabled);

    // With DHCP on, "Set" sends "on" and no address.
    printer->clearRecords();
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Written("eth_dhcp"), "on");
    EXPECT_FALSE(Written("eth_ip"));
    EXPECT_FALSE(Written("eth_mask"));
}

TEST_F(KavoDialogTest, TsplEntryOfACatalogueListFillsTheEplCodePages) {
    // A catalogue whose protocol list names "TSPL": the printer's "tsc" is
    // read as "tspl", selects that entry, and as it is neither "TSC" nor
    // "ZPL" the EPL code pages follow; "Set" sends "tspl" as "tsc".
    std::string catalogue;
    ASSERT_TRUE(ReadWholeFile(app / "files/PrinterTypeList_Label.ini", 1 << 20, catalogue));
    const std::size_t at = catalogue.find("KavoParaSetProList=TSC,ZPL");
    ASSERT_NE(at, std::string::npos);
    catalogue.replace(at, 27, "KavoParaSetProList=TSPL,ZPL");
    WriteFiles("PrinterTypeList_Label.ini", catalogue);
    TParaSetKavo& kavo = Open("Vorlan");
    EXPECT_EQ(Selected("cmbProtocol"), "TSPL");
    EXPECT_EQ(C("cmbCodepage").items.size(), 29u);
    printer->clearRecords();
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Written("ppl"), "tsc");
}

// Replies that came whole but give no usable value (no entry matches, an
// address too short) leave their controls empty and unwritten, and the read
// goes on.
TEST_F(KavoDialogTest, BadRepliesLeaveTheirControlsEmptyUnwrittenAndTheReadGoesOn) {
    TParaSetKavo& kavo = Open("Vorlan", "kavo_tspl.profile", [this] {
        SetPrinterValue("density", "99");
        SetPrinterValue("heat_adj", "hot");
        SetPrinterValue("eth_ip", "192.");
        SetPrinterValue("speed", "");
    });
    EXPECT_EQ(Keys("getval").back(), "platenin_enter_pause");
    EXPECT_EQ(C("cmbDensity").index, -1);     // no entry matches
    EXPECT_EQ(C("cmbHeatAdj").index, -1);     // no entry matches
    EXPECT_EQ(C("txtIP1").text, "");          // "192." is too short for an address
    EXPECT_EQ(C("cmbPrintSpeed").index, -1);  // an empty value
    EXPECT_EQ(Selected("cmbParity"), "NONE"); // the read went on
    EXPECT_TRUE(Boxes("error").empty());
    // The status line keeps the names of what was not read.
    const std::string status = C("StatusBarA").text;
    for (const char* label : {"lblDensity", "lblHeatAdj", "lblPrintSpeed", "lblIPAddress"}) {
        EXPECT_NE(status.find(params::Trim(C(label).text)), std::string::npos) << label << ": " << status;
    }
    EXPECT_FALSE(kavo.Timers().at("StatusTimer").enabled);

    printer->clearRecords();
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    for (const char* key : {"density", "heat_adj", "speed", "eth_ip"}) {
        EXPECT_FALSE(Written(key)) << key;
    }
    EXPECT_EQ(Written("com_parity"), "none");
    EXPECT_EQ(Written("eth_mask"), "255.255.255.0.");
}

// A reply that did not come whole (none at all, cut off or dropped with the
// connection, its end garbled) ends the read with the read error: what came
// before stays, the rest stays empty and unwritten.
TEST_F(KavoDialogTest, AReplyThatDidNotComeWholeEndsTheRead) {
    for (const char* rule :
         {"getval:speed=silent", "getval:speed=cut", "getval:speed=drop/1", "getval:speed=corrupt"}) {
        SCOPED_TRACE(rule);
        sink.boxes.clear();
        TParaSetKavo& kavo = Open("Vorlan", "kavo_tspl.profile", [this, rule] {
            std::string error;
            ASSERT_TRUE(printer->addFault(rule, error)) << error;
        });
        EXPECT_EQ(Keys("getval").back(), "speed");
        ASSERT_EQ(Boxes("error").size(), 1u);
        EXPECT_EQ(Boxes("error")[0].text, params::Txt("_Err_ReadData"));
        EXPECT_TRUE(params::HasValue(kavo.Form(), "cmbHeatAdj")); // read before
        EXPECT_EQ(C("cmbPrintSpeed").index, -1);
        EXPECT_EQ(C("cmbParity").index, -1); // never asked

        printer->clearFaults();
        printer->clearRecords();
        kavo.btnSetClick();
        ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
        EXPECT_TRUE(Written("heat_adj"));
        EXPECT_FALSE(Written("speed"));
        EXPECT_FALSE(Written("com_parity"));
        dialog.reset();
        printer.reset();
        EndHeadlessSession();
    }
}

TEST_F(KavoDialogTest, ShortBluetoothNameIsShownUnchanged) {
    Open("Vorlan", "kavo_tspl.profile", [this] { SetPrinterValue("bt_name", "AB-CD"); });
    EXPECT_EQ(C("txtBTName").text, "AB-CD");
}

TEST_F(KavoDialogTest, ProtocolChoiceRefillsDensityAndCodePages) {
    TParaSetKavo& kavo = Open("Kavo-300");
    ASSERT_EQ(C("cmbProtocol").items, (std::vector<std::string>{"TSC", "ZPL", "EPL"}));
    dialog->Form().SetIndex("cmbProtocol", 1);
    kavo.UserChanged("cmbProtocol");
    EXPECT_EQ(C("cmbDensity").items.size(), 31u);
    EXPECT_EQ(Selected("cmbDensity"), "15");
    EXPECT_EQ(C("cmbCodepage").index, 0);
    dialog->Form().SetIndex("cmbProtocol", 0);
    kavo.UserChanged("cmbProtocol");
    EXPECT_EQ(C("cmbDensity").items.size(), 16u);
    EXPECT_EQ(Selected("cmbDensity"), "7");
    EXPECT_EQ(C("cmbCodepage").items.size(), 47u);
    EXPECT_EQ(Selected("cmbCodepage"), "LatinI(1252)"); // the printer's language: its code page again

    dialog->Form().SetIndex("cmbProtocol", 2);
    kavo.UserChanged("cmbProtocol");
    ASSERT_TRUE(
        params::SelectItemByExactText(dialog->Form(), "cmbCodepage", "Latin 2 (Cyrillic II/Slavic)(852)"));
    printer->clearRecords();
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Written("ppl"), "epl");
    EXPECT_EQ(Written("code_page"), "852");
}

TEST_F(KavoDialogTest, ReleasePaperOffOutOfRangeAndTheTip) {
    TParaSetKavo& kavo =
        Open("Kavo-300", "kavo_tspl.profile", [this] { SetPrinterValue("stickers_times", "0"); });
    ASSERT_TRUE(kavo.ReleasePaperSupported);
    EXPECT_EQ(Keys("getval").back(), "stickers_times");
    EXPECT_EQ(C("cmbReleasePaper").index, 0);
    EXPECT_EQ(C("cmbReleasePaper").items.size(), 128u); // "Off" and 1 to 127
    const std::string head = params::Txt("Lang_All_00210024_11") + params::Txt("Lang_All_00010002_11");
    EXPECT_EQ(C("txtTip_ReleasePaper").text, head + params::Txt("Lang_All_00210026_11"));
    EXPECT_TRUE(C("tabsUserParaB").visible);

    dialog->Form().SetIndex("cmbReleasePaper", 3);
    kavo.UserChanged("cmbReleasePaper");
    EXPECT_EQ(C("txtTip_ReleasePaper").text, head + params::TxtWith("Lang_All_00210027_11", "3"));
    printer->clearRecords();
    kavo.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Written("stickers_times"), "3");

    // A number beyond the list selects nothing; an empty reply is reported.
    SetPrinterValue("stickers_times", "999");
    dialog->Form().SetIndex("cmbReleasePaper", -1);
    PrtLib_BeginCommand();
    kavo.ReadParameters();
    PrtLib_EndCommand();
    EXPECT_EQ(C("cmbReleasePaper").index, -1);
    SetPrinterValue("stickers_times", "");
    PrtLib_BeginCommand();
    kavo.ReadParameters();
    PrtLib_EndCommand();
    ASSERT_FALSE(Boxes("error").empty());
    EXPECT_EQ(Boxes("error").back().text,
              params::TxtWith("Lang_All_00010011_11", params::Txt("Lang_All_00210024_11")));
}

TEST_F(KavoDialogTest, ShortBluetoothPasswordSendsNothing) {
    TParaSetKavo& kavo = Open("Vorlan");
    dialog->Form().SetText("txtBTPWD", "123");
    printer->clearRecords();
    kavo.btnSetClick();
    EXPECT_TRUE(Commands().empty());
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error").front().text, params::Txt("_Err_BTPWD_Len"));
    EXPECT_FALSE(kavo.CloseRequested());
}

TEST_F(KavoDialogTest, AddressReplyWithoutFourPartsEndsTheRead) {
    TParaSetKavo& kavo =
        Open("Vorlan", "kavo_tspl.profile", [this] { SetPrinterValue("eth_ip", "1234567"); });
    const std::vector<std::string> keys = Keys("getval");
    EXPECT_EQ(keys.back(), "eth_ip");
    EXPECT_EQ(Boxes("error").size(), 1u);
    EXPECT_TRUE(C("btnSet").enabled);
    EXPECT_FALSE(kavo.Timers().at("StatusTimer").enabled);
}

TEST_F(KavoDialogTest, UnreachablePrinterReadsNothingAndKeepsTheDefaults) {
    const std::string address = StartPrinter();
    SelectListedPrinter("Vorlan", address);
    printer.reset(); // the printer goes away after the selection
    dialog = std::make_unique<TParaSetKavo>(params::SelectedPrinterContext());
    dialog->FormCreate();
    dialog->FormShow();
    sink.boxes.clear();
    dialog->StartRead();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error").front().text.rfind(params::Txt("_Err_OpenPort") + ":", 0), 0u);
    EXPECT_TRUE(C("btnSet").enabled);
    EXPECT_EQ(C("cmbHeatAdj").index, 0);
    EXPECT_EQ(C("txtTearOff").text, "");
}

TEST_F(KavoDialogTest, KeyFiltersAndExitChecks) {
    Open("Vorlan");
    const struct {
        const char* edit;
        char32_t key;
        bool accepted;
    } keys[] = {
        {"txtIP1", '7', true},           {"txtIP1", '-', false},        {"txtIP1", 8, true},
        {"txtIP1", 127, true},           {"txtTearOff", '-', true},     {"txtTearOff", 'a', false},
        {"txtDColumnOffset", '-', true}, {"txtDRowOffset", '-', false}, {"txtBTName", ' ', false},
        {"txtBTName", '~', true},        {"txtBTName", 0x4E2D, false},  {"txtBTPWD", 'x', false},
        {"txtBTPWD", 13, true},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(dialog->AcceptsKey(k.edit, k.key), k.accepted) << k.edit << " " << static_cast<int>(k.key);
    }
    const struct {
        const char* edit;
        const char* text;
        const char* after;
    } exits[] = {
        {"txtIP2", "300", "255"},       {"txtIP2", "", "0"},      {"txtIP2", "  ", "0"},
        {"txtIP2", "12", "12"},         {"txtTearOff", "", "0"},  {"txtTearOff", "121", "120"},
        {"txtTearOff", "-999", "-120"}, {"txtTearOff", "-", "0"}, {"txtTearOff", "-5", "-5"},
    };
    for (const auto& e : exits) {
        dialog->Form().SetText(e.edit, e.text);
        dialog->LeaveField(e.edit);
        EXPECT_EQ(C(e.edit).text, e.after) << e.edit << " '" << e.text << "'";
    }
    EXPECT_EQ(C("txtIP1").maxLength, 3);
    EXPECT_EQ(C("txtTearOff").maxLength, 4);
    EXPECT_EQ(C("txtBTName").maxLength, 10);
    EXPECT_EQ(C("txtBTPWD").maxLength, 4);
}

TEST_F(KavoDialogTest, ParameterFileRoundTripAndNameChecks) {
    TParaSetKavo& kavo = Open("Ardel", "ardel_tspl.profile");
    dialog->Form().SetText("txtTearOff", "-12");
    dialog->Form().SetIndex("cmbHeatAdj", 4);
    dialog->Form().SetIndex("cmbDHCP", 1);
    const std::string path = app / "backup.ini";
    kavo.ButtonClick("btnSave", path);
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info").front().text, kavo.SaveOkText);
    const std::string saved = params::ParaFileText(dialog->Form(), TParaSetKavo::ParaFileKeys());

    dialog->Form().SetText("txtTearOff", "0");
    dialog->Form().SetIndex("cmbHeatAdj", 0);
    dialog->Form().SetIndex("cmbDHCP", 0);
    kavo.ButtonClick("btnLoad", path);
    EXPECT_EQ(params::ParaFileText(dialog->Form(), TParaSetKavo::ParaFileKeys()), saved);
    EXPECT_EQ(C("txtTearOff").text, "-12");
    EXPECT_TRUE(C("txtIP1").enabled); // DHCP off again, and its handler ran

    sink.boxes.clear();
    const std::string longName = std::string(29, 'a') + ".ini"; // 33 characters
    kavo.ButtonClick("btnSave", app / longName);
    kavo.ButtonClick("btnSave", app / "my file.ini");
    EXPECT_FALSE(std::filesystem::exists(app / longName));
    EXPECT_FALSE(std::filesystem::exists(app / "my file.ini"));
    const std::vector<ShownBox> errors = Boxes("error");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].text, params::TxtWith("_Err_FileNameLength", "33"));
    EXPECT_EQ(errors[1].text, params::Txt("msgASCIIFileName"));

    // A position that is no number ends the load there.
    const std::string bad = app.Write("bad.ini", "[params]\ngpbReprintWhenError=0\ng5=2\ngpbPrintType=x\n"
                                                 "gpbAutoPosition=0\n");
    dialog->Form().SetIndex("g5", 0);
    dialog->Form().SetIndex("gpbAutoPosition", 2);
    sink.boxes.clear();
    EXPECT_FALSE(kavo.LoadFromFile(bad));
    EXPECT_EQ(C("g5").index, 2);              // before the bad key: taken
    EXPECT_EQ(C("gpbAutoPosition").index, 2); // after it: untouched
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error").front().text, params::TxtWith("_Err_ParaFileValue", "gpbPrintType"));
}

} // namespace
} // namespace tolvane::test
