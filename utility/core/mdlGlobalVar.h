// TGlobalVar: general services of the program: its own start line in the
// developer log, and the program's message box.
#pragma once

#include <functional>
#include <mutex>
#include <string>

namespace tolvane {

class TGlobalVar {
  public:
    TGlobalVar();

    // When the first debug marker exists (debug mode or not), appends
    // "运行时间:" + the time as "yyyy-mm-dd hh:nn:ss-zzz" to the log below
    // DebugBase (the Mobile base folder).
    void WriteStartLine();
    // Shows text modally in the program's message box.
    void ShowMsgBox(const std::string& text);

    bool Debug = false;    // the first debug marker existed at creation
    std::string DebugBase; // MarkerFolder + "Base_Mobile_" + FolderSuffix + "/"
    std::string FolderSuffix = "20191114_181001";
    std::string DriveRoot; // the home folder, which stands for the drive root
    std::string MarkerFolder;
    std::string LineBreak = "\n";
    std::string AppFolder;
    std::string PathSeparator = "/";
    std::mutex Lock; // guards the start line
};

// How ShowMsgBox shows its text. The widget layer installs the program's
// message box window; by default the text goes to the message interface as
// an information box titled with the language constants' message title.
using FormMsgBoxPresenter = std::function<void(const std::string& text)>;
void SetFormMsgBoxPresenter(FormMsgBoxPresenter presenter);

} // namespace tolvane
