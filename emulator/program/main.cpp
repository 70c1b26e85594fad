// printer-emulator: the virtual printer as a program.

#include "emulator/emulator.h"
#include "emulator/program/options.h"
#include "emulator/transport/tcp_listener.h"

#include <csignal>
#include <cstdio>
#include <iostream>

namespace {

int fail(int code, const std::string& message) {
    std::cerr << "printer-emulator: " << message << "\n";
    if (code == 2) {
        std::cerr << "Try printer-emulator --help.\n";
    }
    return code;
}

} // namespace

int main(int argc, char** argv) {
    using namespace emulator;
    ProgramOptions options;
    std::string error;
    if (!parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        return fail(2, error);
    }
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.version) {
        std::cout << "printer-emulator " << TOLVANE_VERSION << "\n";
        return 0;
    }
    std::vector<FaultRule> faults;
    for (const std::string& ruleText : options.faults) {
        if (!parseFaultRule(ruleText, faults.emplace_back(), error)) {
            return fail(2, error);
        }
    }
    std::string host = "127.0.0.1";
    uint16_t port = 9100;
    if (options.tcp && !parseTcpAddress(*options.tcp, host, port, error)) {
        return fail(2, "--tcp " + error);
    }
    Profile profile = defaultProfile();
    if (!options.profilePath.empty()) {
        std::optional<Profile> loaded = loadProfile(options.profilePath, error);
        if (!loaded) {
            return fail(1, error);
        }
        profile = std::move(*loaded);
    }

    // The serving thread inherits this mask; the main thread waits for the signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    EmulatorOptions emulatorOptions{options.statePath, options.logPath, {}};
    emulatorOptions.times.frameTimeout = std::chrono::milliseconds(options.frameTimeoutMs);
    Emulator printer(std::move(profile), emulatorOptions);
    for (FaultRule& rule : faults) {
        printer.addFault(std::move(rule));
    }
    const bool useTcp = options.tcp.has_value() || !options.pty;
    if (useTcp && !printer.listenTcp(host, port, error)) {
        return fail(1, error);
    }
    if (options.pty && !printer.openPty(error)) {
        return fail(1, error);
    }
    if (!printer.start(error)) {
        return fail(1, error);
    }
    if (useTcp) {
        std::cout << "listening tcp " << host << ":" << printer.tcpPort() << "\n";
    }
    if (options.pty) {
        std::cout << "listening pty " << printer.ptyPath() << "\n";
    }
    std::cout.flush();

    int signal = 0;
    sigwait(&stopSignals, &signal);
    printer.stop();
    return 0;
}
