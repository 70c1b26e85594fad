// tolvane-cli's "files" commands: the file dialog without a window.
//
//   files list [images|templates|autoforms]
//   files download FILE [--kind image|template|autoform] [--memory flash|ram]
//                       [--scale 1.0|1.5|2.0|2.5|3.0] [--language ZPL|DPL|EPL|TSPL]
//   files print NAME [--kind ...]
//   files delete NAME [--kind ...] | files delete --all [--kind ...]
//   files autoform on|off
//   files memory
#pragma once

#include "mdlCliRun.h"
#include "mdlCliSink.h"

#include <string>
#include <vector>

namespace tolvane::cli {

// The help text of the files commands.
std::string FilesHelp();

// Checks the words after "files"; empty when they are well formed, else the
// usage error.
std::string CheckFilesArguments(const std::vector<std::string>& args);

// Runs a files command on the selected printer (selected and detected by
// the caller). `imagesOnly`: the printer takes the image-only dialog.
int RunFilesCommand(const std::vector<std::string>& args, bool imagesOnly, TCliStreams streams,
                    TCliSink& sink);

} // namespace tolvane::cli
