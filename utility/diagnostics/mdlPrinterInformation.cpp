#include "mdlPrinterInformation.h"

#include "mdlCatalogueOverlay.h"
#include "mdlCoreHooks.h"
#include "mdlHexText.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterInformationValues.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <array>

namespace tolvane::diagnostics {
namespace {

using params::TControlKind;
using params::Txt;

// The models whose mileage reply is in millimetres.
constexpr std::string_view kMillimetreMileageModels = ",Lorvik,MiroC,";

// "model," anywhere in a catalogue value (the test of "GDS" and
// "VersionLength4" here).
bool CatalogueHasModelComma(const std::string& key, const std::string& model) {
    return !model.empty() && ReadCatalogue(key).find(model + ",") != std::string::npos;
}

bool InCatalogue(const std::string& key, const std::string& name) {
    return IsModelInList(name, ReadCatalogue(key));
}

bool HasFeature(const std::string& key, const std::string& model) {
    return CoreHooks().FeatureModelList && IsModelInList(model, CoreHooks().FeatureModelList(key));
}

// The first name of the production-date exception list.
std::string FirstExceptionName() {
    const std::string& list = BuiltInList(lists::ProduceDateExceptNames);
    const std::size_t start = list.find_first_not_of(',');
    if (start == std::string::npos) {
        return {};
    }
    return list.substr(start, list.find(',', start) - start);
}

// Writes a fixed command through the printer's library, waits and reads up
// to `length` bytes; the bytes read (none after a failed write or read).
std::vector<uint8_t> AskPrinter(std::string_view command, int waitMs, int length) {
    if (PrtLib_Write(command) != 0) {
        return {};
    }
    PauseMs(waitMs);
    std::vector<uint8_t> reply(static_cast<std::size_t>(length));
    int count = 0;
    const int result = PrtLib_Read(reply.data(), length, count);
    reply.resize(ReadFailed(result, count) || count < 0 ? 0 : static_cast<std::size_t>(count));
    return reply;
}

} // namespace

TInformationWays InformationWays(const std::string& listName, const std::string& model) {
    TInformationWays ways;
    if (InCatalogue("GetProduceDateByGDS", model) &&
        !InBuiltInList(lists::ProduceDateExceptNames, listName)) {
        ways.produceDate = InBuiltInList(lists::RawProduceTimeModels, model) ? TProduceDateWay::RawBytes
                                                                             : TProduceDateWay::Text;
    }
    const bool gds = CatalogueHasModelComma("GDS", model);
    if (InCatalogue("Miro_Mileage", listName)) {
        ways.printLength = IsModelInList(model, kMillimetreMileageModels)
                               ? TPrintLengthWay::MileageMillimetres
                               : TPrintLengthWay::MileageInches;
    } else if (InCatalogue("Miro_Mileage", model) || gds) {
        ways.printLength = TPrintLengthWay::MileageInches;
    } else {
        ways.printLength = TPrintLengthWay::Journey;
        ways.journeyMillimetres = InCatalogue("JourneyMM", model);
    }
    if (HasFeature("FTNNo_GetFirmwareVer_Type1", model) || listName == FirstExceptionName()) {
        ways.firmware = TFirmwareWay::PrinterVersion;
    } else if (gds) {
        ways.firmware = TFirmwareWay::Version;
    } else {
        ways.firmware = TFirmwareWay::VersionBytes;
        ways.versionBytes4 = CatalogueHasModelComma("VersionLength4", model);
    }
    return ways;
}

TPrinterInformation::TPrinterInformation(params::TParaDialogContext context)
    : TActionDialogModel(std::move(context)) {
    params::TFormModel& form = Form();
    const struct {
        const char* name;
        TControlKind kind;
        int left, width;
    } layout[] = {
        {"lblProduceDate", TControlKind::Label, 12, 150}, {"lblProduceDateV", TControlKind::Label, 168, 220},
        {"lblPrintLength", TControlKind::Label, 12, 150}, {"lblPrintLengthV", TControlKind::Label, 168, 220},
        {"lblFirmwareVer", TControlKind::Label, 12, 150}, {"lblFirmwareVerV", TControlKind::Label, 168, 220},
    };
    for (const auto& entry : layout) {
        params::TControl& control = form.Add(entry.name, entry.kind);
        control.left = entry.left;
        control.top = kRowsTop;
        control.width = entry.width;
        control.height = kRowHeight;
    }
    params::TControl& close = form.Add("btnClose", TControlKind::Button);
    close.left = 292;
    close.width = 96;
    close.height = 30;
    close.top = 0;
}

void TPrinterInformation::FormCreate() {
    params::TFormModel& form = Form();
    ways_ = InformationWays(Context().listName, Context().model);
    rows_.Clear();
    const auto row = [&](const char* label, const char* value, bool visible) {
        rows_.Add(label, kRowHeight, {{&form, label}, {&form, value}}, visible);
    };
    row("lblProduceDate", "lblProduceDateV", ways_.produceDate != TProduceDateWay::Hidden);
    row("lblPrintLength", "lblPrintLengthV", true);
    row("lblFirmwareVer", "lblFirmwareVerV", true);
    // The rows' panel has no border; the close button stands 6 pixels below
    // it and the window ends 6 pixels below the button.
    const int panelBottom = rows_.Layout(kRowsTop);
    const params::TControl& close = form["btnClose"];
    form.Move("btnClose", close.left, panelBottom + 6);
    form.SetClientSize(400, panelBottom + 6 + close.height + 6);
    InitLanguage();
}

void TPrinterInformation::InitLanguage() {
    params::TFormModel& form = Form();
    form.SetTitle(Txt("FormPrinterInformation_Caption"));
    form.SetText("lblProduceDate", Txt("FormPrinterInformation_lblProduceDate"));
    form.SetText("lblPrintLength", Txt("FormPrinterInformation_lblPrintLength"));
    form.SetText("lblFirmwareVer", Txt("Lang_All_00210351_11") + Txt("Lang_All_00010002_11"));
    form.SetText("btnClose", Txt("_Close"));
}

void TPrinterInformation::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnClose") {
        RequestClose();
    }
}

void TPrinterInformation::FormShow() {
    params::TFormModel& form = Form();
    for (const char* value : {"lblProduceDateV", "lblPrintLengthV", "lblFirmwareVerV"}) {
        form.SetText(value, {});
    }
    // Every exchange goes through the library of the printer's command
    // language, the one the value reads use, over one port.
    const int opened = PrtLib_Open(PrinterIdentity().PortAddress);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        PrtLib_Close();
        ShowOpenPortError(opened);
        return;
    }
    if (ways_.produceDate != TProduceDateWay::Hidden) {
        form.SetText("lblProduceDateV", GetProduceDate());
    }
    form.SetText("lblPrintLengthV", GetPrintLength());
    form.SetText("lblFirmwareVerV", GetFirmwareVersion());
    PrtLib_Close();
}

std::string TPrinterInformation::GetProduceDate() {
    const std::string key = QuoteKey("factory_produce_time");
    if (ways_.produceDate == TProduceDateWay::RawBytes) {
        if (PrtLib_Write(GetValFrame(key)) != 0) {
            return {};
        }
        PauseMs(kProduceTimeWaitMs);
        std::array<uint8_t, 8> reply{};
        int count = 0;
        const int result = PrtLib_Read(reply.data(), static_cast<int>(reply.size()), count);
        if (ReadFailed(result, count) || count < 1) {
            return {};
        }
        return BytesToText(std::span<const uint8_t>(reply.data(), static_cast<std::size_t>(count)));
    }
    const std::string reply = CmdGetVal(key);
    return reply.size() == 8 ? reply : LangText("_Err_ReadData");
}

std::string TPrinterInformation::GetPrintLength() {
    const char point = LocaleDecimalPoint();
    if (ways_.printLength != TPrintLengthWay::Journey) {
        // A reply that is not a whole number is a read error of this row
        // alone; the other rows are still read and the port is closed.
        const std::optional<long long> number = MileageNumber(CmdGetVal(QuoteKey("mileage")));
        if (!number) {
            return LangText("_Err_ReadData");
        }
        return ways_.printLength == TPrintLengthWay::MileageMillimetres
                   ? MillimetreMileageText(*number, point)
                   : InchMileageText(*number, point);
    }
    const std::vector<uint8_t> reply = AskPrinter("ZZZGETJOURNEY\r\n", kJourneyWaitMs, 4);
    if (reply.size() != 4) {
        return LangText("_Err_ReadData");
    }
    const int32_t journey = JourneyNumber(std::span<const uint8_t, 4>(reply.data(), 4));
    return JourneyText(journey, ways_.journeyMillimetres, point);
}

std::string TPrinterInformation::GetFirmwareVersion() {
    switch (ways_.firmware) {
    case TFirmwareWay::PrinterVersion:
        return CmdGetValWait(QuoteKey("printer_version"), kPrinterVersionWaitMs);
    case TFirmwareWay::Version:
        return CmdGetVal(QuoteKey("version"));
    case TFirmwareWay::VersionBytes:
        break;
    }
    const std::vector<uint8_t> reply =
        AskPrinter("ZZZGETVERSION\r\n", kVersionWaitMs, ways_.versionBytes4 ? 4 : 3);
    return VersionText(reply).value_or(LangText("_Err_ReadData"));
}

std::vector<std::pair<std::string, std::string>> TPrinterInformation::VisibleRows() const {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& row : rows_.Items) {
        if (row->Visible && row->Controls.size() == 2) {
            rows.emplace_back(Form()[row->Controls[0].name].text, Form()[row->Controls[1].name].text);
        }
    }
    return rows;
}

} // namespace tolvane::diagnostics
