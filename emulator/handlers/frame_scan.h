#pragma once

#include "emulator/core/handler.h"

#include <string>
#include <string_view>

namespace emulator {

// The bytes that open every private command frame: ESC FS "& V1 ".
extern const Bytes kPrivatePrefix;

// Longest text line of a private frame after its prefix and verb.
constexpr size_t kMaxPrivateLine = 2048;

// `pending` against a fixed byte sequence.
Scan scanLiteral(ByteView pending, ByteView literal);

// A line that starts with `head` and is complete at its LF; longer than
// `maxLength` bytes without one, it is no match.
Scan scanLine(ByteView pending, std::string_view head, size_t maxLength);

// A frame of `length` bytes that may be followed by a line end of its own
// ("\r\n" or "\n"): complete with the line end when it is there or other
// bytes follow, tentative while nothing (or a lone CR) follows yet.
Scan withOptionalLineEnd(ByteView pending, size_t length);

// A text command: `word` followed by "\r\n" or "\n".
Scan scanTextCommand(ByteView pending, std::string_view word);

// A private text frame: prefix, `verb` ("do ", "getval ", "setval "), a
// line of text and a line end ("\r\n", or "\n" alone).
Scan scanPrivateLine(ByteView pending, std::string_view verb);

// The text between the verb and the line end of a frame that
// scanPrivateLine accepted.
std::string privateLineText(ByteView frame, std::string_view verb);

// A private numbered-key frame: prefix, `verb` ("getkey", "setkey"), "\r\n",
// group, identifier (2 bytes, low first), length, and for setkey that many
// value bytes.
Scan scanPrivateKeyFrame(ByteView pending, std::string_view verb, bool carriesValue);
constexpr size_t kKeyHeaderSize = 15; // prefix + verb + "\r\n"

// A key and what follows it on a private text line: the key is the text
// between the first pair of double quotes (or, unquoted, up to the first
// space); `rest` is the remainder without leading spaces.
struct KeyAndRest {
    std::string key;
    std::string rest;
};
KeyAndRest splitKey(std::string_view line);

// A value as it follows a key: the text between the first and the last
// double quote, or the text itself when it is not quoted.
std::string unquoteValue(std::string_view text);

} // namespace emulator
