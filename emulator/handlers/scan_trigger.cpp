#include "emulator/handlers/scan_trigger.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {

Bytes triggerText() {
    Bytes text = kPrivatePrefix;
    const Bytes rest = bytesOf("do \"scan_trigger\"");
    text.insert(text.end(), rest.begin(), rest.end());
    return text;
}

} // namespace

Scan ScanTriggerHandler::scan(ByteView pending) const {
    static const Bytes kTrigger = triggerText();
    const Scan head = scanLiteral(pending, kTrigger);
    if (head.verdict != Scan::Verdict::Complete) {
        return head;
    }
    const size_t at = kTrigger.size();
    if (pending.size() == at || (pending[at] == '\r' && pending.size() == at + 1)) {
        return Scan::needMore();
    }
    if (pending[at] == '\n') {
        return Scan::complete(at + 1);
    }
    if (pending[at] == '\r' && pending[at + 1] == '\n') {
        return Scan::complete(at + 2);
    }
    return Scan::noMatch(); // another action, or arguments: the standard "do" takes it
}

void ScanTriggerHandler::handle(ByteView, Exchange& exchange) {
    exchange.describe("do", "scan_trigger");
    ++triggers_;
    if (setup_.answerOn > 0 && triggers_ >= setup_.answerOn) {
        triggers_ = 0;
        exchange.reply(setup_.text);
        exchange.addNote("scanned");
    } else {
        exchange.addNote("nothing scanned");
    }
}

} // namespace emulator
