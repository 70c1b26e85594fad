#pragma once

#include "emulator/core/handler.h"
#include "emulator/core/scanner_setup.h"

namespace emulator {

// The scan trigger, prefix `do "scan_trigger"` and its line end. The
// scanner answers with its text on the configured trigger and stays silent
// on the others (note "scanned" or "nothing scanned"). Ranks before the
// standard "do" (kRankSpecific).
class ScanTriggerHandler : public Handler {
  public:
    explicit ScanTriggerHandler(ScannerSetup setup) : setup_(std::move(setup)) {}
    std::string_view name() const override { return "scan_trigger"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;

  private:
    ScannerSetup setup_;
    int triggers_ = 0; // since the last answer; one thread serves every link
};

} // namespace emulator
