#include "emulator/handlers/frame_scan.h"

#include <algorithm>

namespace emulator {

const Bytes kPrivatePrefix = {0x1B, 0x1C, 0x26, 0x20, 0x56, 0x31, 0x20};

Scan scanLiteral(ByteView pending, ByteView literal) {
    const size_t n = std::min(pending.size(), literal.size());
    if (!std::equal(literal.begin(), literal.begin() + static_cast<std::ptrdiff_t>(n), pending.begin())) {
        return Scan::noMatch();
    }
    return n == literal.size() ? Scan::complete(n) : Scan::needMore();
}

Scan scanLine(ByteView pending, std::string_view head, size_t maxLength) {
    const Scan start = scanLiteral(pending, bytesOf(head));
    if (start.verdict != Scan::Verdict::Complete) {
        return start;
    }
    const auto end = std::find(pending.begin(), pending.end(), '\n');
    if (end != pending.end()) {
        return Scan::complete(static_cast<size_t>(end - pending.begin()) + 1);
    }
    return pending.size() > maxLength ? Scan::noMatch() : Scan::needMore();
}

Scan scanTextCommand(ByteView pending, std::string_view word) {
    const Scan head = scanLiteral(pending, bytesOf(word));
    if (head.verdict != Scan::Verdict::Complete) {
        return head;
    }
    const ByteView tail = pending.subspan(word.size());
    if (tail.empty()) {
        return Scan::needMore();
    }
    if (tail[0] == '\n') {
        return Scan::complete(word.size() + 1);
    }
    if (tail[0] != '\r') {
        return Scan::noMatch();
    }
    if (tail.size() == 1) {
        return Scan::needMore();
    }
    return tail[1] == '\n' ? Scan::complete(word.size() + 2) : Scan::noMatch();
}

namespace {

Scan scanPrefixAndVerb(ByteView pending, std::string_view verb) {
    const Scan prefix = scanLiteral(pending, kPrivatePrefix);
    if (prefix.verdict != Scan::Verdict::Complete) {
        return prefix;
    }
    return scanLiteral(pending.subspan(kPrivatePrefix.size()), bytesOf(verb));
}

} // namespace

Scan scanPrivateLine(ByteView pending, std::string_view verb) {
    const Scan head = scanPrefixAndVerb(pending, verb);
    if (head.verdict != Scan::Verdict::Complete) {
        return head;
    }
    const size_t start = kPrivatePrefix.size() + verb.size();
    const ByteView line = pending.subspan(start, std::min(pending.size() - start, kMaxPrivateLine + 2));
    const auto end = std::find(line.begin(), line.end(), '\n');
    if (end != line.end()) {
        return Scan::complete(start + static_cast<size_t>(end - line.begin()) + 1);
    }
    return line.size() >= kMaxPrivateLine + 2 ? Scan::noMatch() : Scan::needMore();
}

std::string privateLineText(ByteView frame, std::string_view verb) {
    std::string line = textOf(frame.subspan(kPrivatePrefix.size() + verb.size()));
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

Scan scanPrivateKeyFrame(ByteView pending, std::string_view verb, bool carriesValue) {
    static const Bytes kLineEnd = {'\r', '\n'};
    const Scan head = scanPrefixAndVerb(pending, verb);
    if (head.verdict != Scan::Verdict::Complete) {
        return head;
    }
    const size_t verbEnd = kPrivatePrefix.size() + verb.size();
    const Scan lineEnd = scanLiteral(pending.subspan(verbEnd), kLineEnd);
    if (lineEnd.verdict != Scan::Verdict::Complete) {
        return lineEnd;
    }
    const size_t header = kKeyHeaderSize + 4; // group, id (2), length
    if (pending.size() < header) {
        return Scan::needMore();
    }
    const size_t length = carriesValue ? header + pending[header - 1] : header;
    return pending.size() >= length ? Scan::complete(length) : Scan::needMore();
}

KeyAndRest splitKey(std::string_view line) {
    KeyAndRest parts;
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return parts;
    }
    line.remove_prefix(start);
    size_t after = 0;
    if (line[0] == '"') {
        const size_t close = line.find('"', 1);
        parts.key =
            std::string(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        after = close == std::string_view::npos ? line.size() : close + 1;
    } else {
        after = std::min(line.find(' '), line.size());
        parts.key = std::string(line.substr(0, after));
    }
    const std::string_view rest = line.substr(after);
    const size_t restStart = rest.find_first_not_of(' ');
    parts.rest = restStart == std::string_view::npos ? std::string() : std::string(rest.substr(restStart));
    return parts;
}

std::string unquoteValue(std::string_view text) {
    const size_t first = text.find('"');
    const size_t last = text.rfind('"');
    if (first == std::string_view::npos || last == first) {
        return std::string(text);
    }
    return std::string(text.substr(first + 1, last - first - 1));
}

Scan withOptionalLineEnd(ByteView pending, size_t length) {
    if (length >= pending.size()) {
        return Scan::tentative(length);
    }
    if (pending[length] == '\n') {
        return Scan::complete(length + 1);
    }
    if (pending[length] == '\r') {
        if (length + 1 == pending.size()) {
            return Scan::tentative(length + 1);
        }
        return Scan::complete(pending[length + 1] == '\n' ? length + 2 : length + 1);
    }
    return Scan::complete(length);
}

} // namespace emulator
