#include "emulator/handlers/print_jobs.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>
#include <string>

namespace emulator {
namespace {

enum class JobKind { None, Tspl, Epl, Zpl, Cpcl };

const char* kindName(JobKind kind) {
    switch (kind) {
    case JobKind::Tspl:
        return "TSPL";
    case JobKind::Epl:
        return "EPL";
    case JobKind::Zpl:
        return "ZPL";
    case JobKind::Cpcl:
        return "CPCL";
    case JobKind::None:
        break;
    }
    return "";
}

// How `pending` begins: the first bytes of the kind's opening (`partial`
// when they could still become it).
struct Opening {
    JobKind kind = JobKind::None;
    bool partial = false;
};

// `pending` against an opening text: a whole match, a beginning of it, or none.
int compareOpening(ByteView pending, std::string_view opening) {
    const size_t n = std::min(pending.size(), opening.size());
    if (!std::equal(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n), opening.begin())) {
        return -1;
    }
    return n == opening.size() ? 1 : 0;
}

Opening opening(ByteView pending, bool cpcl) {
    // Openings that are whole lines: "CLS" and "N" followed by a line end;
    // a TSPL label may set its size, gap and direction before its "CLS".
    const struct {
        JobKind kind;
        std::string_view text;
    } kOpenings[] = {{JobKind::Tspl, "CLS\r\n"}, {JobKind::Tspl, "CLS\n"},      {JobKind::Tspl, "SIZE "},
                     {JobKind::Tspl, "GAP "},    {JobKind::Tspl, "DIRECTION "}, {JobKind::Epl, "N\r\n"},
                     {JobKind::Epl, "N\n"},      {JobKind::Zpl, "^XA"},         {JobKind::Cpcl, "! "}};
    Opening found;
    for (const auto& candidate : kOpenings) {
        if (candidate.kind == JobKind::Cpcl && !cpcl) {
            continue;
        }
        const int match = compareOpening(pending, candidate.text);
        if (match == 1) {
            return {candidate.kind, false};
        }
        if (match == 0) {
            found.partial = true;
        }
    }
    return found;
}

bool isControl(uint8_t byte) {
    return byte < 0x20 && byte != '\r' && byte != '\n' && byte != '\t';
}

std::string lineText(ByteView line) {
    std::string text(line.begin(), line.end());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

bool endsJob(JobKind kind, const std::string& line) {
    switch (kind) {
    case JobKind::Tspl:
        return line.rfind("PRINT", 0) == 0;
    case JobKind::Epl:
        return line.size() >= 2 && line[0] == 'P' &&
               std::all_of(line.begin() + 1, line.end(), [](char c) { return c >= '0' && c <= '9'; });
    case JobKind::Cpcl:
        return line == "PRINT";
    default:
        return false;
    }
}

// The length of a ZPL job: up to "^XZ", with the line end after it when
// one follows (a label needs none).
Scan scanZpl(ByteView pending) {
    const std::string_view end = "^XZ";
    const auto found = std::search(pending.begin(), pending.end(), end.begin(), end.end());
    if (std::any_of(pending.begin(), found, isControl)) {
        return Scan::noMatch();
    }
    if (found == pending.end()) {
        return pending.size() > kMaxJobBytes ? Scan::noMatch() : Scan::needMore();
    }
    return withOptionalLineEnd(pending, static_cast<size_t>(found - pending.begin()) + end.size());
}

} // namespace

Scan PrintJobHandler::scan(ByteView pending) const {
    const Opening open = opening(pending, recordCpcl_);
    if (open.kind == JobKind::None) {
        return open.partial ? Scan::needMore() : Scan::noMatch();
    }
    if (open.kind == JobKind::Zpl) {
        return scanZpl(pending);
    }
    size_t start = 0;
    while (start < pending.size()) {
        const auto newline =
            std::find(pending.begin() + static_cast<std::ptrdiff_t>(start), pending.end(), '\n');
        const ByteView line = pending.subspan(start, static_cast<size_t>(newline - pending.begin()) - start);
        if (std::any_of(line.begin(), line.end(), isControl)) {
            return Scan::noMatch();
        }
        if (newline == pending.end()) {
            break;
        }
        const size_t next = static_cast<size_t>(newline - pending.begin()) + 1;
        if (start > 0 && endsJob(open.kind, lineText(line))) {
            return Scan::complete(next);
        }
        start = next;
    }
    return pending.size() > kMaxJobBytes ? Scan::noMatch() : Scan::needMore();
}

void PrintJobHandler::handle(ByteView frame, Exchange& exchange) {
    const Opening open = opening(frame, recordCpcl_);
    const std::string text(frame.begin(), frame.end());
    exchange.describe("job", kindName(open.kind), text);
    const auto lines = std::count(frame.begin(), frame.end(), '\n');
    exchange.addNote(std::to_string(lines) + (lines == 1 ? " line" : " lines"));
}

} // namespace emulator
