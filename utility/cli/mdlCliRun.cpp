#include "mdlCliRun.h"

#include "mdlArdelLength.h"
#include "mdlCatalogueOverlay.h"
#include "mdlCliDiagnostics.h"
#include "mdlCliFiles.h"
#include "mdlCliFirmware.h"
#include "mdlCliFonts.h"
#include "mdlCliOptions.h"
#include "mdlCliPrintText.h"
#include "mdlCliSink.h"
#include "mdlCompanyPrinterList.h"
#include "mdlFileUtil.h"
#include "mdlFormNet.h"
#include "mdlHeadlessSession.h"
#include "mdlModelList.h"
#include "mdlParaDialogModels.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"
#include "mdlParamsText.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibLoad.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterList.h"
#include "mdlPrinterSelection.h"
#include "mdlReplaceText.h"
#include "mdlRfidSet.h"

#include <algorithm>
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>

#ifndef TOLVANE_VERSION
#define TOLVANE_VERSION "0"
#endif

namespace tolvane::cli {
namespace {

using params::TParaDialogModel;

std::string Message(const std::string& key, const std::string& value) {
    return ReplaceText(params::Txt(key), value);
}

// The port word of an address as the printer list stores it; serial is
// what the printer-library facade takes for serial.
std::string PortKindOf(const std::string& address) {
    const std::string first = params::LowerAscii(address.substr(0, address.find(',')));
    if (IsSerialAddress(address)) {
        return "COM";
    }
    if (first.rfind("lpt", 0) == 0 || first.rfind("/dev/lp", 0) == 0 || first.rfind("/dev/usb/lp", 0) == 0 ||
        first.find("/lpt") != std::string::npos) {
        return "LPT";
    }
    if (first.rfind("net", 0) == 0 || first.find("/net") != std::string::npos ||
        first.find("/bt") != std::string::npos) {
        return "NET";
    }
    return "USB";
}

bool ValidAddress(const std::string& address) {
    return address.size() <= 256 && std::none_of(address.begin(), address.end(), [](char c) {
               return static_cast<unsigned char>(c) < 32 || c == '|';
           });
}

// Everything one run needs after the options were read.
class TCliRun {
  public:
    TCliRun(const TCliOptions& options, TCliStreams streams, TCliSink& sink)
        : options_(options), streams_(streams), sink_(sink) {}

    int Printers() {
        for (const TPrinterEntry& entry : LoadUserPrinterList()) {
            streams_.out << entry.ListName << '\t' << entry.PortAddress << '\n';
        }
        return kExitDone;
    }

    int ParamsGet() {
        if (const int selected = Select(); selected != kExitDone) {
            return selected;
        }
        if (!ChooseDialog()) {
            return kExitPrinterError;
        }
        std::unique_ptr<TParaDialogModel> dialog = NewDialog();
        if (!dialog) {
            return kExitPrinterError;
        }
        if (!Detect() || !Read(*dialog)) {
            return kExitPrinterError;
        }
        const std::string text = params::FormatParams(*dialog);
        dialog->FormDestroy();
        if (options_.outFile.empty()) {
            streams_.out << text;
            streams_.out.flush();
            return kExitDone;
        }
        if (!WriteFileAtomic(options_.outFile, text)) {
            sink_.ShowError(params::Txt("_Err_WriteData") + ":" + options_.outFile, {});
            return kExitPrinterError;
        }
        sink_.ShowInfo(Message("Cli_Done", options_.outFile), {});
        return kExitDone;
    }

    int ParamsSet() {
        std::string text;
        if (const int read = ReadInput(text); read != kExitDone) {
            return read;
        }
        const params::TParamsParse parsed = params::ParseParamsText(text);
        if (!parsed.ok) {
            return BadInput(parsed.error);
        }
        if (const int selected = Select(); selected != kExitDone) {
            return selected;
        }
        if (!ChooseDialog()) {
            return kExitPrinterError;
        }
        // The file is checked against a dialog that has not talked to the
        // printer, so that bad input sends nothing at all.
        std::unique_ptr<TParaDialogModel> offline = NewDialog();
        if (!offline) {
            return kExitPrinterError;
        }
        offline->GetVal = [](const std::string&) { return std::string(); };
        offline->Offline = true;
        offline->FormCreate();
        offline->FormShow();
        if (const params::TParamsApply checked = params::ApplyParams(*offline, parsed.lines, true);
            !checked.ok) {
            return BadInput(checked.error);
        }
        offline->FormDestroy();

        std::unique_ptr<TParaDialogModel> dialog = NewDialog();
        if (!dialog || !Detect() || !Read(*dialog)) {
            return kExitPrinterError;
        }
        if (const params::TParamsApply applied = params::ApplyParams(*dialog, parsed.lines, false);
            !applied.ok) {
            return BadInput(applied.error);
        }
        const int errorsBefore = sink_.Errors();
        dialog->btnSetClick();
        dialog->FormDestroy();
        return sink_.Errors() == errorsBefore ? kExitDone : kExitPrinterError;
    }

    // The firmware commands on the selected printer (sections --list
    // needs none).
    int Firmware() {
        const TCliFirmware firmware(options_, streams_, sink_);
        if (options_.command == TCliCommand::FirmwareSections && options_.listOnly) {
            return firmware.ListSections();
        }
        // The file is checked before the printer is selected.
        if (const int checked = firmware.CheckFile(); checked != kExitDone) {
            return checked;
        }
        if (const int selected = Select(); selected != kExitDone) {
            return selected;
        }
        return firmware.Run();
    }

    int PrintText() {
        const int selected = Select();
        return selected != kExitDone ? selected : RunPrintText(options_, sink_, streams_.out, streams_.err);
    }

    int ScanTest() {
        const int selected = Select();
        return selected != kExitDone ? selected : RunScanTest(options_, sink_, streams_.out, streams_.err);
    }

    int Files() {
        if (const int selected = Select(); selected != kExitDone) {
            return selected;
        }
        if (!Detect()) {
            return kExitPrinterError;
        }
        // The main window's rule: printers of the catalogue key take the image-only dialog.
        const bool imagesOnly = IsModelInList(PrinterIdentity().Model, ReadCatalogue("DLFile_Kavo"));
        return RunFilesCommand(options_.filesArgs, imagesOnly, streams_, sink_);
    }

    int Fonts() {
        if (const int selected = Select(); selected != kExitDone) {
            return selected;
        }
        if (!Detect()) {
            return kExitPrinterError;
        }
        return RunFontCommand(options_.fontCommand, options_.filesArgs, streams_, sink_);
    }

    int Rfid() {
        if (const int selected = Select(); selected != kExitDone) {
            return selected;
        }
        std::unique_ptr<TParaDialogModel> made =
            params::CreateParaDialogModel(params::TRfidSet::kClassName, params::SelectedPrinterContext());
        auto* rfid = dynamic_cast<params::TRfidSet*>(made.get());
        if (rfid == nullptr) {
            return kExitPrinterError;
        }
        rfid->FormCreate();
        // The input is checked before the printer is reached.
        params::TFormModel& form = rfid->Form();
        const std::string& action = options_.rfidAction;
        const std::string& argument = options_.rfidArgument;
        if (action == "read" && !options_.rfidLength.empty()) {
            form.SetText("edtRfidRLen", options_.rfidLength);
        }
        const std::optional<long> number = params::ParseSmallInteger(argument);
        if ((action == "read" || action == "write") &&
            !params::ParseSmallInteger(form["edtRfidRLen"].text).has_value()) {
            return BadInput(params::TxtWith("Lang00010001", std::to_string(params::TRfidSet::kMaxTagBytes)));
        }
        if (action == "read") {
            const std::optional<long> length = params::ParseSmallInteger(form["edtRfidRLen"].text);
            if (!length || *length < 1 || *length > params::TRfidSet::kMaxTagBytes) {
                return BadInput(
                    params::TxtWith("Lang00010001", std::to_string(params::TRfidSet::kMaxTagBytes)));
            }
        } else if (action == "write") {
            const bool hex = !argument.empty() && argument.size() % 2 == 0 &&
                             argument.size() <= 2 * params::TRfidSet::kMaxTagBytes &&
                             std::all_of(argument.begin(), argument.end(),
                                         [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
            if (!hex) {
                return BadInput(params::Txt("Lang00010004") + ": " + argument);
            }
            form.SetText("edtRfidW", argument);
            rfid->edtRfidWChange();
            form.SetIndex("chkWR", options_.rfidVerify ? 1 : 0);
        } else if (action == "power" || action == "threshold") {
            const bool power = action == "power";
            const long max = power ? params::TRfidSet::kPowerMax : params::TRfidSet::kRssiMax;
            if (!number || *number < 0 || *number > max) {
                return BadInput(power ? "power: 0 to 150" : "threshold: 0 to 255");
            }
            form.SetText(power ? "edtTranPower" : "edtRssiStrength", argument);
        }
        if (!Detect()) {
            return kExitPrinterError;
        }
        const int errorsBefore = sink_.Errors();
        bool done = false;
        if (action == "read") {
            done = rfid->btnRfidRClick();
            if (done) {
                streams_.out << "data=" << form["edtRfidR"].text << '\n';
            }
        } else if (action == "write") {
            done = rfid->btnRfidWClick();
            if (options_.rfidVerify && !form["edtRfidR"].text.empty()) {
                streams_.out << "data=" << form["edtRfidR"].text << '\n';
            }
        } else if (action == "power") {
            done = rfid->btnWTranPowerClick();
        } else if (action == "threshold") {
            done = rfid->btnWRssiStrengthClick();
        } else if (action == "info") {
            done = rfid->btnReadParaClick();
            PrintRfidInfo(*rfid);
            if (!done && sink_.Errors() == errorsBefore) {
                sink_.ShowError(form["StatusBarA"].text, {});
            }
        } else if (action == "calibrate") {
            done = rfid->btnRfidLearnClick();
        }
        streams_.out.flush();
        return done && sink_.Errors() == errorsBefore ? kExitDone : kExitPrinterError;
    }

  private:
    // What "rfid info" read, one "name=value" line each; a value the
    // printer did not give is left out and named on a "; not read:" line.
    void PrintRfidInfo(const params::TRfidSet& rfid) {
        const params::TFormModel& form = rfid.Form();
        const std::pair<const char*, const char*> lines[] = {
            {"power", "edtTranPower"}, {"threshold", "edtRssiStrength"}, {"version", "edtRfidVersion"}};
        const std::vector<std::string> shown = rfid.ParameterControls();
        std::string unread;
        for (const auto& [name, field] : lines) {
            if (std::find(shown.begin(), shown.end(), field) == shown.end()) {
                continue;
            }
            if (params::HasValue(form, field)) {
                streams_.out << name << '=' << form[field].text << '\n';
            } else {
                unread += (unread.empty() ? "" : " ") + std::string(name);
            }
        }
        if (!unread.empty()) {
            streams_.out << "; not read: " << unread << '\n';
        }
    }

    int BadInput(const std::string& message) {
        streams_.err << "tolvane-cli: " << message << '\n';
        return kExitBadInput;
    }

    int ReadInput(std::string& text) {
        if (options_.inFile == "-") {
            // At most one byte more than a text may have is read, so a
            // endless input cannot fill the memory.
            char chunk[4096];
            while (text.size() <= params::kParamsTextMaxBytes &&
                   streams_.in.read(chunk, sizeof chunk).gcount() > 0) {
                text.append(chunk, static_cast<std::size_t>(streams_.in.gcount()));
            }
            if (text.size() > params::kParamsTextMaxBytes) {
                return BadInput(Message("Cli_FileTooLarge", "-"));
            }
            return kExitDone;
        }
        // The size tells a file too large from one that cannot be read,
        // without reading it.
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(options_.inFile, error);
        if (!error && size > params::kParamsTextMaxBytes) {
            return BadInput(Message("Cli_FileTooLarge", options_.inFile));
        }
        if (error || !ReadWholeFile(options_.inFile, params::kParamsTextMaxBytes, text)) {
            return BadInput(Message("Cli_FileUnreadable", options_.inFile));
        }
        return kExitDone;
    }

  public:
    // Selects the printer of the command line: a printer list entry, or a
    // model at an address.
    int Select() {
        TPrinterEntry entry;
        if (!options_.printerName.empty()) {
            const std::vector<TPrinterEntry> printers = LoadUserPrinterList();
            const auto found =
                std::find_if(printers.begin(), printers.end(), [&](const TPrinterEntry& printer) {
                    return printer.ListName == options_.printerName;
                });
            if (found == printers.end()) {
                return BadInput(Message("Cli_NoPrinter", options_.printerName));
            }
            entry = *found;
        } else {
            const std::vector<std::string> models = CompanyPrinterList();
            if (std::find(models.begin(), models.end(), options_.model) == models.end()) {
                return BadInput(Message("Cli_UnknownModel", options_.model));
            }
            if (!ValidAddress(options_.portAddress)) {
                return BadInput("--port: " + options_.portAddress);
            }
            entry.ListName = options_.model;
            entry.PortAddress = options_.portAddress;
            entry.PortKind = PortKindOf(options_.portAddress);
        }
        const TSelectionOutcome outcome = SelectPrinter(entry);
        if (outcome.createResult != 0) {
            sink_.ShowError(params::Txt("_Err_CreatePrinter") + ":" + std::to_string(outcome.createResult),
                            {});
            return kExitPrinterError;
        }
        return kExitDone;
    }

  private:
    // The dialog class: the one asked for, or the main window's choice; false
    // when the choice's firmware check decided nothing (its box was shown).
    bool ChooseDialog() {
        if (!options_.dialogClass.empty()) {
            dialogClass_ = options_.dialogClass;
            return true;
        }
        const TParaDialogChoice choice = ChooseParaDialogForSelectedPrinter();
        dialogClass_ = choice.dialog;
        return !choice.failed;
    }

    std::unique_ptr<TParaDialogModel> NewDialog() {
        std::unique_ptr<TParaDialogModel> dialog =
            params::CreateParaDialogModel(dialogClass_, params::SelectedPrinterContext());
        // The Ethernet dialog exists for the printers with Ethernet settings only.
        const auto* net = dynamic_cast<const params::TFormNet*>(dialog.get());
        if (!dialog || (net != nullptr && !net->IsHalden())) {
            sink_.ShowError(Message("Cli_NoDialog", dialogClass_), {});
            return nullptr;
        }
        return dialog;
    }

    // What the main window does before it opens a dialog.
    bool Detect() {
        const int errorsBefore = sink_.Errors();
        const bool ready = PrepareDialogOpen();
        return ready && sink_.Errors() == errorsBefore;
    }

    // Creation, showing and the read, as opening the dialog runs them.
    bool Read(TParaDialogModel& dialog) {
        const int errorsBefore = sink_.Errors();
        // The dialog is created while the printer's port is open, as the
        // main window creates it.
        if (!PrtLib_BeginCommand()) {
            return false;
        }
        dialog.FormCreate();
        PrtLib_EndCommand();
        dialog.FormShow();
        dialog.StartRead();
        return sink_.Errors() == errorsBefore;
    }

    const TCliOptions& options_;
    TCliStreams streams_;
    TCliSink& sink_;
    std::string dialogClass_;
};

} // namespace

int RunCli(const std::vector<std::string>& args, TCliStreams streams) {
    const TCliParse parsed = ParseCliArguments(args);
    if (!parsed.options) {
        streams.err << "tolvane-cli: " << parsed.error << '\n';
        return kExitBadInput;
    }
    const TCliOptions& options = *parsed.options;
    if (options.command == TCliCommand::Help) {
        streams.out << CliHelp(options.helpTopic);
        return kExitDone;
    }
    if (options.command == TCliCommand::Version) {
        streams.out << "tolvane-cli " << TOLVANE_VERSION << '\n';
        return kExitDone;
    }

    TCliSink sink(streams.out, streams.err);
    SetMessageSink(&sink);
    if (streams.bindLibraries) {
        std::string error;
        if (!PrtLib_LoadLibraries(error)) {
            streams.err << "tolvane-cli: " << error << '\n';
            SetMessageSink(nullptr);
            return kExitPrinterError;
        }
    }
    std::vector<std::string> sessionArgs = {args.empty() ? std::string("tolvane-cli") : args.front()};
    if (!options.languageId.empty()) {
        sessionArgs.push_back(LanguageSwitchFor(options.languageId));
    }
    StartHeadlessSession(sessionArgs);

    TCliRun run(options, streams, sink);
    int status = kExitDone;
    switch (options.command) {
    case TCliCommand::Printers:
        status = run.Printers();
        break;
    case TCliCommand::ParamsGet:
        status = run.ParamsGet();
        break;
    case TCliCommand::ParamsSet:
        status = run.ParamsSet();
        break;
    case TCliCommand::Send:
    case TCliCommand::Read:
    case TCliCommand::Status:
    case TCliCommand::Info:
        status = RunDiagnosticCommand(options, streams, sink, [&run] { return run.Select(); });
        break;
    case TCliCommand::FirmwareMethod:
    case TCliCommand::FirmwareOta:
    case TCliCommand::FirmwareSections:
    case TCliCommand::FirmwareDfu:
        status = run.Firmware();
        break;
    case TCliCommand::PrintText:
        status = run.PrintText();
        break;
    case TCliCommand::ScanTest:
        status = run.ScanTest();
        break;
    case TCliCommand::Fonts:
        status = run.Fonts();
        break;
    case TCliCommand::Files:
        status = run.Files();
        break;
    case TCliCommand::Rfid:
        status = run.Rfid();
        break;
    default:
        break;
    }
    PrtLib_Close(TPrtLib::Escrix);
    PrtLib_Close(TPrtLib::Cobrix);
    PrtLib_Close(TPrtLib::Tsprix);
    EndHeadlessSession();
    if (streams.bindLibraries) {
        PrtLib_UnloadLibraries();
    }
    SetMessageSink(nullptr);
    return status;
}

} // namespace tolvane::cli
