// The set-up the benchmarks share: a program folder of their own with the
// shipped data (the user's files stay untouched), the printer libraries,
// the Kavo emulator on loopback TCP, and the headless session with that
// printer selected. The program defines TOLVANE_SOURCE_DIR and
// EMULATOR_PROFILES.
#pragma once

#include "emulator/emulator.h"
#include "mdlHeadlessSession.h"
#include "mdlPaths.h"
#include "mdlPrinterLibLoad.h"
#include "mdlPrinterList.h"
#include "mdlPrinterSelection.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace tolvane::bench {

struct TBenchPrinter {
    std::filesystem::path folder;
    std::unique_ptr<emulator::Emulator> printer;

    ~TBenchPrinter() {
        if (printer) {
            printer->stop();
        }
        if (!folder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }
};

// Sets everything up under a temporary folder named after `tag`; false
// (with the reason on standard error) when something cannot be started.
inline bool StartBenchPrinter(const char* program, const std::string& tag, TBenchPrinter& bench) {
    namespace fs = std::filesystem;
    bench.folder = fs::temp_directory_path() / ("tolvane-bench-" + tag + "-" + std::to_string(::getpid()));
    fs::create_directories(bench.folder / "files");
    for (const char* name : {"Option.ini", "UtilityForLabelLanguage.ini", "PrinterTypeList_Label.ini",
                             "ProtocolType.ini", "PrinterMap.ini", "CompanyPrinterList_Label.txt"}) {
        fs::copy_file(fs::path(TOLVANE_SOURCE_DIR) / "files" / name, bench.folder / "files" / name);
    }
    ::setenv("HOME", bench.folder.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (bench.folder / "data").c_str(), 1);
    SetAppFolder(bench.folder.string() + "/");

    std::string error;
    if (!PrtLib_LoadLibrariesFrom(fs::path(program).parent_path().string() + "/", error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    auto profile = emulator::loadProfile(std::string(EMULATOR_PROFILES "/kavo_tspl.profile"), error);
    bench.printer = std::make_unique<emulator::Emulator>(profile.value_or(emulator::defaultProfile()));
    if (!bench.printer->listenTcp("127.0.0.1", 0, error) || !bench.printer->start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    TPrinterEntry entry;
    entry.ListName = "Kavo";
    entry.PortKind = "NET";
    entry.PortAddress = "NET,127.0.0.1," + std::to_string(bench.printer->tcpPort());
    StartHeadlessSession({program, "-EN"});
    SelectPrinter(entry);
    return true;
}

} // namespace tolvane::bench
