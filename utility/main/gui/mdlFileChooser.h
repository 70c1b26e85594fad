// How dialogs ask the user for a file or a folder. The program shows Qt's
// file dialogs; tests install a scripted chooser that answers from a queue
// and records every request.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

struct TFileRequest {
    enum class TKind { Open, Save, Folder };
    TKind kind = TKind::Open;
    std::string title;
    std::string filter; // Qt filter text, such as "Images (*.bmp *.png)"
    std::string start;  // folder or file the dialog starts at
};

class IFileChooser {
  public:
    virtual ~IFileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> Choose(const TFileRequest& request) = 0;
};

// The chooser in use (Qt's dialogs unless another is installed).
IFileChooser& FileChooser();
// Installs a chooser (not owned); nullptr restores Qt's dialogs.
void SetFileChooser(IFileChooser* chooser);

// Shorthands for the three kinds.
std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                          const std::string& start = {});
std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                          const std::string& start = {});
std::optional<std::string> ChooseFolder(const std::string& title, const std::string& start = {});

// Qt's modal file dialogs.
class TQtFileChooser final : public IFileChooser {
  public:
    std::optional<std::string> Choose(const TFileRequest& request) override;
};

// Answers requests from a queue (an empty queue answers "cancelled").
class TScriptedFileChooser final : public IFileChooser {
  public:
    std::optional<std::string> Choose(const TFileRequest& request) override;

    std::deque<std::optional<std::string>> answers;
    std::vector<TFileRequest> requests;
};

} // namespace tolvane
