// The test-print dialogs against an emulated printer, opened as the main
// window opens them: the printer selected, its language detected, the port
// closed again, then the dialog created and shown.
#pragma once

#include "ParamsFixture.h"
#include "mdlHeadlessSession.h"
#include "mdlPaperWidth.h"
#include "mdlParaHelpers.h"
#include "mdlPrintTextDialogs.h"
#include "mdlPrinterIdentity.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace tolvane::test {

class PrintTextTest : public EmulatedPrinterTest {
  protected:
    params::TParaDialogModel& Open(const std::string& className, const std::string& listName,
                                   const std::string& profile = "kavo_tspl.profile",
                                   const std::function<void()>& beforeSelect = {}) {
        if (sessionStarted) {
            // A second printer in one test: the session starts afresh.
            dialog.reset();
            EndHeadlessSession();
            sessionStarted = false;
        }
        const std::string address = StartPrinter(profile);
        if (beforeSelect) {
            beforeSelect();
        }
        SelectListedPrinter(listName, address);
        dialog = diagnostics::CreatePrintTextDialog(className, params::SelectedPrinterContext(),
                                                    DefaultPaperWidth(PrinterIdentity().Model));
        EXPECT_TRUE(dialog);
        dialog->FormCreate();
        dialog->FormShow();
        return *dialog;
    }
    params::TFormModel& Form() { return dialog->Form(); }
    void Print(const std::string& text) {
        Form().SetText("txtPrintText", text);
        dialog->ButtonClick("btnPrint");
    }
    // Ticks the language box and chooses the entry of a code page.
    void ChooseCodePage(const char* tick, const std::string& code) {
        Form().SetIndex(tick, 1);
        dialog->UserChanged(tick);
        const std::vector<std::string>& items = Form()["cmbInternationalCharacter"].items;
        for (std::size_t n = 0; n < items.size(); ++n) {
            if (items[n].find("(" + code + ")") != std::string::npos) {
                Form().SetIndex("cmbInternationalCharacter", static_cast<int>(n));
                return;
            }
        }
        ADD_FAILURE() << "no entry for code page " << code;
    }
    // The text of the first job of a language recorded since the selection.
    std::string Job(const std::string& language) {
        const auto record = printer->waitForCommand("job", language);
        return record ? record->value : "<no " + language + " job>";
    }
    // Everything received, once it holds `expected` (or after 3 seconds).
    std::string ReceivedHolding(const std::string& expected) {
        std::string received;
        for (int wait = 0; wait < 300; ++wait) {
            const emulator::Bytes bytes = printer->received();
            received.assign(bytes.begin(), bytes.end());
            if (received.find(expected) != std::string::npos) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return received;
    }
    void SetKey(uint8_t group, uint16_t id, emulator::Bytes value) {
        printer->changePrinter([&](emulator::Printer& state) { state.setNumberedKey({group, id}, value); });
    }

    std::unique_ptr<params::TParaDialogModel> dialog;
};

} // namespace tolvane::test
