// The test-print and scan-test windows offscreen against the emulated
// printer: opened through the main window's registry, user input reaching
// the dialogs, a scan test that keeps the window working while the printer
// is silent, and the screenshots in both languages.
#include "FormPrintText.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDialogRegistry.h"
#include "mdlHeadlessSession.h"
#include "mdlParaHelpers.h"
#include "mdlPrintTextViews.h"

#include "mdlPrinterLib.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdlib>

namespace tolvane::test {
namespace {

class PrintTextWindowTest : public EmulatedPrinterTest {
  protected:
    void Select(const std::string& listName, const std::string& profile, const char* languageSwitch = "-EN") {
        SelectListedPrinter(listName, StartPrinter(profile), languageSwitch);
    }
    // A fresh session for the next language or printer.
    void Restart() {
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        EndHeadlessSession();
        sessionStarted = false;
    }
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        Q_EMIT edit->textEdited(text);
        Q_EMIT edit->editingFinished();
    }
    static void Save(QWidget& window, const char* name, const char* suffix) {
        SaveScreenshot(window, QString("%1-%2").arg(name, suffix));
    }
};

TEST_F(PrintTextWindowTest, OpenedFromTheRegistryPrintsWhatTheUserTyped) {
    Select("Vorlan", "kavo_tspl.profile");
    ClearDialogRegistry();
    RegisterPrintTextDialogs();
    for (const char* name :
         {"T_frmPrintTextLabel", "T_frmPrintTextLabelCpclMirobt", "T_frmPrintText", "T_frmScanTest"}) {
        EXPECT_TRUE(FindDialog(name)) << name;
    }
    bool closed = false;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), "_frmPrintTextLabel");
        Find<QPlainTextEdit>(window, "txtPrintText")->setPlainText("AB\nCD");
        Type(Find<QLineEdit>(window, "txtPrintableWidth"), "300");
        Type(Find<QLineEdit>(window, "txtPrintableHeigh"), "20");
        EXPECT_EQ(Find<QLineEdit>(window, "txtPrintableWidth")->text(), "108") << "the model's widest";
        Find<QCheckBox>(window, "cbxLanguage")->click();
        EXPECT_TRUE(Find<QComboBox>(window, "cmbInternationalCharacter")->isEnabled());
        Find<QPushButton>(window, "btnPrint")->click();
        Find<QPushButton>(window, "btnClose")->click();
        closed = true;
    });
    FindDialog("T_frmPrintTextLabel")(nullptr);
    EXPECT_TRUE(closed);
    const auto job = printer->waitForCommand("job", "TSPL");
    ASSERT_TRUE(job);
    EXPECT_EQ(job->value, "CLS\r\nSIZE 108 mm,20 mm\r\nTEXT 10,10,\"0\",0,1,1,\"AB\"\r\n"
                          "TEXT 10,64,\"0\",0,1,1,\"CD\"\r\nPRINT 1\r\n");
    ClearDialogRegistry();
}

TEST_F(PrintTextWindowTest, TheScanTestKeepsTheWindowWorkingWhileThePrinterIsSilent) {
    std::string error;
    auto profile = emulator::loadProfile(std::string(EMULATOR_PROFILES) + "/kavo_tspl.profile", error);
    ASSERT_TRUE(profile) << error;
    profile->scanner = emulator::ScannerSetup{2, {'O', 'K', '\r', '\n'}};
    printer = std::make_unique<emulator::Emulator>(*profile);
    ASSERT_TRUE(printer->listenTcp("127.0.0.1", 0, error) && printer->start(error)) << error;
    SelectListedPrinter("Kavo-300", "NET,127.0.0.1," + std::to_string(printer->tcpPort()));

    T_frmScanTest window(params::SelectedPrinterContext(), {10, 1, 1, 1, 5});
    window.show();
    QPushButton* button = Find<QPushButton>(&window, "btnScanTest");
    button->click();
    EXPECT_FALSE(button->isEnabled());
    // The first attempt's read waits for the port's read time-out on a
    // worker; meanwhile the window's own timers keep firing.
    int beats = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { ++beats; });
    heartbeat.start(20);
    const auto started = std::chrono::steady_clock::now();
    ProcessUntil([&] { return button->isEnabled(); });
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(window.ScanTest().Attempts(), 2);
    EXPECT_GT(beats, took.count() / 20 / 3) << "the window stood still for " << took.count() << " ms";
    const auto job = printer->waitForCommand("job", "TSPL");
    ASSERT_TRUE(job);
    EXPECT_NE(job->value.find("\"OK\""), std::string::npos);
    // The window shows what was scanned, and its Close button ends it.
    EXPECT_EQ(Find<QPlainTextEdit>(&window, "memScanned")->toPlainText().toStdString(), "OK");
    EXPECT_EQ(Find<QLabel>(&window, "lblScanStatus")->text().toStdString(),
              params::Txt("FormScanTest_Printed"));
    QPushButton* close = Find<QPushButton>(&window, "btnClose");
    EXPECT_EQ(close->text().toStdString(), params::Txt("_Close"));
    close->click();
    EXPECT_TRUE(ProcessUntil([&] { return !window.isVisible(); }));
}

// With TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh), the pictures are
// saved there: test-print-label-*, test-print-*, scan-test-* (zh-CN, en).
TEST_F(PrintTextWindowTest, RendersInBothLanguages) {
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const auto& [languageSwitch, suffix] : languages) {
        Select("Vorlan", "kavo_tspl.profile", languageSwitch);
        {
            std::unique_ptr<TFormView> label = CreatePrintTextWindow("T_frmPrintTextLabel", nullptr);
            label->show();
            Find<QPlainTextEdit>(label.get(), "txtPrintText")->setPlainText("Tolvane\n测试打印");
            EXPECT_EQ(Find<QPushButton>(label.get(), "btnPrint")->text().toStdString(),
                      params::Txt("_Print"));
            Save(*label, "test-print-label", suffix);
            std::unique_ptr<TFormView> scan = CreatePrintTextWindow("T_frmScanTest", nullptr);
            scan->show();
            EXPECT_EQ(scan->windowTitle().toStdString(), params::Txt("FormScanTest_Caption"));
            Save(*scan, "scan-test", suffix);
        }
        Restart();
        Select("Corla-3", "corla_cpcl.profile", languageSwitch);
        {
            std::unique_ptr<TFormView> general = CreatePrintTextWindow("T_frmPrintText", nullptr);
            general->show();
            Find<QPlainTextEdit>(general.get(), "txtPrintText")->setPlainText("Tolvane\n测试打印");
            EXPECT_TRUE(Find<QComboBox>(general.get(), "cmbRowHeight")->isVisible());
            Save(*general, "test-print", suffix);
        }
        Restart();
    }
}

} // namespace
} // namespace tolvane::test
