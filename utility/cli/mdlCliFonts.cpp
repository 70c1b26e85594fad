#include "mdlCliFonts.h"

#include "mdlDLFont.h"
#include "mdlDLUiQueue.h"
#include "mdlParaHelpers.h"
#include "mdlTsplFiles.h"

#include <algorithm>
#include <chrono>
#include <ostream>

namespace tolvane::cli {
namespace {

using download::TDLFontDialog;
using download::TDLUserFontDialog;

struct TFontArgs {
    std::vector<std::string> words; // the verb and its operands
    std::string memory = "flash";
    std::string encoding;
    std::string width = "30";
    std::string height = "30";
    std::string position = "F";
    bool all = false;
    bool positionAll = false;
};

bool OneOf(const std::vector<std::string>& values, const std::string& value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool IsMillimetres(const std::string& text) {
    return !text.empty() && text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Parse(const std::string& command, const std::vector<std::string>& args, TFontArgs& out) {
    for (size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        auto value = [&](std::string& into) {
            if (n + 1 >= args.size()) {
                return false;
            }
            into = args[++n];
            return true;
        };
        if (arg == "--memory" && command == "fonts") {
            if (!value(out.memory) || !OneOf({"flash", "ram"}, out.memory)) {
                return "--memory takes flash or ram";
            }
        } else if (arg == "--encoding" && command == "userfont") {
            if (!value(out.encoding) || !OneOf(download::UserFontEncodings(), out.encoding)) {
                return "--encoding takes GBK, BIG5, JIS, EUC or ASCII";
            }
        } else if ((arg == "--width" || arg == "--height") && command == "fonts") {
            std::string& into = arg == "--width" ? out.width : out.height;
            if (!value(into) || !IsMillimetres(into)) {
                return arg + " takes a number of millimetres";
            }
        } else if (arg == "--position" && command == "tspl-files") {
            if (!value(out.position) || !OneOf({"N", "F"}, out.position)) {
                return "--position takes N or F";
            }
        } else if (arg == "--all" && command != "userfont") {
            out.all = true;
        } else if (arg == "--position-all" && command == "tspl-files") {
            out.positionAll = true;
        } else if (arg.rfind("--", 0) == 0) {
            return "unknown option " + arg;
        } else {
            out.words.push_back(arg);
        }
    }
    if (out.words.empty()) {
        return command + " needs a command (try " + command + " --help)";
    }
    const std::string& verb = out.words[0];
    const size_t operands = out.words.size() - 1;
    const auto usage = [&](bool good, const std::string& text) { return good ? std::string() : text; };
    if (command == "fonts") {
        if (verb == "list") {
            return usage(operands == 0, "fonts list takes no argument");
        }
        if (verb == "download") {
            return usage(operands == 1, "fonts download takes one FILE");
        }
        if (verb == "delete") {
            return usage(out.all ? operands == 0 : operands == 1, "fonts delete takes one NAME or --all");
        }
        if (verb == "test-print") {
            return usage(operands == 2 && out.words[2].size() <= 255,
                         "fonts test-print takes NAME and a TEXT of at most 255 bytes");
        }
        return "unknown fonts command " + verb;
    }
    if (command == "userfont") {
        if (verb != "download") {
            return "unknown userfont command " + verb;
        }
        if (out.encoding.empty()) {
            return "userfont download needs --encoding GBK|BIG5|JIS|EUC|ASCII";
        }
        return usage(operands == 1, "userfont download takes one FILE");
    }
    if (verb == "list" || verb == "space") {
        return usage(operands == 0, "tspl-files " + verb + " takes no argument");
    }
    if (verb == "run") {
        return usage(operands == 1, "tspl-files run takes one NAME");
    }
    if (verb == "delete") {
        const int forms = (operands == 1 ? 1 : 0) + (out.all ? 1 : 0) + (out.positionAll ? 1 : 0);
        return usage(forms == 1 && operands <= 1,
                     "tspl-files delete takes one of NAME, --position-all, --all");
    }
    if (verb == "download") {
        return usage(operands >= 1, "tspl-files download takes one or more FILEs");
    }
    return "unknown tspl-files command " + verb;
}

class TFontsRun {
  public:
    TFontsRun(const TFontArgs& args, TCliStreams streams) : args_(args), streams_(streams) {}

    int Fonts() {
        TDLFontDialog dialog(params::SelectedPrinterContext());
        dialog.AskBeforeDelete = false; // the command line is the request
        dialog.SetPost([this](std::function<void()> work) { queue_.Post(std::move(work)); });
        dialog.FormShow();
        const std::string& verb = args_.words[0];
        int status = kExitDone;
        if (verb == "list") {
            for (const download::TFontEntry& font : dialog.Fonts()) {
                streams_.out << (font.ram ? "ram" : "flash") << '\t' << font.name << '\n';
            }
        } else if (verb == "download") {
            status = FontDownload(dialog);
        } else if (verb == "delete" && args_.all) {
            dialog.btnDeleteAllFontClick();
        } else if (!dialog.SelectFont(args_.words[1])) {
            streams_.err << "tolvane-cli: the printer has no font named " << args_.words[1] << '\n';
            status = kExitPrinterError;
        } else if (verb == "delete") {
            dialog.btnDeleteCurFontClick();
        } else {
            auto& form = dialog.Form();
            form.SetText("rtTestText", args_.words[2]);
            form.SetText("txtPrintableWidth", args_.width);
            form.SetText("txtPrintableHeigh", args_.height);
            form.SetIndex("chkLanguage", 1); // the text is sent as UTF-8, as typed
            dialog.btnTestFontClick();
        }
        dialog.FormClose();
        return status;
    }

    int UserFont() {
        TDLUserFontDialog dialog(params::SelectedPrinterContext());
        dialog.FormShow();
        const auto& encodings = download::UserFontEncodings();
        dialog.Form().SetIndex(
            "cmbFontID", static_cast<int>(std::find(encodings.begin(), encodings.end(), args_.encoding) -
                                          encodings.begin()));
        if (!dialog.ChooseFile(args_.words[1])) {
            return kExitBadInput;
        }
        dialog.btnDownloadClick();
        dialog.RunTimer();
        dialog.btnCloseClick();
        return dialog.Outcome() == TDLUserFontDialog::TOutcome::Success ? kExitDone : kExitPrinterError;
    }

    int TsplFiles() {
        download::TTsplFileManager manager("T_frmTempletManage");
        manager.AskBeforeDelete = false;
        auto& form = manager.Form();
        if (!manager.FormShow()) {
            return kExitPrinterError;
        }
        if (args_.position == "N") {
            form.SetIndex("cmbTempletSavePosition", download::kPositionInternal);
            manager.cmbTempletSavePositionChange();
        }
        const std::string& verb = args_.words[0];
        int status = kExitDone;
        if (verb == "list") {
            for (const std::string& name : manager.Files()) {
                streams_.out << name << '\n';
            }
        } else if (verb == "space") {
            streams_.out << form["lblSpaceInfo"].text << '\n';
            status = manager.SpaceRead() ? kExitDone : kExitPrinterError;
        } else if (verb == "download") {
            manager.ShowDownload = [&](download::TTsplBatchDownload& batch) {
                for (size_t n = 1; n < args_.words.size(); ++n) {
                    batch.AddFile(args_.words[n]);
                }
                if (!batch.btnDownloadClick()) {
                    status = kExitPrinterError;
                }
            };
            manager.MouseClick("btnDownload");
        } else if (verb == "delete" && (args_.all || args_.positionAll)) {
            manager.MouseClick(args_.all ? "btnDelAll" : "btnDelPosiAll");
        } else {
            const auto& files = manager.Files();
            const auto found = std::find(files.begin(), files.end(), args_.words[1]);
            if (found == files.end()) {
                streams_.err << "tolvane-cli: no file named " << args_.words[1] << " at position "
                             << args_.position << '\n';
                status = kExitPrinterError;
            } else {
                form.SetIndex("lstImagesList", static_cast<int>(found - files.begin()));
                manager.MouseClick(verb == "run" ? "btnPrint" : "btnDelCurrent");
            }
        }
        manager.FormClose();
        return status;
    }

  private:
    int FontDownload(TDLFontDialog& dialog) {
        if (args_.memory == "ram") {
            // The dialog keeps flash; RAM is chosen here as the list allows.
            dialog.Form().SetIndex("cmbFontID", 0);
        }
        if (!dialog.ChooseFile(args_.words[1])) {
            return kExitBadInput;
        }
        dialog.btnDLFontClick();
        while (dialog.Outcome() == TDLFontDialog::TOutcome::None && dialog.Busy()) {
            queue_.RunPending(std::chrono::milliseconds(100));
        }
        dialog.WaitForTransfer();
        queue_.RunPending();
        return dialog.Outcome() == TDLFontDialog::TOutcome::Success ? kExitDone : kExitPrinterError;
    }

    const TFontArgs& args_;
    TCliStreams streams_;
    download::TUiQueue queue_;
};

} // namespace

bool IsFontCommand(const std::string& word) {
    return word == "fonts" || word == "userfont" || word == "tspl-files";
}

std::string FontsHelp() {
    return "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) COMMAND\n"
           "\n"
           "  fonts list                                the stored fonts: memory, name\n"
           "  fonts download FILE [--memory flash|ram]  store a font\n"
           "  fonts delete NAME | fonts delete --all    delete a font, or every font\n"
           "  fonts test-print NAME TEXT [--width MM --height MM]\n"
           "                                            print TEXT in a stored font\n"
           "  userfont download FILE --encoding GBK|BIG5|JIS|EUC|ASCII\n"
           "                                            store a user font\n"
           "  tspl-files list [--position N|F]          the files a TSPL printer stores\n"
           "  tspl-files run NAME [--position N|F]      print a stored file\n"
           "  tspl-files delete NAME|--position-all|--all [--position N|F]\n"
           "                                            delete a file, a position, or everything\n"
           "  tspl-files download FILE... [--position N|F]\n"
           "                                            store files (by name and size,\n"
           "                                            or prepared download files)\n"
           "  tspl-files space [--position N|F]         the position's free and total space\n"
           "\n"
           "Position F is the memory card (the default), N the internal memory.\n";
}

std::string CheckFontArguments(const std::string& command, const std::vector<std::string>& args) {
    TFontArgs parsed;
    return Parse(command, args, parsed);
}

int RunFontCommand(const std::string& command, const std::vector<std::string>& args, TCliStreams streams,
                   TCliSink& sink) {
    TFontArgs parsed;
    if (const std::string error = Parse(command, args, parsed); !error.empty()) {
        streams.err << "tolvane-cli: " << error << '\n';
        return kExitBadInput;
    }
    const int errorsBefore = sink.Errors();
    TFontsRun run(parsed, streams);
    int status = command == "fonts" ? run.Fonts() : command == "userfont" ? run.UserFont() : run.TsplFiles();
    if (status == kExitDone && sink.Errors() != errorsBefore) {
        status = kExitPrinterError;
    }
    return status;
}

} // namespace tolvane::cli
