// Records the CPCL commands a printer receives, whatever the split of the
// byte stream, and groups them into labels: a "!" header line, the
// commands after it, and the PRINT, FORM or ABORT that ends it.
#pragma once

#include "emulator/cpcl/compressed_graphics.h"
#include "emulator/cpcl/cpcl_frame.h"

#include <optional>
#include <string>
#include <vector>

namespace emulator::cpcl {

struct Command {
    std::string keyword;            // "TEXT", "COMPRESSED-GRAPHICS", ...; empty for unrecognised bytes
    std::vector<uint8_t> bytes;     // the command as received
    std::optional<Graphic> graphic; // for graphics commands

    // The command as text; for graphics only the header.
    std::string text() const;
};

struct Label {
    std::string header;            // the "!" line without its line end; empty for commands before any header
    std::vector<Command> commands; // between the header and the end
    std::string end;               // "PRINT", "FORM", "ABORT"; empty while the label is open
};

class JobRecorder {
  public:
    // Takes the next received bytes.
    void feed(ByteSpan bytes);
    // Records what is still waiting (an unfinished command) as unrecognised.
    void finish();

    const std::vector<Command>& commands() const { return commands_; }
    // Bytes received but not yet part of a whole command.
    size_t waitingBytes() const { return pending_.size() - head_; }
    // The graphics commands received, in order.
    std::vector<Graphic> graphics() const;
    std::vector<Label> labels() const;

  private:
    void process();
    void record(size_t length, bool recognised);
    ByteSpan waiting() const { return ByteSpan(pending_).subspan(head_); }

    std::vector<uint8_t> pending_;
    size_t head_ = 0; // bytes of pending_ already recorded
    std::vector<Command> commands_;
};

} // namespace emulator::cpcl
