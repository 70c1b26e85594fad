// The TSPL file managers and the batch download dialog.
#include "mdlTsplFiles.h"

#include "mdlDLNames.h"
#include "mdlDevNewPrt.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"

#include <algorithm>
#include <exception>
#include <fstream>

namespace tolvane::download {

using params::TControlKind;
using params::Txt;

namespace {

constexpr char kLineEnd[] = "\r\n";
// Largest file the batch download reads whole.
constexpr uint64_t kMaxBatchFile = 64u << 20;

void ShowError(const std::string& key) {
    MessageSink().ShowError(Txt(key), Txt("_MSG_Title_Error"));
}

const char* const kActionButtons[] = {"btnDownload", "btnPrint", "btnDelCurrent", "btnDelPosiAll",
                                      "btnDelAll"};

} // namespace

std::string TsplListCommand(int position) {
    return std::string(position == kPositionCard ? "ZZZFILES F" : "ZZZFILES N") + kLineEnd;
}

std::string TsplRunCommand(const std::string& name) {
    return "RUN \"" + name + "\"" + kLineEnd;
}

std::string TsplKillCommand(int position, const std::string& name) {
    return std::string(position == kPositionCard ? "KILL F,\"" : "KILL \"") + name + "\"" + kLineEnd;
}

std::string TsplKillAllCommand() {
    return TsplKillCommand(kPositionInternal, "*") + TsplKillCommand(kPositionCard, "*");
}

std::string TsplDownloadStart(int position) {
    return position == kPositionCard ? "DOWNLOAD F," : "DOWNLOAD ";
}

namespace {

// A prepared file begins with its quoted name; the rest of its DOWNLOAD
// command (size or program body) is in the file too.
std::string PreparedName(const std::string& data) {
    if (data.empty() || data[0] != '"') {
        return {};
    }
    const size_t close = data.find('"', 1);
    return close == std::string::npos || close > kMaxDownloadName + 1 ? std::string()
                                                                      : data.substr(1, close - 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return params::LowerAscii(a) == params::LowerAscii(b);
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, name); });
}

} // namespace

std::string TsplStoredName(const std::string& fileName, const std::string& data) {
    const std::string prepared = PreparedName(data);
    return prepared.empty() ? fileName : prepared;
}

std::string TsplDownloadBody(const std::string& name, const std::string& data) {
    if (!PreparedName(data).empty()) {
        return data;
    }
    return "\"" + name + "\"," + std::to_string(data.size()) + "," + data;
}

bool ReadTsplFiles(int position, std::vector<std::string>& names) {
    names.clear();
    if (PrtLib_Write(TPrtLib::Tsprix, TsplListCommand(position)) != 0) {
        return false;
    }
    uint8_t reply[1024] = {};
    int count = 0;
    PrtLib_ReadUntil(TPrtLib::Tsprix, reply, 0, static_cast<int>(sizeof reply), count, 0x0D, 0);
    count = std::clamp(count, 0, static_cast<int>(sizeof reply));
    if (count > 1) {
        names = ParseTsplFileList(std::span<const uint8_t>(reply, static_cast<size_t>(count)));
    }
    return count > 0;
}

std::vector<std::string> ParseTsplFileList(std::span<const uint8_t> reply) {
    std::string text;
    for (const uint8_t byte : reply) {
        if (byte == 0x0D) {
            break;
        }
        if (byte != 0) {
            text.push_back(static_cast<char>(byte));
        }
    }
    std::vector<std::string> names;
    size_t start = 0;
    while (!text.empty() && start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        if (comma > start) {
            names.push_back(text.substr(start, comma - start));
        }
        start = comma + 1;
    }
    return names;
}

TTsplSpace TsplSpaceOf(std::span<const uint8_t, 16> reply, int position) {
    const size_t base = position == kPositionCard ? 0 : 8;
    const auto word = [&](size_t at) {
        return static_cast<uint32_t>(reply[at]) | static_cast<uint32_t>(reply[at + 1]) << 8 |
               static_cast<uint32_t>(reply[at + 2]) << 16 | static_cast<uint32_t>(reply[at + 3]) << 24;
    };
    return {word(base), word(base + 4)};
}

TTsplFileManager::TTsplFileManager(std::string className, TTsplPacing pacing)
    : className_(std::move(className)), pacing_(pacing) {
    auto& f = form_;
    f.Add("lblPosition", TControlKind::Label);
    f.Add("cmbTempletSavePosition", TControlKind::List);
    f.Add("lstImagesList", TControlKind::List);
    f.Add("lblSpaceInfo", TControlKind::Label);
    for (const char* name : kActionButtons) {
        f.Add(name, TControlKind::Button);
    }
    f.Add("btnRefresh", TControlKind::Button);
    f.Add("btnClose", TControlKind::Button);
}

TTsplFileManager::~TTsplFileManager() = default;

int TTsplFileManager::Position() const {
    return form_["cmbTempletSavePosition"].index == kPositionInternal ? kPositionInternal : kPositionCard;
}

bool TTsplFileManager::FormShow() {
    form_.SetTitle(Txt("FormTempletManage_Caption"));
    form_.SetText("lblPosition", Txt("FormTempletManage_lblPosition"));
    form_.SetItems("cmbTempletSavePosition",
                   {Txt("FormTempletManage_cmbTempletSavePosition_Item2"),
                    Txt("FormTempletManage_cmbTempletSavePosition_Item1")},
                   0);
    for (const char* name : kActionButtons) {
        form_.SetText(name, Txt(std::string("FormTempletManage_") + name));
    }
    form_.SetText("btnRefresh", Txt("FormTempletManage_btnRefresh"));
    form_.SetText("btnClose", Txt("FormTempletManage_btnClose"));
    const bool read = OpenPort() && Refresh();
    if (!read) {
        PrtLib_Close(TPrtLib::Tsprix);
    }
    return read;
}

void TTsplFileManager::FormClose() {
    PrtLib_Close(TPrtLib::Tsprix);
}

void TTsplFileManager::cmbTempletSavePositionChange() {
    if (OpenPort()) {
        Refresh();
    }
}

void TTsplFileManager::btnRefreshClick() {
    cmbTempletSavePositionChange();
}

bool TTsplFileManager::OpenPort() {
    int result = 0;
    if (!PrtLib_OpenForCommand(TPrtLib::Tsprix, result)) {
        ShowOpenPortError(result);
        return false;
    }
    return true;
}

bool TTsplFileManager::Write(const std::string& text) {
    return PrtLib_Write(TPrtLib::Tsprix, text) == 0;
}

bool TTsplFileManager::Refresh() {
    std::vector<std::string> names;
    // A printer that answers the space but not the list has nothing to list.
    ReadTsplFiles(Position(), names);
    form_.SetItems("lstImagesList", names, -1);
    form_.SetEnabled("btnDelPosiAll", !names.empty());
    form_.SetEnabled("btnDelAll", !names.empty());

    uint8_t space[16] = {};
    int count = 0;
    if (Write(std::string("ZZZFILESSIZE") + kLineEnd)) {
        PrtLib_ReadRepeated(space, 16, count, pacing_.spacePauseMs, pacing_.spacePasses);
    }
    spaceRead_ = count == 16;
    if (!spaceRead_) {
        ShowError("_Err_ReadData");
        return false;
    }
    const TTsplSpace s = TsplSpaceOf(std::span<const uint8_t, 16>(space), Position());
    form_.SetText("lblSpaceInfo",
                  params::TxtFilled("FormTempletManage_lblSpaceInfo",
                                    {std::to_string(s.free / 1024), std::to_string(s.total / 1024)}));
    return true;
}

bool TTsplFileManager::Confirm(const std::string& key) {
    return !AskBeforeDelete || MessageSink().AskOkCancel(Txt(key), Txt("_MSG_Title_Warn"));
}

void TTsplFileManager::CheckDeleted(const std::vector<std::string>& names) {
    if (!Refresh()) {
        return;
    }
    for (const std::string& name : names) {
        if (Listed(Files(), name)) {
            MessageSink().ShowError(params::TxtWith("_Err_NotDeleted", name), Txt("_MSG_Title_Error"));
            return;
        }
    }
}

void TTsplFileManager::MouseClick(const std::string& button) {
    try {
        if (!OpenPort()) {
            return;
        }
        const int position = Position();
        const std::string name = form_["lstImagesList"].SelectedText();
        if (button == "btnDownload") {
            TTsplBatchDownload batch(position == kPositionInternal);
            batch.FormShow();
            if (ShowDownload) {
                ShowDownload(batch);
            }
            Refresh();
            if (!Files().empty()) {
                form_.SetIndex("lstImagesList", 0);
            }
        } else if (button == "btnPrint") {
            // Nothing selected: nothing is written.
            if (!name.empty() && !Write(TsplRunCommand(name))) {
                ShowError("_Err_WriteData");
            }
        } else if (button == "btnDelCurrent") {
            // Nothing selected: nothing to ask about or delete.
            if (!name.empty() && Confirm("FormTempletManage_DelCurrentTip")) {
                if (!Write(TsplKillCommand(position, name))) {
                    return ShowError("_Err_WriteData");
                }
                CheckDeleted({name});
            }
        } else if (button == "btnDelPosiAll" || button == "btnDelAll") {
            if (Confirm("FormTempletManage_DelAllTip")) {
                const std::vector<std::string> before = Files();
                const std::string kill =
                    button == "btnDelAll" ? TsplKillAllCommand() : TsplKillCommand(position, "*");
                if (!Write(kill)) {
                    return ShowError("_Err_WriteData");
                }
                CheckDeleted(before);
            }
        }
    } catch (const std::exception& error) {
        MessageSink().ShowError(error.what(), Txt("_MSG_Title_Error"));
    }
}

TTsplBatchDownload::TTsplBatchDownload(bool internalPosition) : internal_(internalPosition) {
    form_.Add("lstTempletsList", TControlKind::List);
    form_.Add("btnAdd", TControlKind::Button);
    form_.Add("btnDel", TControlKind::Button);
    form_.Add("btnDownload", TControlKind::Button);
    form_.Add("btnClose", TControlKind::Button);
}

void TTsplBatchDownload::FormShow() {
    form_.SetTitle(Txt("FormDownloadFile_TSPL_BatchCaption"));
    form_.SetText("btnAdd", Txt("FormDownloadFile_TSPL_btnAdd"));
    form_.SetText("btnDel", Txt("FormDownloadFile_TSPL_btnDel"));
    form_.SetText("btnDownload", Txt("FormDownloadFile_TSPL_btnDownload"));
    form_.SetText("btnClose", Txt("FormDownloadFile_TSPL_btnClose"));
}

void TTsplBatchDownload::AddFile(const std::string& path) {
    form_.AddItem("lstTempletsList", path);
    form_.SetIndex("lstTempletsList", static_cast<int>(form_["lstTempletsList"].items.size()) - 1);
}

void TTsplBatchDownload::btnDelClick() {
    auto items = form_["lstTempletsList"].items;
    const int index = form_["lstTempletsList"].index;
    if (index < 0 || index >= static_cast<int>(items.size())) {
        return;
    }
    items.erase(items.begin() + index);
    form_.SetItems("lstTempletsList", std::move(items), -1);
}

bool TTsplBatchDownload::btnDownloadClick() {
    if (form_["lstTempletsList"].items.empty()) {
        MessageSink().ShowInfo(Txt("FormDL_ChooseFileFirst"), Txt("_MSG_Title_Message"));
        return false;
    }
    struct TFile {
        std::string name;
        std::string body;
    };
    // Every file is read and its name checked before anything is sent, so
    // that a bad file leaves the printer as it was.
    std::vector<TFile> files;
    for (const std::string& path : form_["lstTempletsList"].items) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
        if (size < 0 || static_cast<uint64_t>(size) > kMaxBatchFile) {
            ShowError("_Err_FileNotExist");
            return false;
        }
        std::string data(static_cast<size_t>(size), '\0');
        in.seekg(0);
        if (size > 0 && !in.read(data.data(), size)) {
            ShowError("_Err_FileNotExist");
            return false;
        }
        const size_t slash = path.find_last_of('/');
        const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
        const std::string name = TsplStoredName(fileName, data);
        switch (CheckDownloadName(name)) {
        case TNameCheck::TooLong:
            MessageSink().ShowError(
                params::TxtWith("_Err_FileNameLength", std::to_string(kMaxDownloadName + 1)),
                Txt("_MSG_Title_Error"));
            return false;
        case TNameCheck::HasSpace:
            ShowError("msgASCIIFileName");
            return false;
        case TNameCheck::Ok:
            break;
        }
        files.push_back({name, TsplDownloadBody(name, data)});
    }
    if (files.empty()) {
        return false;
    }
    if (int result = 0; !PrtLib_OpenForCommand(TPrtLib::Tsprix, result)) {
        ShowOpenPortError(result);
        return false;
    }
    const int position = internal_ ? kPositionInternal : kPositionCard;
    const std::string start = TsplDownloadStart(position);
    for (const TFile& file : files) {
        if (PrtLib_Write(TPrtLib::Tsprix, start) != 0) {
            ShowError("FormGDL_ErrIO");
            return false;
        }
        for (size_t at = 0; at < file.body.size(); at += kChunk) {
            if (PrtLib_Write(TPrtLib::Tsprix, std::string_view(file.body).substr(at, kChunk)) != 0) {
                ShowError("FormGDL_ErrIO");
                return false;
            }
            if (ProcessMessages) {
                ProcessMessages();
            }
        }
    }
    // The printer does not answer a DOWNLOAD: its list says what it stored.
    std::vector<std::string> stored;
    if (!ReadTsplFiles(position, stored)) {
        ShowError("_Err_ReadData");
        return false;
    }
    for (const TFile& file : files) {
        if (!Listed(stored, file.name)) {
            MessageSink().ShowError(params::TxtWith("_Err_NotStored", file.name), Txt("_MSG_Title_Error"));
            return false;
        }
    }
    MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
    return true;
}

} // namespace tolvane::download
