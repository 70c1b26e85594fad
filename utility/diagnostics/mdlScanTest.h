// The scan test (`T_frmScanTest`) without its window: it tells the printer
// to trigger its code scanner, waits for the scanned text to come back over
// the port and prints it on a TSPL label. Each attempt is one tick of the
// attempt timer; the reads of an attempt run one at a time on a worker
// thread, each after a pause of its own timer, so the window keeps working
// while the printer is silent.
#pragma once

#include "mdlParaDialogModel.h"

#include <cstdint>
#include <future>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::diagnostics {

// The counts and waits of a scan test; the defaults are the product's.
struct TScanTestTimes {
    int attempts = 10;           // trigger frames before the test gives up
    int readsPerAttempt = 10;    // reads after each trigger frame
    int attemptIntervalMs = 100; // from one attempt to the next
    int readPauseMs = 100;       // before each read
    int pollMs = 10;             // how often the end of a read is looked for
};

// The trigger frame: the command prefix, do "scan_trigger", CR LF (26 bytes).
std::string ScanTriggerFrame();

// The label of a scanned reply: CLS, "SIZE <width> mm,<height> mm" with the
// edits' texts as typed, one TEXT line (x 10, y 10 + 40 per line, font 9,
// multipliers 50) per line of the reply split at CR LF, "PRINT 1"; every
// line ends with CR LF. Zero bytes of the reply are dropped; its other
// bytes are printed as they came. The other texts are in `ansiCodePage`.
std::string ScanLabelJob(std::string_view widthText, std::string_view heightText,
                         const std::vector<uint8_t>& reply, int ansiCodePage);

// The check of the width edit's text: trimmed, a whole number (an optional
// sign and digits), at most 108.
enum class TScanWidthCheck { Ok, NotANumber, TooWide };
TScanWidthCheck CheckScanWidth(std::string_view text);

class TScanTest : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmScanTest";
    static constexpr int kMaxWidthMm = 108;
    static constexpr int kReadSize = 128;

    explicit TScanTest(params::TParaDialogContext context, TScanTestTimes times = {});
    ~TScanTest() override;

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;
    void btnSetClick() override { btnScanTestClick(); }
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // Handlers.
    void btnScanTestClick();
    void tmrScanTestTimer();

    // The attempts made by the test under way or the last one.
    int Attempts() const { return attempts_; }
    // Whether a test is under way.
    bool Running() const { return running_; }
    // Whether the last test printed a label, and the scanned text it
    // printed (zero bytes dropped).
    bool Printed() const { return printed_; }
    const std::string& ScannedText() const { return scanned_; }
    const TScanTestTimes& Times() const { return times_; }

  private:
    void BuildControls();
    void InitLanguage();
    void tmrScanReadTimer();
    void tmrScanPollTimer();
    void ReadEnded(const std::vector<uint8_t>& reply);
    void Finish();
    void WaitForRead();
    // The reads of a whole test, the length of the progress bar.
    int TotalReads() const;

    TScanTestTimes times_;
    int attempts_ = 0;
    int reads_ = 0;
    bool running_ = false;
    bool printed_ = false;
    std::string scanned_;
    std::future<std::vector<uint8_t>> read_;
};

// Runs a dialog's timers as a window would, without one, until none is
// enabled or `limitMs` has passed; false when the limit was reached.
bool RunDialogTimers(params::TParaDialogModel& dialog, int limitMs);

} // namespace tolvane::diagnostics
