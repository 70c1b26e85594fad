#pragma once

#include "emulator/core/bytes.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace emulator {

enum class FaultKind {
    Silent,   // the reply is not sent
    Delay,    // the reply (and everything after it) is sent `amount` ms later
    Short,    // only the first `amount` bytes of the reply are sent (half when no amount)
    Corrupt,  // every byte of the reply is inverted (XOR FF)
    WrongSum, // the 16-bit sum in a block reply is off by one
    Drop,     // no reply; the connection is dropped after the command
    // the first half of the reply (at least its first byte when it has two
    // or more), then the connection is dropped in the middle of the frame
    DropMidFrame,
};

// A fault on request: "TARGET=KIND[:AMOUNT][/TIMES]".
// TARGET is "*" (every command), a command ("getval") or a command and key
// ("getval:density", "getkey:1.312"); TIMES limits the rule to that many
// uses (default: until cleared).
struct FaultRule {
    std::string command = "*";
    std::string key;
    FaultKind kind = FaultKind::Silent;
    int amount = -1;
    int times = -1;

    std::string text() const;
};

bool parseFaultRule(std::string_view text, FaultRule& rule, std::string& error);

// The reply as the faults leave it.
struct ShapedReply {
    std::optional<Bytes> reply;
    std::chrono::milliseconds delay{0};
    bool drop = false;
    std::vector<std::string> applied; // the rules that took effect
};

// The rules in force. Not thread-safe: the emulator guards it.
class FaultBook {
  public:
    void add(FaultRule rule) { rules_.push_back(std::move(rule)); }
    void clear() { rules_.clear(); }
    bool empty() const { return rules_.empty(); }

    // Applies every rule that targets this command and can show on it;
    // each such rule uses up one of its times.
    ShapedReply shape(const std::string& command, const std::string& key, std::optional<Bytes> reply,
                      std::optional<size_t> sumOffset);

  private:
    std::vector<FaultRule> rules_;
};

} // namespace emulator
