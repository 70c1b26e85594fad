#include "emulator/core/record.h"

namespace emulator {

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
        line +=
            " | received " + std::to_string(record.received.size()) + ": " + readableText(record.received);
    }
    if (!record.reply.empty()) {
        line += " | replied " + std::to_string(record.reply.size()) + ": " + readableText(record.reply);
    }
    for (const std::string& fault : record.faults) {
        line += " | fault " + fault;
    }
    return line;
}

} // namespace emulator
