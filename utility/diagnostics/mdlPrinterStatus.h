// The printer status (`T_frmPrinterStatus`) without its window: the
// printer's 20-byte status block (getval "printer_status"), of which bytes
// 18 and 17 carry one condition per bit, listed one a line.
#pragma once

#include "mdlParaDialogModel.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::diagnostics {

inline constexpr int kStatusBlockSize = 20;

// One condition: the byte and bit of the status block that carry it and
// its name (the language key is "FormPrinterStatus_" + name).
struct TStatusCondition {
    int byte;
    uint8_t mask;
    std::string_view name;
};
// Every condition, in the order the list shows them: byte 18 from bit 0 to
// bit 7, then byte 17 from bit 0 to bit 5.
std::span<const TStatusCondition> StatusConditions();

// The conditions whose bits are set in a block; nothing for a block that
// is not exactly 20 bytes long.
std::optional<std::vector<TStatusCondition>> SetConditions(std::span<const uint8_t> block);

// Reads the status block through the one-shot value read; the bytes read
// (fewer than 20 when the printer answered short or not at all).
std::vector<uint8_t> ReadStatusBlock();

class TPrinterStatus : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmPrinterStatus";

    explicit TPrinterStatus(params::TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override {}
    // Texts, then the first refresh.
    void FormShow() override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    void InitLanguage();
    void btnRefreshClick();

    // The block of the last refresh (empty before, or after a port error).
    const std::vector<uint8_t>& Block() const { return block_; }
    // Whether the last refresh read a whole block.
    bool ReadOk() const { return block_.size() == kStatusBlockSize; }

  private:
    std::vector<uint8_t> block_;
};

} // namespace tolvane::diagnostics
