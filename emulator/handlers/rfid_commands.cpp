#include "emulator/handlers/rfid_commands.h"

#include "emulator/core/exchange.h"
#include "emulator/core/printer.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace emulator {
namespace {

struct Entry {
    std::string_view verb;
    std::string_view quotedKey;
};
constexpr std::array<Entry, 4> kEntries = {{
    {"do ", "\"rfid_print\""},
    {"setval ", "\"rfid_wr\""},
    {"setval ", "\"rfid_power_level\""},
    {"setval ", "\"rfid_rssi_level\""},
}};

// The tag's memory: 12 bytes.
constexpr size_t kTagBytes = 12;

Bytes literalOf(const Entry& entry) {
    Bytes literal = kPrivatePrefix;
    literal.insert(literal.end(), entry.verb.begin(), entry.verb.end());
    literal.insert(literal.end(), entry.quotedKey.begin(), entry.quotedKey.end());
    return literal;
}

Bytes textBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::vector<std::string> splitFields(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

bool isHexData(const std::string& text) {
    return !text.empty() && text.size() % 2 == 0 && text.size() <= 2 * kTagBytes &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// A byte count of 1 to the tag's size; 0 when the text is none.
size_t byteCount(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    const size_t count = std::stoul(text);
    return count <= kTagBytes ? count : 0;
}

std::string tagOf(const Printer& printer) {
    std::string tag = printer.value("rfid_tag").value_or("");
    tag.resize(2 * kTagBytes, '0');
    return tag;
}

} // namespace

Scan RfidCommandHandler::scan(ByteView pending) const {
    bool beginning = false;
    for (const Entry& entry : kEntries) {
        const Bytes literal = literalOf(entry);
        if (pending.size() < literal.size()) {
            beginning = beginning || std::equal(pending.begin(), pending.end(), literal.begin());
        } else if (std::equal(literal.begin(), literal.end(), pending.begin())) {
            return scanPrivateLine(pending, entry.verb);
        }
    }
    return beginning ? Scan::needMore() : Scan::noMatch();
}

void RfidCommandHandler::handle(ByteView frame, Exchange& exchange) {
    Printer& printer = exchange.printer();
    const bool action = frame.size() > kPrivatePrefix.size() && frame[kPrivatePrefix.size()] == 'd';
    const std::string line = privateLineText(frame, action ? "do " : "setval ");
    const KeyAndRest parts = splitKey(line);
    if (action) {
        exchange.describe("do", parts.key);
        exchange.addNote("tag ready");
        printer.setValue("rfid_armed", "1");
        return;
    }
    const std::string value = unquoteValue(parts.rest);
    exchange.describe("setval", parts.key, value);
    printer.setValue(parts.key, value);
    const std::string answer = printer.value("rfid_answer").value_or("");
    if (parts.key != "rfid_wr") {
        exchange.addNote("level stored");
        exchange.reply(textBytes(answer == "error" ? "error" : "ok"));
        return;
    }
    const std::vector<std::string> fields = splitFields(value);
    const char op = fields[0].size() == 1 ? fields[0][0] : '?';
    const bool writes = op == 'w' || op == 's';
    const std::string& data = op == 'w' ? (fields.size() > 4 ? fields[4] : fields.back()) : fields.back();
    const size_t count = op == 'r' || op == 's' ? byteCount(fields.size() > 4 ? fields[4] : "") : 0;
    const bool wellFormed =
        fields.size() == (op == 's' ? 6u : 5u) && (op == 'w' || count > 0) && (!writes || isHexData(data));
    if (answer == "error") {
        exchange.addNote("module answers error");
        exchange.reply(textBytes("error"));
        return;
    }
    if (answer == "ng" || !wellFormed || !printer.value("rfid_armed")) {
        exchange.addNote(!printer.value("rfid_armed") ? "refused: no rfid_print before" : "refused");
        exchange.reply(op == 'w' ? Bytes{'N', 'G', 0, 'N', 'G', 0} : Bytes{'N', 'G', 0});
        return;
    }
    std::string tag = tagOf(printer);
    if (writes) {
        std::string upper = data;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
        tag.replace(0, upper.size(), upper);
        printer.setValue("rfid_tag", tag);
    }
    if (op == 'w') {
        exchange.addNote("tag written");
        exchange.reply(Bytes{'o', 'k', 0, 'o', 'k', 0});
        return;
    }
    exchange.addNote(op == 's' ? "tag written and read" : "tag read");
    exchange.reply(textBytes(tag.substr(0, 2 * count)));
}

} // namespace emulator
