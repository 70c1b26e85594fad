// A 1 MiB template downloaded by the block transfer to the emulated printer
// on loopback TCP, with the printer's own pacing (100 ms after the request,
// 200 ms after each of the 1025 blocks, 1000 ms before the final reads, and
// the 100 ms wait of each key-command read). The measured time is printed
// beside the sum of those waits; everything else (blocks, sockets, the
// acknowledgements, the threads) must stay below 5 % of it. One run: it
// takes about three and a half minutes. Also printed: the growth of the
// peak resident memory over the download (the emulator in the same process
// keeps its own copy of the file and of the bytes it received).
#include "../support/bench_printer.h"
#include "emulator/emulator.h"
#include "mdlCatalogueHooks.h"
#include "mdlDLFile.h"
#include "mdlDLUiQueue.h"
#include "mdlHeadlessSession.h"
#include "mdlPaths.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibLoad.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterList.h"
#include "mdlPrinterSelection.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

constexpr double kLimitPercent = 5;
constexpr size_t kFileBytes = 1 << 20;

long PeakKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int, char** argv) {
    bench::TBenchPrinter bench;
    if (!bench::StartBenchPrinter(argv[0], "download", bench)) {
        return 1;
    }
    emulator::Emulator& printer = *bench.printer;
    const std::string file = (bench.folder / "big.prn").string();
    {
        std::ofstream out(file, std::ios::binary);
        for (size_t i = 0; i < kFileBytes; ++i) {
            out.put(static_cast<char>(i * 7 + i / 1024));
        }
    }

    const download::TTransferPacing pacing; // the printer's own
    download::TUiQueue queue;
    bool ok = false;
    double measuredMs = 0;
    long peakBefore = 0;
    long peakAfter = 0;
    {
        download::TDLFileDialog dialog(params::SelectedPrinterContext(), false, pacing);
        dialog.SetPost([&](std::function<void()> work) { queue.Post(std::move(work)); });
        dialog.FormShow();
        dialog.Form().SetIndex("cmbFileType", 1);
        dialog.cmbFileTypeChange();
        dialog.ChooseFile(file);
        printer.clearRecords();
        peakBefore = PeakKiB();
        const auto start = std::chrono::steady_clock::now();
        dialog.btnDLFileClick();
        while (dialog.Outcome() == download::TDLFileDialog::TOutcome::None && dialog.Busy()) {
            queue.RunPending(std::chrono::milliseconds(100));
        }
        dialog.WaitForTransfer();
        queue.RunPending();
        measuredMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        peakAfter = PeakKiB();
        ok = dialog.Outcome() == download::TDLFileDialog::TOutcome::Success;
        dialog.FormClose();
    }
    size_t blocks = 0;
    size_t reads = 0;
    for (const emulator::Record& record : printer.records()) {
        blocks += record.command == "download_block" ? 1 : 0;
        reads += record.command == "getval" ? 1 : 0;
    }
    const double waitsMs = pacing.requestWaitMs + pacing.blockWaitMs * static_cast<double>(blocks) +
                           pacing.finishWaitMs + 100.0 * static_cast<double>(reads);
    const double overhead = 100.0 * (measuredMs - waitsMs) / waitsMs;
    std::printf("download 1 MiB: %zu blocks, measured %9.1f ms   pacing waits %9.1f ms   overhead %5.2f %% "
                "(ratio %.4f)\n",
                blocks, measuredMs, waitsMs, overhead, measuredMs / waitsMs);
    std::printf("peak resident memory: %ld KiB before, %ld KiB after (+%ld KiB)\n", peakBefore, peakAfter,
                peakAfter - peakBefore);

    EndHeadlessSession();
    PrtLib_Close(TPrtLib::Tsprix);
    return ok && blocks == 1025 && overhead < kLimitPercent ? 0 : 1;
}
