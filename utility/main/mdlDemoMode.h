// Demo mode: the utility talks to printer emulators instead of real
// printers. One emulator per shipped profile listens on a free loopback
// port; the program runs from a temporary folder whose printer list names
// them, so a newcomer can press every button without hardware and nothing
// touches the user's own printer list.
#pragma once

#include "mdlPrinterList.h"

#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace tolvane {

class TDemoMode {
  public:
    TDemoMode();
    // Stops the emulators and removes the temporary folder.
    ~TDemoMode();
    TDemoMode(const TDemoMode&) = delete;
    TDemoMode& operator=(const TDemoMode&) = delete;

    // Starts an emulator (programFolder + "printer-emulator") for each
    // profile in programFolder + "emulator-profiles/", prepares the
    // temporary folder (the shipped files, the icons and helper folders, a
    // printer list of the emulators) and makes it the program's folder.
    // False with error when no emulator could be started.
    bool Start(const std::string& programFolder, std::string& error);
    void Stop();

    // The temporary folder ("" before Start), with "/".
    const std::string& Folder() const { return folder_; }
    const std::vector<TPrinterEntry>& Printers() const { return printers_; }

  private:
    bool StartEmulator(const std::string& programFolder, const std::string& profile, std::string& error);

    std::string folder_;
    std::vector<TPrinterEntry> printers_;
    std::vector<std::unique_ptr<QProcess>> emulators_;
};

// The printer list name for an emulated model: the model itself when the
// company printer list offers it, else the first offered variant of it
// (model + "-..."), else the model.
std::string DemoListName(const std::string& model, const std::vector<std::string>& offered);

// Removes every "--demo" from args; true when there was one.
bool TakeDemoSwitch(std::vector<std::string>& args);

} // namespace tolvane
