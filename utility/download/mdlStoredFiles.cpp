// The three lists of stored files: refresh, print, delete one or all, and
// the auto label mode switch, by key commands or, on printers that store
// files by TSPL commands, by "~!F", "KILL" and "RUN".
#include "mdlDLFile.h"

#include "mdlDevNewPrt.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"

#include <chrono>
#include <thread>

namespace tolvane::download {

using params::Txt;

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        pieces.push_back(text.substr(start, at - start));
        if (at == std::string::npos) {
            return pieces;
        }
        start = at + 1;
    }
}

// A "~!F" reply without its two trailing characters.
std::string DirectListBody(const std::string& reply) {
    return reply.substr(0, reply.size() >= 2 ? reply.size() - 2 : 0);
}

} // namespace

std::string TDLFileDialog::EntryText(const std::string& memory, const std::string& name) {
    return memory + "\t" + name;
}

std::string TDLFileDialog::EntryMemory(const std::string& entry) {
    return entry.substr(0, entry.find('\t'));
}

std::string TDLFileDialog::EntryName(const std::string& entry) {
    const size_t tab = entry.find('\t');
    return tab == std::string::npos ? entry : entry.substr(tab + 1);
}

std::string TDLFileDialog::EntryPrefix(const std::string& entry) const {
    return EntryMemory(entry) == RamText() ? "R_" : "E_";
}

void TDLFileDialog::FillKeyList(const char* list, const std::string& reply) {
    if (reply.empty()) {
        return;
    }
    std::vector<std::string> items;
    for (const std::string& piece : Split(reply, ',')) {
        if (piece.empty()) {
            continue; // a trailing separator names no file
        }
        items.push_back(
            EntryText(piece[0] == 'R' ? RamText() : FlashText(), piece.size() > 2 ? piece.substr(2) : ""));
    }
    form_.SetItems(list, std::move(items), -1);
}

void TDLFileDialog::FillDirectList(const char* list, const std::string& reply, const char* extension) {
    if (reply.empty()) {
        return;
    }
    std::vector<std::string> items;
    for (const std::string& piece : Split(DirectListBody(reply), '\r')) {
        if (piece.find(extension) != std::string::npos) {
            items.push_back(EntryText(FlashText(), piece));
        }
    }
    form_.SetItems(list, std::move(items), -1);
}

TDLFileDialog::TAnswer TDLFileDialog::AwaitAnswer() {
    for (int round = 0; round < pacing_.okPollRounds; ++round) {
        Pause(pacing_.okPollWaitMs);
        const std::string reply = CmdGetVal("");
        if (reply == "OK") {
            return TAnswer::Ok;
        }
        if (reply == "ER") {
            return TAnswer::Refused;
        }
    }
    return TAnswer::None;
}

bool TDLFileDialog::Printed(const std::string& name) {
    // Print is answered "OK", or "ER" for a file the printer does not have;
    // the answer is taken up so that it does not run into the next read.
    switch (AwaitAnswer()) {
    case TAnswer::Ok:
        return true;
    case TAnswer::Refused:
        MessageSink().ShowError(params::TxtWith("_Err_NotStored", name), Txt("_MSG_Title_Error"));
        return false;
    case TAnswer::None:
        break;
    }
    MessageSink().ShowError(Txt("_Err_ReadData"), Txt("_MSG_Title_Error"));
    return false;
}

bool TDLFileDialog::Deleted() {
    // "ER": the printer has no such file, so it is gone as well.
    if (AwaitAnswer() != TAnswer::None) {
        return true;
    }
    MessageSink().ShowError(Txt("_Err_ReadData"), Txt("_MSG_Title_Error"));
    return false;
}

bool TDLFileDialog::OpenForDirectWrite() {
    if (directPortOpen_) {
        return true;
    }
    const int result = PrtLib_Open(TPrtLib::Tsprix, CurrentPortAddress());
    if (result != 0 && result != 5) {
        ShowOpenPortError(result);
        return false;
    }
    directPortOpen_ = true;
    return true;
}

void TDLFileDialog::DirectPrint(const std::string& text) {
    const int result = PrtLib_Write(TPrtLib::Tsprix, text);
    PrtLib_Close(TPrtLib::Tsprix);
    if (result != 0) {
        MessageSink().ShowError(Txt("_Err_WriteData"), Txt("_MSG_Title_Error"));
    }
}

std::string TDLFileDialog::Kill(const std::string& name) {
    return CmdQuery("KILL E,\"" + name + "\"");
}

void TDLFileDialog::RemoveSelected(const char* list) {
    std::vector<std::string> items = form_[list].items;
    const int index = form_[list].index;
    if (index >= 0 && index < static_cast<int>(items.size())) {
        items.erase(items.begin() + index);
    }
    form_.SetItems(list, std::move(items), -1);
}

bool TDLFileDialog::DeleteEntry(const std::string& entry, const char* kindWord, bool direct) {
    if (direct) {
        Kill(EntryName(entry));
        return true;
    }
    CmdDoArgs("\"delete\"", kindWord, EntryPrefix(entry) + EntryName(entry));
    return Deleted();
}

void TDLFileDialog::DeleteAll(const char* list, const char* kindWord, bool direct) {
    std::vector<std::string> items = form_[list].items;
    size_t done = 0;
    while (done < items.size() && DeleteEntry(items[done], kindWord, direct)) {
        ++done;
    }
    // What the printer did not confirm stays listed.
    items.erase(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(done));
    form_.SetItems(list, std::move(items), -1);
}

bool TDLFileDialog::ConfirmDelete(const std::string& button, const char* list) const {
    const bool all = button == "btnDelAllImage" || button == "btnDelAllTmp";
    const bool one = button == "btnDelCurImage" || button == "btnDelCurTmp" || button == "btnDeleteAutoTmp";
    const params::TControl& entries = form_[list];
    const bool selected = entries.index >= 0 && entries.index < static_cast<int>(entries.items.size());
    if (!AskBeforeDelete || (!all && !one) || (all && entries.items.empty()) || (one && !selected)) {
        return true;
    }
    return MessageSink().AskOkCancel(Txt(all ? "FormDLFile_DelAllTip" : "FormDLFile_DelCurrentTip"),
                                     Txt("_MSG_Title_Warn"));
}

void TDLFileDialog::DoActive_Bitmap(const std::string& button) {
    if (!ConfirmDelete(button, "lvFonts") || !PrtLib_BeginExchange()) {
        return;
    }
    const bool direct = DirectTspl();
    const params::TControl& list = form_["lvFonts"];
    const bool selected = list.index >= 0 && list.index < static_cast<int>(list.items.size());
    if (button == "btnGetAllImage") {
        if (direct) {
            FillDirectList("lvFonts", CmdQuery("~!F"), ".BMP");
        } else {
            FillKeyList("lvFonts", CmdGetVal("\"bitmaps\""));
        }
    } else if (button == "btnDelAllImage") {
        DeleteAll("lvFonts", "\"bitmaps\"", direct);
        ReadSpace(Flash());
    } else if (!selected) {
        PrtLib_EndExchange();
        MessageSink().ShowInfo(Txt("msgsi"), Txt("_MSG_Title_Warn"));
        return;
    } else if (button == "btnPrintImage") {
        const std::string name = EntryName(list.items[static_cast<size_t>(list.index)]);
        if (!imagesOnly_ && InDirectGraphicList(context_.model) && DLState().PplReply == "zpl") {
            if (OpenForDirectWrite()) {
                DirectPrint("^XA^PW576^LL220^POI^FO100,100^XGE:" + name + "^FS^XZ");
            }
        } else if (direct) {
            if (OpenForDirectWrite()) {
                const auto& f = form_;
                DirectPrint("SIZE " + f["txtPrintWidth"].text + "mm," + f["txtPrintHeight"].text + "mm\r\n" +
                            "GAP 0,0\r\nDIRECTION 0\r\nCLS\r\nPUTBMP " + f["txtXPosition"].text + "," +
                            f["txtYPosition"].text + ",\"" + name + "\"\r\nPRINT 1,1\r\n");
            }
        } else {
            if (imagesOnly_) {
                CmdSetValLower("\"pic_start_pos\"", form_["edtPrintImagePosition"].text);
            }
            CmdDoArgs("\"print\"", "\"bitmaps\"", name);
            Printed(name);
        }
    } else if (button == "btnDelCurImage") {
        const std::string entry = list.items[static_cast<size_t>(list.index)];
        if (DeleteEntry(entry, "\"bitmaps\"", direct)) {
            RemoveSelected("lvFonts");
        }
        ReadSpace(Flash());
    }
    PrtLib_EndExchange();
}

void TDLFileDialog::DoActive_Label(const std::string& button) {
    if (imagesOnly_ || !ConfirmDelete(button, "ListView1") || !PrtLib_BeginExchange()) {
        return;
    }
    const bool direct = DirectTspl();
    const params::TControl& list = form_["ListView1"];
    const bool selected = list.index >= 0 && list.index < static_cast<int>(list.items.size());
    if (button == "btnGetAllTmp") {
        if (direct) {
            FillDirectList("ListView1", CmdQuery("~!F"), ".BAS");
        } else {
            const std::string reply = CmdGetVal("\"labels\"");
            CmdGetVal("");
            form_.SetItems("ListView1", {}, -1);
            FillKeyList("ListView1", reply);
        }
    } else if (button == "btnDelAllTmp") {
        DeleteAll("ListView1", "\"labels\"", direct);
        ReadSpace(Flash());
    } else if (selected) {
        const std::string entry = list.items[static_cast<size_t>(list.index)];
        if (button == "btnPrintTmp") {
            if (direct) {
                if (OpenForDirectWrite()) {
                    DirectPrint("RUN \"" + EntryName(entry) + "\"\r\n");
                }
            } else {
                CmdDoArgs("\"print\"", "\"labels\"", EntryPrefix(entry) + EntryName(entry));
                Printed(EntryName(entry));
            }
        } else if (button == "btnDelCurTmp") {
            if (DeleteEntry(entry, "\"labels\"", direct)) {
                RemoveSelected("ListView1");
            }
            ReadSpace(Flash());
        }
    }
    PrtLib_EndExchange();
}

void TDLFileDialog::DoActive_AutoTmp(const std::string& button) {
    if (imagesOnly_ || !ConfirmDelete(button, "lsbAutoTmp") || !PrtLib_BeginExchange()) {
        return;
    }
    const bool direct = DirectTspl();
    const std::string switchOn = Txt("FormDLFile_btnSwitchAutoform1");
    const std::string switchOff = Txt("FormDLFile_btnSwitchAutoform2");
    const params::TControl& list = form_["lsbAutoTmp"];
    const bool selected = list.index >= 0 && list.index < static_cast<int>(list.items.size());
    if (button == "btnGetAutoTmp") {
        uint8_t discard[512];
        int count = 0;
        PrtLib_Read(TPrtLib::Tsprix, discard, sizeof discard, count);
        std::string reply;
        if (!direct) {
            reply = CmdGetVal("\"autoform\"");
            form_.SetItems("lsbAutoTmp", {}, -1);
            if (!reply.empty()) {
                autoName_ = reply.substr(0, reply.size() - 1);
                // "E_AUTO.zpl.prn" is shown as "E_AUTO.prn".
                std::string shown = autoName_;
                if (shown.size() >= 8) {
                    shown.erase(shown.size() - 8, 4);
                }
                form_.SetItems("lsbAutoTmp", {shown}, -1);
            }
        } else {
            reply = CmdQuery("~!F");
            if (!reply.empty()) {
                form_.SetItems("lsbAutoTmp", {}, -1);
                std::vector<std::string> names;
                for (const std::string& piece : Split(DirectListBody(reply), '\r')) {
                    if (piece.find(".BAS") != std::string::npos) {
                        names.push_back(piece);
                    }
                }
                autoList_.clear();
                for (size_t i = 0; i < names.size(); ++i) {
                    autoList_ += names[i] + (i + 1 < names.size() ? "," : "");
                }
                form_.SetItems("lsbAutoTmp",
                               autoList_.empty() ? std::vector<std::string>{} : std::vector{autoList_}, -1);
            }
        }
        if (!reply.empty()) {
            form_.SetText("btnSwitchAutoform",
                          CmdGetVal("\"autoform_switch\"") == "on" ? switchOff : switchOn);
        }
    } else if (button == "btnSwitchAutoform") {
        const bool on = form_["btnSwitchAutoform"].text != switchOff;
        form_.SetText("btnSwitchAutoform", on ? switchOff : switchOn);
        CmdSetValLower("\"autoform_switch\"", on ? "on" : "off");
        CmdDoMaybe("\"save_param\"", false);
        Pause(pacing_.saveWaitMs);
        PrtLib_EndCommand();
        PrtLib_SetExchangeOpen(false);
        CmdDo("\"reset_printer\"");
        return;
    } else if (selected && button == "btnPrintAutoTmp") {
        if (!direct) {
            CmdDoArgs("\"print\"", "\"autoform\"", autoName_);
            Printed(autoName_);
        } else if (OpenForDirectWrite()) {
            bool first = true;
            bool written = true;
            for (const std::string& name : Split(autoList_, ',')) {
                if (!first) {
                    Pause(pacing_.runWaitMs);
                }
                first = false;
                written = PrtLib_Write(TPrtLib::Tsprix, "RUN \"" + name + "\"\r\n") == 0;
                if (!written) {
                    break;
                }
            }
            Pause(pacing_.runWaitMs);
            PrtLib_Close(TPrtLib::Tsprix);
            if (!written) {
                MessageSink().ShowError(Txt("_Err_WriteData"), Txt("_MSG_Title_Error"));
            }
        }
    } else if (selected && button == "btnDeleteAutoTmp") {
        if (!direct) {
            CmdDoArgs("\"delete\"", "\"autoform\"", autoName_);
            if (!Deleted()) {
                PrtLib_EndExchange();
                return;
            }
        } else {
            for (const std::string& name : Split(autoList_, ',')) {
                Kill(name);
            }
        }
        RemoveSelected("lsbAutoTmp");
        ReadSpace(Flash());
    }
    PrtLib_EndExchange();
}

} // namespace tolvane::download
