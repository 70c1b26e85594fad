// The Dresk, Miro and Quistel parameter windows, the advanced settings and
// the Ethernet dialog offscreen: registered for
// the parameter button, read when shown, and rendered in both languages.
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDialogRegistry.h"
#include "mdlFormView.h"
#include "mdlParaDialogViews.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlRfidSet.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

namespace tolvane::test {
namespace {

class KeyValueWindowTest : public EmulatedPrinterTest {};

TEST_F(KeyValueWindowTest, RegisteredForTheParameterButton) {
    ClearDialogRegistry();
    RegisterParameterDialogs();
    for (const char* className : {"T_frmParaSet_Dresk", "T_frmParaSet_Miro", "T_frmParaSet_Quistel",
                                  "TfrmAdvancedSettings", "TFormNet", "TfrmRfidSet"}) {
        EXPECT_TRUE(FindDialog(className)) << className;
    }
    ClearDialogRegistry();
}

// Each window after its read in Simplified Chinese and English. With
// TOLVANE_SCREENSHOT_DIR set the pictures are saved there as
// parameters-<family>-<language>.png.
TEST_F(KeyValueWindowTest, ReadsWhenShownAndRendersInBothLanguages) {
    struct Case {
        const char* family;
        const char* listName;
        const char* profile;
        const char* className;
        const char* field; // a field the read fills
        const char* value;
    };
    const Case cases[] = {
        {"dresk", "Dresk-4T", "dresk_tspl.profile", "T_frmParaSet_Dresk", "txtTearOff", "-5"},
        {"miro", "Navra", "miro_cpcl.profile", "T_frmParaSet_Miro", "txtPrintToStop", "12"},
        {"quistel", "Quistel-C", "quistel_tspl.profile", "T_frmParaSet_Quistel", "txtPrintToStop", "-5"},
        {"network", "Halden", "halden_tspl.profile", "TFormNet", "txtIP4", "170"},
        {"advanced", "Halden", "halden_tspl.profile", "TfrmAdvancedSettings", nullptr, nullptr},
        {"rfid", "Kavo-300R", "kavo_rfid.profile", "TfrmRfidSet", "edtRfidRLen", "12"},
    };
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const Case& c : cases) {
        for (const auto& [languageSwitch, suffix] : languages) {
            SCOPED_TRACE(std::string(c.family) + " " + suffix);
            SelectListedPrinter(c.listName, StartPrinter(c.profile), languageSwitch);
            std::unique_ptr<TFormView> window = CreateParaDialogWindow(c.className, nullptr);
            ASSERT_TRUE(window);
            window->show();
            QApplication::processEvents();
            if (c.field != nullptr) {
                auto* field = window->findChild<QLineEdit*>(c.field);
                ASSERT_NE(field, nullptr);
                EXPECT_EQ(field->text().toStdString(), c.value);
                auto* close = window->findChild<QPushButton*>("btnClose");
                ASSERT_NE(close, nullptr);
                EXPECT_EQ(close->text().toStdString(),
                          params::Txt(std::string(c.family) == "rfid" ? "Lang00010023" : "_Close"));
            } else {
                auto* ethernet = window->findChild<QPushButton*>("btnEthernetSetting");
                ASSERT_NE(ethernet, nullptr);
                EXPECT_TRUE(ethernet->isVisible());
            }
            SaveScreenshot(*window, QString("parameters-%1-%2").arg(c.family, suffix));
            window.reset();
            PrtLib_Close(TPrtLib::Tsprix);
            PrtLib_Close(TPrtLib::Cobrix);
            printer.reset();
            MainWindowDestroySteps();
            AfterMessageLoop();
        }
    }
}

// A tag read waits and polls for the printer; the window keeps painting
// and shows that the command runs.
TEST_F(KeyValueWindowTest, RfidReadKeepsTheWindowPaintingAndShowsItRuns) {
    SelectListedPrinter("Kavo-300R", StartPrinter("kavo_rfid.profile"));
    std::unique_ptr<TFormView> window = CreateParaDialogWindow("TfrmRfidSet", nullptr);
    ASSERT_TRUE(window);
    auto& rfid = static_cast<params::TRfidSet&>(window->Dialog());
    rfid.Times.readWaitMs = 300;
    window->show();
    QApplication::processEvents();
    int ticks = 0;
    bool busyShown = false;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        ++ticks;
        const QWidget* busy = window->findChild<QWidget*>("lblBusy");
        busyShown = busyShown || (busy != nullptr && busy->isVisible());
    });
    sampler.start(20);
    window->findChild<QPushButton*>("btnRfidR")->click();
    sampler.stop();
    EXPECT_GE(ticks, 5);
    EXPECT_TRUE(busyShown);
    EXPECT_EQ(window->findChild<QLineEdit*>("edtRfidR")->text().toStdString(), "0123456789ABCDEF01234567");
    EXPECT_FALSE(window->findChild<QWidget*>("lblBusy")->isVisible());
}

} // namespace
} // namespace tolvane::test
