#include "mdlGdl.h"

#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <algorithm>
#include <array>

namespace tolvane::firmware {
namespace {

using params::TControlKind;
using params::Txt;

constexpr const char* kTimer = "tmSend";

void ShowErrorText(const std::string& text) {
    MessageSink().ShowError(text, Txt("_MSG_Title_Error"));
}

} // namespace

std::string GdlStatusKey(int status) {
    static constexpr std::array<const char*, 7> kKeys = {"",
                                                         "FormGDL_err_Type",
                                                         "FormGDL_err_Head",
                                                         "FormGDL_err_Crc",
                                                         "FormGDL_err_Storage ",
                                                         "FormGDL_err_StorageCheck",
                                                         "FormGDL_err_Name"};
    return status >= 1 && status <= 6 ? kKeys[static_cast<std::size_t>(status)] : "";
}

namespace {

std::string StatusText(int status) {
    const std::string key = GdlStatusKey(status);
    return key.empty() ? std::string() : Txt(key);
}

} // namespace

bool SelectedPrinterRestartsAfterUpdate() {
    const TPrinterFacts facts = SelectedPrinterFacts();
    return facts.In("UpdateRestart", facts.model);
}

TGdl::TGdl(params::TParaDialogContext context, bool restartNote, TFirmwareWaits waits)
    : TActionDialogModel(std::move(context)), restartNote_(restartNote), waits_(waits) {
    FormCreate();
}

void TGdl::FormCreate() {
    if (!Form().Controls().empty()) {
        return; // made with the dialog
    }
    params::TFormModel& form = Form();
    form.SetTitle(Txt("FormDownloadFile_TSPL_Cpation"));
    form.SetClientSize(560, 396);
    form.Add("gpbSelectFile", TControlKind::Group);
    form.SetText("gpbSelectFile", Txt("FormGDL_gpbSelectFile"));
    form.SetGeometry("gpbSelectFile", 12, 10, 536, 70);
    form.Add("txtFileName", TControlKind::Edit, "gpbSelectFile");
    form.SetMaxLength("txtFileName", 4096);
    form.SetReadOnly("txtFileName", true);
    form.SetGeometry("txtFileName", 12, 28, 414, 26);
    form.Add("Button2", TControlKind::Button, "gpbSelectFile");
    form.SetText("Button2", Txt("FormGDL_Button2"));
    form.SetGeometry("Button2", 434, 26, 90, 30);
    form.Add("lblImagesList", TControlKind::Label);
    form.SetText("lblImagesList", Txt("FormDownloadFile_TSPL_lblImagesList"));
    form.SetGeometry("lblImagesList", 12, 88, 536, 22);
    form.Add("lvDetails", TControlKind::Table);
    form.SetColumns("lvDetails", {Txt("FormGDL_lvDetails_Col1"), Txt("FormGDL_lvDetails_Col2"),
                                  Txt("FormGDL_lvDetails_Col3"), Txt("FormGDL_lvDetails_Col4")});
    form.SetGeometry("lvDetails", 12, 112, 536, 170);
    form.Add("pbProgress", TControlKind::Progress);
    form.SetGeometry("pbProgress", 12, 292, 536, 22);
    form.SetVisible("pbProgress", false);
    form.Add("lblProgressInfo", TControlKind::Label);
    form.SetGeometry("lblProgressInfo", 12, 318, 536, 22);
    form.SetVisible("lblProgressInfo", false);
    form.Add("btnDownload", TControlKind::Button);
    form.SetText("btnDownload", Txt("FormDownloadFile_TSPL_btnDownload"));
    form.SetGeometry("btnDownload", 342, 350, 100, 32);
    form.Add("btnClose", TControlKind::Button);
    form.SetText("btnClose", Txt("_Close"));
    form.SetGeometry("btnClose", 448, 350, 100, 32);
    AddTimer(kTimer, waits_.timerIntervalMs, [this] { SendTick(); });
}

std::optional<params::TParaDialogModel::TFileQuestion> TGdl::FileQuestion(std::string_view button) const {
    if (button == "Button2") {
        return TFileQuestion{false, "*.*|*", {}};
    }
    return std::nullopt;
}

void TGdl::ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath) {
    if (button == "Button2") {
        if (chosenPath) {
            ListFile(*chosenPath);
        }
    } else if (button == "btnDownload") {
        Download();
    } else if (button == "btnClose") {
        StopTimer(kTimer);
        PrtLib_Close(TPrtLib::Tsprix);
        running_ = false;
        RequestClose();
    }
}

bool TGdl::LoadFile(const std::string& path) {
    const TFileCheck read = ReadFirmwareFile(path, file_);
    walk_ = read == TFileCheck::Ok ? WalkSections(file_) : TSectionWalk{read, 0, {}, 0};
    if (walk_.check == TFileCheck::Ok) {
        return true;
    }
    file_.clear();
    if (walk_.check == TFileCheck::Missing) {
        ShowErrorText(Txt("_Err_FileNotExist"));
    } else {
        std::string text = Txt(FileCheckTextKey(walk_.check)) + ":" + path;
        if (walk_.check == TFileCheck::HeaderShort || walk_.check == TFileCheck::NegativeLength ||
            walk_.check == TFileCheck::PastEnd) {
            text += " (" + params::TxtWith("FormFirmware_SectionAt", std::to_string(walk_.failedAt)) + ")";
        }
        ShowErrorText(text);
    }
    return false;
}

bool TGdl::ListFile(const std::string& path) {
    Form().SetText("txtFileName", path);
    Form().SetVisible("pbProgress", false);
    Form().SetVisible("lblProgressInfo", false);
    Form().SetRows("lvDetails", {});
    if (!LoadFile(path)) {
        return false;
    }
    std::vector<std::vector<std::string>> rows;
    for (const TFirmwareSection& section : walk_.sections) {
        PauseMs(waits_.browsePauseMs); // the header read
        rows.push_back({section.name, std::to_string(section.dataLength), section.version,
                        std::to_string(section.type)});
        PauseMs(waits_.browsePauseMs); // the data skipped
    }
    Form().SetRows("lvDetails", std::move(rows));
    return true;
}

void TGdl::Stop() {
    StopTimer(kTimer);
    running_ = false;
    Form().SetText("btnDownload", Txt("FormDownloadFile_TSPL_btnDownload"));
    PrtLib_Close(TPrtLib::Tsprix);
}

void TGdl::Fail(const std::string& text) {
    // The caption stays at the running text until the user presses the
    // button again; the port is released at once.
    StopTimer(kTimer);
    PrtLib_Close(TPrtLib::Tsprix);
    ShowErrorText(text);
}

void TGdl::Download() {
    if (running_) {
        Stop();
        return;
    }
    succeeded_ = false;
    // The file is read and walked again: it may have changed since it was
    // listed, and nothing is sent unless every section is sound.
    if (!LoadFile(Form()["txtFileName"].text)) {
        return;
    }
    CmdDo(QuoteKey("dfu"));
    const int opened = PrtLib_Open(TPrtLib::Tsprix, PrinterIdentity().PortAddress);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        ShowErrorText(Txt("_Err_OpenPort"));
        return;
    }
    offset_ = 0;
    sectionEnd_ = 0;
    steps_ = 0;
    nextIsHeader_ = true;
    running_ = true;
    Form().SetVisible("pbProgress", true);
    Form().SetVisible("lblProgressInfo", true);
    Form().SetText("btnDownload", Txt("FormDownloadFile_TSPL_btnDownload1"));
    Form().SetProgress("pbProgress", 0, walk_.steps);
    Form().SetText("lblProgressInfo", "");
    SetTimerInterval(kTimer, waits_.timerIntervalMs);
    StartTimer(kTimer);
}

void TGdl::Advance() {
    ++steps_;
    Form().SetProgress("pbProgress", steps_, walk_.steps);
    Form().SetText("lblProgressInfo",
                   params::TxtFilled("FormGDL_lblProgressInfo",
                                     {std::to_string(walk_.steps), std::to_string(steps_)}, 1));
    StartTimer(kTimer);
}

void TGdl::SendTick() {
    StopTimer(kTimer);
    if (!running_) {
        return;
    }
    if (offset_ >= file_.size()) {
        FinalStatus();
        return;
    }
    if (nextIsHeader_) {
        SendHeader();
        return;
    }
    if (offset_ < sectionEnd_) {
        const std::size_t chunk = std::min(kSectionChunkSize, sectionEnd_ - offset_);
        if (PrtLib_Write(TPrtLib::Tsprix, file_.data() + offset_, static_cast<int>(chunk)) != 0) {
            Fail(Txt("FormGDL_ErrIO"));
            return;
        }
        offset_ += chunk;
        Advance();
        return;
    }
    nextIsHeader_ = true;
    StartTimer(kTimer);
}

void TGdl::SendHeader() {
    const std::uint8_t* header = file_.data() + offset_;
    // The walk has checked that the header is whole and its data inside the file.
    const std::uint32_t length =
        static_cast<std::uint32_t>(header[4]) | static_cast<std::uint32_t>(header[5]) << 8 |
        static_cast<std::uint32_t>(header[6]) << 16 | static_cast<std::uint32_t>(header[7]) << 24;
    if (PrtLib_Write(TPrtLib::Tsprix, header, static_cast<int>(kSectionHeaderSize)) != 0) {
        Fail(Txt("FormGDL_ErrIO"));
        return;
    }
    offset_ += kSectionHeaderSize;
    sectionEnd_ = offset_ + length;
    nextIsHeader_ = false;
    PauseMs(waits_.headerAckWaitMs);
    std::uint8_t status = 0;
    int count = 0;
    PrtLib_ReadRepeated(&status, 1, count, waits_.replyPauseMs, waits_.replyPasses);
    if (count < 1) {
        Fail(Txt("_Err_ReadData"));
        return;
    }
    if (status != 0) {
        Fail(StatusText(status));
        return;
    }
    Advance();
}

void TGdl::FinalStatus() {
    running_ = false;
    Form().SetText("btnDownload", Txt("FormDownloadFile_TSPL_btnDownload"));
    std::uint8_t status = 0;
    int count = 0;
    for (int attempt = 0; attempt < waits_.finalStatusTries; ++attempt) {
        if (attempt > 0) {
            PauseMs(waits_.finalStatusPauseMs);
        }
        PrtLib_Read(TPrtLib::Tsprix, &status, 1, count);
        if (count > 0) {
            break;
        }
    }
    PrtLib_Close(TPrtLib::Tsprix);
    if (count < 1) {
        ShowErrorText(Txt("_Err_ReadData"));
        return;
    }
    if (status != 0) {
        ShowErrorText(StatusText(status));
        return;
    }
    succeeded_ = true;
    std::string text = Txt("_DownloadSuccess");
    if (restartNote_) {
        text += "\r\n" + Txt("msgRP");
    }
    MessageSink().ShowInfo(text, Txt("_MSG_Title_Message"));
}

} // namespace tolvane::firmware
