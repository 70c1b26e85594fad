// Recognising CPCL commands in a byte stream: which bytes at the head of
// the input make up one whole command (a line, a multi-line QR or PDF417
// block, or a compressed-graphics header with its bitmap bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace emulator::cpcl {

using ByteSpan = std::span<const uint8_t>;

struct FrameScan {
    enum class Verdict { NoMatch, NeedMore, Complete };
    Verdict verdict = Verdict::NoMatch;
    size_t length = 0; // the command's length in bytes when Complete

    static FrameScan noMatch() { return {}; }
    static FrameScan needMore() { return {Verdict::NeedMore, 0}; }
    static FrameScan complete(size_t length) { return {Verdict::Complete, length}; }
};

// Longest command line, and largest bitmap accepted in one graphics command.
inline constexpr size_t kMaxCommandLine = 4096;
inline constexpr size_t kMaxGraphicsBytes = 16u << 20;

// Looks at the bytes at the head of the input. NoMatch when they cannot
// begin a CPCL command (a command word this printer does not know, or
// arguments of the wrong form, such as comma-separated ones); NeedMore when
// they begin one; Complete with the command's length otherwise. Once NoMatch,
// more bytes never make the head match.
FrameScan scanCpclFrame(ByteSpan pending);

// The command word of a frame that scanCpclFrame accepted ("TEXT90",
// "COMPRESSED-GRAPHICS", "!").
std::string cpclKeyword(ByteSpan frame);

} // namespace emulator::cpcl
