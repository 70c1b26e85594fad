// The printer information (`T_frmPrinterInformation`) without its window:
// three rows read once when it is shown (production date, print length,
// firmware version), each asked for in the way the model's generation
// answers, through the catalogue keys and built-in lists.
#pragma once

#include "mdlParaDialogModel.h"
#include "mdlParaSetKavo.h"

#include <string>
#include <vector>

namespace tolvane::diagnostics {

// How each row is read for a printer.
enum class TProduceDateWay { Hidden, RawBytes, Text };
enum class TPrintLengthWay { MileageMillimetres, MileageInches, Journey };
enum class TFirmwareWay { PrinterVersion, Version, VersionBytes };
struct TInformationWays {
    TProduceDateWay produceDate = TProduceDateWay::Hidden;
    TPrintLengthWay printLength = TPrintLengthWay::Journey;
    bool journeyMillimetres = false; // "JourneyMM"
    TFirmwareWay firmware = TFirmwareWay::VersionBytes;
    bool versionBytes4 = false; // "VersionLength4"
};
// The ways for a printer list name and model, from the catalogue, the
// built-in lists and the edition's features.
TInformationWays InformationWays(const std::string& listName, const std::string& model);

class TPrinterInformation : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmPrinterInformation";
    // Waits of the fixed commands.
    static constexpr int kJourneyWaitMs = 600;
    static constexpr int kVersionWaitMs = 100;
    static constexpr int kProduceTimeWaitMs = 50;
    static constexpr int kPrinterVersionWaitMs = 200;
    // Layout of the rows and the fitted window.
    static constexpr int kRowsTop = 12;
    static constexpr int kRowHeight = 22;

    explicit TPrinterInformation(params::TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    // Rows, their visibility, the fitted window, the texts.
    void FormCreate() override;
    // Reads and shows the three values.
    void FormShow() override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    std::string GetProduceDate();
    std::string GetPrintLength();
    std::string GetFirmwareVersion();

    const TInformationWays& Ways() const { return ways_; }
    // The visible rows as label and value, in order (the command line's output).
    std::vector<std::pair<std::string, std::string>> VisibleRows() const;

  private:
    void InitLanguage();

    TInformationWays ways_;
    params::TObj_Ult_PrtParaManage rows_;
};

} // namespace tolvane::diagnostics
