// The jobs of the test-print dialogs, composed as text without talking to
// a printer: TSPL labels, CPCL labels, the jobs of the general dialog for
// each command language, and the reading of the paper-mode answer.
#pragma once

#include "mdlCommandTestBytes.h" // WithCrLf: a text box's line breaks as CR LF

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::diagnostics {

// The lines of a text split at each CR LF pair (the pair belongs to no
// line; a text ending with CR LF gives a last, empty line).
std::vector<std::string> SplitCrLf(std::string_view text);

// One TSPL TEXT command and its CR LF: TEXT x,y,"font",0,xm,ym,"line".
std::string TsplTextCommand(int x, int y, std::string_view font, int xMultiplier, int yMultiplier,
                            std::string_view line);

// The label dialog's first TEXT line position: x 10, y 10 + 54 per line.
inline constexpr int kLabelTextX = 10;
inline constexpr int kLabelFirstY = 10;
inline constexpr int kLabelLineStep = 54;

// The CPCL label of one line printed by the TSPL label dialog for the
// models that print their test text as CPCL.
std::string CpclOneLineLabel(std::string_view line);

// The CPCL label of the Miro Bluetooth variant, in the pieces it is
// written in; the last piece is "PRINT" CR LF. `widthMm`/`heightMm` as
// typed (not a number: a page width of 576 and a label height of 1680).
std::vector<std::string> MiroCpclLabelPieces(std::string_view widthMm, std::string_view heightMm,
                                             const std::vector<std::string>& lines, bool labelPaper);

// The job types of the general dialog.
enum class TPrintJobType {
    ZplVector = 1, // ZPL with the vector font
    TextCrLf = 2,  // the text and CR LF
    Zpl = 3,       // ZPL lines
    Epl = 4,       // EPL lines
    TextLf = 5,    // the text and LF
    Cpcl = 6,      // a CPCL label
};

struct TPrintJobOptions {
    bool brisco = false;                // a ZPL job for the Brisco UTF-8 font
    std::optional<int> printableHeight; // CPCL: the printable height of the height models
    bool multiLine = false;             // CPCL: one TEXT line per text line
    std::optional<int> rowHeight;       // CPCL: the row height of the row-height models
};

// The job of a type for a text (its lines split at CR LF).
std::string GeneralJob(TPrintJobType type, std::string_view text, const TPrintJobOptions& options);

// The setval frame that switches the Brisco printers to their UTF-8 font.
std::string VietModeFrame();

// The answer to the paper-mode question.
enum class TPaperAnswer { None, A, B, C };
// Reads the paper-mode byte by the model's reply kind: kind 1, "1" is A
// and anything else B; kind 2, "0" is C and anything else A; other kinds
// give no answer.
TPaperAnswer PaperModeAnswer(int replyKind, uint8_t byte);
// The CPCL job type of an answer: A a CPCL label, B ZPL lines, C and none
// the plain text.
TPrintJobType JobTypeForAnswer(TPaperAnswer answer);

// A list entry as a number: its text when it is a whole number, else the
// fallback.
int NumberOr(std::string_view text, int fallback);

} // namespace tolvane::diagnostics
