// Downloads against the emulated printer: a template and an image by the
// block transfer with the stored bytes compared, the refusals before a
// transfer, every acknowledgement fault, cancelling and closing during a
// transfer, and the direct routes.
#include "DownloadFixture.h"
#include "mdlDLImage.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib_Call.h"

namespace tolvane::test {
namespace {

using download::TDLFileDialog;

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 31 + i / 251) & 0xFF);
    }
    return bytes;
}

TEST_F(DownloadTest, ATemplateOf100KiBIsStoredByteForByte) {
    Open("Kavo");
    const std::string bytes = Pattern(100 * 1024);
    Download(WriteFile("label.prn", bytes), 1);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Success);
    const auto stored = Stored("labels", "E_label.zpl.prn");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(std::string(stored->begin(), stored->end()), bytes);
    EXPECT_EQ(Keys("download_block").size(), 101u); // the last block empty
    EXPECT_FALSE(PrtLib_ExchangeOpen());
    EXPECT_EQ(dialog->Form()["Label1"].text, "101");
    EXPECT_NE(
        dialog->Form()["lblSpace_File"].text.find(download::FormatSpaceNumber(std::to_string(100 * 1024))),
        std::string::npos);
    ASSERT_EQ(Boxes("info").size(), 1u);
}

TEST_F(DownloadTest, AnEmptyTemplateIsAcceptedWithoutBlocks) {
    Open("Kavo");
    Download(WriteFile("empty.prn", ""), 1);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Success);
    EXPECT_TRUE(Keys("download_block").empty());
}

TEST_F(DownloadTest, ALargeImageIsPackedAndStoredAndTooWideOnesAreRefused) {
    Open("Kavo");
    SetPrinterValue("dpi", "300");
    download::TMonoImage image{1000, 2000, {}};
    image.rows.assign(static_cast<size_t>(image.RowBytes()) * 2000, 0);
    for (size_t i = 0; i < image.rows.size(); i += 7) {
        image.rows[i] = 0xA5;
    }
    const std::string path = (std::filesystem::path(home.Path()) / "big.bmp").string();
    ASSERT_TRUE(download::SaveMonoBmp(path, image));
    Download(path, 0);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Success);
    const auto stored = Stored("bitmaps", "E_big.GRF");
    ASSERT_TRUE(stored.has_value());
    const std::vector<uint8_t> packed = download::PackImage(image);
    EXPECT_EQ(*stored, packed);
    EXPECT_EQ(dialog->Form()["lvFonts"].items,
              std::vector<std::string>{TDLFileDialog::EntryText("Flash", "big.GRF")});

    // 2000 dots wide is more than the 1248 of a 300 dpi printer.
    download::TMonoImage wide{2000, 1000, std::vector<uint8_t>(250 * 1000, 0)};
    const std::string widePath = (std::filesystem::path(home.Path()) / "wide.bmp").string();
    ASSERT_TRUE(download::SaveMonoBmp(widePath, wide));
    Download(widePath, 0);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Failed);
    EXPECT_EQ(Boxes("error").back().text, LangText("_E_ITW"));
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

TEST_F(DownloadTest, NoFreeCapacityRefusesTheBlockTransfer) {
    Open("Kavo");
    printer->changePrinter([](emulator::Printer& p) { p.files().flashCapacity = 0; });
    dialog->GetSpace();
    Download(WriteFile("a.prn", "SIZE 10 mm"), 1);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Failed);
    EXPECT_EQ(Boxes("error").back().text, LangText("mNoSP"));
    EXPECT_TRUE(Keys("do").empty());
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

TEST_F(DownloadTest, EveryAcknowledgementFaultEndsWithItsMessageAndTheFileIsNotStored) {
    struct Case {
        std::string fault;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"download_block:1=wrong_sum/1", "_Err_CheckSum"},
        {"download_block:1=short:6/1", "FormGDL_ErrIO"},
        {"download_block:1=silent/1", "FormGDL_ErrIO"},
        {"download_block:1=cut/1", "FormGDL_ErrIO"}, // the connection ends in the middle of the transfer
        {"download_block:1=drop/1", "FormGDL_ErrIO"},
        {"refuse", "FormGDL_ErrIO"},
        {"full", "FormGDL_ErrIO"}, // the memory fills up during the transfer
    };
    // Two reads of a missing acknowledgement are enough to show the fault.
    download::TTransferPacing pacing = FastPacing();
    pacing.ackPasses = 2;
    Open("Kavo", "kavo_tspl.profile", false, pacing);
    const std::string path = WriteFile("f.prn", Pattern(3000));
    for (const Case& c : cases) {
        printer->changePrinter([](emulator::Printer& p) { p.files().erase("labels", "E_f.zpl.prn"); });
        if (c.fault == "refuse") {
            printer->changePrinter([](emulator::Printer& p) { p.files().refuseBlock = 1; });
        } else if (c.fault == "full") {
            printer->changePrinter([](emulator::Printer& p) { p.files().flashCapacity = 2000; });
        } else {
            std::string error;
            ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        }
        Download(path, 1);
        EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Failed) << c.fault;
        ASSERT_FALSE(Boxes("error").empty());
        EXPECT_EQ(Boxes("error").back().text, LangText(c.message)) << c.fault;
        EXPECT_FALSE(PrtLib_ExchangeOpen()) << c.fault;
        EXPECT_FALSE(Stored("labels", "E_f.zpl.prn").has_value()) << c.fault;
        // The button still shows the cancel text; the next click resets it.
        EXPECT_TRUE(dialog->Busy());
        dialog->btnDLFileClick();
        EXPECT_FALSE(dialog->Busy());
        printer->clearFaults();
        printer->changePrinter([](emulator::Printer& p) {
            p.files().refuseBlock.reset();
            p.files().flashCapacity = 4 << 20;
        });
    }
}

// A 200 KiB template sent with 10 ms between blocks, once the printer has
// taken its first block: long enough to be stopped halfway.
class LongTransferTest : public DownloadTest {
  protected:
    void StartLongTransfer() {
        download::TTransferPacing pacing = FastPacing();
        pacing.blockWaitMs = 10;
        Open("Kavo", "kavo_tspl.profile", false, pacing);
        dialog->Form().SetIndex("cmbFileType", 1);
        ASSERT_TRUE(dialog->ChooseFile(WriteFile("long.prn", Pattern(200 * 1024))));
        dialog->btnDLFileClick();
        ASSERT_TRUE(dialog->Busy());
        ASSERT_TRUE(
            printer->waitFor([](const emulator::Record& r) { return r.command == "download_block"; }));
    }
};

TEST_F(LongTransferTest, CancellingStopsTheSenderAndReleasesThePort) {
    ASSERT_NO_FATAL_FAILURE(StartLongTransfer());
    dialog->btnDLFileClick();
    EXPECT_FALSE(dialog->Busy());
    dialog->WaitForTransfer();
    queue.RunPending();
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Cancelled);
    EXPECT_LT(Keys("download_block").size(), 201u);
    EXPECT_FALSE(PrtLib_ExchangeOpen());
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(LongTransferTest, ClosingTheDialogDuringATransferJoinsTheThreads) {
    ASSERT_NO_FATAL_FAILURE(StartLongTransfer());
    dialog->FormClose();
    dialog.reset();
    queue.RunPending(); // updates posted before the close are dropped
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

TEST_F(DownloadTest, DirectTsplPrintersTakeTemplatesAndImagesByTsplCommands) {
    Open("Ardel", "ardel_tspl.profile");
    Download(WriteFile("a.prn", "SIZE 50 mm,30 mm\r\nPRINT 1\r\n"), 1);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Success);
    const auto program = Stored("direct", "a.BAS");
    ASSERT_TRUE(program.has_value());
    EXPECT_EQ(std::string(program->begin(), program->end()), "SIZE 50 mm,30 mm\r\nPRINT 1\r\n");
    EXPECT_EQ(dialog->Form()["ListView1"].items,
              std::vector<std::string>{TDLFileDialog::EntryText("Flash", "a.BAS")});

    download::TMonoImage image{12, 2, {0xFF, 0xF0, 0x00, 0x00}};
    const std::string path = (std::filesystem::path(home.Path()) / "logo.BMP").string();
    ASSERT_TRUE(download::SaveMonoBmp(path, image));
    Download(path, 0);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Success);
    const auto bmp = Stored("direct", "logo.BMP");
    ASSERT_TRUE(bmp.has_value());
    ASSERT_EQ(bmp->size(), 62u + 4);
    EXPECT_EQ((std::vector<uint8_t>(bmp->begin() + 62, bmp->end())),
              (std::vector<uint8_t>{0x00, 0x0F, 0xFF, 0xFF}));
}

TEST_F(DownloadTest, ATemplateTheDirectTsplPrinterDoesNotListIsNoSuccess) {
    Open("Ardel", "ardel_tspl.profile");
    const std::string path = WriteFile("a.prn", "SIZE 50 mm,30 mm\r\nPRINT 1\r\n");
    for (const char* fault : {"tspl_list=silent/1", "tspl_list=cut:2/1"}) {
        std::string error;
        ASSERT_TRUE(printer->addFault(fault, error)) << error;
        const size_t infos = Boxes("info").size();
        Download(path, 1);
        EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Failed) << fault;
        EXPECT_EQ(Boxes("info").size(), infos) << fault;
        ASSERT_FALSE(Boxes("error").empty()) << fault;
        EXPECT_EQ(Boxes("error").back().text, params::TxtWith("_Err_NotStored", "a.BAS")) << fault;
        EXPECT_FALSE(dialog->Busy()) << fault;
        printer->clearFaults();
        printer->changePrinter([](emulator::Printer& p) { p.files().erase("direct", "a.BAS"); });
    }
}

TEST_F(DownloadTest, ZplPrintersTakeImagesAsGraphics) {
    Open("Calder", "calder_zpl.profile");
    download::TMonoImage image{100, 2, std::vector<uint8_t>(26, 0xFF)};
    image.rows[12] = image.rows[25] = 0xF0;
    const std::string path = (std::filesystem::path(home.Path()) / "logo.png.bmp").string();
    ASSERT_TRUE(download::SaveMonoBmp(path, image));
    Download(path, 0);
    EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Success);
    const auto stored = Stored("bitmaps", "E_logo.png.GRF");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, image.rows);

    // Printing it: the printer receives the whole label, and knows the image.
    ASSERT_EQ(dialog->Form()["lvFonts"].items.size(), 1u);
    dialog->Form().SetIndex("lvFonts", 0);
    dialog->DoActive_Bitmap("btnPrintImage");
    const auto print = printer->waitForCommand("zpl_print", "logo.png.GRF");
    ASSERT_TRUE(print.has_value());
    EXPECT_EQ(print->value, "^XA^PW576^LL220^POI^FO100,100^XGE:logo.png.GRF^FS^XZ");
    EXPECT_EQ(print->note, "printed");
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(DownloadTest, AGraphicThePrinterDidNotKeepIsNoSuccess) {
    struct Case {
        std::string fault; // or "full": the flash has no room for it
        std::string message;
        bool named; // the message names the file
    };
    const std::vector<Case> cases = {
        {"full", "_Err_NotStored", true}, // another image is listed, not this one
        {"getval:bitmaps=silent/1", "FormGDL_ErrIO", false},
        {"getval:bitmaps=cut/1", "_Err_NotStored", true}, // the list breaks off with the connection
    };
    Open("Calder", "calder_zpl.profile");
    download::TMonoImage image{100, 2, std::vector<uint8_t>(26, 0xFF)};
    const std::string path = (std::filesystem::path(home.Path()) / "logo.bmp").string();
    ASSERT_TRUE(download::SaveMonoBmp(path, image));
    for (const Case& c : cases) {
        printer->changePrinter([](emulator::Printer& p) {
            p.files().erase("bitmaps", "E_logo.GRF");
            p.files().store({"bitmaps", 'E', "OTHER.GRF", {1}});
        });
        if (c.fault == "full") {
            printer->changePrinter([](emulator::Printer& p) { p.files().flashCapacity = 10; });
        } else {
            std::string error;
            ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        }
        const size_t infos = Boxes("info").size();
        Download(path, 0);
        EXPECT_EQ(dialog->Outcome(), TDLFileDialog::TOutcome::Failed) << c.fault;
        EXPECT_EQ(Boxes("info").size(), infos) << c.fault;
        ASSERT_FALSE(Boxes("error").empty()) << c.fault;
        EXPECT_EQ(Boxes("error").back().text,
                  c.named ? params::TxtWith(c.message, "logo.GRF") : LangText(c.message))
            << c.fault;
        EXPECT_FALSE(dialog->Busy()) << c.fault;
        EXPECT_FALSE(PrtLib_ExchangeOpen()) << c.fault;
        printer->clearFaults();
        printer->changePrinter([](emulator::Printer& p) { p.files().flashCapacity = 4 << 20; });
    }
}

} // namespace
} // namespace tolvane::test
