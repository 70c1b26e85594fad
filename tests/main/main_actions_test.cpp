// The main window's printer actions as the emulated printer receives them:
// the self-test variants, label learning, factory defaults, the module
// test, front learning, the dialog choices and the firmware update flow.
#include "MainWindowFixture.h"
#include "mdlReplaceText.h"

#include "mdlDialogRegistry.h"
#include "mdlLangTextTable.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

namespace tolvane::test {
namespace {

using TMainActions = MainWindowTest;
using Handler = void (T_frmMain_Label::*)();

std::string Hex(std::initializer_list<uint8_t> bytes) {
    return emulator::hexText(emulator::Bytes(bytes));
}

struct WireCase {
    const char* model;
    Handler handler;
    std::string command; // as the emulator records it
    std::string key;
};

TEST_F(TMainActions, EachActionSendsTheCommandOfItsPrinter) {
    const std::string address = StartPrinter();
    const WireCase cases[] = {
        // Print configuration (self test).
        {"Kavo-300", &T_frmMain_Label::btnPrintConfigInfoClick, "self_test", "SELFTEST"},
        {"Tramwe-80", &T_frmMain_Label::btnPrintConfigInfoClick, "self_test",
         Hex({0x1D, 0x28, 0x41, 2, 0, 0, 2})},
        {"Pelso-80", &T_frmMain_Label::btnPrintConfigInfoClick, "self_test",
         Hex({0x1D, 0x28, 0x41, 2, 0, 0, 1})},
        {"Corla", &T_frmMain_Label::btnPrintConfigInfoClick, "do", "configguration_page"},
        {"Navra", &T_frmMain_Label::btnPrintConfigInfoClick, "self_test", "SELFTEST"},
        // Automatic label learning.
        {"Kavo-300", &T_frmMain_Label::btnStartLearnClick, "learn", "ZZZLEARN"},
        {"Corla", &T_frmMain_Label::btnStartLearnClick, "do", "calibrate_sensor"},
        // Print module test.
        {"Kavo-300", &T_frmMain_Label::btnModelTestClick, "head_test", "ZZZDENSITYTST"},
        {"Tormund", &T_frmMain_Label::btnModelTestClick, "head_test", Hex({0x12, 0x56})},
        {"Pelso-80", &T_frmMain_Label::btnModelTestClick, "head_test", Hex({0x1B, 0x1B, 0x04})},
        {"Corla", &T_frmMain_Label::btnModelTestClick, "do", "tph_test_page"},
        // Factory defaults, confirmed.
        {"Kavo-300", &T_frmMain_Label::btnFactorySettingClick, "factory_reset", Hex({0x1B, 0x21, 0x52})},
        {"Tramwe-80", &T_frmMain_Label::btnFactorySettingClick, "factory_reset", Hex({0x1B, 0x21, 0x52})},
        {"Pelso-80", &T_frmMain_Label::btnFactorySettingClick, "factory_reset", Hex({0x1B, 0x1B, 0x20})},
        {"Corla", &T_frmMain_Label::btnFactorySettingClick, "do", "factory_default"},
    };
    std::string list;
    for (const WireCase& c : cases) {
        list += std::string(c.model) + "|NET|" + address + "||0\n";
    }
    WriteList(list);
    T_frmMain_Label& main = OpenWindow();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const WireCase& c = cases[i];
        printer->clearRecords();
        sink.boxes.clear();
        sink.answers = {true};
        main.SelectRow(static_cast<int>(i));
        (main.*c.handler)();
        const auto record = Wait(c.command, c.key);
        ASSERT_TRUE(record) << c.model << " " << c.command << " " << c.key;
        EXPECT_EQ(Commands(), std::vector<std::string>{c.command + " " + c.key}) << c.model;
        EXPECT_TRUE(Boxes("error").empty()) << c.model;
        // One kind of feedback after every one-shot command.
        ASSERT_EQ(Boxes("info").size(), 1u) << c.model;
        EXPECT_EQ(Boxes("info")[0].text, Text("FormMain_Label_CommandSent")) << c.model;
    }
    EXPECT_EQ(Boxes("ask").back().text, Text("FormMain_Label_MSGRestore"));
    EXPECT_EQ(main.findChild<QLineEdit*>("txtProtocolType")->text().toStdString(),
              "CPCL,ProtocolType(02_02)");
}

TEST_F(TMainActions, CancelledFactoryDefaultsAndAClosedPortSendNothing) {
    WriteList("Kavo-300|NET|" + StartPrinter() + "||0\nKavo-300|NET|" + ClosedAddress() + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    sink.answers = {false};
    main.btnFactorySettingClick();
    EXPECT_TRUE(printer->records().empty());

    main.SelectRow(1);
    main.btnPrintConfigInfoClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, Text("_Err_OpenPort") + ":10061 (" + Text("_ErrReason_10061") + ")");
    EXPECT_TRUE(Boxes("info").empty()) << "no success after a failure";
}

TEST_F(TMainActions, APrinterWhoseUsbIdentityDoesNotMatchIsLeftAlone) {
    WriteList("Wendle-2|NET|" + StartPrinter() + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    main.btnPrintConfigInfoClick();
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, LangAll("Lang_All_00210272_11"));
    EXPECT_TRUE(printer->records().empty());
}

TEST_F(TMainActions, FrontLearningAsksThenReadsAndReports) {
    WriteList("Kavo-300|NET|" + StartPrinter() + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    sink.answers = {false};
    main.btnFrontLearnClick();
    EXPECT_TRUE(printer->records().empty());

    sink.answers = {true};
    main.btnFrontLearnClick();
    EXPECT_TRUE(Wait("getval", "front_ad"));
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, LangAll("Lang_All_00210379_11"));
    EXPECT_NE(Boxes("ask")[0].text.find("front sensor"), std::string::npos);
    EXPECT_EQ(Boxes("ask")[0].text.find("{0}"), std::string::npos);
}

TEST_F(TMainActions, DialogButtonsChooseTheirDialog) {
    const std::string address = StartPrinter();
    WriteList("Kavo-300|NET|" + address + "||0\nPelso-80|NET|" + address + "||0\nCorla|NET|" + address +
              "||0\nTormund|NET|" + address + "||0\nKavo-200|NET|" + address + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    struct Case {
        int row;
        Handler handler;
        std::string dialog;
    } cases[] = {
        {0, &T_frmMain_Label::btnParameterSettingClick, "T_frmParaSet_Kavo"},
        {1, &T_frmMain_Label::btnParameterSettingClick, "T_frmParaSet_Pelso"},
        {2, &T_frmMain_Label::btnParameterSettingClick, "T_frmParaSet_Dresk"},
        {0, &T_frmMain_Label::btnPrinterInformationClick, "T_frmPrinterInformation"},
        {0, &T_frmMain_Label::btnPrintTextClick, "T_frmPrintTextLabel"},
        {2, &T_frmMain_Label::btnPrintTextClick, "T_frmPrintText"},
        {0, &T_frmMain_Label::Button2Click, "TfrmDLFile"},
        {4, &T_frmMain_Label::Button2Click, "TfrmDLFile_Kavo"},
        {0, &T_frmMain_Label::Button3Click, "TfrmDLF"},
        {3, &T_frmMain_Label::Button1Click, "TfrmDLUF"},
        {0, &T_frmMain_Label::Button4Click, "T_frmPrinterStatus"},
        {0, &T_frmMain_Label::btnCommandTestClick, "T_frmCommandTest"},
        {0, &T_frmMain_Label::btnScanTestClick, "T_frmScanTest"},
        {0, &T_frmMain_Label::btnAdvancedSettingsClick, "TfrmAdvancedSettings"},
        {0, &T_frmMain_Label::btnRfidSetClick, "TfrmRfidSet"},
    };
    for (const Case& c : cases) {
        sink.boxes.clear();
        main.SelectRow(c.row);
        (main.*c.handler)();
        EXPECT_EQ(main.LastDialogClass(), c.dialog);
        ASSERT_EQ(Boxes("info").size(), 1u) << c.dialog;
        EXPECT_NE(Boxes("info")[0].text.find(c.dialog), std::string::npos)
            << "the user learns which window it is";
        EXPECT_TRUE(Boxes("error").empty()) << c.dialog;
    }

    // ESC printers have no information dialog.
    sink.boxes.clear();
    main.SelectRow(3);
    main.btnPrinterInformationClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, Text("_Err_ProtocolFunction"));

    // A registered dialog is opened over the main window instead.
    QWidget* parent = nullptr;
    RegisterDialog("T_frmParaSet_Kavo", [&](QWidget* over) { parent = over; });
    sink.boxes.clear();
    main.SelectRow(0);
    main.btnParameterSettingClick();
    EXPECT_EQ(parent, &main);
    EXPECT_TRUE(Boxes("info").empty());
}

TEST_F(TMainActions, FirmwareUpdatePutsThePrinterInUpdateModeAndStartsTheUpdater) {
    const std::string address = StartPrinter();
    WriteList("Kavo-300|NET|" + address + "||0\nCorla-2|NET|" + address + "||0\nQuistel|NET|" + address +
              "||0\nQuist|NET|" + address + "||0\n");
    const std::string started = app / "updater-started";
    app.Write("FWUpdate/Brakwell", "#!/bin/sh\necho \"$PWD\" >> " + started + "\n");
    std::filesystem::permissions(app / "FWUpdate/Brakwell", std::filesystem::perms::owner_all);
    const auto waitStarts = [&](long count) {
        for (int i = 0; i < 300; ++i) {
            const std::string text = ReadFile(started);
            if (std::count(text.begin(), text.end(), '\n') >= count) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    };
    T_frmMain_Label& main = OpenWindow();
    main.btnDFUClick();
    EXPECT_TRUE(Wait("dfu_mode", "ZZZDFUMODE"));
    ASSERT_TRUE(waitStarts(1));
    EXPECT_EQ(ReadFile(started), app / "FWUpdate\n") << "the updater runs in its own folder";

    printer->clearRecords();
    main.SelectRow(1);
    main.btnDFUClick();
    EXPECT_TRUE(waitStarts(2));
    // The updater has started, so the flow is over: the port was not even opened.
    EXPECT_TRUE(printer->records().empty()) << "no update command for this model";

    for (const auto& [row, dialog] : {std::pair{2, "TfrmDFU_Quistel"}, std::pair{3, "TfrmGDL"}}) {
        main.SelectRow(row);
        main.btnDFUClick();
        EXPECT_EQ(main.LastDialogClass(), dialog);
    }
    main.SelectRow(2);
    EXPECT_TRUE(main.Button("btnDFU2")->isVisibleTo(&main)) << "Quistel offers the BIN update";
    main.SelectRow(0);
    EXPECT_FALSE(main.Button("btnDFU2")->isVisibleTo(&main));

    std::filesystem::remove(app / "FWUpdate/Brakwell");
    sink.boxes.clear();
    printer->clearRecords();
    main.btnDFUClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text,
              ReplaceText(Text("FormFirmware_UpdaterMissing"), app / "FWUpdate/Brakwell"));
    EXPECT_TRUE(Commands().empty()) << "without the updater the printer stays out of update mode";
}

} // namespace
} // namespace tolvane::test
