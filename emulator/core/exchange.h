#pragma once

#include "emulator/core/bytes.h"
#include "emulator/core/printer.h"
#include "emulator/core/record.h"

#include <optional>
#include <string>

namespace emulator {

// One frame being carried out: the handler describes what it received,
// changes the printer and sets the reply; the link then applies the fault
// rules, sends the reply and keeps the record.
class Exchange {
  public:
    Exchange(Printer& printer, std::string link, ByteView frame);

    Printer& printer() { return printer_; }
    const std::string& link() const { return record_.link; }

    // The command's name (for the record and for fault rules), the key it
    // names and the value or arguments it carries.
    void describe(std::string command, std::string key = {}, std::string value = {});
    // Adds a remark on what the printer made of the frame ("stored", ...).
    void addNote(std::string_view text);
    // Marks the request as one the printer does not know (see Record::unknown).
    void markUnknown() { record_.unknown = true; }

    // The bytes to send back.
    void reply(Bytes bytes);
    // As reply, for a reply whose bytes at `sumOffset` hold a 16-bit sum,
    // low byte first (the "wrong_sum" fault changes them).
    void replyWithSum(Bytes bytes, size_t sumOffset);
    // Closes the connection after the reply, as a restarting printer does.
    void dropConnection() { dropRequested_ = true; }
    // Writes the printer's settings to the state file, when there is one.
    void saveState() { saveRequested_ = true; }

    Record& record() { return record_; }
    const std::optional<Bytes>& replyBytes() const { return reply_; }
    std::optional<size_t> sumOffset() const { return sumOffset_; }
    bool dropRequested() const { return dropRequested_; }
    bool saveRequested() const { return saveRequested_; }

  private:
    Printer& printer_;
    Record record_;
    std::optional<Bytes> reply_;
    std::optional<size_t> sumOffset_;
    bool dropRequested_ = false;
    bool saveRequested_ = false;
};

} // namespace emulator
