// The rules of a download that depend on the file and the printer: the name
// under which a file is stored, the sending route, the image width limit,
// the memory prefix and the memory-usage number format.
#pragma once

#include <string>

namespace tolvane::download {

// The file kinds of the file dialog.
enum class TFileKind { Image = 0, Template = 1, AutoTemplate = 2 };

// The key-command argument of a kind, with its quotes: "bitmaps", "labels",
// "autoform".
std::string KindWord(TFileKind kind);

// Longest download name in bytes.
inline constexpr size_t kMaxDownloadName = 32;

enum class TNameCheck { Ok, TooLong, HasSpace };
TNameCheck CheckDownloadName(const std::string& name);

// The printers that take templates and images by TSPL commands (when they
// report the command set "tsc"), and those that take images as graphics.
inline constexpr const char* kDirectTsplModels = ",Ardel,,Brisco,";
inline constexpr const char* kDirectGraphicModels = ",Ardel,,Brisco,Calder,";
bool IsDirectTspl(const std::string& model, const std::string& pplReply);
bool InDirectGraphicList(const std::string& model);

// The name a file is stored under: the file name without its last three
// characters, then "BAS" (template on a direct-TSPL printer), "BMP" (image
// on a direct-TSPL printer), "GRF" (other images) or the command set in
// lower case and ".prn" (other templates).
std::string DownloadName(const std::string& fileName, TFileKind kind, bool directTspl,
                         const std::string& ppl);

enum class TRoute {
    BlockTransfer,  // the file's bytes by the block transfer
    PackedImage,    // the packed image by the block transfer
    DirectTemplate, // TSPL DOWNLOAD of a program
    ZplGraphic,     // ~DGE:
    TsplGraphic,    // TSPL DOWNLOAD with a BMP header
    GraphicNone,    // a direct-graphic printer of another command set: nothing is sent
};
// `imagesOnly`: the image-only variant of the dialog, which has no direct
// routes.
TRoute ChooseRoute(TFileKind kind, const std::string& model, const std::string& pplReply, bool imagesOnly);

// Widest image in dots for a resolution reply ("300": 1248, else 864).
int MaxImageWidth(const std::string& dpiReply);

// "E_" for flash, "R_" for RAM.
std::string MemoryPrefix(bool flash);

// A memory-usage reply as shown: whole number with thousands separators
// ("2500000" → "2,500,000"); empty when it is not a number.
std::string FormatSpaceNumber(const std::string& reply);

// A decimal reply as a number (clamped to 32 bits); 0 when it is not one.
int ToIntOrZero(const std::string& text);

} // namespace tolvane::download
