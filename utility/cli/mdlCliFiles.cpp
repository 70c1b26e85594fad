#include "mdlCliFiles.h"

#include "mdlDLFile.h"
#include "mdlDLUiQueue.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib_Call.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <ostream>
#include <unistd.h>

namespace tolvane::cli {
namespace {

using download::TDLFileDialog;

struct TFilesArgs {
    std::string verb;
    std::string target; // FILE, NAME, list kind, on/off
    std::string kind;   // image, template, autoform
    std::string memory = "flash";
    std::string scale = "1.0";
    std::string language = "ZPL";
    bool all = false;
};

const std::vector<std::string> kKinds = {"image", "template", "autoform"};
const std::vector<std::string> kScales = {"1.0", "1.5", "2.0", "2.5", "3.0"};
const std::vector<std::string> kLanguages = {"ZPL", "DPL", "EPL", "TSPL"};

bool OneOf(const std::vector<std::string>& values, const std::string& value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

std::string Parse(const std::vector<std::string>& args, TFilesArgs& out) {
    std::vector<std::string> words;
    for (size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        auto value = [&](std::string& into, const std::vector<std::string>& allowed) {
            if (n + 1 >= args.size() || !OneOf(allowed, args[n + 1])) {
                return false;
            }
            into = args[++n];
            return true;
        };
        if (arg == "--kind") {
            if (!value(out.kind, kKinds)) {
                return "--kind takes image, template or autoform";
            }
        } else if (arg == "--memory") {
            if (!value(out.memory, {"flash", "ram"})) {
                return "--memory takes flash or ram";
            }
        } else if (arg == "--scale") {
            if (!value(out.scale, kScales)) {
                return "--scale takes 1.0, 1.5, 2.0, 2.5 or 3.0";
            }
        } else if (arg == "--language") {
            if (!value(out.language, kLanguages)) {
                return "--language takes ZPL, DPL, EPL or TSPL";
            }
        } else if (arg == "--all") {
            out.all = true;
        } else if (arg.rfind("--", 0) == 0) {
            return "unknown option " + arg;
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        return "files needs a command (try files --help)";
    }
    out.verb = words[0];
    const size_t operands = words.size() - 1;
    if (operands == 1) {
        out.target = words[1];
    }
    if (out.verb == "list") {
        if (operands > 1 || (operands == 1 && !OneOf({"images", "templates", "autoforms"}, out.target))) {
            return "files list takes images, templates or autoforms";
        }
    } else if (out.verb == "download") {
        if (operands != 1) {
            return "files download takes one FILE";
        }
        if (out.kind.empty()) {
            std::string lower = params::LowerAscii(out.target);
            out.kind = lower.ends_with(".prn") ? "template" : "image";
        }
    } else if (out.verb == "print" || (out.verb == "delete" && !out.all)) {
        if (operands != 1) {
            return "files " + out.verb + " takes one NAME";
        }
    } else if (out.verb == "delete") {
        if (operands != 0) {
            return "files delete --all takes no NAME";
        }
    } else if (out.verb == "autoform") {
        if (operands != 1 || (out.target != "on" && out.target != "off")) {
            return "files autoform takes on or off";
        }
    } else if (out.verb == "memory") {
        if (operands != 0) {
            return "files memory takes no argument";
        }
    } else {
        return "unknown files command " + out.verb;
    }
    if (out.kind.empty()) {
        out.kind = "image";
    }
    return {};
}

struct TListOf {
    const char* control;
    const char* refresh;
    const char* print;
    const char* deleteOne;
    const char* deleteAll;
};

TListOf ListOf(const std::string& kind) {
    if (kind == "template") {
        return {"ListView1", "btnGetAllTmp", "btnPrintTmp", "btnDelCurTmp", "btnDelAllTmp"};
    }
    if (kind == "autoform") {
        return {"lsbAutoTmp", "btnGetAutoTmp", "btnPrintAutoTmp", "btnDeleteAutoTmp", nullptr};
    }
    return {"lvFonts", "btnGetAllImage", "btnPrintImage", "btnDelCurImage", "btnDelAllImage"};
}

void Press(TDLFileDialog& dialog, const std::string& kind, const char* button) {
    if (kind == "template") {
        dialog.DoActive_Label(button);
    } else if (kind == "autoform") {
        dialog.DoActive_AutoTmp(button);
    } else {
        dialog.DoActive_Bitmap(button);
    }
}

class TFilesRun {
  public:
    TFilesRun(const TFilesArgs& args, bool imagesOnly, TCliStreams streams, TCliSink& sink)
        : args_(args), streams_(streams), sink_(sink), dialog_(params::SelectedPrinterContext(), imagesOnly) {
        dialog_.SetPost([this](std::function<void()> work) { queue_.Post(std::move(work)); });
        dialog_.AskBeforeDelete = false; // the command line is the request
    }

    int Run() {
        const int errorsBefore = sink_.Errors();
        dialog_.FormShow();
        int status = kExitDone;
        if (args_.verb == "list") {
            status = List();
        } else if (args_.verb == "download") {
            status = Download();
        } else if (args_.verb == "print" || args_.verb == "delete") {
            status = PrintOrDelete();
        } else if (args_.verb == "autoform") {
            status = Autoform();
        } else {
            status = Memory();
        }
        dialog_.FormClose();
        if (status == kExitDone && sink_.Errors() != errorsBefore) {
            status = kExitPrinterError;
        }
        return status;
    }

  private:
    void Refresh(const std::string& kind) { Press(dialog_, kind, ListOf(kind).refresh); }

    int List() {
        for (const char* kind : {"image", "template", "autoform"}) {
            const std::string plural = std::string(kind) + "s";
            if (!args_.target.empty() && args_.target != plural) {
                continue;
            }
            if (dialog_.ImagesOnly() && std::string(kind) != "image") {
                continue;
            }
            Refresh(kind);
            for (const std::string& entry : dialog_.Form()[ListOf(kind).control].items) {
                const bool tabbed = entry.find('\t') != std::string::npos;
                streams_.out << kind << '\t'
                             << (tabbed ? TDLFileDialog::EntryMemory(entry) : std::string("-")) << '\t'
                             << TDLFileDialog::EntryName(entry) << '\n';
            }
        }
        return kExitDone;
    }

    int Download() {
        auto& form = dialog_.Form();
        const int kind = args_.kind == "template" ? 1 : args_.kind == "autoform" ? 2 : 0;
        if (dialog_.ImagesOnly() && kind != 0) {
            streams_.err << "tolvane-cli: this printer takes images only\n";
            return kExitBadInput;
        }
        form.SetIndex("cmbFileType", kind);
        dialog_.cmbFileTypeChange();
        form.SetIndex(
            "cmbImageTimes",
            static_cast<int>(std::find(kScales.begin(), kScales.end(), args_.scale) - kScales.begin()));
        form.SetIndex("cmbPPL",
                      static_cast<int>(std::find(kLanguages.begin(), kLanguages.end(), args_.language) -
                                       kLanguages.begin()));
        if ((args_.memory == "ram") != (form["ComboBox1"].index == 0)) {
            form.SetIndex("ComboBox1", args_.memory == "ram" ? 0 : 1);
            dialog_.GetSpace();
        }
        if (!dialog_.ChooseFile(args_.target)) {
            return kExitBadInput;
        }
        dialog_.btnDLFileClick();
        const bool terminal = ::isatty(STDERR_FILENO) == 1 && &streams_.err == &std::cerr;
        while (dialog_.Outcome() == TDLFileDialog::TOutcome::None && dialog_.Busy()) {
            queue_.RunPending(std::chrono::milliseconds(100));
            if (terminal && form["ProgressBar2"].visible) {
                const int total = std::max(1, form["ProgressBar2"].maxLength);
                const int done = std::clamp(form["ProgressBar2"].index, 0, total);
                const int bar = done * 40 / total;
                streams_.err << "\r[" << std::string(static_cast<size_t>(bar), '#')
                             << std::string(static_cast<size_t>(40 - bar), ' ') << "] " << done << '/'
                             << total << std::flush;
            }
        }
        dialog_.WaitForTransfer();
        queue_.RunPending();
        if (terminal) {
            streams_.err << '\n';
        }
        switch (dialog_.Outcome()) {
        case TDLFileDialog::TOutcome::Success:
            return kExitDone;
        case TDLFileDialog::TOutcome::None:
            return dialog_.Busy() ? kExitPrinterError : kExitBadInput;
        default:
            return kExitPrinterError;
        }
    }

    int PrintOrDelete() {
        const TListOf list = ListOf(args_.kind);
        Refresh(args_.kind);
        auto& form = dialog_.Form();
        if (args_.all) {
            if (list.deleteAll == nullptr) {
                const int count = static_cast<int>(form[list.control].items.size());
                for (int i = 0; i < count; ++i) {
                    form.SetIndex(list.control, 0);
                    Press(dialog_, args_.kind, list.deleteOne);
                }
            } else {
                Press(dialog_, args_.kind, list.deleteAll);
            }
            return kExitDone;
        }
        const auto& items = form[list.control].items;
        const auto found = std::find_if(items.begin(), items.end(), [&](const std::string& entry) {
            return TDLFileDialog::EntryName(entry) == args_.target;
        });
        if (found == items.end()) {
            streams_.err << "tolvane-cli: no stored " << args_.kind << " named " << args_.target << '\n';
            return kExitPrinterError;
        }
        form.SetIndex(list.control, static_cast<int>(found - items.begin()));
        Press(dialog_, args_.kind, args_.verb == "print" ? list.print : list.deleteOne);
        return kExitDone;
    }

    int Autoform() {
        Refresh("autoform");
        const bool on =
            dialog_.Form()["btnSwitchAutoform"].text == params::Txt("FormDLFile_btnSwitchAutoform2");
        if (on != (args_.target == "on")) {
            dialog_.DoActive_AutoTmp("btnSwitchAutoform");
        }
        return kExitDone;
    }

    int Memory() {
        if (!dialog_.Form()["lblSpace_File"].visible && !dialog_.GetSpace()) {
            return kExitPrinterError;
        }
        streams_.out << dialog_.Form()["lblSpace_File"].text << '\n';
        return kExitDone;
    }

    const TFilesArgs& args_;
    TCliStreams streams_;
    TCliSink& sink_;
    download::TUiQueue queue_;
    TDLFileDialog dialog_;
};

} // namespace

std::string FilesHelp() {
    return "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) files COMMAND\n"
           "\n"
           "  files list [images|templates|autoforms]   the stored files: kind, memory, name\n"
           "  files download FILE [--kind image|template|autoform] [--memory flash|ram]\n"
           "                 [--scale 1.0|1.5|2.0|2.5|3.0] [--language ZPL|DPL|EPL|TSPL]\n"
           "                                            store a file (kind by default: template\n"
           "                                            for .prn, image otherwise)\n"
           "  files print NAME [--kind ...]             print a stored file\n"
           "  files delete NAME [--kind ...]            delete a stored file\n"
           "  files delete --all [--kind ...]           delete every stored file of the kind\n"
           "  files autoform on|off                     switch the auto label mode\n"
           "  files memory                              the free and used memory\n"
           "\n"
           "A download shows a progress bar on standard error when it is a terminal.\n";
}

std::string CheckFilesArguments(const std::vector<std::string>& args) {
    TFilesArgs parsed;
    return Parse(args, parsed);
}

int RunFilesCommand(const std::vector<std::string>& args, bool imagesOnly, TCliStreams streams,
                    TCliSink& sink) {
    TFilesArgs parsed;
    if (const std::string error = Parse(args, parsed); !error.empty()) {
        streams.err << "tolvane-cli: " << error << '\n';
        return kExitBadInput;
    }
    TFilesRun run(parsed, imagesOnly, streams, sink);
    return run.Run();
}

} // namespace tolvane::cli
