// The text commands of the private command channel: actions ("do"), value
// reads and writes ("getval", "setval"), plain queries, and the few fixed
// frames. Keys are passed with their quotes (QuoteKey).
//
// Port handling per operation: "one-shot" operations open the selected
// printer's port (PrtLib_BeginCommand) and close it again
// (PrtLib_EndCommand); "opens" operations open it and leave it open; the
// others expect the caller to have opened it (PrtLib_BeginExchange).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolvane {

// One-shot action. 0; -1 when the write failed; 0 when the open failed.
int CmdDo(std::string_view key);
// As CmdDo, but leaves the port open.
int CmdDoOpen(std::string_view key);
// One-shot when `wrap`, else on the caller's port. 0; -1 when the write or
// the open failed.
int CmdDoMaybe(std::string_view key, bool wrap);
// Action with a quoted value; opens, does not close. 0; -1 when the write
// failed; 0 when the open failed.
int CmdDoArg(std::string_view key, std::string_view value);
// Action with an argument and a quoted value; as CmdDoArg.
int CmdDoArgs(std::string_view key, std::string_view arg, std::string_view value);

// Writes a value (caller's port). 0 or -1.
int CmdSetVal(std::string_view key, std::string_view value);
// As CmdSetVal with the value lower-cased.
int CmdSetValLower(std::string_view key, std::string_view value);

// Reads a value (caller's port): after 100 ms one read of up to 512 bytes;
// the reply's non-zero bytes. Empty when nothing was read. An empty key sends
// nothing but still waits and reads once, taking up a pending reply.
std::string CmdGetVal(std::string_view key);
// A value reply as a dialog takes it: the text of CmdGetVal, and whether the
// reply was whole. A reply is whole when it ended with its zero byte; no
// byte at all (a silent printer, a failed write) or bytes without the zero
// byte (a reply cut off when the connection dropped) are no value.
struct TValueReply {
    std::string text;
    bool answered = false; // at least one byte came back
    bool whole = false;    // the reply ended with its zero byte
};
// As CmdGetVal (caller's port), with what came back.
TValueReply CmdGetValReply(std::string_view key);
// As CmdGetVal, but waits `waitMs` and then collects the reply up to its
// zero byte; empty when no zero byte arrived.
std::string CmdGetValWait(std::string_view key, int waitMs);
// One-shot value read into `buffer` after 50 ms. The count read; -1 when the
// write or the read failed; 0 when the open failed.
int CmdGetValBytes(std::string_view key, std::span<uint8_t> buffer);

// Sends `text` and a line end without the prefix (caller's port) and reads
// the reply as CmdGetVal does.
std::string CmdQuery(std::string_view text);

// Opens the port as a one-shot command does (without closing it) and
// discards one read of up to 512 bytes.
void DrainReply();

// Sends "ZZZFRONT" CR LF (caller's port). 0.
int SendFront();

} // namespace tolvane
