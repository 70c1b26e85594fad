// The font dialogs without widgets. TDLFontDialog (TfrmDLF) stores a font
// file by the block transfer with its two threads, lists and deletes the
// printer's fonts, shows the free memory and prints a test text in a font.
// TDLUserFontDialog (TfrmDLUF) stores a user font tagged with its encoding
// by a transfer driven by the dialog's timer, one block per tick.
#pragma once

#include "mdlDLTransfer.h"
#include "mdlDLTransferDialog.h"
#include "mdlFormModel.h"
#include "mdlParaDialogModel.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::download {

// One entry of the printer's "fonts" reply: "R_A.TTF" is A.TTF in RAM.
struct TFontEntry {
    bool ram = false;
    std::string name;
};
std::vector<TFontEntry> ParseFontList(const std::string& reply);

// The test print job of a font, by command language (line end CR LF).
struct TFontTestJob {
    bool ganlow = false; // the model prints font text as its own label
    int protocol = 0;    // ProtocolKind
    std::string fontName;
    std::string prefix; // "R_" or "E_"
    std::string text;
    std::string widthMm = "30";
    std::string heightMm = "30";
};
std::string FontTestJob(const TFontTestJob& job);

class TDLFontDialog : public TDLTransferDialog {
  public:
    TDLFontDialog(params::TParaDialogContext context, TTransferPacing pacing = FontPacing());
    ~TDLFontDialog();
    TDLFontDialog(const TDLFontDialog&) = delete;
    TDLFontDialog& operator=(const TDLFontDialog&) = delete;

    // The file dialog's pacing with 300 ms between acknowledgement reads.
    static TTransferPacing FontPacing();

    void FormShow();
    void FormClose();
    // The chooser's filter: one pattern per font type, such as
    // "Fonts (*.ttf *.prtf)".
    static std::string FileFilter();
    void btnDLFontClick();
    void btnDeleteCurFontClick();
    void btnDeleteAllFontClick();
    void lvFontsClick();
    void btnTestFontClick();
    bool GetSpace();
    // On leaving a size edit: the width is kept within 10 and the model's
    // widest printable width, the height within 10 and 210 (millimetres).
    void CheckValue(const std::string& edit);

    // The listed fonts, in the list's order.
    const std::vector<TFontEntry>& Fonts() const { return fonts_; }
    // Selects the listed font of that name; false when none is listed.
    bool SelectFont(const std::string& name);
    // Deleting asks first (tolvane-cli turns it off: its command line is
    // the request).
    bool AskBeforeDelete = true;

  private:
    void BuildForm();
    void LanguageIni();
    void FillFonts(const std::string& reply);
    void ShowFonts();
    void UpdateTestControls();
    void ShowStoredList(const std::string& reply) override;
    // The printer confirmed the delete; otherwise the error was shown.
    bool DeleteFont(const TFontEntry& entry);
    bool ConfirmDelete(const char* key) const;

    std::vector<TFontEntry> fonts_;
};

// Files of this size or more are refused as user fonts.
inline constexpr int64_t kUserFontLimit = 3133441;

// The user font's encodings as shown and as sent.
inline const std::vector<std::string>& UserFontEncodings() {
    static const std::vector<std::string> encodings = {"GBK", "BIG5", "JIS", "EUC", "ASCII"};
    return encodings;
}

// The block of a user font: 0xFF fill, the checksum over the whole block.
TBlockFormat UserFontBlockFormat();
// Blocks for a user font: the size / 1024 rounded up.
int UserFontBlockTotal(int64_t fileSize);

struct TUserFontPacing {
    int requestWaitMs = 100;
    int okPauseMs = 100;
    int okPasses = 2;
    int firstBlockWaitMs = 1000;
    int blockWaitMs = 30;
    int ackPauseMs = 150;
    int ackPasses = 5;
    int timerMs = 10;
};

class TDLUserFontDialog {
  public:
    TDLUserFontDialog(params::TParaDialogContext context, TUserFontPacing pacing = {});
    ~TDLUserFontDialog();
    TDLUserFontDialog(const TDLUserFontDialog&) = delete;
    TDLUserFontDialog& operator=(const TDLUserFontDialog&) = delete;

    params::TFormModel& Form() { return form_; }
    const params::TFormModel& Form() const { return form_; }
    params::TFormTimer& Timer() { return timSend_; }

    void FormShow();
    bool ChooseFile(const std::string& path);
    void btnDownloadClick();
    void timSendTimer();
    void btnCloseClick();
    // Runs the timer's ticks until it stops (tolvane-cli, tests).
    void RunTimer();

    enum class TOutcome { None, Success, Failed, Cancelled };
    TOutcome Outcome() const { return outcome_; }

  private:
    void Fail(const std::string& key);
    bool Running() const;

    params::TParaDialogContext context_;
    TUserFontPacing pacing_;
    params::TFormModel form_;
    params::TFormTimer timSend_;
    TOutcome outcome_ = TOutcome::None;
    std::vector<uint8_t> data_;
    size_t offset_ = 0;
    uint32_t blockNumber_ = 0;
    int blockTotal_ = 0;
    int kbTotal_ = 0;
    bool portOpen_ = false;
};

} // namespace tolvane::download
