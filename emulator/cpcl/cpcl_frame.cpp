#include "emulator/cpcl/cpcl_frame.h"

#include "emulator/cpcl/compressed_graphics.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace emulator::cpcl {
namespace {

// The arguments a command word takes on its line, as space-separated tokens:
// "#" an integer, "W" any word, "*" the rest of the line (possibly empty),
// anything else that literal text. Alternatives are separated by "|". A
// block command continues over further lines up to a line holding only its
// end word.
struct Grammar {
    std::string_view word;
    std::string_view arguments;
    std::string_view endWord;
};

constexpr std::array<Grammar, 27> kGrammar = {{
    {"!", "# # # # #", {}},
    {"LEFT", "", {}},
    {"CENTER", "", {}},
    {"RIGHT", "", {}},
    {"TEXT", "# # # # *", {}},
    {"TEXT90", "# # # # *", {}},
    {"TEXT180", "# # # # *", {}},
    {"TEXT270", "# # # # *", {}},
    {"BARCODE", "W # # # # # *", {}},
    {"VBARCODE", "W # # # # # *", {}},
    {"BARCODE-TEXT", "OFF|# # #", {}},
    {"B", "QR # # M # U # *", "ENDQR"},
    {"VB", "QR # # M # U # *", "ENDQR"},
    {"BOX", "# # # # #", {}},
    {"LINE", "# # # # #", {}},
    {"SETMAG", "# #", {}},
    {"CONTRAST", "#", {}},
    {"SPEED", "#", {}},
    {"SETSP", "#", {}},
    {"LMARGIN", "#", {}},
    {"SETBOLD", "#", {}},
    {"UNDERLINE", "ON|OFF", {}},
    {"ABORT", "", {}},
    {"PRINT", "", {}},
    {"FORM", "", {}},
    {"PREFEED", "#", {}},
    {"POSTFEED", "#", {}},
}};

// PDF417 shares its first word with the linear barcodes.
constexpr std::string_view kPdf417Arguments = "PDF-417 # # XD # YD # C # R # S # B0";
constexpr std::string_view kPdf417End = "ENDPDF";

std::string_view textOf(ByteSpan bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool isInteger(std::string_view token) {
    if (!token.empty() && token[0] == '-') {
        token.remove_prefix(1);
    }
    return !token.empty() && token.size() <= 11 &&
           std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether `arguments` (the line after the command word and its space, or
// empty when the line is the word alone) fits one alternative of `pattern`.
bool fitsAlternative(std::string_view arguments, std::string_view pattern, bool hasArguments) {
    if (pattern.empty()) {
        return !hasArguments;
    }
    if (!hasArguments) {
        return false;
    }
    while (!pattern.empty()) {
        const size_t patternEnd = pattern.find(' ');
        const std::string_view want = pattern.substr(0, patternEnd);
        pattern = patternEnd == std::string_view::npos ? std::string_view{} : pattern.substr(patternEnd + 1);
        if (want == "*") {
            return pattern.empty();
        }
        const size_t tokenEnd = arguments.find(' ');
        const std::string_view token = arguments.substr(0, tokenEnd);
        const bool fits = want == "#" ? isInteger(token) : want == "W" ? !token.empty() : token == want;
        if (!fits) {
            return false;
        }
        const bool lastToken = tokenEnd == std::string_view::npos;
        if (pattern.empty()) {
            return lastToken;
        }
        if (lastToken) {
            // Only a trailing "*" may match nothing at all.
            return pattern == "*";
        }
        arguments = arguments.substr(tokenEnd + 1);
    }
    return false;
}

bool fitsPattern(std::string_view arguments, std::string_view pattern, bool hasArguments) {
    for (;;) {
        const size_t bar = pattern.find('|');
        if (fitsAlternative(arguments, pattern.substr(0, bar), hasArguments)) {
            return true;
        }
        if (bar == std::string_view::npos) {
            return false;
        }
        pattern = pattern.substr(bar + 1);
    }
}

// The end of the line that starts at `from`: the index just past its "\n"
// (or 0 when there is none yet); `textEnd` the index of "\r\n" or "\n".
size_t lineEnd(std::string_view text, size_t from, size_t& textEnd) {
    const size_t newline = text.find('\n', from);
    if (newline == std::string_view::npos) {
        return 0;
    }
    textEnd = newline > from && text[newline - 1] == '\r' ? newline - 1 : newline;
    return newline + 1;
}

// Longest block command (QR or PDF417 code with its data lines).
constexpr size_t kMaxBlock = 4 * kMaxCommandLine;

constexpr std::string_view kGraphicsWords[] = {"COMPRESSED-GRAPHICS", "VCOMPRESSED-GRAPHICS"};

// Completes a block command: lines after the first up to the end word.
FrameScan scanBlock(std::string_view text, size_t from, std::string_view endWord) {
    for (;;) {
        size_t textEnd = 0;
        const size_t next = lineEnd(text, from, textEnd);
        if (next == 0) {
            return text.size() > kMaxBlock ? FrameScan::noMatch() : FrameScan::needMore();
        }
        if (text.substr(from, textEnd - from) == endWord) {
            return FrameScan::complete(next);
        }
        if (next > kMaxBlock) {
            return FrameScan::noMatch();
        }
        from = next;
    }
}

// Whether some command word begins with the unfinished word `partial`.
bool mayBecomeWord(std::string_view partial) {
    const auto begins = [&](std::string_view word) { return word.substr(0, partial.size()) == partial; };
    return std::any_of(kGrammar.begin(), kGrammar.end(), [&](const Grammar& g) { return begins(g.word); }) ||
           std::any_of(std::begin(kGraphicsWords), std::end(kGraphicsWords), begins);
}

FrameScan scanGraphics(ByteSpan pending) {
    GraphicsHeader header;
    const FrameScan scan = scanGraphicsHeader(pending, header);
    if (scan.verdict == FrameScan::Verdict::Complete && pending.size() < scan.length) {
        return FrameScan::needMore();
    }
    return scan;
}

} // namespace

FrameScan scanCpclFrame(ByteSpan pending) {
    const std::string_view text = textOf(pending.first(std::min(pending.size(), 2 * kMaxBlock)));
    const size_t wordEnd = text.find_first_of(" \r\n");
    const std::string_view word = text.substr(0, wordEnd);
    if (wordEnd == std::string_view::npos) {
        return mayBecomeWord(word) ? FrameScan::needMore() : FrameScan::noMatch();
    }
    if (std::find(std::begin(kGraphicsWords), std::end(kGraphicsWords), word) != std::end(kGraphicsWords)) {
        return scanGraphics(pending);
    }
    const auto grammar =
        std::find_if(kGrammar.begin(), kGrammar.end(), [&](const Grammar& g) { return g.word == word; });
    if (grammar == kGrammar.end()) {
        return FrameScan::noMatch();
    }
    size_t textEnd = 0;
    const size_t next = lineEnd(text, 0, textEnd);
    if (next == 0 || textEnd > kMaxCommandLine) {
        return text.size() > kMaxCommandLine ? FrameScan::noMatch() : FrameScan::needMore();
    }
    const bool hasArguments = textEnd > wordEnd && text[wordEnd] == ' ';
    const std::string_view arguments = hasArguments ? text.substr(wordEnd + 1, textEnd - wordEnd - 1) : "";
    std::string_view endWord = grammar->endWord;
    std::string_view pattern = grammar->arguments;
    if ((word == "BARCODE" || word == "VBARCODE") && arguments.substr(0, 8) == "PDF-417 ") {
        pattern = kPdf417Arguments;
        endWord = kPdf417End;
    }
    if (!fitsPattern(arguments, pattern, hasArguments)) {
        return FrameScan::noMatch();
    }
    return endWord.empty() ? FrameScan::complete(next) : scanBlock(text, next, endWord);
}

std::string cpclKeyword(ByteSpan frame) {
    const std::string_view text = textOf(frame.first(std::min<size_t>(frame.size(), 32)));
    std::string word(text.substr(0, text.find_first_of(" \r\n")));
    if (word == "BARCODE" || word == "VBARCODE") {
        const std::string_view rest = textOf(frame.subspan(std::min(frame.size(), word.size() + 1)));
        if (rest.substr(0, 8) == "PDF-417 ") {
            word += " PDF-417";
        }
    }
    return word;
}

} // namespace emulator::cpcl
