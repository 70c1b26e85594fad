#include "mdlCliFirmware.h"

#include "mdlDfuQuistel.h"
#include "mdlFileUtil.h"
#include "mdlFirmwareFile.h"
#include "mdlFirmwareFlow.h"
#include "mdlGdl.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterLib.h"
#include "mdlReplaceText.h"

#include <ostream>

namespace tolvane::cli {
namespace {

using namespace tolvane::firmware;

std::string RefusalText(TFileCheck check, const TSectionWalk* walk, const std::string& path) {
    if (check == TFileCheck::Missing) {
        return params::Txt("_Err_FileNotExist") + ":" + path;
    }
    std::string text = params::Txt(FileCheckTextKey(check)) + ":" + path;
    if (walk != nullptr && (check == TFileCheck::HeaderShort || check == TFileCheck::NegativeLength ||
                            check == TFileCheck::PastEnd)) {
        text += " (" + params::TxtWith("FormFirmware_SectionAt", std::to_string(walk->failedAt)) + ")";
    }
    return text;
}

// Shows the dialog's progress line on standard error, one line redrawn.
class TProgressLine {
  public:
    TProgressLine(params::TParaDialogModel& dialog, const TCliStreams& streams)
        : dialog_(dialog), err_(streams.err), on_(streams.progress) {
        if (on_) {
            dialog_.Form().OnChanged = [this](const std::string& name) {
                if (name == "lblProgressInfo") {
                    err_ << '\r' << dialog_.Form()[name].text << "\x1b[K" << std::flush;
                    shown_ = true;
                }
            };
        }
    }
    ~TProgressLine() {
        dialog_.Form().OnChanged = nullptr;
        if (shown_) {
            err_ << '\n';
        }
    }
    TProgressLine(const TProgressLine&) = delete;
    TProgressLine& operator=(const TProgressLine&) = delete;

  private:
    params::TParaDialogModel& dialog_;
    std::ostream& err_;
    bool on_;
    bool shown_ = false;
};

} // namespace

int TCliFirmware::CheckFile() const {
    if (options_.command != TCliCommand::FirmwareOta && options_.command != TCliCommand::FirmwareSections) {
        return kExitDone;
    }
    const std::string& path = options_.firmwareFile;
    std::vector<std::uint8_t> bytes;
    TFileCheck check = ReadFirmwareFile(path, bytes);
    TSectionWalk walk;
    if (check == TFileCheck::Ok) {
        if (options_.command == TCliCommand::FirmwareSections) {
            walk = WalkSections(bytes);
            check = walk.check;
        } else {
            check = CheckOtaTransfer(bytes.size(), 1);
        }
    }
    if (check == TFileCheck::Ok) {
        return kExitDone;
    }
    streams_.err << "tolvane-cli: " << RefusalText(check, &walk, path) << '\n';
    return kExitBadInput;
}

int TCliFirmware::ListSections() const {
    if (const int checked = CheckFile(); checked != kExitDone) {
        return checked;
    }
    std::vector<std::uint8_t> bytes;
    ReadFirmwareFile(options_.firmwareFile, bytes);
    const TSectionWalk walk = WalkSections(bytes);
    for (const TFirmwareSection& section : walk.sections) {
        streams_.out << section.name << '\t' << section.dataLength << '\t' << section.version << '\t'
                     << section.type << '\n';
    }
    return kExitDone;
}

int TCliFirmware::Run() const {
    switch (options_.command) {
    case TCliCommand::FirmwareMethod:
        return Method();
    case TCliCommand::FirmwareOta:
        return Ota();
    case TCliCommand::FirmwareSections:
        return Sections();
    case TCliCommand::FirmwareDfu:
        return Dfu();
    default:
        return kExitBadInput;
    }
}

int TCliFirmware::Method() const {
    int opened = 0;
    const std::string answer = ReadUpdateMethodAnswer(opened);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        sink_.ShowError(params::Txt("_Err_OpenPort") + ":" + std::to_string(opened), {});
        return kExitPrinterError;
    }
    streams_.out << answer << '\n';
    return kExitDone;
}

int TCliFirmware::Ota() const {
    TDfuQuistel dialog(params::SelectedPrinterContext(), SelectedPrinterEntersOtaByKey(),
                       streams_.firmwareWaits);
    dialog.FormCreate();
    dialog.Form().SetText("txtFileName", options_.firmwareFile);
    {
        const TProgressLine progress(dialog, streams_);
        dialog.ButtonClick("btnDownload");
        RunTimersUntilIdle(dialog);
    }
    if (dialog.Running()) {
        dialog.ButtonClick("btnClose");
    }
    return dialog.Succeeded() ? kExitDone : kExitPrinterError;
}

int TCliFirmware::Sections() const {
    TGdl dialog(params::SelectedPrinterContext(), SelectedPrinterRestartsAfterUpdate(),
                streams_.firmwareWaits);
    dialog.FormCreate();
    if (!dialog.ListFile(options_.firmwareFile)) {
        return kExitBadInput;
    }
    {
        const TProgressLine progress(dialog, streams_);
        dialog.ButtonClick("btnDownload");
        RunTimersUntilIdle(dialog);
    }
    if (!dialog.Succeeded()) {
        dialog.ButtonClick("btnClose");
        return kExitPrinterError;
    }
    return kExitDone;
}

int TCliFirmware::Dfu() const {
    // Without the updater the printer is not put into update mode, where it
    // would wait for a firmware that nothing sends.
    const std::string updater = ExternalUpdaterPath();
    if (const std::string why = ProgramProblem(updater); !why.empty()) {
        sink_.ShowError(FileExists(updater)
                            ? ReplaceText(params::Txt("FormFirmware_UpdaterFailed"), updater) + " (" + why +
                                  ")"
                            : ReplaceText(params::Txt("FormFirmware_UpdaterMissing"), updater),
                        {});
        return kExitPrinterError;
    }
    const TUpdateModeResult entered = EnterUpdateMode(SelectedPrinterFacts());
    if (!entered.Ok()) {
        sink_.ShowError(entered.writeFailed
                            ? params::Txt("_Err_WriteData")
                            : params::Txt("_Err_OpenPort") + ":" + std::to_string(entered.openResult),
                        {});
        return kExitPrinterError;
    }
    if (const std::string why = StartDetached(updater); !why.empty()) {
        sink_.ShowError(ReplaceText(params::Txt("FormFirmware_UpdaterFailed"), updater) + " (" + why + ")",
                        {});
        return kExitPrinterError;
    }
    sink_.ShowInfo(ReplaceText(params::Txt("Cli_FirmwareUpdater"), updater), {});
    return kExitDone;
}

} // namespace tolvane::cli
