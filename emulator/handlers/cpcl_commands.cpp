#include "emulator/handlers/cpcl_commands.h"

#include "emulator/core/exchange.h"
#include "emulator/cpcl/cpcl_job_recorder.h"

namespace emulator {

Scan CpclCommandHandler::scan(ByteView pending) const {
    const cpcl::FrameScan scan = cpcl::scanCpclFrame(pending);
    switch (scan.verdict) {
    case cpcl::FrameScan::Verdict::NeedMore:
        return Scan::needMore();
    case cpcl::FrameScan::Verdict::Complete:
        return Scan::complete(scan.length);
    case cpcl::FrameScan::Verdict::NoMatch:
        break;
    }
    return Scan::noMatch();
}

void CpclCommandHandler::handle(ByteView frame, Exchange& exchange) {
    cpcl::Command command;
    command.bytes.assign(frame.begin(), frame.end());
    command.keyword = cpcl::cpclKeyword(frame);
    if (command.keyword == "COMPRESSED-GRAPHICS" || command.keyword == "VCOMPRESSED-GRAPHICS") {
        command.graphic = cpcl::decodeGraphics(frame);
    }
    std::string text = command.text();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    exchange.describe("cpcl", command.keyword, text);
    if (command.graphic) {
        const cpcl::GraphicsHeader& header = command.graphic->header;
        exchange.addNote("graphic " + std::to_string(command.graphic->widthDots()) + " x " +
                         std::to_string(header.height) + " dots at " + std::to_string(header.x) + "," +
                         std::to_string(header.y));
    } else {
        exchange.addNote("recognised");
    }
}

} // namespace emulator
