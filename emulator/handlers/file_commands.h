#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// The stored-file actions of the private channel: do "download" KIND
// "M_NAME" (answers "OK" and waits for the blocks; "ER" when the memory
// has no room at all), do "print" and do "delete" KIND "NAME" (answer
// "OK", or "ER" for a file it does not have); KIND is bitmaps, labels,
// autoform or fonts. do "userfont_download" "ENCODING" (gbk, big5, jis,
// euc or ascii) waits for the blocks of a user font (0xFF fill, the sum over
// the whole block).
class FileActionHandler : public Handler {
  public:
    std::string_view name() const override { return "file_action"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

// The stored-file reads of the private channel: getval "bitmaps", "labels",
// "autoform" (the names with their memory prefix, each followed by ",";
// the two lists are joined by ","), "use_capacity", "remain_capacity" and
// their "_ram" forms (decimal byte counts).
class FileValueHandler : public Handler {
  public:
    std::string_view name() const override { return "file_value"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
