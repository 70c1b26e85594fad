// The Kavo parameter dialog against the emulated printer on loopback TCP:
// the read (every getval waits 100 ms before its reply is read, and the read
// of up to 512 bytes ends when the network port has seen no next byte for
// 10 ms, as a reply is shorter) and the "Set" (one wait of 1000 ms between
// "save_param" and closing the port).
// Each run's duration is printed beside the sum of the protocol's own waits
// in the same run; the overhead of everything else (framing, sockets, the
// dialog's logic) must stay below 5 %. Medians of five runs; the program
// fails when an overhead reaches 5 %.
#include "../support/bench_printer.h"
#include "emulator/emulator.h"
#include "mdlCatalogueHooks.h"
#include "mdlHeadlessSession.h"
#include "mdlParaSetKavo.h"
#include "mdlPaths.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibLoad.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterList.h"
#include "mdlPrinterSelection.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

constexpr int kRuns = 5;
constexpr double kReadWaitMs = 100;
// The network port's wait for a next byte (the SDK's default).
constexpr double kNextByteWaitMs = 10;
constexpr double kLimitPercent = 5;

struct Figures {
    double measuredMs = 0;
    double waitsMs = 0;
    double Overhead() const { return 100.0 * (measuredMs - waitsMs) / waitsMs; }
};

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

std::size_t Count(const emulator::Emulator& printer, const std::string& command) {
    std::size_t count = 0;
    for (const emulator::Record& record : printer.records()) {
        count += record.command == command ? 1 : 0;
    }
    return count;
}

bool Report(const char* what, const std::vector<Figures>& runs) {
    std::vector<double> measured;
    std::vector<double> waits;
    std::vector<double> overheads;
    for (const Figures& run : runs) {
        measured.push_back(run.measuredMs);
        waits.push_back(run.waitsMs);
        overheads.push_back(run.Overhead());
    }
    const double overhead = Median(overheads);
    std::printf("%-6s measured %8.1f ms   protocol waits %8.1f ms   overhead %5.2f %% (ratio %.4f)\n", what,
                Median(measured), Median(waits), overhead, Median(measured) / Median(waits));
    return overhead < kLimitPercent;
}

} // namespace

int main(int, char** argv) {
    bench::TBenchPrinter bench;
    if (!bench::StartBenchPrinter(argv[0], "kavo", bench)) {
        return 1;
    }
    emulator::Emulator& printer = *bench.printer;

    std::vector<Figures> reads;
    std::vector<Figures> writes;
    for (int run = 0; run < kRuns; ++run) {
        params::TParaSetKavo dialog(params::SelectedPrinterContext());
        printer.clearRecords();
        auto start = std::chrono::steady_clock::now();
        PrtLib_BeginCommand();
        dialog.FormCreate();
        PrtLib_EndCommand();
        dialog.FormShow();
        dialog.StartRead();
        Figures read;
        read.measuredMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        read.waitsMs = (kReadWaitMs + kNextByteWaitMs) * static_cast<double>(Count(printer, "getval"));
        reads.push_back(read);

        start = std::chrono::steady_clock::now();
        dialog.btnSetClick();
        Figures write;
        write.measuredMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        write.waitsMs = params::TParaSetKavo::kSaveWaitMs;
        writes.push_back(write);
        printer.waitForCommand("do", "reset_printer");
    }
    const bool readOk = Report("read", reads);
    const bool setOk = Report("set", writes);

    EndHeadlessSession();
    PrtLib_Close(TPrtLib::Tsprix);
    return readOk && setOk ? 0 : 1;
}
