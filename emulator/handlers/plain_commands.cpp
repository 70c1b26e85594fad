#include "emulator/handlers/plain_commands.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {

struct PlainCommand {
    const char* command; // record name
    const char* text;    // a text command, or null
    Bytes bytes;         // a binary command when `text` is null
    const char* note;
    bool restoresFactory = false;
};

const PlainCommand kCommands[] = {
    {"self_test", "SELFTEST", {}, "configuration page printed"},
    {"self_test", nullptr, {0x1D, 0x28, 0x41, 0x02, 0x00, 0x00, 0x01}, "configuration page printed"},
    {"self_test", nullptr, {0x1D, 0x28, 0x41, 0x02, 0x00, 0x00, 0x02}, "configuration page printed"},
    {"learn", "ZZZLEARN", {}, "label learned"},
    {"front_learn", "ZZZFRONT", {}, "front sensor learned"},
    {"head_test", "ZZZDENSITYTST", {}, "print-head test printed"},
    {"head_test", nullptr, {0x12, 0x56}, "print-head test printed"},
    {"head_test", nullptr, {0x1B, 0x1B, 0x04}, "print-head test printed"},
    {"factory_reset", nullptr, {0x1B, 0x1B, 0x20}, "factory settings restored", true},
    {"factory_reset", nullptr, {0x1B, 0x21, 0x52}, "factory settings restored", true},
    {"dfu_mode", "ZZZDFUMODE", {}, "firmware update mode"},
    {"dfu_mode", nullptr, {0x1D, 0x75, 0x55, 0xAA}, "firmware update mode"},
};

Scan scanCommand(const PlainCommand& command, ByteView pending) {
    return command.text != nullptr ? scanTextCommand(pending, command.text)
                                   : scanLiteral(pending, command.bytes);
}

} // namespace

Scan PlainCommandHandler::scan(ByteView pending) const {
    bool partial = false;
    for (const PlainCommand& command : kCommands) {
        const Scan scan = scanCommand(command, pending);
        if (scan.verdict == Scan::Verdict::Complete) {
            return scan;
        }
        partial = partial || scan.verdict == Scan::Verdict::NeedMore;
    }
    return partial ? Scan::needMore() : Scan::noMatch();
}

void PlainCommandHandler::handle(ByteView frame, Exchange& exchange) {
    for (const PlainCommand& command : kCommands) {
        if (scanCommand(command, frame).verdict != Scan::Verdict::Complete) {
            continue;
        }
        exchange.describe(command.command, command.text != nullptr ? command.text : hexText(command.bytes));
        if (command.restoresFactory) {
            exchange.printer().restoreFactory();
        }
        exchange.addNote(command.note);
        return;
    }
}

} // namespace emulator
