// The printer management dialog: round trips of every port kind through
// "Modify", adding printers, the generation choices, the port kind change,
// and its connection test (which accepts only a clean open).
#include "MainWindowFixture.h"

#include "FormPrinterManage_Label.h"
#include "mdlGlobalObjects.h"
#include "mdlPortList.h"
#include "mdlPrinterIdentity.h"
#include "pty_pair.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tolvane::test {
namespace {

class TPrinterManage : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (int n : {0, 2}) {
            dev.Write("ttyS" + std::to_string(n), "");
            sys.Write("class/tty/ttyS" + std::to_string(n) + "/type", "4");
        }
        for (const char* node : {"ttyUSB0", "lp0", "lp1"}) {
            dev.Write(node, "");
        }
        SetPortRoots({dev.Path(), sys.Path()});
    }

    T_frmPrinterManage_Label& Dialog() {
        if (!window) {
            WriteList("Kavo-300|USB|USB||0\n");
            OpenWindow();
        }
        return *window->PrinterManage();
    }
    template <typename W>
    W* Control(const char* name) {
        return Dialog().findChild<W*>(name);
    }
    std::string Shown(const char* comboName) {
        return Control<QComboBox>(comboName)->currentText().toStdString();
    }
    void Choose(const char* comboName, const char* text) {
        QComboBox* combo = Control<QComboBox>(comboName);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << comboName << " offers no " << text;
        combo->setCurrentIndex(index);
    }
    // Opens "Modify" for one stored line and presses OK; the line saved.
    std::string ModifyAndSave(const TPrinterEntry& entry) {
        T_frmPrinterManage_Label& dialog = Dialog();
        WriteList(entry.Line() + "\n");
        dialog.SetModeModify(ListFile(), 0, entry);
        dialog.show();
        return entry.Line();
    }
    std::string SavedLine() {
        Dialog().btnOKClick();
        EXPECT_TRUE(Dialog().Saved());
        std::string text = ReadFile(ListFile());
        return text.substr(0, text.find('\n'));
    }

    TempFolder dev;
    TempFolder sys;
};

TEST_F(TPrinterManage, ModifyShowsTheStoredPrinterAndSavesItUnchanged) {
    struct Case {
        TPrinterEntry entry;
        std::string panel;
        std::string port; // serial or parallel port shown
        std::string rate;
        std::string ip;
        std::string saved; // field 3 as saved ("" = unchanged)
    } cases[] = {
        {{"Kavo-300", "USB", "USB", "desk", "0"}, "pnlUSB", "", "", "", ""},
        {{"Kavo-300", "COM", "COM3,BAUDRATE_19200", "", "0"}, "pnlSerial", "COM3:", "19200", "", ""},
        {{"Tormund", "com", "/dev/ttyUSB0,BAUDRATE_9600", "", "0"},
         "pnlSerial",
         "/dev/ttyUSB0",
         "9600",
         "",
         ""},
        {{"Kavo-300", "COM", "COM1,BAUDRATE", "", "0"},
         "pnlSerial",
         "COM1:",
         "4800",
         "",
         "COM1,BAUDRATE_4800"},
        {{"Kavo-300", "COM", "/dev/pts/77,BAUDRATE_115200", "", "0"},
         "pnlSerial",
         "/dev/pts/77",
         "115200",
         "",
         ""},
        {{"Kavo-300", "LPT", "LPT2", "", "0"}, "pnlParallel", "LPT2:", "", "", ""},
        {{"Kavo-300", "NET", "NET,10.0.0.5", "x", "0"}, "pnlNet", "", "", "10.0.0.5", ""},
    };
    for (const Case& c : cases) {
        const std::string stored = ModifyAndSave(c.entry);
        const std::string kind = c.panel == "pnlUSB"        ? "USB"
                                 : c.panel == "pnlNet"      ? "NET"
                                 : c.panel == "pnlParallel" ? "LPT"
                                                            : "COM";
        EXPECT_EQ(Shown("cmbPortType"), kind);
        for (const char* panel : {"pnlUSB", "pnlSerial", "pnlParallel", "pnlNet"}) {
            EXPECT_EQ(Control<QFrame>(panel)->isVisibleTo(&Dialog()), c.panel == panel) << panel;
        }
        if (kind == "COM") {
            EXPECT_EQ(Shown("cmbSerialList"), c.port);
            EXPECT_EQ(Shown("cmbBaudrate"), c.rate);
        } else if (kind == "LPT") {
            EXPECT_EQ(Shown("cmbParallel"), c.port);
        } else if (kind == "NET") {
            EXPECT_EQ(Control<QLineEdit>("txtIPAddress")->text().toStdString(), c.ip);
        }
        EXPECT_EQ(Shown("cmbPrinterName"), c.entry.ListName);
        EXPECT_EQ(Control<QLineEdit>("edtNotes")->text().toStdString(), c.entry.Notes);
        TPrinterEntry expected = c.entry;
        expected.PortKind = kind;
        if (!c.saved.empty()) {
            expected.PortAddress = c.saved;
        }
        EXPECT_EQ(SavedLine(), expected.Line()) << stored;
    }
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(TPrinterManage, AddAppendsWhatTheUserChose) {
    Dialog().SetModeAdd(ListFile());
    Dialog().show();
    EXPECT_EQ(Dialog().Mode(), "Add");
    EXPECT_EQ(Shown("cmbPrinterName"), "Vorlan") << "the first offered model";
    EXPECT_EQ(Shown("cmbPortType"), "USB");
    EXPECT_TRUE(Control<QFrame>("pnlUSB")->isVisibleTo(&Dialog()));
    EXPECT_FALSE(Dialog().Saved());

    Choose("cmbPrinterName", "Tormund");
    Choose("cmbPortType", "COM");
    EXPECT_EQ(Shown("cmbSerialList"), "COM1:");
    EXPECT_EQ(Shown("cmbBaudrate"), "115200");
    Choose("cmbPortType", "NET");
    EXPECT_EQ(Control<QLineEdit>("txtIPAddress")->text().toStdString(), "192.168.0.33");
    Control<QLineEdit>("txtIPAddress")->setText("10.1.2.3");
    Choose("cmbPortType", "LPT");
    Choose("cmbPortType", "NET");
    EXPECT_EQ(Control<QLineEdit>("txtIPAddress")->text().toStdString(), "192.168.0.33")
        << "switching to NET resets the address";
    Control<QLineEdit>("edtNotes")->setText("shelf|2");
    EXPECT_EQ(Control<QLineEdit>("edtNotes")->maxLength(), 64);
    Dialog().btnOKClick();
    EXPECT_TRUE(Dialog().Saved());
    EXPECT_EQ(ReadFile(ListFile()), "Kavo-300|USB|USB||0\nTormund|NET|NET,192.168.0.33|shelf 2|0\n");
}

TEST_F(TPrinterManage, GenerationChoicesFollowTheModel) {
    const std::string line = ModifyAndSave({"Jostra", "USB", "USB", "", "1"});
    QComboBox* generations = Control<QComboBox>("cmbPrtVerOfTool");
    ASSERT_GE(generations->count(), 3) << "Jostra offers generations 1 and 2";
    EXPECT_EQ(generations->itemText(0).toStdString(), "");
    EXPECT_EQ(Dialog().GenerationKey(), "1");
    EXPECT_NE(generations->currentText().toStdString().find("V1.04.XX"), std::string::npos);
    EXPECT_FALSE(Control<QPlainTextEdit>("memPrtVerOfTool")->toPlainText().isEmpty());
    EXPECT_EQ(SavedLine(), line);

    ModifyAndSave({"Jostra", "USB", "USB", "", "2"});
    Choose("cmbPrinterName", "Kavo-300");
    EXPECT_EQ(generations->count(), 2) << "no generation 2 for this model";
    EXPECT_EQ(Dialog().GenerationKey(), "0");
    EXPECT_EQ(SavedLine(), "Kavo-300|USB|USB||0");
}

TEST_F(TPrinterManage, AnEditionCanHideTheConnectionTest) {
    T_frmPrinterManage_Label& dialog = Dialog();
    GlobalObjects().OstrelVar->Oem->ManagementOption = 2;
    dialog.SetModeAdd(ListFile());
    dialog.show();
    const QPushButton* ok = Control<QPushButton>("btnOK");
    const QPushButton* close = Control<QPushButton>("btnClose");
    EXPECT_FALSE(Control<QPushButton>("btnConnectTest")->isVisibleTo(&dialog));
    const int panel = Control<QFrame>("pnlButtons")->width();
    const int gap = ok->x();
    EXPECT_EQ(close->x() - (ok->x() + ok->width()), gap);
    EXPECT_NEAR(panel - (close->x() + close->width()), gap, 2);
}

TEST_F(TPrinterManage, WithoutAnyPortTheUserIsTold) {
    SetPortRoots({sys.Path() + "nothing/", sys.Path()});
    Dialog().SetModeAdd(ListFile());
    Dialog().show();
    Choose("cmbPortType", "COM");
    EXPECT_EQ(Control<QComboBox>("cmbSerialList")->count(), 0);
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, "no ports present !");
    EXPECT_EQ(Dialog().PortAddress(), ",BAUDRATE_4800");
}

TEST_F(TPrinterManage, ConnectionTestAcceptsOnlyACleanOpen) {
    const std::string address = StartPrinter();
    WriteList("Kavo-300|NET|" + address + "||0\n");
    OpenWindow();
    T_frmPrinterManage_Label& dialog = *window->PrinterManage();
    const auto test = [&](const std::string& ip) {
        sink.boxes.clear();
        dialog.SetModeModify(ListFile(), 0, {"Kavo-300", "NET", "NET," + ip, "", "0"});
        dialog.hide();
        dialog.show();
        dialog.btnConnectTestClick();
        EXPECT_EQ(sink.boxes.size(), 1u);
        return sink.boxes.empty() ? ShownBox{} : sink.boxes[0];
    };
    const ShownBox ok = test(address.substr(4));
    EXPECT_EQ(ok.kind, "info");
    EXPECT_EQ(ok.text, Text("_ConnectOK"));
    EXPECT_TRUE(Wait("connect"));

    const ShownBox refused = test(ClosedAddress().substr(4));
    EXPECT_EQ(refused.kind, "error");
    EXPECT_EQ(refused.text, Text("_Err_OpenPort") + ":10061 (" + Text("_ErrReason_10061") + ")");
    EXPECT_FALSE(dialog.Saved()) << "the test saves nothing";
    EXPECT_EQ(ReadFile(ListFile()), "Kavo-300|NET|" + address + "||0\n");
}

TEST_F(TPrinterManage, APortHeldElsewhereFailsHereButCountsAsOpenInTheMainWindow) {
    testsupport::PtyPair pty;
    const int holder = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    const std::string address = pty.path() + ",BAUDRATE_9600";
    WriteList("Kavo-300|COM|" + address + "||0\n");
    OpenWindow();
    window->btnConnectTestClick();
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, Text("_ConnectOK")) << "5, already open, counts as success";

    T_frmPrinterManage_Label& dialog = *window->PrinterManage();
    dialog.SetModeModify(ListFile(), 0, {"Kavo-300", "COM", address, "", "0"});
    dialog.show();
    dialog.btnConnectTestClick();
    ASSERT_EQ(sink.boxes.size(), 2u);
    EXPECT_EQ(sink.boxes[1].kind, "error");
    EXPECT_EQ(sink.boxes[1].text, Text("_Err_OpenPort") + ":5 (" + Text("_ErrReason_5") + ")");
    ::close(holder);
}

TEST_F(TPrinterManage, TheMainWindowReloadsAfterAddAndModify) {
    const std::string address = StartPrinter();
    WriteList("Vorlan|USB|USB||0\nTormund|USB|USB||0\n");
    T_frmMain_Label& main = OpenWindow();
    T_frmPrinterManage_Label& dialog = *main.PrinterManage();

    QTimer::singleShot(0, &dialog, [&] {
        Choose("cmbPrinterName", "Kavo-300");
        Choose("cmbPortType", "NET");
        Control<QLineEdit>("txtIPAddress")->setText(QString::fromStdString(address.substr(4)));
        dialog.btnOKClick();
    });
    main.btnAddPrinterClick();
    ASSERT_EQ(main.Printers().size(), 3u);
    EXPECT_EQ(main.SelectedIndex(), 2);
    EXPECT_EQ(PrinterIdentity().PortAddress, address);
    main.btnConnectTestClick();
    EXPECT_EQ(Boxes("info").back().text, Text("_ConnectOK"));

    main.SelectRow(1);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.Mode(), "Modify");
        EXPECT_EQ(Shown("cmbPrinterName"), "Tormund");
        Control<QLineEdit>("edtNotes")->setText("counter");
        dialog.btnOKClick();
    });
    main.btnModifyPrinterClick();
    EXPECT_EQ(main.SelectedIndex(), 1);
    EXPECT_EQ(main.Printers()[1].Notes, "counter");

    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
    main.btnModifyPrinterClick();
    EXPECT_FALSE(dialog.Saved());
    EXPECT_EQ(ReadFile(ListFile()),
              "Vorlan|USB|USB||0\nTormund|USB|USB|counter|0\nKavo-300|NET|" + address + "||0\n");
}

} // namespace
} // namespace tolvane::test
