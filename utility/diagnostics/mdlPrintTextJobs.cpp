#include "mdlPrintTextJobs.h"

#include "mdlPrtFrames.h"

#include <charconv>

namespace tolvane::diagnostics {
namespace {

const std::string kCrLf = "\r\n";

} // namespace

std::vector<std::string> SplitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t pair = text.find(kCrLf, start);
        if (pair == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, pair - start));
        start = pair + 2;
    }
}

std::string TsplTextCommand(int x, int y, std::string_view font, int xMultiplier, int yMultiplier,
                            std::string_view line) {
    return "TEXT " + std::to_string(x) + "," + std::to_string(y) + ",\"" + std::string(font) + "\",0," +
           std::to_string(xMultiplier) + "," + std::to_string(yMultiplier) + ",\"" + std::string(line) +
           "\"" + kCrLf;
}

std::string CpclOneLineLabel(std::string_view line) {
    return "! 0 200 200 80 1" + kCrLf + "TEXT 5 0 30 40 " + std::string(line) + kCrLf + "PRINT" + kCrLf;
}

int NumberOr(std::string_view text, int fallback) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() ? number : fallback;
}

std::vector<std::string> MiroCpclLabelPieces(std::string_view widthMm, std::string_view heightMm,
                                             const std::vector<std::string>& lines, bool labelPaper) {
    // Millimetres to dots at 8 dots per millimetre; the product's fallbacks
    // for a text that is not a number. Sizes beyond the label limits have
    // been brought back by the field checks.
    const int height = NumberOr(heightMm, -1);
    const int width = NumberOr(widthMm, -1);
    std::vector<std::string> pieces = {"!",
                                       " 0",
                                       " 200",
                                       " ",
                                       "200",
                                       " ",
                                       height >= 0 ? std::to_string(height * 8) : "1680",
                                       " 1",
                                       kCrLf,
                                       " PW ",
                                       width >= 0 ? std::to_string(width * 8) : "576",
                                       kCrLf};
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int y = kLabelFirstY + kLabelLineStep * static_cast<int>(n);
        pieces.push_back("TEXT 5 0 10 " + std::to_string(y) + " " + lines[n] + kCrLf);
    }
    if (labelPaper) {
        pieces.push_back("FORM" + kCrLf);
    }
    pieces.push_back("PRINT" + kCrLf);
    return pieces;
}

std::string VietModeFrame() {
    return SetValFrame(QuoteKey("viet_mode"), "2");
}

std::string GeneralJob(TPrintJobType type, std::string_view text, const TPrintJobOptions& options) {
    const std::vector<std::string> lines = SplitCrLf(text);
    const std::string labelLength = std::to_string(static_cast<int>(lines.size()) * kLabelLineStep + 100);
    const auto y = [](std::size_t n) {
        return std::to_string(kLabelFirstY + kLabelLineStep * static_cast<int>(n));
    };
    std::string job;
    switch (type) {
    case TPrintJobType::ZplVector:
        job = "^XA" + kCrLf + "^LL" + labelLength;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            job += "^FO0," + y(n) + "^A@N,50,50,E:SIMSUN.TTF^FD" + lines[n] + "^FS" + kCrLf;
        }
        job += "^XZ" + kCrLf;
        break;
    case TPrintJobType::TextCrLf:
        job = std::string(text) + kCrLf;
        break;
    case TPrintJobType::Zpl:
        if (options.brisco) {
            job = VietModeFrame() + "^XA" + kCrLf + "^CI32" + kCrLf + "^LL" + labelLength + kCrLf + "^LH0,0" +
                  kCrLf;
            for (std::size_t n = 0; n < lines.size(); ++n) {
                job += "^FO0," + y(n) + "^AZN,24,12^FD" + lines[n] + "^FS" + kCrLf;
            }
        } else {
            job = "^XA" + kCrLf + "^LL" + labelLength + kCrLf + "^LH0,0" + kCrLf;
            for (std::size_t n = 0; n < lines.size(); ++n) {
                job += "^FO0," + y(n) + "^CI14^A@N,24,24,E:SIMSUN.TTF^FD" + lines[n] + "^FS" + kCrLf;
            }
        }
        job += "^XZ" + kCrLf;
        break;
    case TPrintJobType::Epl:
        job = "N" + kCrLf;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            job += "A" + std::to_string(kLabelTextX) + "," + y(n) + ",0,1,2,2,N,\"" + lines[n] + "\"" + kCrLf;
        }
        job += "P1" + kCrLf;
        break;
    case TPrintJobType::TextLf:
        job = std::string(text) + "\n";
        break;
    case TPrintJobType::Cpcl: {
        job =
            "! 0 200 200" +
            (options.printableHeight ? " " + std::to_string(*options.printableHeight) : std::string(" 80")) +
            " 1" + kCrLf;
        if (options.multiLine) {
            const int step = options.rowHeight.value_or(30);
            for (std::size_t n = 0; n < lines.size(); ++n) {
                job +=
                    "TEXT 5 0 30 " + std::to_string(40 + step * static_cast<int>(n)) + " " + lines[n] + kCrLf;
            }
        } else {
            job += "TEXT 5 0 30 40 " + std::string(text) + kCrLf;
        }
        job += "PRINT" + kCrLf;
        break;
    }
    }
    return job;
}

TPaperAnswer PaperModeAnswer(int replyKind, uint8_t byte) {
    if (replyKind == 1) {
        return byte == 1 ? TPaperAnswer::A : TPaperAnswer::B;
    }
    if (replyKind == 2) {
        return byte == 0 ? TPaperAnswer::C : TPaperAnswer::A;
    }
    return TPaperAnswer::None;
}

TPrintJobType JobTypeForAnswer(TPaperAnswer answer) {
    switch (answer) {
    case TPaperAnswer::A:
        return TPrintJobType::Cpcl;
    case TPaperAnswer::B:
        return TPrintJobType::Zpl;
    default:
        return TPrintJobType::TextCrLf;
    }
}

} // namespace tolvane::diagnostics
