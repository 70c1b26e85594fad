// The TSPL file managers and the batch download against the emulated
// printer: the lists of both positions, the space reply, RUN, the KILL
// forms with their confirmation, and files sent in chunks.
#include "DownloadFixture.h"
#include "mdlParaHelpers.h"
#include "mdlTsplFiles.h"

namespace tolvane::test {
namespace {

using download::TTsplFileManager;

TEST(TsplFileFormats, ListSpaceAndKillForms) {
    const std::string reply = "A.BAS,B.PCX\r";
    const auto names = download::ParseTsplFileList(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(reply.data()), reply.size()));
    EXPECT_EQ(names, (std::vector<std::string>{"A.BAS", "B.PCX"}));

    const uint8_t space[16] = {0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x04, 0x00, 1, 2, 3, 4, 5, 6, 7, 8};
    const download::TTsplSpace card = download::TsplSpaceOf(space, download::kPositionCard);
    EXPECT_EQ(card.total / 1024, 1024u);
    EXPECT_EQ(card.free / 1024, 256u);
    EXPECT_EQ(download::TsplSpaceOf(space, download::kPositionInternal).total, 0x04030201u);

    EXPECT_EQ(download::TsplKillCommand(download::kPositionCard, "A.BAS"), "KILL F,\"A.BAS\"\r\n");
    EXPECT_EQ(download::TsplKillCommand(download::kPositionInternal, "A.BAS"), "KILL \"A.BAS\"\r\n");
    EXPECT_EQ(download::TsplKillAllCommand(), "KILL \"*\"\r\nKILL F,\"*\"\r\n");
}

class TsplManagerTest : public DownloadTest {
  protected:
    TTsplFileManager& OpenManager() {
        SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
        printer->changePrinter([](emulator::Printer& p) {
            auto& files = p.files();
            files.cardCapacity = 1024 * 1024;
            files.store({"card", 'F', "A.BAS", emulator::Bytes(256 * 1024, 'a')});
            files.store({"card", 'F', "B.PCX", emulator::Bytes(512 * 1024, 'b')});
            files.store({"direct", 'E', "C.BAS", emulator::Bytes(10, 'c')});
        });
        download::TTsplPacing pacing;
        pacing.spacePauseMs = 20;
        manager = std::make_unique<TTsplFileManager>("T_frmTempletManage", pacing);
        manager->FormShow();
        return *manager;
    }

    void TearDown() override {
        manager.reset();
        DownloadTest::TearDown();
    }

    std::unique_ptr<TTsplFileManager> manager;
};

TEST_F(TsplManagerTest, ThePositionsAreListedWithTheirSpace) {
    OpenManager();
    EXPECT_EQ(manager->Files(), (std::vector<std::string>{"A.BAS", "B.PCX"}));
    EXPECT_EQ(manager->Form()["lblSpaceInfo"].text, "Free: 256 KB  Total: 1024 KB");
    EXPECT_TRUE(manager->Form()["btnDelAll"].enabled);
    manager->Form().SetIndex("cmbTempletSavePosition", download::kPositionInternal);
    manager->cmbTempletSavePositionChange();
    EXPECT_EQ(manager->Files(), (std::vector<std::string>{"C.BAS"}));
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(TsplManagerTest, PrintAndDeleteAskFirstAndDeleteAllIsOneWrite) {
    OpenManager();
    manager->Form().SetIndex("lstImagesList", 1);
    manager->MouseClick("btnPrint");
    ASSERT_TRUE(printer->waitForCommand("tspl_run", "B.PCX").has_value());

    sink.answers = {false};
    manager->MouseClick("btnDelCurrent");
    EXPECT_EQ(manager->Files().size(), 2u);
    sink.answers = {true, true};
    manager->Form().SetIndex("lstImagesList", 0);
    manager->MouseClick("btnDelCurrent");
    EXPECT_EQ(manager->Files(), std::vector<std::string>{"B.PCX"});
    EXPECT_FALSE(Stored("card", "A.BAS").has_value());

    sink.answers = {true};
    manager->MouseClick("btnDelAll");
    EXPECT_TRUE(manager->Files().empty());
    EXPECT_FALSE(manager->Form()["btnDelAll"].enabled);
    EXPECT_FALSE(Stored("direct", "C.BAS").has_value());
    bool oneWrite = false;
    for (const emulator::Record& record : printer->records()) {
        const std::string text(record.received.begin(), record.received.end());
        oneWrite = oneWrite || text == "KILL \"*\"\r\n";
    }
    EXPECT_TRUE(oneWrite);
}

TEST_F(TsplManagerTest, TheBatchDownloadSendsEachFileInChunks) {
    OpenManager();
    const std::string body = "\"LOGO.PCX\",3000," + std::string(3000, 'x');
    const std::string path = WriteFile("logo.dl", body);
    int chunks = 0;
    manager->ShowDownload = [&](download::TTsplBatchDownload& batch) {
        batch.ProcessMessages = [&] { ++chunks; };
        batch.AddFile(path);
        EXPECT_TRUE(batch.btnDownloadClick());
    };
    manager->MouseClick("btnDownload");
    EXPECT_EQ(chunks, 3);
    const auto stored = Stored("card", "LOGO.PCX");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->size(), 3000u);
    EXPECT_EQ(manager->Form()["lstImagesList"].index, 0);
    EXPECT_EQ(Boxes("info").size(), 1u);
}

TEST_F(TsplManagerTest, APlainFileGoesWithItsNameAndSizeAndIsConfirmedByTheList) {
    OpenManager();
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const std::string path = WriteFile("logo.png", png);
    manager->ShowDownload = [&](download::TTsplBatchDownload& batch) {
        batch.AddFile(path);
        EXPECT_TRUE(batch.btnDownloadClick());
    };
    manager->MouseClick("btnDownload");
    const auto record = printer->waitForCommand("tspl_download", "logo.png");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(std::string(record->received.begin(), record->received.end()),
              "DOWNLOAD F,\"logo.png\",16," + png);
    const auto stored = Stored("card", "logo.png");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, emulator::Bytes(png.begin(), png.end()));
    EXPECT_EQ(Boxes("info").size(), 1u);
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(TsplManagerTest, ADownloadThePrinterDidNotTakeIsAnErrorAndNoSuccess) {
    struct Case {
        std::string fault; // or "full": the card has no room
        std::string message;
        std::string name; // filled into the message
    };
    const std::vector<Case> cases = {
        {"full", "_Err_NotStored", "big.bin"},
        {"tspl_files:F=silent/1", "_Err_ReadData", ""},
        {"tspl_files:F=cut:1/1", "_Err_NotStored", "big.bin"}, // the list breaks off, the connection with it
    };
    OpenManager();
    const std::string path = WriteFile("big.bin", std::string(2000, 'z'));
    for (const Case& c : cases) {
        if (c.fault == "full") {
            printer->changePrinter([](emulator::Printer& p) { p.files().cardCapacity = 1024; });
        } else {
            std::string error;
            ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        }
        const size_t infos = Boxes("info").size();
        bool done = true;
        manager->ShowDownload = [&](download::TTsplBatchDownload& batch) {
            batch.AddFile(path);
            done = batch.btnDownloadClick();
        };
        manager->MouseClick("btnDownload");
        EXPECT_FALSE(done) << c.fault;
        EXPECT_EQ(Boxes("info").size(), infos) << c.fault;
        ASSERT_FALSE(Boxes("error").empty()) << c.fault;
        const std::string expected =
            c.name.empty() ? LangText(c.message) : params::TxtWith(c.message, c.name);
        bool shown = false;
        for (const auto& box : Boxes("error")) {
            shown = shown || box.text == expected;
        }
        EXPECT_TRUE(shown) << c.fault;
        printer->clearFaults();
        printer->changePrinter([](emulator::Printer& p) {
            p.files().cardCapacity = 1024 * 1024;
            p.files().erase("card", "big.bin");
        });
    }
}

TEST_F(TsplManagerTest, APrinterThatDoesNotAnswerGetsNoEmptyManager) {
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    std::string error;
    ASSERT_TRUE(printer->addFault("*=silent", error)) << error;
    download::TTsplPacing pacing;
    pacing.spacePauseMs = 20;
    manager = std::make_unique<TTsplFileManager>("T_frmTempletManage", pacing);
    EXPECT_FALSE(manager->FormShow());
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, LangText("_Err_ReadData"));
}

} // namespace
} // namespace tolvane::test
