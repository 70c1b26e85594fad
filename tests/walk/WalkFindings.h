// What the walk found wrong on one printer, one line per finding:
// printer, button and window, check, detail.
#pragma once

#include "CoreFixture.h"
#include "WalkDriver.h"

#include "emulator/emulator.h"

#include <string>
#include <vector>

namespace tolvane::test {

// "Button2 > TfrmDLFile [btnRefresh]": the button and the windows it opened
// with the action pressed in each.
std::string WindowsText(const std::string& button, const std::vector<WalkedWindow>& windows);

class WalkFindings {
  public:
    explicit WalkFindings(std::string printer) : printer_(std::move(printer)) {}

    // Without a fault: no error box. With one: an error box and no success box.
    void CheckBoxes(const std::string& where, const std::vector<ShownBox>& boxes, bool expectError);
    // Every window read and acted within the walk's limit.
    void CheckTimeouts(const std::string& where, const std::vector<WalkedWindow>& windows);
    // Every download window downloaded its file as a user would: its
    // success text, the file stored on the printer, and a complete job
    // where it printed the stored file.
    void CheckDownloads(const std::string& where, const std::vector<WalkedWindow>& windows);
    // No key or exchange the printer does not know.
    // (`unknown`: the emulator's list of unknown requests).
    void CheckUnknown(const std::string& where, const std::vector<std::string>& unknown,
                      const std::vector<emulator::Record>& records);
    // Nothing written that the printer did not report, and its settings as
    // they were.
    void CheckWrites(const std::string& where, const std::vector<emulator::Record>& records,
                     const emulator::PrinterSettings& before, const emulator::PrinterSettings& after);

    // Under a fault the window stops at the failed exchange: it writes no
    // value, no block, no numbered key, and neither saves nor restarts.
    void CheckNothingWritten(const std::string& where, const std::vector<emulator::Record>& records);

    bool Empty() const { return lines_.empty(); }
    std::string Text() const;

  private:
    void Add(const std::string& where, const std::string& check, const std::string& detail);

    std::string printer_;
    std::vector<std::string> lines_;
};

} // namespace tolvane::test
