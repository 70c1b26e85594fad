// The font dialogs against the emulated printer: the font list, a font
// stored by the block transfer and deleted by its memory prefix, the test
// print jobs, and user fonts with their block count, 0xFF fill, whole-block
// checksum, encoding and size limit.
#include "DownloadFixture.h"
#include "mdlDLFont.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlStartup.h"
#include "mdlTsplFiles.h"

namespace tolvane::test {
namespace {

using download::TDLFontDialog;
using download::TDLUserFontDialog;

class FontTest : public DownloadTest {
  protected:
    TDLFontDialog& OpenFonts(const std::string& listName = "Kavo",
                             const std::string& profile = "kavo_tspl.profile") {
        SelectListedPrinter(listName, StartPrinter(profile));
        fonts = std::make_unique<TDLFontDialog>(params::TParaDialogContext{listName, listName}, FastPacing());
        fonts->SetPost([this](std::function<void()> work) { queue.Post(std::move(work)); });
        fonts->FormShow();
        return *fonts;
    }

    TDLUserFontDialog& OpenUserFonts() {
        SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
        download::TUserFontPacing pacing;
        pacing.requestWaitMs = 0;
        pacing.okPauseMs = 20;
        pacing.firstBlockWaitMs = 0;
        pacing.blockWaitMs = 0;
        pacing.ackPauseMs = 10;
        userFonts = std::make_unique<TDLUserFontDialog>(params::TParaDialogContext{"Kavo", "Kavo"}, pacing);
        userFonts->FormShow();
        return *userFonts;
    }

    void StoreFont(char memory, const std::string& name, const std::string& bytes = "font") {
        printer->changePrinter([&](emulator::Printer& p) {
            p.files().store({"fonts", memory, name, emulator::Bytes(bytes.begin(), bytes.end())});
        });
    }

    // Everything the printer received, as one text.
    std::string Received() const {
        std::string all;
        for (const emulator::Record& record : printer->records()) {
            all.append(record.received.begin(), record.received.end());
        }
        return all;
    }

    void TearDown() override {
        fonts.reset();
        userFonts.reset();
        DownloadTest::TearDown();
    }

    std::unique_ptr<TDLFontDialog> fonts;
    std::unique_ptr<TDLUserFontDialog> userFonts;
};

TEST_F(FontTest, TheListGivesMemoryAndNameAndDeletingUsesThePrefix) {
    const auto parsed = download::ParseFontList("R_A.TTF,E_B.TTF");
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_TRUE(parsed[0].ram);
    EXPECT_EQ(parsed[0].name, "A.TTF");
    EXPECT_FALSE(parsed[1].ram);
    EXPECT_EQ(parsed[1].name, "B.TTF");

    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    StoreFont('R', "A.TTF");
    StoreFont('E', "B.TTF");
    fonts = std::make_unique<TDLFontDialog>(params::TParaDialogContext{"Kavo", "Kavo"}, FastPacing());
    fonts->FormShow();
    const auto& rows = fonts->Form()["lvFonts"].rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{LangText("FormDLFile_cmbLakeBoart1"), "A.TTF"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{LangText("FormDLFile_cmbLakeBoart2"), "B.TTF"}));
    EXPECT_EQ(fonts->Form()["cmbFontID"].index, 1);
    EXPECT_TRUE(fonts->Form()["lblSpace_Font"].visible);

    ASSERT_TRUE(fonts->SelectFont("B.TTF"));
    sink.answers.push_back(true); // the delete question answered OK
    fonts->btnDeleteCurFontClick();
    ASSERT_FALSE(printer->records().empty());
    bool sent = false;
    for (const emulator::Record& record : printer->records()) {
        sent = sent || (record.key == "delete" && record.value.find("\"E_B.TTF\"") != std::string::npos);
    }
    EXPECT_TRUE(sent);
    EXPECT_FALSE(Stored("fonts", "E_B.TTF").has_value());
    EXPECT_TRUE(Stored("fonts", "R_A.TTF").has_value());
    EXPECT_EQ(fonts->Form()["lvFonts"].rows.size(), 1u);

    // Cancel deletes nothing.
    sink.boxes.clear();
    printer->clearRecords();
    fonts->btnDeleteAllFontClick();
    ASSERT_EQ(Boxes("ask").size(), 1u);
    EXPECT_EQ(Boxes("ask")[0].text, LangText("FormDLF_DelAllTip"));
    EXPECT_TRUE(Keys("do").empty());
    EXPECT_TRUE(Stored("fonts", "R_A.TTF").has_value());
    EXPECT_EQ(fonts->Form()["lvFonts"].rows.size(), 1u);

    sink.answers.push_back(true); // the delete question answered OK
    fonts->btnDeleteAllFontClick();
    EXPECT_FALSE(Stored("fonts", "R_A.TTF").has_value());
    EXPECT_TRUE(fonts->Form()["lvFonts"].rows.empty());
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

TEST_F(FontTest, ADeleteThePrinterDoesNotAnswerKeepsTheFontListed) {
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    StoreFont('E', "A.TTF");
    StoreFont('E', "B.TTF");
    download::TTransferPacing pacing = FastPacing();
    pacing.okPollRounds = 2;
    fonts = std::make_unique<TDLFontDialog>(params::TParaDialogContext{"Kavo", "Kavo"}, pacing);
    fonts->FormShow();
    for (const char* fault : {"do:delete=silent/1", "do:delete=cut:1/1"}) {
        std::string error;
        ASSERT_TRUE(printer->addFault(fault, error)) << error;
        sink.answers.push_back(true); // the delete question answered OK
        fonts->btnDeleteAllFontClick();
        ASSERT_FALSE(Boxes("error").empty()) << fault;
        EXPECT_EQ(Boxes("error").back().text, LangText("_Err_ReadData")) << fault;
        // The first delete was not confirmed: both fonts are still listed.
        EXPECT_EQ(fonts->Form()["lvFonts"].rows.size(), 2u) << fault;
        EXPECT_FALSE(PrtLib_ExchangeOpen()) << fault;
        printer->clearFaults();
    }
}

// "Download" without a chosen file says so and sends nothing, in the font,
// user-font and file dialogs and the TSPL batch download.
TEST_F(FontTest, DownloadWithoutAFileSaysSoAndSendsNothing) {
    const std::function<void()> presses[] = {
        [this] { OpenFonts().btnDLFontClick(); },
        [this] { OpenUserFonts().btnDownloadClick(); },
        [this] { Open("Kavo").btnDLFileClick(); },
        [this] {
            SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
            download::TTsplBatchDownload batch(false);
            batch.FormShow();
            EXPECT_FALSE(batch.btnDownloadClick());
        },
    };
    for (std::size_t n = 0; n < std::size(presses); ++n) {
        SCOPED_TRACE(n);
        sink.boxes.clear();
        presses[n]();
        ASSERT_EQ(Boxes("info").size(), 1u);
        EXPECT_EQ(Boxes("info")[0].text, LangText("FormDL_ChooseFileFirst"));
        EXPECT_TRUE(Keys("do").empty());
        EXPECT_EQ(Received().find("DOWNLOAD"), std::string::npos);
        fonts.reset();
        userFonts.reset();
        dialog.reset();
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
}

TEST_F(FontTest, AFontIsStoredByTheBlockTransferAndListed) {
    OpenFonts();
    std::string bytes(3000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7);
    }
    ASSERT_TRUE(fonts->ChooseFile(WriteFile("SIMSUN.TTF", bytes)));
    fonts->btnDLFontClick();
    fonts->WaitForTransfer();
    queue.RunPending();
    EXPECT_EQ(fonts->Outcome(), TDLFontDialog::TOutcome::Success);
    const auto stored = Stored("fonts", "E_SIMSUN.TTF");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(std::string(stored->begin(), stored->end()), bytes);
    EXPECT_EQ(Keys("download_block").size(), 3u);
    // The progress line gives the whole size: 3 blocks of 1 KB.
    EXPECT_EQ(fonts->Form()["Label2"].text, params::TxtFilled("FormDLF_DLI2", {"3"}, 1));
    EXPECT_EQ(fonts->Form()["Label2"].text.find('{'), std::string::npos);
    ASSERT_EQ(fonts->Fonts().size(), 1u);
    EXPECT_EQ(fonts->Fonts()[0].name, "SIMSUN.TTF");
    EXPECT_EQ(fonts->Form()["btnDLFont"].text, LangText("msgDL"));
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

TEST_F(FontTest, AFontLargerThanTheFreeMemoryIsRefusedBeforeTheRequest) {
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    printer->changePrinter([](emulator::Printer& p) { p.files().flashCapacity = 1000; });
    fonts = std::make_unique<TDLFontDialog>(params::TParaDialogContext{"Kavo", "Kavo"}, FastPacing());
    fonts->FormShow();
    ASSERT_TRUE(fonts->ChooseFile(WriteFile("BIG.TTF", std::string(2000, 'x'))));
    fonts->btnDLFontClick();
    EXPECT_EQ(fonts->Outcome(), TDLFontDialog::TOutcome::Failed);
    EXPECT_EQ(Boxes("error").back().text, LangText("mNoSP"));
    EXPECT_TRUE(Keys("download_block").empty());
    EXPECT_FALSE(fonts->Busy());
}

TEST(FontTestJobs, EachCommandLanguageHasItsJob) {
    download::TFontTestJob job;
    job.fontName = "B.TTF";
    job.prefix = "E_";
    job.text = "Hi";
    struct Case {
        bool ganlow;
        int protocol;
        std::string expected;
    };
    const Case cases[] = {
        {true, 1, "^XA\r\n^CI28\r\n^FO50,50\r\n^A@N,40,40,E:B.TTF\r\n^FDHi^FS\r\n^XZ\r\n"},
        {false, 3, "! 0 20 20 60 1\r\nT 9 0 8 8 Hi\r\nFORM\r\nPRINT\r\n"},
        {false, 1, "SIZE 30 mm,30 mm\r\nCLS\r\nTEXT 10,10,\"B.TTF\",0,48,48,\"Hi\"\r\nPRINT 1,1\r\n"},
        {false, 4, "^XA\r\n^A@N,50,50,E_B.TTF\r\n^FO100,100\r\n^FDHi^FS\r\n^XZ\r\n"},
        {false, 5, "N\r\nA300,10,0,1,2,2,N,\"Hi\"\r\nP1\r\n"},
        {false, 2, "Hi\r\n"},
    };
    for (const Case& c : cases) {
        job.ganlow = c.ganlow;
        job.protocol = c.protocol;
        EXPECT_EQ(download::FontTestJob(job), c.expected) << c.protocol;
    }
}

TEST_F(FontTest, ACpclTestPrintIgnoresTheFontAndIsSentInUtf8WhenTicked) {
    OpenFonts("Corla-3", "corla_cpcl.profile");
    StoreFont('E', "B.TTF");
    fonts->FormShow();
    ASSERT_EQ(ProtocolKind, 3);
    ASSERT_TRUE(fonts->SelectFont("B.TTF"));
    fonts->Form().SetText("rtTestText", "测试");
    fonts->Form().SetIndex("chkLanguage", 1);
    fonts->btnTestFontClick();
    ASSERT_TRUE(printer->waitForCommand("cpcl", "PRINT").has_value());
    const std::string received = Received();
    EXPECT_NE(received.find("! 0 20 20 60 1\r\nT 9 0 8 8 测试\r\nFORM\r\nPRINT\r\n"), std::string::npos);
    EXPECT_EQ(received.find("B.TTF\r\n"), std::string::npos);
    for (const auto& box : Boxes("error")) {
        ADD_FAILURE() << box.text;
    }
}

TEST_F(FontTest, TheTestPrintSizeIsKeptWithinItsLimits) {
    OpenFonts();
    auto& form = fonts->Form();
    for (const auto& [edit, typed, kept] :
         std::vector<std::tuple<std::string, std::string, std::string>>{{"txtPrintableWidth", "5", "10"},
                                                                        {"txtPrintableWidth", "", "10"},
                                                                        {"txtPrintableHeigh", "300", "210"},
                                                                        {"txtPrintableHeigh", "80", "80"}}) {
        form.SetText(edit, typed);
        fonts->CheckValue(edit);
        EXPECT_EQ(form[edit].text, kept) << edit << ' ' << typed;
    }
}

TEST_F(FontTest, UserFontBlocksAreFilledWithFFAndSummedWhole) {
    struct Case {
        size_t size;
        size_t blocks;
    };
    OpenUserFonts();
    for (const Case c : {Case{2048, 2}, Case{2049, 3}}) {
        SCOPED_TRACE(c.size);
        const size_t seen = printer->records().size();
        std::string bytes(c.size, '\0');
        for (size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(i % 251);
        }
        ASSERT_TRUE(userFonts->ChooseFile(WriteFile("font.bin", bytes)));
        userFonts->Form().SetIndex("cmbFontID", 1); // BIG5
        userFonts->btnDownloadClick();
        EXPECT_TRUE(userFonts->Timer().enabled);
        userFonts->RunTimer();
        EXPECT_EQ(userFonts->Outcome(), TDLUserFontDialog::TOutcome::Success);
        EXPECT_EQ(userFonts->Form()["btnDownload"].text, LangText("FormDownloadFont_btnDownload"));
        std::vector<emulator::Bytes> blocks;
        std::string request;
        const auto records = printer->records();
        for (size_t i = seen; i < records.size(); ++i) {
            const emulator::Record& record = records[i];
            if (record.command == "download_block") {
                blocks.push_back(record.received);
            } else if (record.key == "userfont_download") {
                request = record.value;
            }
        }
        EXPECT_EQ(request, "\"big5\"");
        ASSERT_EQ(blocks.size(), c.blocks);
        const emulator::Bytes& last = blocks.back();
        ASSERT_EQ(last.size(), 1036u);
        const size_t length = last[8] | static_cast<size_t>(last[9]) << 8;
        EXPECT_EQ(length, c.size - (c.blocks - 1) * 1024);
        for (size_t i = 10 + length; i < 1034; ++i) {
            ASSERT_EQ(last[i], 0xFF) << i;
        }
        uint16_t sum = 0;
        for (size_t i = 0; i < 1034; ++i) {
            sum = static_cast<uint16_t>(sum + last[i]);
        }
        EXPECT_EQ(last[1034] | last[1035] << 8, sum);
        const auto stored = Stored("userfont", "E_big5");
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(std::string(stored->begin(), stored->end()), bytes);
    }
}

TEST_F(FontTest, UserFontsOfTheLimitAreRefusedAndOneByteLessIsTaken) {
    OpenUserFonts();
    const std::string path = WriteFile("huge.bin", "");
    std::filesystem::resize_file(path, download::kUserFontLimit);
    EXPECT_FALSE(userFonts->ChooseFile(path));
    EXPECT_EQ(Boxes("error").back().text, LangText("_Err_FileToBig"));
    EXPECT_TRUE(userFonts->Form()["txtFileName"].text.empty());
    std::filesystem::resize_file(path, download::kUserFontLimit - 1);
    EXPECT_TRUE(userFonts->ChooseFile(path));
    EXPECT_EQ(userFonts->Form()["txtFileName"].text, path);
    EXPECT_EQ(download::UserFontBlockTotal(download::kUserFontLimit - 1), 3060);
}

TEST_F(FontTest, AUserFontRefusedByThePrinterStopsTheTimer) {
    OpenUserFonts();
    const std::string path = WriteFile("font.bin", std::string(3000, 'a'));
    // A refused block, and the connection ending in the middle of an
    // acknowledgement.
    for (const char* fault : {"refuse", "download_block:1=cut/1"}) {
        if (std::string(fault) == "refuse") {
            printer->changePrinter([](emulator::Printer& p) { p.files().refuseBlock = 1; });
        } else {
            std::string error;
            ASSERT_TRUE(printer->addFault(fault, error)) << error;
        }
        const size_t infos = Boxes("info").size();
        ASSERT_TRUE(userFonts->ChooseFile(path));
        userFonts->btnDownloadClick();
        userFonts->RunTimer();
        EXPECT_EQ(userFonts->Outcome(), TDLUserFontDialog::TOutcome::Failed) << fault;
        EXPECT_EQ(Boxes("error").back().text, LangText("FormDownloadFont_ErrIO")) << fault;
        EXPECT_EQ(Boxes("info").size(), infos) << fault;
        EXPECT_FALSE(userFonts->Timer().enabled);
        // The running caption stays until the button is pressed.
        EXPECT_EQ(userFonts->Form()["btnDownload"].text, LangText("FormDownloadFont_btnDownload1"));
        userFonts->btnDownloadClick();
        EXPECT_EQ(userFonts->Form()["btnDownload"].text, LangText("FormDownloadFont_btnDownload"));
        printer->clearFaults();
        printer->changePrinter([](emulator::Printer& p) { p.files().refuseBlock.reset(); });
    }
}

} // namespace
} // namespace tolvane::test
