#include "mdlScanTest.h"

#include "mdlCodePageText.h"
#include "mdlFormLayout.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrintTextCommon.h"
#include "mdlPrintTextJobs.h"
#include "mdlPrinterLib.h"
#include "mdlPrtFrames.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <thread>

namespace tolvane::diagnostics {
namespace {

using params::TControlKind;
using K = TControlKind;

const params::TLayoutEntry kLayout[] = {
    {"grpTestParam", K::Group, "", 8, 8, 304, 96},
    {"lblPrintWidth", K::Label, "grpTestParam", 12, 26, 100, 24},
    {"edtPrintWidth", K::Edit, "grpTestParam", 116, 26, 80, 24},
    {"lblPrintWidthUnit", K::Label, "grpTestParam", 202, 26, 96, 24},
    {"lblPrintHeight", K::Label, "grpTestParam", 12, 60, 100, 24},
    {"edtPrintHeight", K::Edit, "grpTestParam", 116, 60, 80, 24},
    {"lblPrintHeightUnit", K::Label, "grpTestParam", 202, 60, 96, 24},
    {"btnScanTest", K::Button, "", 8, 112, 148, 30},
    {"btnClose", K::Button, "", 164, 112, 148, 30},
    {"proScan", K::Progress, "", 8, 150, 304, 16},
    {"lblScanStatus", K::Label, "", 8, 170, 304, 22},
    {"lblScanned", K::Label, "", 8, 196, 304, 20},
    {"memScanned", K::Memo, "", 8, 218, 304, 64},
};
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 290;

constexpr int kTextX = 10;
constexpr int kFirstY = 10;
constexpr int kLineStep = 40;

// A whole number as typed, with an optional sign, within 32 bits.
bool ParseWholeNumber(std::string_view text, long long& value) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value >= INT32_MIN && value <= INT32_MAX;
}

} // namespace

std::string ScanTriggerFrame() {
    return DoFrame(QuoteKey("scan_trigger"));
}

std::string ScanLabelJob(std::string_view widthText, std::string_view heightText,
                         const std::vector<uint8_t>& reply, int ansiCodePage) {
    std::string scanned;
    for (const uint8_t byte : reply) {
        if (byte != 0) {
            scanned.push_back(static_cast<char>(byte));
        }
    }
    std::string job = "CLS\r\n" + ToCodePage("SIZE " + std::string(widthText) + " mm," +
                                                 std::string(heightText) + " mm\r\n",
                                             ansiCodePage);
    const std::vector<std::string> lines = SplitCrLf(scanned);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        job += TsplTextCommand(kTextX, kFirstY + kLineStep * static_cast<int>(n), "9", 50, 50, lines[n]);
    }
    return job + "PRINT 1\r\n";
}

TScanWidthCheck CheckScanWidth(std::string_view text) {
    long long width = 0;
    if (!ParseWholeNumber(params::Trim(text), width)) {
        return TScanWidthCheck::NotANumber;
    }
    return width > TScanTest::kMaxWidthMm ? TScanWidthCheck::TooWide : TScanWidthCheck::Ok;
}

TScanTest::TScanTest(params::TParaDialogContext context, TScanTestTimes times)
    : TActionDialogModel(std::move(context)), times_(times) {
    BuildControls();
    AddTimer("tmrScanTest", times_.attemptIntervalMs, [this] { tmrScanTestTimer(); });
    AddTimer("tmrScanRead", times_.readPauseMs, [this] { tmrScanReadTimer(); });
    AddTimer("tmrScanPoll", times_.pollMs, [this] { tmrScanPollTimer(); });
}

TScanTest::~TScanTest() {
    WaitForRead();
}

void TScanTest::BuildControls() {
    params::TFormModel& form = Form();
    params::AddLayout(form, kLayout);
    form.SetReadOnly("memScanned", true);
    form.SetClientSize(kClientWidth, kClientHeight);
}

void TScanTest::FormCreate() {
    Form().SetText("edtPrintWidth", "50");
    Form().SetText("edtPrintHeight", "30");
}

void TScanTest::FormShow() {
    InitLanguage();
}

void TScanTest::InitLanguage() {
    params::TFormModel& form = Form();
    using params::Txt;
    form.SetTitle(Txt("FormScanTest_Caption"));
    for (const char* name : {"grpTestParam", "lblPrintWidth", "lblPrintWidthUnit", "lblPrintHeight",
                             "lblPrintHeightUnit", "btnScanTest", "lblScanned"}) {
        form.SetText(name, Txt(std::string("FormScanTest_") + name));
    }
    form.SetText("btnClose", Txt("_Close"));
    form.SetProgress("proScan", 0, TotalReads());
}

int TScanTest::TotalReads() const {
    return std::max(1, times_.attempts * times_.readsPerAttempt);
}

void TScanTest::FormDestroy() {
    for (const char* timer : {"tmrScanTest", "tmrScanRead", "tmrScanPoll"}) {
        StopTimer(timer);
    }
    WaitForRead();
    if (running_) {
        running_ = false;
        PrtLib_Close(TPrtLib::Tsprix);
    }
}

void TScanTest::WaitForRead() {
    if (read_.valid()) {
        read_.wait();
        read_ = {};
    }
}

void TScanTest::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnScanTest") {
        btnScanTestClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

void TScanTest::btnScanTestClick() {
    if (running_) {
        return;
    }
    const TScanWidthCheck width = CheckScanWidth(Form()["edtPrintWidth"].text);
    if (width == TScanWidthCheck::NotANumber) {
        ShowErrorBox(params::Txt("FormScanTest_MSGWidthInvalid"));
        return;
    }
    if (width == TScanWidthCheck::TooWide) {
        std::string text = params::Txt("FormScanTest_MSGWidthTooLarge");
        if (const std::size_t mark = text.find("%s"); mark != std::string::npos) {
            text.replace(mark, 2, std::to_string(kMaxWidthMm));
        }
        ShowErrorBox(text);
        return;
    }
    const int opened = OpenSelectedPort(TPrtLib::Tsprix);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        ShowOpenError(opened, true);
        return;
    }
    // The port stays open until the first attempt ends.
    Form().SetEnabled("btnScanTest", false);
    running_ = true;
    printed_ = false;
    scanned_.clear();
    attempts_ = 0;
    Form().SetText("memScanned", "");
    Form().SetText("lblScanStatus", "");
    Form().SetProgress("proScan", 0, TotalReads());
    StartTimer("tmrScanTest");
}

void TScanTest::tmrScanTestTimer() {
    StopTimer("tmrScanTest");
    ++attempts_;
    if (attempts_ > times_.attempts) {
        Finish();
        return;
    }
    Form().SetText("lblScanStatus",
                   params::TxtFilled("FormScanTest_Progress",
                                     {std::to_string(attempts_), std::to_string(times_.attempts)}));
    OpenSelectedPort(TPrtLib::Tsprix);
    PrtLib_Write(TPrtLib::Tsprix, ScanTriggerFrame());
    reads_ = 0;
    StartTimer("tmrScanRead");
}

void TScanTest::tmrScanReadTimer() {
    StopTimer("tmrScanRead");
    ++reads_;
    // The bar moves with every read: a silent printer makes each one wait.
    Form().SetProgress("proScan", (attempts_ - 1) * times_.readsPerAttempt + reads_, TotalReads());
    // The read waits for the printer on a worker; the window looks for its
    // end with the poll timer. Nothing else uses the port meanwhile.
    read_ = std::async(std::launch::async, [] {
        std::vector<uint8_t> buffer(kReadSize);
        int count = 0;
        PrtLib_Read(TPrtLib::Tsprix, buffer.data(), kReadSize, count);
        buffer.resize(static_cast<std::size_t>(std::clamp(count, 0, kReadSize)));
        return buffer;
    });
    StartTimer("tmrScanPoll");
}

void TScanTest::tmrScanPollTimer() {
    StopTimer("tmrScanPoll");
    if (!read_.valid()) {
        return;
    }
    if (read_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        StartTimer("tmrScanPoll");
        return;
    }
    const std::vector<uint8_t> reply = read_.get();
    ReadEnded(reply);
}

void TScanTest::ReadEnded(const std::vector<uint8_t>& reply) {
    if (!reply.empty()) {
        const params::TFormModel& form = Form();
        // The test has printed only when the label reached the printer.
        printed_ = PrtLib_Write(TPrtLib::Tsprix,
                                ScanLabelJob(form["edtPrintWidth"].text, form["edtPrintHeight"].text, reply,
                                             AnsiCodePage())) == 0;
        if (!printed_) {
            ShowWriteError();
        }
        for (const uint8_t byte : reply) {
            if (byte != 0) {
                scanned_.push_back(static_cast<char>(byte));
            }
        }
        PrtLib_Close(TPrtLib::Tsprix);
        Finish();
        return;
    }
    if (reads_ < times_.readsPerAttempt) {
        StartTimer("tmrScanRead");
        return;
    }
    PrtLib_Close(TPrtLib::Tsprix);
    StartTimer("tmrScanTest");
}

void TScanTest::Finish() {
    running_ = false;
    params::TFormModel& form = Form();
    if (printed_) {
        // The text as the window shows it: one line per scanned line.
        std::string shown;
        for (const std::string& line : SplitCrLf(scanned_)) {
            shown += (shown.empty() ? "" : "\n") + line;
        }
        while (!shown.empty() && shown.back() == '\n') {
            shown.pop_back();
        }
        form.SetText("memScanned", shown);
        form.SetText("lblScanStatus", params::Txt("FormScanTest_Printed"));
        form.SetProgress("proScan", TotalReads(), TotalReads());
    } else {
        form.SetText("lblScanStatus",
                     params::TxtFilled("FormScanTest_Nothing", {std::to_string(times_.attempts)}));
    }
    form.SetEnabled("btnScanTest", true);
}

bool RunDialogTimers(params::TParaDialogModel& dialog, int limitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < until) {
        std::string next;
        int interval = 0;
        for (const auto& [name, timer] : dialog.Timers()) {
            if (timer.enabled) {
                next = name;
                interval = timer.intervalMs;
                break;
            }
        }
        if (next.empty()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(interval));
        dialog.Tick(next);
    }
    return false;
}

} // namespace tolvane::diagnostics
