#include "emulator/handlers/tspl_positions.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>

namespace emulator {
namespace {

constexpr std::string_view kListN = "ZZZFILES N";
constexpr std::string_view kListF = "ZZZFILES F";
constexpr std::string_view kSpace = "ZZZFILESSIZE";
constexpr std::string_view kKillN = "KILL \"";
constexpr std::string_view kKillF = "KILL F,\"";
constexpr size_t kMaxLine = 96;

std::string quotedName(std::string_view text) {
    const size_t open = text.find('"');
    const size_t close = open == std::string_view::npos ? open : text.find('"', open + 1);
    return close == std::string_view::npos ? std::string()
                                           : std::string(text.substr(open + 1, close - open - 1));
}

void putWord(Bytes& out, size_t value) {
    const auto v = static_cast<uint32_t>(std::min<size_t>(value, UINT32_MAX));
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

const char* kindOf(bool card) {
    return card ? "card" : "direct";
}

} // namespace

Scan TsplPositionHandler::scan(ByteView pending) const {
    bool more = false;
    for (const Scan scan : {scanTextCommand(pending, kSpace), scanTextCommand(pending, kListN),
                            scanTextCommand(pending, kListF), scanLine(pending, kKillN, kMaxLine),
                            scanLine(pending, kKillF, kMaxLine)}) {
        if (scan.verdict == Scan::Verdict::Complete) {
            return scan;
        }
        more = more || scan.verdict == Scan::Verdict::NeedMore;
    }
    return more ? Scan::needMore() : Scan::noMatch();
}

void TsplPositionHandler::handle(ByteView frame, Exchange& exchange) {
    FileStore& files = exchange.printer().files();
    const std::string line = textOf(frame);
    if (line.starts_with(kSpace)) {
        exchange.describe("tspl_space");
        Bytes reply;
        putWord(reply, files.capacity('F'));
        putWord(reply, files.remaining('F'));
        putWord(reply, files.capacity('E'));
        putWord(reply, files.remaining('E'));
        exchange.reply(std::move(reply));
        return;
    }
    if (line.starts_with(kListN) || line.starts_with(kListF)) {
        const bool card = line.starts_with(kListF);
        exchange.describe("tspl_files", card ? "F" : "N");
        std::string text;
        for (const FileStore::File* file : files.list(kindOf(card))) {
            text += (text.empty() ? "" : ",") + file->name;
        }
        exchange.reply(bytesOf(text + "\r"));
        return;
    }
    const bool card = line.starts_with(kKillF);
    const std::string name = quotedName(line);
    exchange.describe("tspl_kill", name, card ? "F" : "N");
    if (name == "*") {
        std::vector<std::string> names;
        for (const FileStore::File* file : files.list(kindOf(card))) {
            names.push_back(file->name);
        }
        for (const std::string& each : names) {
            files.erase(kindOf(card), each);
        }
        exchange.addNote("emptied " + std::string(card ? "F" : "N"));
        return;
    }
    exchange.addNote(files.erase(kindOf(card), name) ? "deleted" : "no such file");
}

} // namespace emulator
