#include "emulator/handlers/tspl_files.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>
#include <charconv>

namespace emulator {
namespace {

// The starts of a TSPL download and the memory each stores in: flash
// ("E", "N" or no letter) or the memory card ("F").
struct DownloadHead {
    std::string_view text;
    char memory;
};
constexpr DownloadHead kDownloadHeads[] = {
    {"DOWNLOAD E,\"", 'E'}, {"DOWNLOAD N,\"", 'E'}, {"DOWNLOAD F,\"", 'F'}, {"DOWNLOAD \"", 'E'}};
constexpr std::string_view kEop = "\r\nEOP\r\n";
constexpr std::string_view kList = "~!F";
constexpr std::string_view kKill = "KILL E,\"";
constexpr std::string_view kRun = "RUN \"";
constexpr size_t kMaxName = 64;
constexpr size_t kMaxFile = 16 << 20;

// The text between the first two double quotes of a line.
std::string quotedName(std::string_view text) {
    const size_t open = text.find('"');
    const size_t close = open == std::string_view::npos ? open : text.find('"', open + 1);
    return close == std::string_view::npos ? std::string()
                                           : std::string(text.substr(open + 1, close - open - 1));
}

struct DownloadShape {
    Scan scan;
    char memory = 'E';
    std::string name;
    size_t dataStart = 0;
    size_t dataLength = 0;
    bool malformed = false;
};

// DOWNLOAD E,"NAME" followed by either CR LF (data up to CR LF EOP CR LF)
// or ",SIZE," and SIZE bytes.
DownloadShape scanDownloadAfter(ByteView pending, std::string_view kDownload) {
    DownloadShape shape;
    shape.scan = scanLiteral(pending, bytesOf(kDownload));
    if (shape.scan.verdict != Scan::Verdict::Complete) {
        return shape;
    }
    const std::string text =
        textOf(pending.first(std::min(pending.size(), kDownload.size() + kMaxName + 16)));
    const size_t close = text.find('"', kDownload.size());
    if (close == std::string::npos) {
        shape.scan = text.size() >= kDownload.size() + kMaxName ? Scan::noMatch() : Scan::needMore();
        return shape;
    }
    shape.name = text.substr(kDownload.size(), close - kDownload.size());
    if (close + 2 >= text.size()) {
        shape.scan = Scan::needMore();
        return shape;
    }
    if (text[close + 1] == '\r' && text[close + 2] == '\n') {
        shape.dataStart = close + 3;
        const std::string_view all(reinterpret_cast<const char*>(pending.data()), pending.size());
        const size_t eop = all.find(kEop, shape.dataStart);
        if (eop == std::string_view::npos) {
            shape.scan = pending.size() > kMaxFile ? Scan::noMatch() : Scan::needMore();
            return shape;
        }
        shape.dataLength = eop - shape.dataStart;
        shape.scan = Scan::complete(eop + kEop.size());
        return shape;
    }
    if (text[close + 1] != ',') {
        shape.scan = Scan::noMatch();
        return shape;
    }
    const size_t comma = text.find(',', close + 2);
    if (comma == std::string::npos) {
        shape.scan = text.size() > close + 12 ? Scan::noMatch() : Scan::needMore();
        return shape;
    }
    size_t size = 0;
    const auto [end, ec] = std::from_chars(text.data() + close + 2, text.data() + comma, size);
    if (ec != std::errc() || end != text.data() + comma || size > kMaxFile) {
        shape.scan = Scan::noMatch();
        return shape;
    }
    shape.dataStart = comma + 1;
    shape.dataLength = size;
    shape.scan =
        pending.size() >= shape.dataStart + size ? Scan::complete(shape.dataStart + size) : Scan::needMore();
    return shape;
}

constexpr std::string_view kDownloadWord = "DOWNLOAD ";

DownloadShape scanDownload(ByteView pending) {
    bool more = false;
    for (const DownloadHead& head : kDownloadHeads) {
        DownloadShape shape = scanDownloadAfter(pending, head.text);
        if (shape.scan.verdict == Scan::Verdict::Complete) {
            shape.memory = head.memory;
            return shape;
        }
        more = more || shape.scan.verdict == Scan::Verdict::NeedMore;
    }
    DownloadShape none;
    none.scan = more ? Scan::needMore() : Scan::noMatch();
    if (!more && scanLiteral(pending, bytesOf(kDownloadWord)).verdict == Scan::Verdict::Complete) {
        // A DOWNLOAD the printer cannot read: what follows is its data, up
        // to the next pause of the input.
        none.malformed = true;
        none.scan = pending.size() >= kMaxFile ? Scan::complete(kMaxFile) : Scan::tentative(pending.size());
    }
    return none;
}

Scan firstMatch(std::initializer_list<Scan> scans) {
    bool more = false;
    for (const Scan& scan : scans) {
        if (scan.verdict == Scan::Verdict::Complete || scan.verdict == Scan::Verdict::Tentative) {
            return scan;
        }
        more = more || scan.verdict == Scan::Verdict::NeedMore;
    }
    return more ? Scan::needMore() : Scan::noMatch();
}

} // namespace

Scan TsplFileHandler::scan(ByteView pending) const {
    return firstMatch({scanDownload(pending).scan, scanTextCommand(pending, kList),
                       scanLine(pending, kKill, kKill.size() + kMaxName + 4),
                       scanLine(pending, kRun, kRun.size() + kMaxName + 4)});
}

void TsplFileHandler::handle(ByteView frame, Exchange& exchange) {
    FileStore& files = exchange.printer().files();
    const DownloadShape shape = scanDownload(frame);
    if (shape.malformed) {
        exchange.describe("tspl_download", "", std::to_string(frame.size()) + " bytes");
        exchange.addNote("refused: no quoted name and size after DOWNLOAD");
        return;
    }
    if (shape.scan.verdict == Scan::Verdict::Complete) {
        exchange.describe("tspl_download", shape.name, std::to_string(shape.dataLength) + " bytes");
        const ByteView data = frame.subspan(shape.dataStart, shape.dataLength);
        const bool stored = files.store({shape.memory == 'F' ? "card" : "direct", shape.memory, shape.name,
                                         Bytes(data.begin(), data.end())});
        exchange.addNote(stored ? "stored" : "refused: memory full");
        return;
    }
    const std::string line = textOf(frame);
    if (line.starts_with(kList)) {
        exchange.describe("tspl_list");
        std::string text;
        for (const FileStore::File* file : files.list("direct")) {
            text += file->name + "\r";
        }
        exchange.reply(bytesOf(text + "\r\n"));
        return;
    }
    const std::string name = quotedName(line);
    if (line.starts_with(kKill)) {
        exchange.describe("tspl_kill", name);
        exchange.addNote(files.erase("direct", name) ? "deleted" : "no such file");
        return;
    }
    exchange.describe("tspl_run", name);
    const bool known = files.find("direct", name) != nullptr || files.find("card", name) != nullptr;
    exchange.addNote(known ? "printed" : "no such file");
}

namespace {

constexpr std::string_view kDg = "~DGE:";
constexpr std::string_view kLabelStart = "^XA";
constexpr std::string_view kLabelEnd = "^XZ";
constexpr std::string_view kRecall = "^XGE:";

struct GraphicShape {
    Scan scan;
    std::string name;
    size_t total = 0;
    size_t dataStart = 0;
};

GraphicShape scanGraphic(ByteView pending) {
    GraphicShape shape;
    shape.scan = scanLiteral(pending, bytesOf(kDg));
    if (shape.scan.verdict != Scan::Verdict::Complete) {
        return shape;
    }
    const std::string text = textOf(pending.first(std::min(pending.size(), kDg.size() + kMaxName + 32)));
    size_t commas[3] = {};
    size_t at = kDg.size();
    for (size_t& comma : commas) {
        comma = text.find(',', at);
        if (comma == std::string::npos) {
            shape.scan = text.size() >= kDg.size() + kMaxName + 32 ? Scan::noMatch() : Scan::needMore();
            return shape;
        }
        at = comma + 1;
    }
    shape.name = text.substr(kDg.size(), commas[0] - kDg.size());
    const auto [end, ec] = std::from_chars(text.data() + commas[0] + 1, text.data() + commas[1], shape.total);
    if (ec != std::errc() || end != text.data() + commas[1] || shape.total > kMaxFile / 3) {
        shape.scan = Scan::noMatch();
        return shape;
    }
    shape.dataStart = commas[2] + 1;
    const size_t length = shape.dataStart + shape.total * 3;
    shape.scan = pending.size() >= length ? Scan::complete(length) : Scan::needMore();
    return shape;
}

// A label that prints a stored graphic; other labels are no match.
Scan scanLabel(ByteView pending) {
    const Scan start = scanLiteral(pending, bytesOf(kLabelStart));
    if (start.verdict != Scan::Verdict::Complete) {
        return start;
    }
    const std::string_view all(reinterpret_cast<const char*>(pending.data()), pending.size());
    const size_t end = all.find(kLabelEnd);
    if (end == std::string_view::npos) {
        return pending.size() > 4096 ? Scan::noMatch() : Scan::needMore();
    }
    if (all.substr(0, end).find(kRecall) == std::string_view::npos) {
        return Scan::noMatch();
    }
    return withOptionalLineEnd(pending, end + kLabelEnd.size());
}

uint8_t hexDigit(uint8_t c) {
    return static_cast<uint8_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
}

} // namespace

Scan ZplGraphicHandler::scan(ByteView pending) const {
    return firstMatch({scanGraphic(pending).scan, scanLabel(pending)});
}

void ZplGraphicHandler::handle(ByteView frame, Exchange& exchange) {
    if (const GraphicShape shape = scanGraphic(frame); shape.scan.verdict == Scan::Verdict::Complete) {
        exchange.describe("zpl_graphic", shape.name, std::to_string(shape.total) + " bytes");
        Bytes data(shape.total);
        for (size_t i = 0; i < shape.total; ++i) {
            const size_t at = shape.dataStart + i * 3;
            data[i] = static_cast<uint8_t>(hexDigit(frame[at]) << 4 | hexDigit(frame[at + 1]));
        }
        const bool stored = exchange.printer().files().store({"bitmaps", 'E', shape.name, std::move(data)});
        exchange.addNote(stored ? "stored" : "refused: memory full");
        return;
    }
    const std::string label = textOf(frame);
    const size_t at = label.find(kRecall) + kRecall.size();
    const size_t end = label.find('^', at);
    const std::string name = label.substr(at, end == std::string::npos ? end : end - at);
    exchange.describe("zpl_print", name, label);
    exchange.addNote(exchange.printer().files().find("bitmaps", name) != nullptr ? "printed"
                                                                                 : "no such image");
}

} // namespace emulator
