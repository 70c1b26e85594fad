// The command test (`T_frmCommandTest`) without its window: five command
// pages holding raw printer commands as text or hexadecimal bytes, sent to
// the selected printer through Tsprix once or cyclically (a timer that
// stops at the start of each tick and restarts at its end, so the window
// keeps working between sends), with the printer's reply bytes read and
// shown in hexadecimal.
#pragma once

#include "mdlParaDialogModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane::diagnostics {

class TCommandTest : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmCommandTest";
    // The printer object the dialog creates in Tsprix.
    static constexpr const char* kPrinterModel = "Dunmore";
    static constexpr int kPageCount = 5;
    // Waits before reading the reply: after a single send, after a cyclic one.
    static constexpr int kSingleReadWaitMs = 1000;
    static constexpr int kCyclicReadWaitMs = 100;
    // The "sent" hint stays this long.
    static constexpr int kHintMs = 3000;
    // Largest file a page takes.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    explicit TCommandTest(params::TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;

    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;
    std::optional<TFileQuestion> FileQuestion(std::string_view button) const override;

    // The handlers.
    void btnSendClick();
    void btnReadDataClick();
    void btnLoadFileClick(const std::string& path);
    void btnClearCurTabClick();
    void btnClearAllTabClick();
    void CommandChange();
    void chkRecycleClick();
    void timSendTimer();
    void timHintTipTimer();

    // State the window and the command line look at.
    bool HexFormat() const;
    bool Cycling() const { return cycling_; }
    int Counter() const { return counter_; }
    // The current page's edit ("RE1" to "RE5").
    std::string CurrentPage() const;
    // The bytes the current page sends (ANSI text, or the hexadecimal
    // pieces); false after the "Command Error!" box.
    bool BuildSendBuffer(std::vector<uint8_t>& buffer) const;
    // The code page of the text format.
    int CodePage() const { return codePage_; }
    void SetCodePage(int codePage) { codePage_ = codePage; }

  private:
    void BuildControls();
    void InitLanguage();
    bool OpenPort();
    void StopCycling();
    void AppendReply(const std::vector<uint8_t>& bytes);
    void ShowCounter();
    bool WriteBuffer();

    std::vector<uint8_t> sendBuffer_;
    bool sendAndRead_ = false;
    int readLength_ = 256;
    int counter_ = 0;
    bool cycling_ = false;
    bool portOpen_ = false; // a single send left the port open
    bool stopFlag_ = false;
    int codePage_ = 1252;
    std::string counterSuffix_;
};

} // namespace tolvane::diagnostics
