// The Kavo parameter window offscreen: widgets named and texted from the
// dialog, the button positions, a read that keeps the window painting, and
// user input reaching the dialog's handlers.
#include "FormParaSet_Kavo.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDialogRegistry.h"
#include "mdlParaDialogViews.h"

#include "mdlPrinterLib.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <cstdlib>
#include <set>

namespace tolvane::test {
namespace {

class KavoWindowTest : public EmulatedPrinterTest {
  protected:
    std::unique_ptr<TFormView> OpenWindow(const std::string& listName, const std::string& profile,
                                          const char* languageSwitch = "-EN") {
        SelectListedPrinter(listName, StartPrinter(profile), languageSwitch);
        std::unique_ptr<TFormView> window = CreateParaDialogWindow("T_frmParaSet_Kavo", nullptr);
        EXPECT_TRUE(window);
        return window;
    }
    // Shows the window and lets its read timer run until the read ended.
    static void ShowAndRead(TFormView& window) {
        window.show();
        EXPECT_TRUE(ProcessUntil([&] { return window.Dialog().Timers().at("StatusTimer").enabled; }));
    }
};

TEST_F(KavoWindowTest, RegisteredForTheParameterButton) {
    ClearDialogRegistry();
    RegisterParameterDialogs();
    EXPECT_TRUE(FindDialog("T_frmParaSet_Kavo"));
    ClearDialogRegistry();
}

TEST_F(KavoWindowTest, TextsBoundByNameAndButtonsMovedForOtherModels) {
    std::unique_ptr<TFormView> window = OpenWindow("Vorlan", "kavo_tspl.profile");
    ShowAndRead(*window);
    EXPECT_EQ(window->windowTitle().toStdString(), params::Txt("_ParaSet"));
    EXPECT_EQ(Find<QPushButton>(window.get(), "btnSet")->text().toStdString(), params::Txt("_Set"));
    EXPECT_EQ(Find<QPushButton>(window.get(), "btnClose")->text().toStdString(), params::Txt("_Close"));
    EXPECT_EQ(Find<QLabel>(window.get(), "lblDensity")->text().toStdString(),
              params::Txt("FormParaSet_Tramwe_lblDensity"));
    auto* pages = Find<QTabWidget>(window.get(), "pagecA");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->tabText(0).toStdString(), params::Txt("Lang_All_00210091_11"));
    EXPECT_EQ(Find<QPushButton>(window.get(), "btnSet")->x(), 222);
    EXPECT_EQ(Find<QPushButton>(window.get(), "btnClose")->x(), 370);
    EXPECT_FALSE(Find<QPushButton>(window.get(), "btnLoad")->isVisible());
    EXPECT_EQ(Find<QComboBox>(window.get(), "cmbDensity")->currentText().toStdString(), "8");
    EXPECT_FALSE(Find<QLabel>(window.get(), "lblZPrintWidth")->isVisible());
}

TEST_F(KavoWindowTest, ArdelKeepsItsFileButtons) {
    std::unique_ptr<TFormView> window = OpenWindow("Ardel", "ardel_tspl.profile");
    ShowAndRead(*window);
    EXPECT_TRUE(Find<QPushButton>(window.get(), "btnLoad")->isVisible());
    EXPECT_TRUE(Find<QPushButton>(window.get(), "btnSave")->isVisible());
    EXPECT_NE(Find<QPushButton>(window.get(), "btnSet")->x(), 222);
    EXPECT_TRUE(Find<QLabel>(window.get(), "lblZPrintWidth")->isVisible());
}

TEST_F(KavoWindowTest, StatusLineChangesWhileTheReadRuns) {
    std::unique_ptr<TFormView> window = OpenWindow("Vorlan", "kavo_tspl.profile");
    auto* status = Find<QStatusBar>(window.get(), "StatusBarA");
    ASSERT_NE(status, nullptr);
    // A timer of the test samples the status line: it only fires when the
    // event loop runs during the protocol's waits.
    std::set<QString> seen;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { seen.insert(status->currentMessage()); });
    sampler.start(30);
    ShowAndRead(*window);
    sampler.stop();
    EXPECT_GE(seen.size(), 5u);
    EXPECT_EQ(status->currentMessage().toStdString(), params::Txt("Lang_All_00210099_53"));
}

TEST_F(KavoWindowTest, UserChoiceRunsTheHandler) {
    std::unique_ptr<TFormView> window = OpenWindow("Vorlan", "kavo_tspl.profile");
    ShowAndRead(*window);
    auto* protocol = Find<QComboBox>(window.get(), "cmbProtocol");
    auto* density = Find<QComboBox>(window.get(), "cmbDensity");
    ASSERT_TRUE(protocol && density);
    protocol->setCurrentIndex(1);
    Q_EMIT protocol->activated(1);
    EXPECT_EQ(density->count(), 31);
    EXPECT_EQ(density->currentText(), "15");
    EXPECT_EQ(window->Dialog().Form()["cmbProtocol"].SelectedText(), "ZPL");
}

// Renders the window after its read in Simplified Chinese and English. With
// TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh), the pictures are
// saved there as parameters-kavo-zh-CN.png and parameters-kavo-en.png.
TEST_F(KavoWindowTest, RendersInBothLanguages) {
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const auto& [languageSwitch, suffix] : languages) {
        std::unique_ptr<TFormView> window = OpenWindow("Kavo-300", "kavo_tspl.profile", languageSwitch);
        ShowAndRead(*window);
        EXPECT_EQ(Find<QPushButton>(window.get(), "btnSet")->text().toStdString(), params::Txt("_Set"));
        SaveScreenshot(*window, QString("parameters-kavo-%1").arg(suffix));
        window.reset();
        // The next language in a session of its own.
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
}

} // namespace
} // namespace tolvane::test
