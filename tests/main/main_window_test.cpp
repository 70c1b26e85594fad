// The main window offscreen: loading the printer list, selection and the
// identity it sets, the function buttons and the window layout, deleting
// printers, and the connection test.
#include "MainWindowFixture.h"

#include "mdlDevNewPrt.h"
#include "mdlLangTextTable.h"
#include "mdlMainButtons.h"
#include "mdlPrinterIdentity.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace tolvane::test {
namespace {

using TMainWindow = MainWindowTest;

std::string RowText(const QTreeWidget* view, int row) {
    std::string text;
    for (int column = 0; column < 5; ++column) {
        text += (column ? "|" : "") + view->topLevelItem(row)->text(column).toStdString();
    }
    return text;
}

TEST_F(TMainWindow, LoadsTheListAndSelectingAPrinterSetsItsIdentity) {
    const std::string address = StartPrinter();
    WriteList("\nKavo-300|NET|" + address +
              "\n\n  \nTormund|COM|COM3,BAUDRATE_9600|desk|0\nSolo|USB|USB||\n");
    T_frmMain_Label& main = OpenWindow();

    QTreeWidget* view = main.PrinterListView();
    ASSERT_EQ(view->topLevelItemCount(), 3);
    EXPECT_EQ(RowText(view, 0), "Kavo-300|NET|" + address + "||");
    EXPECT_EQ(RowText(view, 1), "Tormund|COM|COM3,BAUDRATE_9600|desk|0");
    EXPECT_EQ(view->columnWidth(0), 120);
    EXPECT_EQ(view->columnWidth(1), 40);
    EXPECT_EQ(view->columnWidth(2), 140);
    EXPECT_EQ(view->columnWidth(3), 140);
    EXPECT_TRUE(view->isHeaderHidden());
    EXPECT_EQ(view->palette().color(QPalette::Inactive, QPalette::Highlight), QColor(0, 0, 128));
    EXPECT_TRUE(main.Button("btnDeletePrinter")->isEnabled());

    struct Case {
        int row;
        std::string model;
        std::string mapModel;
        std::string portWord;
        bool firmwareButton;
    } cases[] = {
        {0, "Kavo-300", "Kavo-300", "NET", true},
        {1, "Tormund", "Tormund", "COM", false},
        {2, "Solo", "Vorlan", "USB", true},
    };
    for (const Case& c : cases) {
        main.SelectRow(c.row);
        EXPECT_EQ(main.SelectedIndex(), c.row);
        const TPrinterIdentity& identity = PrinterIdentity();
        EXPECT_EQ(identity.ListName, c.model);
        EXPECT_EQ(identity.Model, c.model);
        EXPECT_EQ(identity.MapModel, c.mapModel) << c.model;
        EXPECT_EQ(identity.PortAddress, main.Printers()[static_cast<std::size_t>(c.row)].PortAddress);
        ASSERT_NE(CurrentDevNewPrt(), nullptr);
        EXPECT_EQ(CurrentDevNewPrt()->PortWord, c.portWord);
        EXPECT_EQ(CurrentDevNewPrt()->PortAddress, identity.PortAddress);
        ASSERT_NE(CurrentDevNewPrt()->Device(), nullptr);
        EXPECT_EQ(CurrentDevNewPrt()->Device()->ModelName, c.model);
        EXPECT_EQ(main.Button("btnDFU")->isVisibleTo(&main), c.firmwareButton) << c.model;
    }
    EXPECT_TRUE(Boxes("error").empty());

    // A click on empty space keeps the printer selected.
    view->clearSelection();
    EXPECT_EQ(main.SelectedIndex(), 2);
}

TEST_F(TMainWindow, AMissingListIsCreatedWithTheFirstOfferedModel) {
    OpenWindow();
    EXPECT_EQ(ReadFile(ListFile()), "Vorlan|USB|USB||\n");
    ASSERT_EQ(window->PrinterListView()->topLevelItemCount(), 1);
    EXPECT_EQ(PrinterIdentity().ListName, "Vorlan");
    EXPECT_FALSE(window->Button("btnDeletePrinter")->isEnabled());
}

TEST_F(TMainWindow, VisibleButtonsFillTheGridAndSetTheWindowHeight) {
    WriteList("Gulvo-58|USB|USB||0\nKavo-300|USB|USB||0\nVorlan|COM|/dev/ttyUSB0,BAUDRATE_9600||0\n"
              "Tormund|USB|USB||0\n");
    T_frmMain_Label& main = OpenWindow();
    const auto* group = main.findChild<QFrame*>("gpbFunction");
    ASSERT_NE(group, nullptr);
    const int step = T_frmMain_Label::kButtonHeight + 19;
    const auto checkLayout = [&](std::size_t expectedVisible) {
        const std::vector<TFuncButton>& visible = main.VisibleButtons();
        EXPECT_EQ(visible.size(), expectedVisible);
        const int rows = GridRows(static_cast<int>(visible.size()));
        EXPECT_EQ(group->height(), rows * step + 30);
        EXPECT_EQ(main.height(), group->y() + rows * step + main.Button("btnQuit")->height() + 80);
        EXPECT_EQ(main.width(), 2 * group->x() + group->width());
        EXPECT_EQ(main.Button("btnQuit")->y(), group->y() + group->height() + 10);
        for (std::size_t n = 0; n < visible.size(); ++n) {
            const char* name = nullptr;
            for (const TFuncButtonName& entry : FuncButtonNames()) {
                name = entry.button == visible[n] ? entry.objectName : name;
            }
            const QPushButton* button = main.Button(name);
            const TGridPlace place =
                GridPlace(static_cast<int>(n), T_frmMain_Label::kButtonWidth, T_frmMain_Label::kButtonHeight);
            EXPECT_TRUE(button->isVisibleTo(&main)) << name;
            EXPECT_EQ(button->pos(), QPoint(place.left, place.top)) << name;
        }
        int shown = 0;
        for (const TFuncButtonName& entry : FuncButtonNames()) {
            shown += main.Button(entry.objectName)->isVisibleTo(&main) ? 1 : 0;
        }
        EXPECT_EQ(shown, static_cast<int>(visible.size()));
    };
    // Gulvo-58: information, test print, configuration, learning,
    // parameters, factory defaults and font download: seven buttons, four rows.
    checkLayout(7);
    EXPECT_EQ(main.height(), group->y() + 4 * step + 32 + 80);
    main.SelectRow(1);
    checkLayout(14);
    main.SelectRow(2);
    EXPECT_FALSE(main.Button("btnDFU")->isVisibleTo(&main)) << "no firmware update over a serial port";
    // Tormund, an ESC printer: test print, configuration, parameters,
    // factory defaults, module test and font download; no information.
    main.SelectRow(3);
    checkLayout(6);
    EXPECT_FALSE(main.Button("btnPrinterInformation")->isVisibleTo(&main));
    EXPECT_EQ(main.height(), group->y() + 3 * step + 32 + 80);
}

TEST_F(TMainWindow, TheTestDataMarkerShowsTheDeveloperRows) {
    home.Write("xx20050316094512/dfile20050316094512-Real.txt", "");
    WriteList("Kavo-300|NET|" + StartPrinter() + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    EXPECT_EQ(main.PrinterListView()->columnWidth(0), 300);
    const std::string marker = "(TEST_DBGF1OFREALISY)" + LangAll("Lang_All_00010002_11");
    EXPECT_EQ(main.findChild<QLabel*>("lblMap")->text().toStdString(), "MAP" + marker);
    EXPECT_EQ(main.findChild<QLabel*>("lblProtocolType")->text().toStdString(), "ProtocolType" + marker);
    EXPECT_EQ(main.findChild<QLineEdit*>("txtMap")->text().toStdString(), "Kavo-300");
    EXPECT_EQ(main.findChild<QLineEdit*>("txtBasName")->text().toStdString(), "Kavo-300");
    main.ShowSysParaPage();
    std::vector<int> tops;
    for (const char* name : {"txtLanguageId", "txtBasName", "txtMap", "txtProtocolType"}) {
        const QWidget* field = main.findChild<QWidget*>(name);
        EXPECT_TRUE(field->isVisibleTo(&main)) << name;
        tops.push_back(field->y());
    }
    EXPECT_LT(tops[1], tops[0]) << "rows keep their order";
    EXPECT_LT(tops[0], tops[2]);
    EXPECT_FALSE(main.findChild<QWidget*>("txtTempVpid")->isVisibleTo(&main));

    main.btnGetProtocolTypeClick();
    EXPECT_EQ(main.findChild<QLineEdit*>("txtProtocolType")->text().toStdString(),
              "TSPL,ProtocolType(03_02)");
}

TEST_F(TMainWindow, DeletingAsksAndSelectsTheRowThatTakesTheDeletedOnesPlace) {
    WriteList("A|USB|USB||0\nB|USB|USB||0\nC|USB|USB||0\n");
    T_frmMain_Label& main = OpenWindow();

    main.SelectRow(2);
    sink.answers = {false};
    main.btnDeletePrinterClick();
    EXPECT_EQ(main.Printers().size(), 3u) << "Cancel deletes nothing";
    EXPECT_EQ(Boxes("ask").back().text, Text("FormMain_Label_MSGDeletePrinter"));

    sink.answers = {true};
    main.btnDeletePrinterClick();
    EXPECT_EQ(ReadFile(ListFile()), "\nA|USB|USB||0\nB|USB|USB||0\n");
    EXPECT_EQ(main.SelectedIndex(), 1);
    EXPECT_EQ(PrinterIdentity().ListName, "B");

    main.SelectRow(0);
    sink.answers = {true};
    main.btnDeletePrinterClick();
    EXPECT_EQ(ReadFile(ListFile()), "\nB|USB|USB||0\n");
    EXPECT_EQ(main.SelectedIndex(), 0);
    EXPECT_FALSE(main.Button("btnDeletePrinter")->isEnabled());
    main.btnDeletePrinterClick();
    EXPECT_EQ(main.Printers().size(), 1u) << "the last printer stays";
}

TEST_F(TMainWindow, ConnectionTestReportsSuccessOrTheOpenError) {
    WriteList("Kavo-300|NET|" + StartPrinter() + "||0\nKavo-300|NET|" + ClosedAddress() + "||0\n");
    T_frmMain_Label& main = OpenWindow();
    main.btnConnectTestClick();
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].kind, "info");
    EXPECT_EQ(sink.boxes[0].text, Text("_ConnectOK"));
    EXPECT_FALSE(sink.boxes[0].text.empty());
    EXPECT_TRUE(printer->waitFor([](const emulator::Record& r) { return r.command == "disconnect"; }));

    main.SelectRow(1);
    main.btnConnectTestClick();
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[1].kind, "error");
    EXPECT_EQ(sink.boxes[1].text, Text("_Err_OpenPort") + ":10061 (" + Text("_ErrReason_10061") + ")");
    EXPECT_EQ(sink.boxes[1].title, Text("_MSG_Title_Error"));
}

} // namespace
} // namespace tolvane::test

namespace tolvane::test {
namespace {

// No button of the main window cuts its text, in any of the three
// languages: the firmware, quit and more buttons are as wide as their
// texts need.
TEST_F(TMainWindow, EveryButtonFitsItsTextInEachLanguage) {
    for (const char* language : {"-EN", "-CN", "-TW"}) {
        SCOPED_TRACE(language);
        WriteList("Kavo-300|USB|USB||0\n");
        T_frmMain_Label& main = OpenWindow({language});
        for (const QPushButton* button : main.findChildren<QPushButton*>()) {
            if (!button->text().isEmpty()) {
                EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
            }
        }
        const QRect quit = main.Button("btnQuit")->geometry();
        for (const char* name : {"btnDFU", "btnDFU2", "btnMore"}) {
            EXPECT_FALSE(main.Button(name)->geometry().intersects(quit)) << name;
        }
        window.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
        CoreHooks() = TCoreHooks{};
        ResetModes();
    }
}

} // namespace
} // namespace tolvane::test
