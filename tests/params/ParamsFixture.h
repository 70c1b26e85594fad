// The fixture of the tests that talk to an emulated printer (the dialog
// layer, tolvane-cli, the dialog windows, the main window): the core test
// fixture (program and home folders of their own, a recording message
// interface), the shipped data files, the SDK libraries of the bundle, an
// emulated printer on a loopback port, and a headless session with that
// printer selected.
#pragma once

#include "CoreFixture.h"
#include "emulator/emulator.h"
#include "mdlParaDialogModel.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::test {

class EmulatedPrinterTest : public CoreTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts an emulated printer from a shipped profile; its NET address.
    std::string StartPrinter(const std::string& profile = "kavo_tspl.profile");
    // Writes the printer list (one entry for `listName` at the printer's
    // address), starts the headless session (in English unless another
    // language switch is given) and selects it.
    void SelectListedPrinter(const std::string& listName, const std::string& address,
                             const char* languageSwitch = "-EN");
    // The dialog of `className` for the selected printer, opened as the main
    // window opens it: created on the open port, then shown, then read.
    std::unique_ptr<params::TParaDialogModel> OpenDialog(const std::string& className);
    // Sets a named key of the emulated printer.
    void SetPrinterValue(const std::string& key, const std::string& value);
    // Takes named keys out of the emulated printer, as a firmware without
    // them would have it: it leaves them unanswered.
    void ForgetPrinterValues(const std::vector<std::string>& keys);
    // Sets a numbered key of the emulated printer to raw bytes.
    void SetPrinterKey(uint8_t group, uint16_t id, emulator::Bytes bytes);

    // The commands received so far ("getval dpi", "setval density", "do save_param"),
    // leaving out link changes.
    std::vector<std::string> Commands() const;
    // The keys of the received commands of one kind, in order.
    std::vector<std::string> Keys(const std::string& command) const;
    // The setval commands received, as "key=value", in order.
    std::vector<std::string> SetVals() const;
    // The value last written with setval for a key.
    std::optional<std::string> Written(const std::string& key) const;
    std::vector<ShownBox> Boxes(const std::string& kind) const;

    std::unique_ptr<emulator::Emulator> printer;
    bool sessionStarted = false;
};

} // namespace tolvane::test
