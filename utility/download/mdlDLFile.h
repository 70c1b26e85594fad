// The file dialog without widgets: downloads images, templates and
// auto-templates to the selected printer, shows its memory usage, and
// manages the three lists of stored files (refresh, print, delete one or
// all, the auto label mode switch). `imagesOnly` gives the image-only
// variant (TfrmDLFile_Kavo). The Qt window and tolvane-cli drive it through
// its named controls and handlers.
#pragma once

#include "mdlDLNames.h"
#include "mdlDLTransfer.h"
#include "mdlDLTransferDialog.h"
#include "mdlFormModel.h"
#include "mdlParaDialogModel.h"

#include <memory>
#include <string>

namespace tolvane::download {

class TDLFileDialog : public TDLTransferDialog {
  public:
    TDLFileDialog(params::TParaDialogContext context, bool imagesOnly, TTransferPacing pacing = {});
    ~TDLFileDialog();
    TDLFileDialog(const TDLFileDialog&) = delete;
    TDLFileDialog& operator=(const TDLFileDialog&) = delete;

    bool ImagesOnly() const { return imagesOnly_; }

    void FormShow();
    void FormClose();
    void cmbFileTypeChange();
    void cmbPPLChange();
    void ComboBox1Change();
    // The chooser's filter: "Images (*.bmp *.png *.jpg *.jpeg *.gif)" for
    // images, the label files "(*.prn)" otherwise (the words in the
    // window's language).
    std::string FileFilter() const;
    void CheckValue();
    void btnDLFileClick();
    bool GetSpace();

    // The stored-file buttons, by control name (btnGetAllImage, btnPrintImage, ...).
    void DoActive_Bitmap(const std::string& button);
    void DoActive_Label(const std::string& button);
    void DoActive_AutoTmp(const std::string& button);

    // One entry of the image or template list: its memory text and name.
    static std::string EntryText(const std::string& memory, const std::string& name);
    static std::string EntryMemory(const std::string& entry);
    static std::string EntryName(const std::string& entry);
    // The memory prefix of a listed entry ("R_" for the RAM text).
    std::string EntryPrefix(const std::string& entry) const;

    // Deleting stored files asks first (tolvane-cli turns it off: its
    // command line is the request).
    bool AskBeforeDelete = true;

    const std::string& AutoName() const { return autoName_; }
    const std::string& AutoList() const { return autoList_; }

  private:
    void BuildForm();
    void LanguageIni();
    void SetTemplateStatus();
    void SetUIStatus_Template(bool enabled);
    TFileKind Kind() const;
    bool Flash() const;
    bool DirectTspl() const;
    std::string RamText() const;
    std::string FlashText() const;

    void StartDownload();
    bool PrepareImage(struct TMonoImage& image);
    void SendDirectTemplate();
    void SendDirectGraphic(const struct TMonoImage& image);
    void ShowStoredList(const std::string& reply) override;
    void CompleteDialogForm();
    // Whether the list holds an entry of that name (letter case aside).
    bool Lists(const char* list, const std::string& name) const;
    // The printer's list lacks the file just sent.
    void FailNotStored(const std::string& name);

    void FillKeyList(const char* list, const std::string& reply);
    void FillDirectList(const char* list, const std::string& reply, const char* extension);
    // The answer to a key-command print or delete, polled for.
    enum class TAnswer { Ok, Refused, None };
    TAnswer AwaitAnswer();
    // The print was answered "OK"; otherwise the error was shown.
    bool Printed(const std::string& name);
    // The delete was answered (the file is gone); otherwise the error was shown.
    bool Deleted();
    bool DeleteEntry(const std::string& entry, const char* kindWord, bool direct);
    // Deletes every entry of a list, stopping at the first the printer does
    // not confirm; the entries not deleted stay listed.
    void DeleteAll(const char* list, const char* kindWord, bool direct);
    bool OpenForDirectWrite();
    // Writes a print job on the direct port and closes it; the error is
    // shown when the write did not complete.
    void DirectPrint(const std::string& text);
    std::string Kill(const std::string& name);
    void RemoveSelected(const char* list);
    // Asks before one of the delete buttons of `list` deletes anything;
    // true for every other button and when there is nothing to delete.
    bool ConfirmDelete(const std::string& button, const char* list) const;

    bool imagesOnly_;
    bool directPortOpen_ = false;
    std::string autoName_;
    std::string autoList_;
};

} // namespace tolvane::download
