// TfrmDFU_Quistel: firmware by OTA packets. The printer is put into OTA
// mode (by the "enter_ota" action and a reconnect, or by the binary
// update-mode command), announces its packet length, and takes the file in
// CRC-checked packets, each acknowledged by an 8-byte reply. A timer sends
// one packet per tick.
#pragma once

#include "mdlFirmwareDialog.h"
#include "mdlFirmwareWaits.h"
#include "mdlOtaPackets.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::firmware {

class TDfuQuistel final : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "TfrmDFU_Quistel";
    // `keyCommandEntry`: the model enters OTA mode by the "enter_ota" action
    // (else by the binary update-mode command).
    TDfuQuistel(params::TParaDialogContext context, bool keyCommandEntry,
                TFirmwareWaits waits = TFirmwareWaits());

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override {}
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;
    std::optional<TFileQuestion> FileQuestion(std::string_view button) const override;

    bool Running() const { return running_; }
    // Whether the last transfer ended with the printer's acceptance of every packet.
    bool Succeeded() const { return succeeded_; }
    const std::optional<TOtaTransfer>& Transfer() const { return transfer_; }

  private:
    void Download();
    void Stop();
    void SendTick();
    bool EnterOtaMode(const std::string& address);
    bool ReadReply(std::uint8_t (&reply)[kOtaReplySize], bool last);
    void Fail(const std::string& key);
    void ShowProgress();

    bool keyCommandEntry_;
    TFirmwareWaits waits_;
    std::vector<std::uint8_t> file_;
    std::optional<TOtaTransfer> transfer_;
    bool running_ = false;
    bool succeeded_ = false;
};

// Whether the selected printer's model enters OTA mode by the key command.
bool SelectedPrinterEntersOtaByKey();

} // namespace tolvane::firmware
