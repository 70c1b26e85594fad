// The firmware commands of tolvane-cli: the printer's update method, OTA
// and sectioned-file updates through the firmware dialogs without a
// window, and the update mode with the external updater.
#pragma once

#include "mdlCliOptions.h"
#include "mdlCliRun.h"
#include "mdlCliSink.h"

namespace tolvane::cli {

class TCliFirmware {
  public:
    TCliFirmware(const TCliOptions& options, TCliStreams streams, TCliSink& sink)
        : options_(options), streams_(streams), sink_(sink) {}

    // Reads and checks the firmware file of ota and sections before any
    // printer is selected: kExitBadInput with a message when it is refused.
    int CheckFile() const;
    // firmware sections FILE --list.
    int ListSections() const;
    // The command on the selected printer.
    int Run() const;

  private:
    int Method() const;
    int Ota() const;
    int Sections() const;
    int Dfu() const;

    const TCliOptions& options_;
    TCliStreams streams_;
    TCliSink& sink_;
};

} // namespace tolvane::cli
