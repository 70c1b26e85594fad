#pragma once

#include "emulator/core/dispatcher.h"
#include "emulator/core/faults.h"
#include "emulator/core/handler_set.h"
#include "emulator/core/printer.h"
#include "emulator/core/profile.h"
#include "emulator/core/record.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace emulator {

struct EmulatorOptions {
    std::string statePath; // loaded at start, written on "save_param" and at stop; empty: none
    std::string logPath;   // every record as a readable line; empty: none
    DispatchTimes times;
};

// A virtual label printer on a TCP port and/or a pseudo-terminal.
//
//   Emulator printer(profile);
//   printer.listenTcp("127.0.0.1", 0, error);   // and/or openPty(error)
//   printer.start(error);
//   ... talk to 127.0.0.1:printer.tcpPort() or printer.ptyPath() ...
//   printer.stop();
//
// One thread serves both transports; all methods are thread-safe.
class Emulator {
  public:
    explicit Emulator(Profile profile = defaultProfile(), EmulatorOptions options = {});
    ~Emulator();
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    // Transports, before start.
    bool listenTcp(const std::string& host, uint16_t port, std::string& error);
    bool openPty(std::string& error);
    uint16_t tcpPort() const;
    std::string ptyPath() const;

    // Loads the state file, opens the log and starts serving.
    bool start(std::string& error);
    // Stops serving and writes the state file. Also done by the destructor.
    void stop();

    // Extra exchanges (see HandlerSet for ranks); the standard ones are
    // there from the start.
    void addHandler(std::shared_ptr<Handler> handler, int rank = kRankStandard);

    // Faults on request.
    void addFault(FaultRule rule);
    bool addFault(const std::string& ruleText, std::string& error);
    void clearFaults();

    // What was received.
    std::vector<Record> records() const;
    Bytes received() const;
    void clearRecords();
    // What the printer was asked but does not know, each once (Recorder::unknownRequests).
    std::vector<std::string> unknownRequests() const;
    std::optional<Record> waitFor(const std::function<bool(const Record&)>& match,
                                  std::chrono::milliseconds timeout = std::chrono::seconds(3)) const;
    // The first record of `command` (and `key`, when given) kept from now or before.
    std::optional<Record> waitForCommand(const std::string& command, const std::string& key = {},
                                         std::chrono::milliseconds timeout = std::chrono::seconds(3)) const;

    // The printer's state.
    PrinterSettings settings() const;
    void changePrinter(const std::function<void(Printer&)>& change);
    // Writes the state file now; false with `error` when there is none or it fails.
    bool saveState(std::string& error);

  private:
    class Core;
    std::unique_ptr<Core> core_;
};

} // namespace emulator
