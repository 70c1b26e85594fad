// The frames of the printer's private command channel, built as byte texts
// without sending them.
//
// Texts are single-byte texts in the printer's code page and are inserted
// unchanged, except where a builder lower-cases a value. Keys travel with
// their double quotes: the key density is the text "\"density\"" (QuoteKey).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolvane {

// ESC FS "& V1 "
inline constexpr std::string_view kCommandPrefix = "\x1b\x1c& V1 ";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kVerbDo = "do ";
inline constexpr std::string_view kVerbGetVal = "getval ";
inline constexpr std::string_view kVerbSetVal = "setval ";
inline constexpr std::string_view kVerbGetKey = "getkey";
inline constexpr std::string_view kVerbSetKey = "setkey";

// Prefix, key verb and line end take 15 bytes; the group byte follows.
inline constexpr size_t kKeyHeaderSize = 15;

// The TSPL texts of the test pages.
inline constexpr std::string_view kTsplCls = "CLS\r\n";
inline constexpr std::string_view kTsplPrint = "PRINT\r\n";

// The key group of single-byte reads such as keys 102 and 312.
inline constexpr uint8_t kKeyGroupBytes = 1;

// `name` between double quotes.
std::string QuoteKey(std::string_view name);

// The key vocabulary, without quotes: the action keys (used with "do ") and
// the value keys (used with "getval " and "setval ").
std::span<const std::string_view> ActionKeyNames();
std::span<const std::string_view> ValueKeyNames();

// `text` with A-Z lowered (bytes outside ASCII unchanged).
std::string LowerAscii(std::string_view text);

// prefix "do " key line end
std::string DoFrame(std::string_view key);
// prefix "do " key " \"" value "\"" line end
std::string DoArgFrame(std::string_view key, std::string_view value);
// prefix "do " key " " arg " \"" value "\"" line end
std::string DoArgsFrame(std::string_view key, std::string_view arg, std::string_view value);
// prefix "getval " key line end
std::string GetValFrame(std::string_view key);
// prefix "setval " key " \"" value "\"" line end; the value lower-cased when `lower`.
std::string SetValFrame(std::string_view key, std::string_view value, bool lower = false);

// prefix "getkey" line end, group, id (low byte first), length.
std::string KeyGetFrame(uint8_t group, uint16_t id, uint8_t length);
// prefix "setkey" line end, group, id (low byte first), the value's length, the value.
// The value must be at most 255 bytes long.
std::string KeySetFrame(uint8_t group, uint16_t id, std::string_view value);

} // namespace tolvane
