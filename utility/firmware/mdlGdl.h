// TfrmGDL: firmware as a sectioned file. Browsing lists every section of
// the file (name, size, version, type); the download sends the "dfu"
// action, then per section its 76-byte header (acknowledged by one status
// byte) and its data in 1024-byte chunks, and finally waits for the
// printer's status byte. A timer sends one step per tick.
#pragma once

#include "mdlFirmwareDialog.h"
#include "mdlFirmwareFile.h"
#include "mdlFirmwareWaits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::firmware {

// The message key of a status byte: 0 none, 1 to 6 the printer's reasons,
// anything else none (an empty text).
std::string GdlStatusKey(int status);

class TGdl final : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "TfrmGDL";
    // `restartNote`: the model restarts after an update (the success
    // message says so).
    TGdl(params::TParaDialogContext context, bool restartNote, TFirmwareWaits waits = TFirmwareWaits());

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override {}
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;
    std::optional<TFileQuestion> FileQuestion(std::string_view button) const override;

    // Lists the sections of a file (what the browse button does after the
    // file was chosen). False when the file was refused.
    bool ListFile(const std::string& path);
    const TSectionWalk& Walk() const { return walk_; }
    bool Running() const { return running_; }
    bool Succeeded() const { return succeeded_; }
    int StepsDone() const { return steps_; }

  private:
    bool LoadFile(const std::string& path);
    void Download();
    void Stop();
    void SendTick();
    void FinalStatus();
    void SendHeader();
    void Fail(const std::string& text);
    void Advance();

    bool restartNote_;
    TFirmwareWaits waits_;
    std::vector<std::uint8_t> file_;
    TSectionWalk walk_;
    bool running_ = false;
    bool succeeded_ = false;
    bool nextIsHeader_ = true;
    std::size_t offset_ = 0;
    std::size_t sectionEnd_ = 0;
    int steps_ = 0;
};

// Whether the selected printer's model restarts after an update.
bool SelectedPrinterRestartsAfterUpdate();

} // namespace tolvane::firmware
