// The command test, printer status and printer information windows
// offscreen against the emulated printer: registered for the main
// window's buttons, cyclic sending that keeps the window working and
// stops on a click, the status list, the fitted information window, and
// their pictures in both languages.
#include "FormCommandTest.h"
#include "FormPrinterInformation.h"
#include "FormPrinterStatus.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDialogRegistry.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterSelection.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <cstdlib>

namespace tolvane::test {
namespace {

class DiagnosticWindowsTest : public EmulatedPrinterTest {
  protected:
    std::string Received() const {
        const emulator::Bytes bytes = printer->received();
        return std::string(bytes.begin(), bytes.end());
    }
    // Ends the session so that the next language starts afresh.
    void EndSession() {
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
    static void Save(QWidget& window, const char* name, const char* suffix) {
        SaveScreenshot(window, QString("%1-%2").arg(name, suffix));
    }
};

TEST_F(DiagnosticWindowsTest, RegisteredForTheMainWindowsButtons) {
    ClearDialogRegistry();
    RegisterCommandTestWindow();
    RegisterPrinterStatusWindow();
    RegisterPrinterInformationWindow();
    EXPECT_TRUE(FindDialog("T_frmCommandTest"));
    EXPECT_TRUE(FindDialog("T_frmPrinterStatus"));
    EXPECT_TRUE(FindDialog("T_frmPrinterInformation"));
    ClearDialogRegistry();
}

// What the main window's buttons run: the registered opener shows the
// window modally; its close button ends it. `shown` is the text of one of
// its widgets while it was open.
TEST_F(DiagnosticWindowsTest, OpenersShowTheWindowModallyUntilItsCloseButton) {
    SelectListedPrinter("Vorlan", StartPrinter());
    ClearDialogRegistry();
    RegisterCommandTestWindow();
    RegisterPrinterStatusWindow();
    RegisterPrinterInformationWindow();
    ASSERT_TRUE(PrepareDialogOpen());
    const struct {
        const char* className;
        const char* widget;
        std::string shown;
    } cases[] = {
        {"T_frmCommandTest", "lblRecycleTimes", "0" + params::Txt("FormCommandTest_lblRecycleTimes")},
        {"T_frmPrinterStatus", "RichEdit1", params::Txt("FormPrinterStatus_StandBy") + "\n"},
        {"T_frmPrinterInformation", "lblPrintLengthV", "375 (m)"},
    };
    for (const auto& c : cases) {
        std::string shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                return;
            }
            poll.stop();
            if (auto* label = modal->findChild<QLabel*>(c.widget)) {
                shown = label->text().toStdString();
            } else if (auto* memo = modal->findChild<QPlainTextEdit*>(c.widget)) {
                shown = memo->toPlainText().toStdString();
            }
            if (auto* close = modal->findChild<QPushButton*>("btnClose")) {
                close->click();
            } else {
                modal->close();
            }
        });
        poll.start(20);
        const TDialogOpener opener = FindDialog(c.className);
        ASSERT_TRUE(opener) << c.className;
        opener(nullptr);
        EXPECT_EQ(shown, c.shown) << c.className;
    }
    ClearDialogRegistry();
}

TEST_F(DiagnosticWindowsTest, CyclicSendingKeepsTheWindowWorkingAndStopsOnAClick) {
    SelectListedPrinter("Vorlan", StartPrinter());
    T_frmCommandTest window(params::SelectedPrinterContext());
    window.show();
    QApplication::processEvents();
    auto* page = Find<QPlainTextEdit>(&window, "RE1");
    auto* cyclic = Find<QCheckBox>(&window, "chkRecycle");
    auto* interval = Find<QLineEdit>(&window, "txtSleepTime");
    auto* send = Find<QPushButton>(&window, "btnSend");
    auto* counter = Find<QLabel>(&window, "lblRecycleTimes");
    ASSERT_TRUE(page && cyclic && interval && send && counter);
    page->setPlainText("1B 40");
    cyclic->click();
    EXPECT_TRUE(interval->isEnabled());
    // Typed as the user types: the model takes the text from the keys.
    interval->setFocus();
    interval->selectAll();
    for (const char* key : {"1", "0", "0"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QApplication::sendEvent(interval, &press);
    }
    Q_EMIT interval->editingFinished();
    EXPECT_EQ(window.Dialog().Form()["txtSleepTime"].text, "100");
    send->click();
    EXPECT_EQ(window.Dialog().Timers().at("timSendTimer").intervalMs, 100);
    EXPECT_EQ(send->text().toStdString(), params::Txt("FormCommandTest_btnSend2"));
    EXPECT_FALSE(interval->isEnabled());

    // Other work of the window goes on between the sends.
    int otherWork = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&otherWork] { ++otherWork; });
    other.start(20);
    const std::string three = "3" + params::Txt("FormCommandTest_lblRecycleTimes");
    ASSERT_TRUE(ProcessUntil([&] { return window.CommandTest().Counter() >= 3; }));
    EXPECT_GE(otherWork, 5);
    ASSERT_TRUE(ProcessUntil([&] {
        return counter->text().toStdString().rfind(std::to_string(window.CommandTest().Counter()), 0) == 0;
    }));

    send->click(); // stop
    const int sent = window.CommandTest().Counter();
    EXPECT_EQ(send->text().toStdString(), params::Txt("FormCommandTest_btnSend1"));
    EXPECT_TRUE(interval->isEnabled());
    ProcessUntil([] { return false; }, 300);
    EXPECT_EQ(window.CommandTest().Counter(), sent);
    std::string expected;
    for (int n = 0; n < sent; ++n) {
        expected += "\x1B@";
    }
    ProcessUntil([&] { return Received().size() >= expected.size(); }, 3000);
    EXPECT_EQ(Received(), expected);
}

TEST_F(DiagnosticWindowsTest, HexadecimalPagesDropOtherKeysAndTabsChooseThePage) {
    SelectListedPrinter("Vorlan", StartPrinter());
    T_frmCommandTest window(params::SelectedPrinterContext());
    window.show();
    auto* page = Find<QPlainTextEdit>(&window, "RE1");
    ASSERT_NE(page, nullptr);
    page->setFocus();
    for (const char* key : {"1", "g", "B", ",", " "}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QApplication::sendEvent(page, &press);
    }
    EXPECT_EQ(page->toPlainText().toStdString(), "1B ");
    EXPECT_EQ(window.Dialog().Form()["RE1"].text, "1B ");
    // The page the user turns to is the one that is sent.
    Find<QTabWidget>(&window, "tabCommandPages")->setCurrentIndex(2);
    EXPECT_EQ(window.CommandTest().CurrentPage(), "RE3");
}

TEST_F(DiagnosticWindowsTest, StatusWindowListsTheConditions) {
    SelectListedPrinter("Vorlan", StartPrinter());
    printer->changePrinter([](emulator::Printer& state) { state.diagnostics().status[17] = 0x30; });
    T_frmPrinterStatus window(params::SelectedPrinterContext());
    window.show();
    auto* list = Find<QPlainTextEdit>(&window, "RichEdit1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->toPlainText().toStdString(), params::Txt("FormPrinterStatus_StandBy") + "\n" +
                                                     params::Txt("FormPrinterStatus_IllegalCommand") + "\n" +
                                                     params::Txt("FormPrinterStatus_CoverOpen") + "\n");
    printer->changePrinter(
        [](emulator::Printer& state) { state.diagnostics().status = emulator::Bytes(20, 0); });
    Find<QPushButton>(&window, "btnRefresh")->click();
    EXPECT_EQ(list->toPlainText().toStdString(), "");
}

TEST_F(DiagnosticWindowsTest, InformationWindowFitsItsRows) {
    SelectListedPrinter("Dresk-4T", StartPrinter());
    SetPrinterValue("factory_produce_time", "20230115");
    SetPrinterValue("mileage", "1000");
    SetPrinterValue("version", "2.01.7");
    ASSERT_TRUE(PrepareDialogOpen());
    T_frmPrinterInformation window(params::SelectedPrinterContext());
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(Find<QLabel>(&window, "lblProduceDateV")->text().toStdString(), "20230115");
    EXPECT_EQ(Find<QLabel>(&window, "lblPrintLengthV")->text().toStdString(), "25.4m");
    EXPECT_EQ(Find<QLabel>(&window, "lblFirmwareVerV")->text().toStdString(), "2.01.7");
    auto* close = Find<QPushButton>(&window, "btnClose");
    EXPECT_EQ(window.height(), close->y() + close->height() + 6);
    EXPECT_EQ(close->y(), Find<QLabel>(&window, "lblFirmwareVer")->y() + 22 + 6 + 6);
}

// The three windows in Simplified Chinese and English. With
// TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh), the pictures are
// saved there as command-test-, printer-status- and
// printer-information-zh-CN.png and -en.png.
TEST_F(DiagnosticWindowsTest, RendersInBothLanguages) {
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const auto& [languageSwitch, suffix] : languages) {
        SelectListedPrinter("Vorlan", StartPrinter(), languageSwitch);
        printer->changePrinter([](emulator::Printer& state) {
            state.diagnostics().status[17] = 0x20;
            state.diagnostics().status[18] = 0x06;
        });
        {
            T_frmCommandTest window(params::SelectedPrinterContext());
            window.show();
            Find<QPlainTextEdit>(&window, "RE1")
                ->setPlainText("1B 1C 26 20 56 31 20 67 65 74 76 61 6C 20 22 64 70 69 22 0D 0A");
            window.Dialog().Form().SetText("txtReadData", "32 30 33 00 ");
            EXPECT_EQ(window.windowTitle().toStdString(), params::Txt("FormCommandTest_Caption"));
            Save(window, "command-test", suffix);
        }
        {
            T_frmPrinterStatus window(params::SelectedPrinterContext());
            window.show();
            EXPECT_FALSE(Find<QPlainTextEdit>(&window, "RichEdit1")->toPlainText().isEmpty());
            Save(window, "printer-status", suffix);
        }
        {
            ASSERT_TRUE(PrepareDialogOpen());
            T_frmPrinterInformation window(params::SelectedPrinterContext());
            window.show();
            EXPECT_FALSE(Find<QLabel>(&window, "lblPrintLengthV")->text().isEmpty());
            Save(window, "printer-information", suffix);
        }
        EndSession();
    }
}

} // namespace
} // namespace tolvane::test
