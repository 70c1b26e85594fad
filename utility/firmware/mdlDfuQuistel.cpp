#include "mdlDfuQuistel.h"

#include "mdlFirmwareFile.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <array>
#include <chrono>

namespace tolvane::firmware {
namespace {

using params::TControlKind;
using params::Txt;

constexpr const char* kTimer = "tmSend";
constexpr std::string_view kBinaryUpdateMode = "\x1d\x75\x55\xaa";

void ShowErrorText(const std::string& text) {
    MessageSink().ShowError(text, Txt("_MSG_Title_Error"));
}

} // namespace

bool SelectedPrinterEntersOtaByKey() {
    return SelectedPrinterFacts().HasFeature("FTNNo_Dfu_Head_BinType1");
}

TDfuQuistel::TDfuQuistel(params::TParaDialogContext context, bool keyCommandEntry, TFirmwareWaits waits)
    : TActionDialogModel(std::move(context)), keyCommandEntry_(keyCommandEntry), waits_(waits) {
    FormCreate();
}

void TDfuQuistel::FormCreate() {
    if (!Form().Controls().empty()) {
        return; // made with the dialog
    }
    params::TFormModel& form = Form();
    form.SetTitle(Txt("FormDFU_Quistel_Caption"));
    form.SetClientSize(480, 214);
    form.Add("gpbSelectFile", TControlKind::Group);
    form.SetText("gpbSelectFile", Txt("FormDFU_Quistel_gpbSelectFile"));
    form.SetGeometry("gpbSelectFile", 12, 10, 456, 70);
    form.Add("txtFileName", TControlKind::Edit, "gpbSelectFile");
    form.SetMaxLength("txtFileName", 4096);
    form.SetGeometry("txtFileName", 12, 28, 334, 26);
    form.Add("btnBrowse", TControlKind::Button, "gpbSelectFile");
    form.SetText("btnBrowse", Txt("FormDFU_Quistel_btnBrowse"));
    form.SetGeometry("btnBrowse", 354, 26, 90, 30);
    form.Add("pbProgress", TControlKind::Progress);
    form.SetGeometry("pbProgress", 12, 94, 456, 22);
    form.Add("lblProgressInfo", TControlKind::Label);
    form.SetGeometry("lblProgressInfo", 12, 122, 456, 22);
    form.Add("btnDownload", TControlKind::Button);
    form.SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
    form.SetGeometry("btnDownload", 262, 164, 100, 32);
    form.Add("btnClose", TControlKind::Button);
    form.SetText("btnClose", Txt("_Close"));
    form.SetGeometry("btnClose", 368, 164, 100, 32);
    AddTimer(kTimer, waits_.timerIntervalMs, [this] { SendTick(); });
}

std::optional<params::TParaDialogModel::TFileQuestion>
TDfuQuistel::FileQuestion(std::string_view button) const {
    if (button == "btnBrowse") {
        return TFileQuestion{false, "*.*|*", {}};
    }
    return std::nullopt;
}

void TDfuQuistel::ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath) {
    if (button == "btnBrowse") {
        if (chosenPath) {
            Form().SetText("txtFileName", *chosenPath);
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

void TDfuQuistel::Stop() {
    StopTimer(kTimer);
    running_ = false;
    Form().SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
    PrtLib_Close(TPrtLib::Tsprix);
}

void TDfuQuistel::Fail(const std::string& key) {
    // The caption stays at the running text until the user presses the
    // button again; the port is released at once.
    StopTimer(kTimer);
    PrtLib_Close(TPrtLib::Tsprix);
    ShowErrorText(Txt(key));
}

void TDfuQuistel::Download() {
    if (running_) {
        Stop();
        return;
    }
    succeeded_ = false;
    const std::string path = Form()["txtFileName"].text;
    // The whole file is read and checked before the printer hears anything.
    const TFileCheck read = ReadFirmwareFile(path, file_);
    TFileCheck check = read != TFileCheck::Ok ? read : CheckOtaTransfer(file_.size(), 1);
    if (check != TFileCheck::Ok) {
        file_.clear();
        ShowErrorText(check == TFileCheck::Missing ? Txt("_Err_FileNotExist")
                                                   : Txt(FileCheckTextKey(check)) + ":" + path);
        return;
    }
    const std::string& address = PrinterIdentity().PortAddress;
    if (PrtLib_Open(TPrtLib::Tsprix, address) != 0) {
        ShowErrorText(Txt("_Err_OpenPort"));
        return;
    }
    running_ = true;
    Form().SetText("btnDownload", Txt("FormDownloadFont_btnDownload1"));
    if (!EnterOtaMode(address)) {
        Fail("FormDownloadFont_ErrIO");
        return;
    }
    std::array<std::uint8_t, 4> length{};
    if (CmdGetValBytes(QuoteKey("pack_length"), length) != 4) {
        Fail("FormDownloadFont_ErrIO");
        return;
    }
    const auto packetLength = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(length[0]) | static_cast<std::uint32_t>(length[1]) << 8 |
        static_cast<std::uint32_t>(length[2]) << 16 | static_cast<std::uint32_t>(length[3]) << 24);
    check = CheckOtaTransfer(file_.size(), packetLength);
    if (check != TFileCheck::Ok) {
        Fail(FileCheckTextKey(check));
        return;
    }
    if (PrtLib_Open(TPrtLib::Tsprix, address) != 0) {
        Fail("FormDownloadFont_ErrIO");
        return;
    }
    transfer_.emplace(file_.size(), static_cast<std::uint32_t>(packetLength));
    ShowProgress();
    SetTimerInterval(kTimer, waits_.timerIntervalMs);
    StartTimer(kTimer);
}

bool TDfuQuistel::EnterOtaMode(const std::string& address) {
    if (!keyCommandEntry_) {
        if (PrtLib_Write(TPrtLib::Tsprix, kBinaryUpdateMode) != 0) {
            return false;
        }
        PauseMs(waits_.otaBinaryEntryMs);
        return PrtLib_Open(TPrtLib::Tsprix, address) == 0;
    }
    if (CmdDoMaybe(QuoteKey("enter_ota"), false) != 0) {
        return false;
    }
    // The printer restarts into OTA mode: open again until it answers.
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        PauseMs(waits_.otaReopenStepMs);
        PrtLib_Close(TPrtLib::Tsprix);
        if (PrtLib_Open(TPrtLib::Tsprix, address) == 0) {
            return true;
        }
        if (std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(waits_.otaReopenLimitMs)) {
            return false;
        }
    }
}

void TDfuQuistel::ShowProgress() {
    const TOtaTransfer& transfer = *transfer_;
    Form().SetProgress("pbProgress", transfer.PacketNumber(), transfer.PacketTotal());
    Form().SetText("lblProgressInfo",
                   params::TxtFilled("FormDownloadFont_lblProgressInfo",
                                     {std::to_string(transfer.KbTotal()), std::to_string(transfer.KbSent())},
                                     1));
}

bool TDfuQuistel::ReadReply(std::uint8_t (&reply)[kOtaReplySize], bool last) {
    int count = 0;
    PrtLib_ReadRepeated(reply, kOtaReplySize, count, waits_.replyPauseMs, waits_.replyPasses);
    if (last) {
        // The printer checks the whole image after the last packet.
        for (int round = 0; round < waits_.lastReplyRounds && count < kOtaReplySize; ++round) {
            PauseMs(waits_.lastReplyPauseMs);
            int more = 0;
            PrtLib_ReadRepeated(reply + count, kOtaReplySize - count, more, waits_.replyPauseMs,
                                waits_.replyPasses);
            count += more > 0 ? more : 0;
        }
    }
    return count >= kOtaReplySize && OtaReplyAccepted(reply);
}

void TDfuQuistel::SendTick() {
    StopTimer(kTimer);
    if (!transfer_ || !running_) {
        return;
    }
    TOtaTransfer& transfer = *transfer_;
    const bool last = transfer.NextIsLast();
    const std::vector<std::uint8_t> packet = transfer.NextPacket(file_);
    if (PrtLib_Write(TPrtLib::Tsprix, packet.data(), static_cast<int>(packet.size())) != 0) {
        Fail("FormDownloadFont_ErrIO");
        return;
    }
    ShowProgress();
    PauseMs(waits_.packetGapMs);
    std::uint8_t reply[kOtaReplySize] = {};
    if (!ReadReply(reply, last)) {
        Fail("FormDownloadFont_ErrIO");
        return;
    }
    if (!transfer.Done()) {
        StartTimer(kTimer);
        return;
    }
    PrtLib_Close(TPrtLib::Tsprix);
    running_ = false;
    succeeded_ = true;
    Form().SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
    MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
}

} // namespace tolvane::firmware
