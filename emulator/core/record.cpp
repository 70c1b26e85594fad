#include "emulator/core/record.h"

#include <algorithm>

namespace emulator {
namespace {

// Longest run of bytes written out in full; the rest is counted.
constexpr size_t kShownBytes = 1024;

std::string shown(ByteView bytes) {
    std::string text =
        std::to_string(bytes.size()) + ": " + readableText(bytes.first(std::min(bytes.size(), kShownBytes)));
    if (bytes.size() > kShownBytes) {
        text += " and " + std::to_string(bytes.size() - kShownBytes) + " more bytes";
    }
    return text;
}

} // namespace

std::string unknownRequestText(const Record& record) {
    return record.key.empty() ? record.command : record.command + " " + record.key;
}

std::string describeRecord(const Record& record) {
    std::string line = record.link + " " + record.command;
    if (!record.key.empty()) {
        line += " " + record.key;
    }
    if (!record.value.empty()) {
        line += " = " + readableText(bytesOf(record.value));
    }
    if (!record.note.empty()) {
        line += " (" + record.note + ")";
    }
    if (!record.received.empty()) {
        line += " | received " + shown(record.received);
    }
    if (!record.reply.empty()) {
        line += " | replied " + shown(record.reply);
    }
    for (const std::string& fault : record.faults) {
        line += " | fault " + fault;
    }
    return line;
}

} // namespace emulator
