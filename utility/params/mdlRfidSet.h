// The RFID window (`TfrmRfidSet`) without its window: the tag in the
// printer's current label read, written, or written and read back; the RFID
// module's transmit power and signal threshold written and read; its
// version read and a calibration started. Every command opens the port,
// disables the controls, waits and polls as the printer needs, and ends by
// closing the port and enabling the controls again.
#pragma once

#include "mdlParaDialogModel.h"

#include <string>
#include <vector>

namespace tolvane::params {

// The waits and polls of the RFID commands, in milliseconds. The defaults
// are what the printers need; tests pass shorter ones.
struct TRfidTimes {
    int readWaitMs = 1000;      // after a read command, before polling
    int readPollMs = 5000;      // how long a read polls for the tag's data
    int writeWaitMs = 3000;     // after a write command, before its answer
    int twoStepPollMs = 6000;   // how long a write-and-read polls
    int pollStepMs = 50;        // between two polls
    int levelAnswerWaitMs = 50; // after a power or threshold write
    int paramReadWaitMs = 200;  // for each value read by "Read"
};

class TRfidSet : public TActionDialogModel {
  public:
    static constexpr const char* kClassName = "TfrmRfidSet";
    static constexpr int kMaxTagBytes = 12;
    static constexpr int kMaxTraceLines = 1000;
    static constexpr int kPowerMax = 150;
    static constexpr int kRssiMax = 255;

    explicit TRfidSet(TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override {}
    // The values "Read" fills: the power, the threshold and, on the models
    // that report it, the version.
    std::vector<std::string> ParameterControls() const override;
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // The commands. Each answers whether it ended with success.
    bool btnRfidRClick();
    bool btnRfidWClick();
    bool btnWTranPowerClick();
    bool btnWRssiStrengthClick();
    // Reads the parameters; true when every one gave a value. A field
    // whose reply is none stays empty and the status line names it.
    bool btnReadParaClick();
    bool btnRfidLearnClick();
    // Handlers of the fields.
    void edtRfidWChange();
    void pnlCDblClick();

    // The tag command values of "rfid_wr".
    std::string ReadCommand() const;
    std::string WriteCommand() const;
    std::string WriteAndReadCommand() const;

    TRfidTimes Times;
    int ReadLength = kMaxTagBytes;
    // The trace list's running number.
    int TraceNumber = 0;

    void Trace(const std::string& text);

  private:
    enum class TTagCommand { Read, Write, WriteAndRead };
    void BuildControls();
    // Validates the read length; false after showing why.
    bool ValidReadLength();
    // Disables the window and opens the port; discards what is pending.
    bool BeginCommand(const char* button);
    void EndCommand(const char* button);
    // Steps 3 to 6 of a tag command on the open port; false after showing
    // the failure text.
    bool SendTagCommand(TTagCommand command, const std::string& failureKey);
    bool SendTagValue(const std::string& value, const std::string& failureKey);
    bool SendCpclLines(const std::string& failureKey);
    std::vector<uint8_t> Poll(int forMs);
    void DiscardPending();
    bool WriteLevel(const char* field, const char* key, int max, const char* rangeKey, const char* button);
    bool WriteOnly();
    bool WriteAndRead();
    bool IsIn(std::string_view list) const;
};

} // namespace tolvane::params
