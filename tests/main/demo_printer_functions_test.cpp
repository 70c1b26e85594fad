// The diagnostic functions the main window offers each demo printer: its
// command language as detected, the information and status buttons shown
// where their windows work, and each shown window reading its printer
// without a read error; an ESC printer is told that it has no information
// before its port is opened.
#include "MainWindowFixture.h"

#include "mdlHeadlessSession.h"
#include "mdlMainButtons.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterInformation.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterSelection.h"
#include "mdlPrinterStatus.h"

#include <QPushButton>

#include <algorithm>

namespace tolvane::test {
namespace {

using DemoPrinterFunctions = MainWindowTest;

struct DemoPrinter {
    const char* profile;
    const char* listName;
    int language; // the command language the detection gives
    bool information;
    bool status;
};

// The demo printers under the list names demo mode gives them.
constexpr DemoPrinter kDemoPrinters[] = {
    {"ardel_tspl", "Ardel", kLangTspl, true, true},
    {"calder_zpl", "Calder", kLangZpl, true, false},
    {"corla_cpcl", "Corla", kLangCpcl, true, false},
    {"dresk_tspl", "Dresk-4T", kLangTspl, true, true},
    {"gulvo_esc", "Tramwe-80", kLangEsc, false, false},
    {"halden_tspl", "Halden", kLangTspl, true, false},
    {"kavo_rfid", "Kavo-300R", kLangTspl, true, false},
    {"kavo_tspl", "Kavo-200", kLangTspl, true, true},
    {"miro_cpcl", "Navra", kLangCpcl, true, false},
    {"oskin_esc", "Oskin-80BT", kLangEsc, false, false},
    {"pelso_esc", "Pelso-58", kLangEsc, false, false},
    {"quist_tspl", "Quist", kLangTspl, true, false},
    {"quistel_tspl", "Quistel-C", kLangTspl, true, false},
    {"tallis_tspl", "Tallis", kLangTspl, true, false},
    {"tessin_cpcl", "TessinBT", kLangCpcl, true, false},
};

bool Shows(const std::vector<TFuncButton>& visible, TFuncButton button) {
    return std::find(visible.begin(), visible.end(), button) != visible.end();
}

// The values of the information rows that show the read error.
std::vector<std::string> UnreadRows(const diagnostics::TPrinterInformation& dialog) {
    std::vector<std::string> unread;
    for (const auto& [label, value] : dialog.VisibleRows()) {
        if (value.empty() || value == params::Txt("_Err_ReadData")) {
            unread.push_back(label);
        }
    }
    return unread;
}

TEST_F(DemoPrinterFunctions, ShownDiagnosticsWorkOnTheirPrinter) {
    for (const DemoPrinter& demo : kDemoPrinters) {
        if (sessionStarted) {
            EndHeadlessSession();
            sessionStarted = false;
        }
        printer.reset();
        SelectListedPrinter(demo.listName, StartPrinter(std::string(demo.profile) + ".profile"));
        // Only the models of two languages ask the printer: Ardel by its
        // "ppl" key, Calder by the language query; the others take the
        // catalogue's language.
        ASSERT_TRUE(PrepareDialogOpen()) << demo.listName;
        EXPECT_EQ(ProtocolKind, demo.language) << demo.listName;
        const std::string listName = demo.listName;
        EXPECT_EQ(Commands(), listName == "Ardel"    ? std::vector<std::string>{"getval ppl"}
                              : listName == "Calder" ? std::vector<std::string>{"query_language"}
                                                     : std::vector<std::string>{})
            << demo.listName;
        const std::vector<TFuncButton> visible = VisibleFuncButtons(SelectedPrinterFacts());
        EXPECT_EQ(Shows(visible, TFuncButton::PrinterInformation), demo.information) << demo.listName;
        EXPECT_EQ(Shows(visible, TFuncButton::PrinterStatus), demo.status) << demo.listName;
        if (demo.information) {
            diagnostics::TPrinterInformation dialog(params::SelectedPrinterContext());
            dialog.FormCreate();
            dialog.FormShow();
            EXPECT_EQ(UnreadRows(dialog), std::vector<std::string>{}) << demo.listName;
        }
        if (demo.status) {
            diagnostics::TPrinterStatus dialog(params::SelectedPrinterContext());
            dialog.FormCreate();
            dialog.FormShow();
            EXPECT_TRUE(dialog.ReadOk()) << demo.listName;
            EXPECT_FALSE(dialog.Form()["RichEdit1"].text.empty())
                << demo.listName << ": an empty status list";
        }
        EXPECT_TRUE(sink.boxes.empty()) << demo.listName;
    }
}

TEST_F(DemoPrinterFunctions, EscPrintersAreToldBeforeThePortOpens) {
    const std::string address = StartPrinter("pelso_esc.profile");
    WriteList("Pelso-58|NET|" + address + "||0\nOskin-80BT|NET|" + address + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    for (const int row : {0, 1}) {
        main.SelectRow(row);
        EXPECT_TRUE(main.findChild<QPushButton*>("btnPrinterInformation")->isHidden()) << row;
        printer->clearRecords();
        sink.boxes.clear();
        main.btnPrinterInformationClick();
        ASSERT_EQ(Boxes("error").size(), 1u) << row;
        EXPECT_EQ(Boxes("error")[0].text, Text("_Err_ProtocolFunction"));
        EXPECT_EQ(main.LastDialogClass(), "") << row;
        EXPECT_TRUE(printer->records().empty()) << row << ": the port was opened";
    }
}

// A model whose language is asked from the printer keeps the button; an
// ESC answer refuses the window after the detection.
TEST_F(DemoPrinterFunctions, AnAskedLanguageKeepsTheInformationButton) {
    const std::string address = StartPrinter("pelso_esc.profile");
    WriteList("Kesto-Z4|NET|" + address + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    main.SelectRow(0);
    EXPECT_FALSE(main.findChild<QPushButton*>("btnPrinterInformation")->isHidden());
    sink.boxes.clear();
    main.btnPrinterInformationClick();
    EXPECT_TRUE(Wait("query_language"));
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, Text("_Err_ProtocolFunction"));
    EXPECT_NE(main.LastDialogClass(), "T_frmPrinterInformation");
}

} // namespace
} // namespace tolvane::test
