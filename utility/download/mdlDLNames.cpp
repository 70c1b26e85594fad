#include "mdlDLNames.h"

#include "mdlModelList.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tolvane::download {

std::string KindWord(TFileKind kind) {
    switch (kind) {
    case TFileKind::Template:
        return "\"labels\"";
    case TFileKind::AutoTemplate:
        return "\"autoform\"";
    default:
        return "\"bitmaps\"";
    }
}

TNameCheck CheckDownloadName(const std::string& name) {
    if (name.size() > kMaxDownloadName) {
        return TNameCheck::TooLong;
    }
    return name.find(' ') != std::string::npos ? TNameCheck::HasSpace : TNameCheck::Ok;
}

bool IsDirectTspl(const std::string& model, const std::string& pplReply) {
    return IsModelInList(model, kDirectTsplModels) && pplReply == "tsc";
}

bool InDirectGraphicList(const std::string& model) {
    return IsModelInList(model, kDirectGraphicModels);
}

std::string DownloadName(const std::string& fileName, TFileKind kind, bool directTspl,
                         const std::string& ppl) {
    const std::string stem = fileName.substr(0, fileName.size() >= 3 ? fileName.size() - 3 : 0);
    if (kind == TFileKind::Image) {
        return stem + (directTspl ? "BMP" : "GRF");
    }
    if (directTspl) {
        return stem + "BAS";
    }
    std::string set = ppl;
    std::transform(set.begin(), set.end(), set.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return stem + set + ".prn";
}

TRoute ChooseRoute(TFileKind kind, const std::string& model, const std::string& pplReply, bool imagesOnly) {
    if (imagesOnly) {
        return kind == TFileKind::Image ? TRoute::PackedImage : TRoute::BlockTransfer;
    }
    if (kind != TFileKind::Image) {
        return IsDirectTspl(model, pplReply) ? TRoute::DirectTemplate : TRoute::BlockTransfer;
    }
    if (!InDirectGraphicList(model)) {
        return TRoute::PackedImage;
    }
    if (pplReply == "zpl") {
        return TRoute::ZplGraphic;
    }
    return pplReply == "tsc" ? TRoute::TsplGraphic : TRoute::GraphicNone;
}

int MaxImageWidth(const std::string& dpiReply) {
    return dpiReply == "300" ? 1248 : 864;
}

std::string MemoryPrefix(bool flash) {
    return flash ? "E_" : "R_";
}

std::string FormatSpaceNumber(const std::string& reply) {
    const std::string text = reply + ".10";
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        std::fabs(value) >= 1e15) {
        return {};
    }
    const bool negative = value < 0;
    const std::string digits = std::to_string(static_cast<long long>(std::fabs(value)));
    // A comma before every group of three digits counted from the right.
    std::string grouped = negative ? "-" : "";
    for (std::size_t n = 0; n < digits.size(); ++n) {
        if (n > 0 && (digits.size() - n) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[n];
    }
    return grouped;
}

int ToIntOrZero(const std::string& text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return 0;
    }
    return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

} // namespace tolvane::download
