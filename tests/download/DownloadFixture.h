// The file dialog on an emulated printer, with short waits and a queue that
// stands for the user-interface thread.
#pragma once

#include "ParamsFixture.h"
#include "mdlDLFile.h"
#include "mdlDLUiQueue.h"

#include <filesystem>
#include <fstream>

namespace tolvane::test {

class DownloadTest : public EmulatedPrinterTest {
  protected:
    static download::TTransferPacing FastPacing() {
        download::TTransferPacing pacing;
        pacing.requestWaitMs = 0;
        pacing.okPauseMs = 20;
        pacing.okPasses = 2;
        pacing.blockWaitMs = 0;
        pacing.ackPauseMs = 10;
        pacing.ackPasses = 5;
        pacing.finishWaitMs = 0;
        pacing.directWaitMs = 50;
        pacing.progressMs = 5;
        pacing.okPollWaitMs = 0;
        pacing.saveWaitMs = 0;
        return pacing;
    }

    download::TDLFileDialog& Open(const std::string& listName,
                                  const std::string& profile = "kavo_tspl.profile", bool imagesOnly = false,
                                  download::TTransferPacing pacing = FastPacing()) {
        SelectListedPrinter(listName, StartPrinter(profile));
        dialog = std::make_unique<download::TDLFileDialog>(params::TParaDialogContext{listName, listName},
                                                           imagesOnly, pacing);
        dialog->SetPost([this](std::function<void()> work) { queue.Post(std::move(work)); });
        dialog->FormShow();
        return *dialog;
    }

    // Chooses a file of that kind and starts; waits for the transfer.
    void Download(const std::string& path, int kind) {
        dialog->Form().SetIndex("cmbFileType", kind);
        dialog->cmbFileTypeChange();
        ASSERT_TRUE(dialog->ChooseFile(path));
        dialog->btnDLFileClick();
        dialog->WaitForTransfer();
        queue.RunPending();
    }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const std::string path = (std::filesystem::path(home.Path()) / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::optional<emulator::Bytes> Stored(const std::string& kind, const std::string& value) {
        std::optional<emulator::Bytes> data;
        printer->changePrinter([&](emulator::Printer& p) {
            if (const auto* file = p.files().find(kind, value)) {
                data = file->data;
            }
        });
        return data;
    }

    void TearDown() override {
        dialog.reset();
        EmulatedPrinterTest::TearDown();
    }

    download::TUiQueue queue;
    std::unique_ptr<download::TDLFileDialog> dialog;
};

} // namespace tolvane::test
