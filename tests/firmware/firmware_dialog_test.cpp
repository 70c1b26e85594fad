// The firmware dialogs against the emulated printer: the update-method
// choice from the printer's answer, OTA transfers by both ways into OTA
// mode, sectioned files with every final status, the printer's faults,
// and malformed files that must leave the printer untouched.
#include "FirmwareFiles.h"
#include "ParamsFixture.h"
#include "mdlDfuQuistel.h"
#include "mdlDownFirmwareSelType.h"
#include "mdlFirmwareFlow.h"
#include "mdlGdl.h"
#include "mdlParaHelpers.h"

#include <chrono>
#include <thread>

namespace tolvane::test {
namespace {

using namespace tolvane::firmware;

class FirmwareDialogTest : public EmulatedPrinterTest {
  protected:
    // Starts the emulated printer and selects it; later calls only bring the
    // printer back to its first state.
    void Select() {
        if (!printer) {
            const std::string address = StartPrinter("kavo_tspl.profile");
            SelectListedPrinter("Kavo", address);
        }
        printer->clearFaults();
        printer->changePrinter([](emulator::Printer& p) {
            p.firmware() = emulator::FirmwareState();
            p.firmware().behaviour = p.profile().firmware;
        });
        printer->clearRecords();
        sink.boxes.clear();
    }
    std::string File(const std::vector<std::uint8_t>& bytes) {
        return WriteFiles("firmware.bin", AsString(bytes));
    }
    // The records of one command, in order.
    std::vector<emulator::Record> Records(const std::string& command) const {
        std::vector<emulator::Record> found;
        for (const emulator::Record& record : printer->records()) {
            if (record.command == command) {
                found.push_back(record);
            }
        }
        return found;
    }
    // Every command the printer received, leaving out link changes.
    std::vector<std::string> Received() const {
        std::vector<std::string> commands;
        for (const emulator::Record& record : printer->records()) {
            if (record.command != "connect" && record.command != "disconnect") {
                commands.push_back(record.command);
            }
        }
        return commands;
    }
    emulator::FirmwareState Firmware() {
        emulator::FirmwareState state;
        printer->changePrinter([&](emulator::Printer& p) { state = p.firmware(); });
        return state;
    }
    void SetBehaviour(const std::function<void(emulator::FirmwareBehaviour&)>& change) {
        printer->changePrinter([&](emulator::Printer& p) { change(p.firmware().behaviour); });
    }
    std::vector<ShownBox> AllBoxes() const { return sink.boxes; }
};

// ---- the update-method choice ----

TEST_F(FirmwareDialogTest, PrinterAnswerPreselectsAndLocksTheMethod) {
    Select();
    struct Case {
        const char* answer;
        const char* code;
    };
    for (const Case& c : {Case{"dfu", kMethodDfu}, Case{"BIN", kMethodBin}, Case{"ota", ""}}) {
        SetPrinterValue("update_method", c.answer);
        int opened = -1;
        const std::string answer = ReadUpdateMethodAnswer(opened);
        EXPECT_EQ(opened, 0);
        EXPECT_EQ(answer, c.answer);
        TDownFirmwareSelType dialog(params::SelectedPrinterContext());
        dialog.FormCreate();
        const std::string code = PreselectedUpdateMethod(answer);
        EXPECT_EQ(code, c.code);
        if (!code.empty()) {
            dialog.Preselect(code, true);
        }
        const params::TControl& list = dialog.Form()["lstType"];
        EXPECT_EQ(list.enabled, code.empty()) << c.answer;
        if (code.empty()) {
            EXPECT_EQ(list.index, -1);
            EXPECT_EQ(dialog.Form()["txtSelected"].text, "No update method chosen yet");
            continue;
        }
        EXPECT_EQ(dialog.Form()["txtSelected"].text, "Update method: " + list.SelectedText());
        dialog.ButtonClick("btnOK");
        EXPECT_TRUE(dialog.Accepted());
        EXPECT_EQ(dialog.Code(), c.code);
    }
    EXPECT_EQ(Records("getval").size(), 3u);
}

TEST_F(FirmwareDialogTest, OkWithoutAChoiceAsksForOneAndCancelChoosesNothing) {
    Select();
    TDownFirmwareSelType dialog(params::SelectedPrinterContext());
    dialog.FormCreate();
    dialog.ButtonClick("btnOK");
    EXPECT_FALSE(dialog.CloseRequested());
    ASSERT_EQ(AllBoxes().size(), 1u);
    EXPECT_EQ(AllBoxes()[0].kind, "info");
    EXPECT_EQ(AllBoxes()[0].text, "Please choose an update method.");
    dialog.Form().SetIndex("lstType", 1);
    dialog.UserChanged("lstType");
    EXPECT_EQ(dialog.Form()["txtSelected"].text, "Update method: BIN (packets through this program)");
    dialog.ButtonClick("btnCancel");
    EXPECT_TRUE(dialog.CloseRequested());
    EXPECT_FALSE(dialog.Accepted());
}

// ---- OTA packets ----

class OtaTest : public FirmwareDialogTest {
  protected:
    // Runs a whole download as the window does: the button, then the timer.
    TDfuQuistel& Download(const std::vector<std::uint8_t>& file, bool keyEntry = true,
                          const TFirmwareWaits& waits = ShortFirmwareWaits()) {
        dialog = std::make_unique<TDfuQuistel>(params::SelectedPrinterContext(), keyEntry, waits);
        dialog->FormCreate();
        dialog->Form().SetText("txtFileName", File(file));
        dialog->ButtonClick("btnDownload");
        RunTimersUntilIdle(*dialog);
        return *dialog;
    }
    std::unique_ptr<TDfuQuistel> dialog;
};

TEST_F(OtaTest, FileArrivesWholeInPacketsByEitherEntry) {
    for (const bool keyEntry : {true, false}) {
        Select();
        const std::vector<std::uint8_t> file = Pattern(5000);
        TDfuQuistel& ota = Download(file, keyEntry);
        EXPECT_TRUE(ota.Succeeded());
        ASSERT_EQ(AllBoxes().size(), 1u);
        EXPECT_EQ(AllBoxes()[0].kind, "info");
        EXPECT_EQ(AllBoxes()[0].text, "Download complete");
        const emulator::FirmwareState state = Firmware();
        EXPECT_EQ(state.otaImage, file);
        EXPECT_EQ(state.otaPackets, 2);
        const std::vector<emulator::Record> packets = Records("ota_packet");
        ASSERT_EQ(packets.size(), 2u);
        EXPECT_EQ(packets[0].key, "0");
        EXPECT_EQ(packets[1].key, "4096");
        EXPECT_EQ(packets[1].value, "length 904");
        EXPECT_EQ(ota.Form()["lblProgressInfo"].text, "5 KB of 5 KB sent");
        EXPECT_EQ(ota.Form()["pbProgress"].index, 2);
        EXPECT_EQ(ota.Form()["pbProgress"].maximum, 2);
        EXPECT_EQ(ota.Form()["btnDownload"].text, "Download");
        if (keyEntry) {
            EXPECT_EQ(Records("do").at(0).key, "enter_ota");
            EXPECT_TRUE(Records("dfu_mode").empty());
        } else {
            EXPECT_EQ(Records("dfu_mode").size(), 1u);
            EXPECT_TRUE(Records("do").empty());
        }
    }
}

// After "enter_ota" the printer restarts and refuses connections for a
// while: the port is opened again until it answers or the time is up.
TEST_F(OtaTest, ReconnectWaitsForTheRestartWithinItsLimit) {
    TFirmwareWaits waits = ShortFirmwareWaits();
    waits.otaReopenStepMs = 20;
    waits.otaReopenLimitMs = 1000;
    for (const auto& [restartMs, succeeds] : {std::pair{200u, true}, std::pair{1500u, false}}) {
        Select();
        SetBehaviour([&](emulator::FirmwareBehaviour& b) { b.otaRestartMs = restartMs; });
        const auto start = std::chrono::steady_clock::now();
        TDfuQuistel& ota = Download(Pattern(100), true, waits);
        EXPECT_EQ(ota.Succeeded(), succeeds) << restartMs;
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(succeeds ? 190 : 990));
        if (!succeeds) {
            ASSERT_EQ(AllBoxes().size(), 1u);
            EXPECT_EQ(AllBoxes()[0].text, params::Txt("FormDownloadFont_ErrIO"));
            EXPECT_TRUE(Records("ota_packet").empty());
            ota.ButtonClick("btnClose");
            // Wait out the restart for the next case.
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
        }
    }
}

TEST_F(OtaTest, PrinterFaultsStopTheTransferWithTheirMessage) {
    struct Case {
        const char* fault;
        std::size_t packetsSent;
    };
    const std::vector<Case> cases = {
        {"getval:pack_length=short:3/1", 0}, // a 3-byte packet length: nothing is sent
        {"getval:pack_length=silent/1", 0},  {"ota_packet=silent/1", 1}, {"ota_packet=corrupt/1", 1},
        {"ota_packet=short:7/1", 1},         {"ota_packet=cut/1", 1}, // the connection ends in the middle of
                                                                      // the reply
    };
    for (const Case& c : cases) {
        Select();
        std::string error;
        ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        TDfuQuistel& ota = Download(Pattern(5000));
        EXPECT_FALSE(ota.Succeeded()) << c.fault;
        ASSERT_EQ(AllBoxes().size(), 1u) << c.fault;
        EXPECT_EQ(AllBoxes()[0].kind, "error");
        EXPECT_EQ(AllBoxes()[0].text, params::Txt("FormDownloadFont_ErrIO"));
        EXPECT_EQ(Records("ota_packet").size(), c.packetsSent) << c.fault;
        // The caption stays at the running text; pressing it again stops.
        EXPECT_EQ(ota.Form()["btnDownload"].text, "Stop");
        ota.ButtonClick("btnDownload");
        EXPECT_EQ(ota.Form()["btnDownload"].text, "Download");
    }
}

TEST_F(OtaTest, PacketLengthTheCountersCannotUseSendsNothing) {
    for (const std::uint32_t length : {0u, 0x80000000u}) {
        Select();
        SetBehaviour([&](emulator::FirmwareBehaviour& b) { b.packetLength = length; });
        TDfuQuistel& ota = Download(Pattern(100));
        EXPECT_FALSE(ota.Succeeded());
        ASSERT_EQ(AllBoxes().size(), 1u);
        EXPECT_EQ(AllBoxes()[0].text, params::Txt("FormDownloadFont_ErrIO"));
        EXPECT_TRUE(Records("ota_packet").empty()) << length;
    }
}

TEST_F(OtaTest, MissingOrEmptyFileIsRefusedBeforeThePrinterHearsAnything) {
    Select();
    dialog = std::make_unique<TDfuQuistel>(params::SelectedPrinterContext(), true, ShortFirmwareWaits());
    dialog->FormCreate();
    dialog->Form().SetText("txtFileName", "/nonexistent/firmware.bin");
    dialog->ButtonClick("btnDownload");
    const std::string empty = File({});
    dialog->Form().SetText("txtFileName", empty);
    dialog->ButtonClick("btnDownload");
    ASSERT_EQ(AllBoxes().size(), 2u);
    EXPECT_EQ(AllBoxes()[0].text, "The file does not exist");
    EXPECT_EQ(AllBoxes()[1].text, "The firmware file is empty; nothing was sent:" + empty);
    EXPECT_TRUE(Received().empty());
    EXPECT_FALSE(dialog->Running());
}

// ---- sectioned files ----

class GdlTest : public FirmwareDialogTest {
  protected:
    TGdl& Open(bool restartNote = false) {
        dialog = std::make_unique<TGdl>(params::SelectedPrinterContext(), restartNote, ShortFirmwareWaits());
        dialog->FormCreate();
        return *dialog;
    }
    TGdl& Download(const std::vector<std::uint8_t>& file, bool restartNote = false) {
        TGdl& gdl = Open(restartNote);
        gdl.ListFile(File(file));
        gdl.ButtonClick("btnDownload");
        RunTimersUntilIdle(gdl);
        return gdl;
    }
    std::unique_ptr<TGdl> dialog;
};

const std::vector<TestSection> kThreeSections = {
    {"BOOT", "1.0.2", 1, 2500}, {"APP", "2.10", 7, 1024}, {"FONT", "3", 2, 0}};

TEST_F(GdlTest, ListShowsEverySection) {
    Select();
    TGdl& gdl = Open();
    EXPECT_TRUE(gdl.ListFile(File(SectionedFile(kThreeSections))));
    const std::vector<std::vector<std::string>> rows = {
        {"BOOT", "2500", "1.0.2", "1"}, {"APP", "1024", "2.10", "7"}, {"FONT", "0", "3", "2"}};
    EXPECT_EQ(gdl.Form()["lvDetails"].rows, rows);
    EXPECT_EQ(gdl.Form()["lvDetails"].columns,
              (std::vector<std::string>{"Name", "Size (bytes)", "Version", "Type"}));
    EXPECT_FALSE(gdl.Form()["pbProgress"].visible);
    EXPECT_TRUE(Received().empty());
}

TEST_F(GdlTest, SectionsArriveHeaderByHeaderInChunks) {
    Select();
    const std::vector<std::uint8_t> file = SectionedFile(kThreeSections);
    TGdl& gdl = Download(file, true);
    EXPECT_TRUE(gdl.Succeeded());
    ASSERT_EQ(AllBoxes().size(), 1u);
    EXPECT_EQ(AllBoxes()[0].kind, "info");
    EXPECT_EQ(AllBoxes()[0].text, "Download complete\r\nThe printer restarts now.");
    // 2500 bytes: the header, then 1024, 1024 and 452.
    EXPECT_EQ(Received(),
              (std::vector<std::string>{"do", "section_header", "section_data", "section_data",
                                        "section_data", "section_header", "section_data", "section_header"}));
    const std::vector<emulator::Record> data = Records("section_data");
    EXPECT_EQ(data[0].value, "1024 bytes");
    EXPECT_EQ(data[2].value, "452 bytes");
    const emulator::FirmwareState state = Firmware();
    ASSERT_EQ(state.sections.size(), 3u);
    EXPECT_EQ(state.sections[0].data, std::vector<std::uint8_t>(file.begin() + 76, file.begin() + 76 + 2500));
    EXPECT_EQ(state.sections[1].name, "APP");
    EXPECT_EQ(gdl.StepsDone(), 7);
    EXPECT_EQ(gdl.Form()["pbProgress"].maximum, 7);
    EXPECT_EQ(gdl.Form()["lblProgressInfo"].text, "Step 7 of 7");
    EXPECT_EQ(gdl.Form()["btnDownload"].text, "Download");
}

TEST_F(GdlTest, FinalStatusGivesItsMessage) {
    struct Case {
        int status;
        const char* kind;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, "info", "Download complete"},
        {1, "error", "The printer refused the firmware: wrong type"},
        {3, "error", "The printer refused the firmware: checksum error"},
        {4, "error", "The printer refused the firmware: cannot store it"},
        {6, "error", "The printer refused the firmware: wrong name"},
        {7, "error", ""},
    };
    for (const Case& c : cases) {
        Select();
        SetBehaviour(
            [&](emulator::FirmwareBehaviour& b) { b.finalStatus = static_cast<std::uint8_t>(c.status); });
        TGdl& gdl = Download(SectionedFile({{"APP", "1", 1, 1500}}));
        EXPECT_EQ(gdl.Succeeded(), c.status == 0);
        ASSERT_EQ(AllBoxes().size(), 1u) << c.status;
        EXPECT_EQ(AllBoxes()[0].kind, c.kind) << c.status;
        EXPECT_EQ(AllBoxes()[0].text, c.text) << c.status;
    }
}

TEST_F(GdlTest, PrinterFaultsGiveTheirMessage) {
    struct Case {
        const char* what;
        std::function<void(emulator::Emulator&)> fault;
        std::string text;
        std::size_t headers;
    };
    const auto addFault = [](const char* rule) {
        return [rule](emulator::Emulator& target) {
            std::string error;
            EXPECT_TRUE(target.addFault(rule, error)) << error;
        };
    };
    const std::vector<Case> cases = {
        {"silent final status", addFault("section_end=silent"), "Could not read data from the printer", 2},
        {"silent header", addFault("section_header=silent/1"), "Could not read data from the printer", 1},
        {"connection ends at a header", addFault("section_header=cut/1"),
         "Could not read data from the printer", 1},
        {"refused header",
         [](emulator::Emulator& target) {
             target.changePrinter([](emulator::Printer& p) { p.firmware().behaviour.headerStatus = 2; });
         },
         "The printer refused the firmware: bad section header", 1},
    };
    for (const Case& c : cases) {
        Select();
        c.fault(*printer);
        TGdl& gdl = Download(SectionedFile({{"BOOT", "1", 1, 100}, {"APP", "1", 1, 100}}));
        EXPECT_FALSE(gdl.Succeeded()) << c.what;
        ASSERT_EQ(AllBoxes().size(), 1u) << c.what;
        EXPECT_EQ(AllBoxes()[0].kind, "error");
        EXPECT_EQ(AllBoxes()[0].text, c.text) << c.what;
        EXPECT_EQ(Records("section_header").size(), c.headers) << c.what;
    }
}

TEST_F(GdlTest, MalformedFilesSendNothing) {
    Select();
    std::vector<std::uint8_t> negative = SectionedFile({{"A", "1", 1, 10}, {"B", "1", 1, 10}});
    negative[86 + 7] = 0xFF;
    std::vector<std::uint8_t> pastEnd = SectionedFile({{"A", "1", 1, 10}});
    pastEnd[4] = 11;
    const std::vector<std::uint8_t> cut(pastEnd.begin(), pastEnd.begin() + 50);
    std::string path;
    for (const auto& file : {negative, pastEnd, cut, std::vector<std::uint8_t>{}}) {
        TGdl& gdl = Open();
        path = File(file);
        EXPECT_FALSE(gdl.ListFile(path));
        EXPECT_TRUE(gdl.Form()["lvDetails"].rows.empty());
        // The download reads and checks the file again.
        gdl.ButtonClick("btnDownload");
        EXPECT_FALSE(gdl.Running());
    }
    EXPECT_TRUE(Received().empty());
    const std::vector<ShownBox> boxes = AllBoxes();
    ASSERT_EQ(boxes.size(), 8u);
    EXPECT_EQ(boxes[0].text,
              params::Txt("FormFirmware_ErrNegativeLength") + ":" + path + " (section at byte 86)");
    EXPECT_EQ(boxes[2].text, params::Txt("FormFirmware_ErrPastEnd") + ":" + path + " (section at byte 0)");
    EXPECT_EQ(boxes[4].text,
              params::Txt("FormFirmware_ErrHeaderShort") + ":" + path + " (section at byte 0)");
    EXPECT_EQ(boxes[6].text, params::Txt("FormFirmware_ErrEmpty") + ":" + path);
}

} // namespace
} // namespace tolvane::test
