// The managers of the files a TSPL printer stores itself, without widgets:
// the files of one storage position (the memory card or the internal
// memory) listed by ZZZFILES, printed by RUN, deleted by KILL, and the
// position's space by ZZZFILESSIZE; and the batch download dialog that
// sends prepared files after a DOWNLOAD start. The template manager
// (T_frmTempletManage) and the image manager (T_frmImagesManageTSPL) behave
// alike and are one class.
#pragma once

#include "mdlFormModel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tolvane::download {

// Position index 0 is the memory card ("F"), 1 the internal memory ("N" or
// no letter).
inline constexpr int kPositionCard = 0;
inline constexpr int kPositionInternal = 1;

std::string TsplListCommand(int position);
std::string TsplRunCommand(const std::string& name);
std::string TsplKillCommand(int position, const std::string& name);
// Both positions emptied, in one text.
std::string TsplKillAllCommand();
std::string TsplDownloadStart(int position);
// What follows the DOWNLOAD start for one file: a prepared file (one that
// begins with its quoted name) as it is, any other file after its name
// and size ("NAME",SIZE,).
std::string TsplDownloadBody(const std::string& name, const std::string& data);
// The name a file is stored under: the quoted name of a prepared file, the
// file's own name otherwise.
std::string TsplStoredName(const std::string& fileName, const std::string& data);
// Reads the names stored at a position (ZZZFILES); false when the printer
// did not answer.
bool ReadTsplFiles(int position, std::vector<std::string>& names);
// The names of a ZZZFILES reply (non-zero bytes up to the CR, split at ",").
std::vector<std::string> ParseTsplFileList(std::span<const uint8_t> reply);
struct TTsplSpace {
    uint32_t total = 0;
    uint32_t free = 0;
};
// The space of a position from the 16-byte ZZZFILESSIZE reply.
TTsplSpace TsplSpaceOf(std::span<const uint8_t, 16> reply, int position);

struct TTsplPacing {
    int spacePauseMs = 100;
    int spacePasses = 2;
};

class TTsplBatchDownload;

class TTsplFileManager {
  public:
    // `className` is T_frmTempletManage or T_frmImagesManageTSPL.
    explicit TTsplFileManager(std::string className, TTsplPacing pacing = {});
    ~TTsplFileManager();
    TTsplFileManager(const TTsplFileManager&) = delete;
    TTsplFileManager& operator=(const TTsplFileManager&) = delete;

    const std::string& ClassName() const { return className_; }
    params::TFormModel& Form() { return form_; }
    const params::TFormModel& Form() const { return form_; }
    int Position() const;

    // Shows the texts and reads the position's files and space; false when
    // the printer did not answer (the error was shown): the window is then
    // not opened.
    bool FormShow();
    void FormClose();
    void cmbTempletSavePositionChange();
    void btnRefreshClick();
    // The five action buttons: btnDownload, btnPrint, btnDelCurrent,
    // btnDelPosiAll, btnDelAll.
    void MouseClick(const std::string& button);
    // How the download button shows the batch dialog (modally); the host
    // sets it. Without it the dialog is not shown.
    std::function<void(TTsplBatchDownload&)> ShowDownload;
    // Deletes without asking (tolvane-cli: the command line is the request).
    bool AskBeforeDelete = true;

    const std::vector<std::string>& Files() const { return form_["lstImagesList"].items; }
    // The last space read (free and total bytes), or nothing.
    bool SpaceRead() const { return spaceRead_; }

  private:
    // Reads the list and the space; false (and the error shown) when either
    // read got no answer.
    bool Refresh();
    bool OpenPort();
    bool Confirm(const std::string& key);
    bool Write(const std::string& text);
    // After a delete: `name` (or, for "*", every file of the position) is
    // gone from the list read again; the error is shown when not.
    void CheckDeleted(const std::vector<std::string>& names);

    std::string className_;
    TTsplPacing pacing_;
    params::TFormModel form_;
    bool spaceRead_ = false;
};

class TTsplBatchDownload {
  public:
    explicit TTsplBatchDownload(bool internalPosition);
    params::TFormModel& Form() { return form_; }
    const params::TFormModel& Form() const { return form_; }

    void FormShow();
    void AddFile(const std::string& path);
    void btnDelClick();
    // Sends every listed file, then reads the position's list: true only
    // when the printer lists every file sent; false when it stopped on an
    // error or a file is missing (the error was shown).
    bool btnDownloadClick();
    // Lets the window process its messages between chunks.
    std::function<void()> ProcessMessages;
    static constexpr size_t kChunk = 1024;

  private:
    bool internal_;
    params::TFormModel form_;
};

} // namespace tolvane::download
