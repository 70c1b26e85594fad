#include "emulator/handlers/file_commands.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <array>

namespace emulator {
namespace {

constexpr std::string_view kDo = "do ";
constexpr std::string_view kGetVal = "getval ";
constexpr std::array<std::string_view, 4> kActions = {"download", "print", "delete", "userfont_download"};
constexpr std::array<std::string_view, 4> kKinds = {"bitmaps", "labels", "autoform", "fonts"};
constexpr std::array<std::string_view, 5> kEncodings = {"gbk", "big5", "jis", "euc", "ascii"};
constexpr std::array<std::string_view, 4> kCapacityKeys = {"use_capacity", "remain_capacity",
                                                           "use_capacity_ram", "remain_capacity_ram"};

template <size_t N>
bool isOneOf(const std::array<std::string_view, N>& names, const std::string& name) {
    for (std::string_view n : names) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

// Narrows a complete private line to the keys this handler serves.
Scan scanKeys(ByteView pending, std::string_view verb, bool (*wanted)(const std::string&)) {
    const Scan scan = scanPrivateLine(pending, verb);
    if (scan.verdict != Scan::Verdict::Complete) {
        return scan;
    }
    return wanted(splitKey(privateLineText(pending.first(scan.length), verb)).key) ? scan : Scan::noMatch();
}

bool isAction(const std::string& key) {
    return isOneOf(kActions, key);
}

bool isFileValue(const std::string& key) {
    return isOneOf(kKinds, key) || isOneOf(kCapacityKeys, key);
}

// The quoted texts of an argument list: "bitmaps" "E_LOGO.GRF".
std::vector<std::string> quotedTexts(std::string_view text) {
    std::vector<std::string> out;
    size_t at = 0;
    while ((at = text.find('"', at)) != std::string_view::npos) {
        const size_t end = text.find('"', at + 1);
        if (end == std::string_view::npos) {
            break;
        }
        out.emplace_back(text.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return out;
}

} // namespace

Scan FileActionHandler::scan(ByteView pending) const {
    return scanKeys(pending, kDo, isAction);
}

void FileActionHandler::handle(ByteView frame, Exchange& exchange) {
    const KeyAndRest parts = splitKey(privateLineText(frame, kDo));
    exchange.describe("do", parts.key, parts.rest);
    const std::vector<std::string> args = quotedTexts(parts.rest);
    FileStore& files = exchange.printer().files();
    if (parts.key == "userfont_download") {
        if (args.size() != 1 || !isOneOf(kEncodings, args[0]) || files.remaining('E') == 0) {
            files.pending.reset();
            exchange.addNote(args.size() == 1 && isOneOf(kEncodings, args[0]) ? "memory full"
                                                                              : "unknown encoding");
            exchange.reply(bytesOf("ER"));
            return;
        }
        files.erase("userfont", "E_" + args[0]);
        files.pending = FileStore::PendingDownload{"userfont", 'E', args[0], {}, 0, true};
        exchange.addNote("waiting for user font blocks");
        exchange.reply(bytesOf("OK"));
        return;
    }
    if (args.size() != 2 || !isOneOf(kKinds, args[0])) {
        exchange.addNote("malformed file action");
        exchange.reply(bytesOf("ER"));
        return;
    }
    const std::string& kind = args[0];
    const std::string& value = args[1];
    if (parts.key == "download") {
        const MemoryName target = splitMemoryName(value);
        if (target.memory == 0 || target.name.empty() || files.remaining(target.memory) == 0) {
            files.pending.reset();
            exchange.addNote(target.memory == 0 ? "no memory prefix" : "memory full");
            exchange.reply(bytesOf("ER"));
            return;
        }
        files.pending = FileStore::PendingDownload{kind, target.memory, target.name, {}, 0};
        exchange.addNote("waiting for blocks");
        exchange.reply(bytesOf("OK"));
        return;
    }
    const bool known = files.find(kind, value) != nullptr;
    if (parts.key == "delete" && known) {
        files.erase(kind, value);
    }
    exchange.addNote(known ? (parts.key == "delete" ? "deleted" : "printed") : "no such file");
    exchange.reply(bytesOf(known ? "OK" : "ER"));
}

Scan FileValueHandler::scan(ByteView pending) const {
    return scanKeys(pending, kGetVal, isFileValue);
}

void FileValueHandler::handle(ByteView frame, Exchange& exchange) {
    const KeyAndRest parts = splitKey(privateLineText(frame, kGetVal));
    exchange.describe("getval", parts.key);
    const FileStore& files = exchange.printer().files();
    std::string text;
    if (isOneOf(kKinds, parts.key)) {
        for (const FileStore::File* file : files.list(parts.key)) {
            text += std::string(1, file->memory) + "_" + file->name + ",";
        }
        if (parts.key != "autoform" && !text.empty()) {
            text.pop_back();
        }
    } else {
        const char memory = parts.key.ends_with("_ram") ? 'R' : 'E';
        const size_t amount = parts.key.starts_with("use") ? files.used(memory) : files.remaining(memory);
        text = std::to_string(amount);
    }
    Bytes reply = bytesOf(text);
    reply.push_back(0);
    exchange.reply(std::move(reply));
    exchange.addNote("stored files");
}

} // namespace emulator
