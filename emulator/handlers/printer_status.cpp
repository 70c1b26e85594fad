#include "emulator/handlers/printer_status.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {

constexpr std::string_view kVerb = "getval ";

const Bytes& frameHead() {
    static const Bytes head = [] {
        Bytes bytes = kPrivatePrefix;
        const Bytes rest = bytesOf("getval \"printer_status\"");
        bytes.insert(bytes.end(), rest.begin(), rest.end());
        return bytes;
    }();
    return head;
}

} // namespace

Scan PrinterStatusHandler::scan(ByteView pending) const {
    const Scan head = scanLiteral(pending, frameHead());
    if (head.verdict != Scan::Verdict::Complete) {
        return head;
    }
    const Scan line = scanPrivateLine(pending, kVerb);
    if (line.verdict == Scan::Verdict::Complete &&
        splitKey(privateLineText(pending.first(line.length), kVerb)).key != "printer_status") {
        return Scan::noMatch();
    }
    return line;
}

void PrinterStatusHandler::handle(ByteView, Exchange& exchange) {
    exchange.describe("getval", "printer_status");
    Bytes block = exchange.printer().diagnostics().status;
    block.resize(kStatusBlockSize, 0);
    exchange.reply(std::move(block));
    exchange.addNote("status block");
}

} // namespace emulator
