#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// Print jobs, recorded whole as they arrive (command "job", key the
// language, value the job's text, note its line count). No reply.
//  - TSPL: from a "CLS" line to the first line that starts with "PRINT";
//  - EPL: from an "N" line to a "P<count>" line;
//  - ZPL: from "^XA" to "^XZ", and the line end after it when one follows
//    (a label without one is taken when the input goes quiet);
//  - CPCL (when the CPCL recogniser does not take it, on printers of other
//    languages): from a line that starts with "! " to the "PRINT" line.
// Lines end with CR LF or LF. A job that holds a control byte other than
// CR, LF and tab, or that grows beyond 1 MiB without its end, is no job:
// its bytes go to the raw records. Plain text is recorded raw, line by line.
class PrintJobHandler : public Handler {
  public:
    explicit PrintJobHandler(bool recordCpcl) : recordCpcl_(recordCpcl) {}
    std::string_view name() const override { return "job"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;

  private:
    bool recordCpcl_;
};

// Longest job recorded whole.
constexpr size_t kMaxJobBytes = 1024 * 1024;

} // namespace emulator
