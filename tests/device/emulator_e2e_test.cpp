// End to end against the printer emulator, over TCP and over its
// pseudo-terminal: named and numbered keys, actions, the parameter block,
// language detection, the firmware check and the serial number, as the
// emulated printer stores and answers them.
#include "device_test_support.h"

#include "emulator/emulator.h"
#include "mdlConfigBlock.h"
#include "mdlFirmwareVersion.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"
#include "mdlPrtKeys.h"
#include "mdlQueryEmulation.h"

#include <memory>
#include <optional>

using namespace tolvane;

namespace devicetest {
namespace {

class EmulatorTest : public DeviceTest {
  protected:
    // Starts an emulated printer from a shipped profile, on TCP or on a pseudo-terminal.
    std::string startPrinter(const std::string& profileName, bool onPty = false) {
        std::string error;
        const auto profile = emulator::loadProfile(std::string(EMULATOR_PROFILES "/") + profileName, error);
        EXPECT_TRUE(profile) << error;
        printer = std::make_unique<emulator::Emulator>(profile.value_or(emulator::defaultProfile()));
        const bool listening = onPty ? printer->openPty(error) : printer->listenTcp("127.0.0.1", 0, error);
        EXPECT_TRUE(listening && printer->start(error)) << error;
        return onPty ? printer->ptyPath() + ",BAUDRATE_115200"
                     : "NET,127.0.0.1," + std::to_string(printer->tcpPort());
    }

    void TearDown() override {
        PrtLib_EndExchange();
        PrtLib_Close(TPrtLib::Tsprix);
        DeviceTest::TearDown();
        printer.reset();
    }

    std::unique_ptr<emulator::Emulator> printer;
};

TEST_F(EmulatorTest, NamedKeysAreReadWrittenAndActionsRecorded) {
    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(CmdGetVal("\"density\""), "8");
    EXPECT_EQ(CmdSetVal("\"density\"", "12"), 0);
    EXPECT_EQ(CmdSetValLower("\"print_mode\"", "PEEL"), 0);
    EXPECT_EQ(CmdGetVal("\"density\""), "12");
    EXPECT_EQ(CmdGetValWait("\"print_mode\"", 20), "peel");
    EXPECT_EQ(CmdGetVal("\"no_such_key\""), "");
    PrtLib_EndExchange();

    EXPECT_EQ(CmdDo("\"save_param\""), 0);
    EXPECT_TRUE(printer->waitForCommand("do", "save_param"));
    EXPECT_EQ(printer->settings().values.at("density"), "12");
}

TEST_F(EmulatorTest, NumberedKeysRoundTrip) {
    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    uint8_t byte = 0;
    EXPECT_EQ(KeyGetByte(1, 312, byte), 1);
    EXPECT_EQ(byte, 3);

    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(KeySetWordSigned(1, 208, -5), 0);
    EXPECT_EQ(KeySetText(1, 104, "Kavo-X", 16, false), 0);
    const uint8_t address[] = {10, 0, 0, 7};
    EXPECT_EQ(KeySetBytes(1, 101, address), 0);
    EXPECT_EQ(KeyGetText(1, 104, 16), "Kavo-X");
    PrtLib_EndExchange();

    int16_t word = 0;
    EXPECT_EQ(KeyGetWord(1, 208, word), 2);
    EXPECT_EQ(word, -5);
    std::vector<uint8_t> got;
    EXPECT_EQ(KeyGetBytes(1, 101, 4, got), 4);
    EXPECT_EQ(got, std::vector<uint8_t>(std::begin(address), std::end(address)));
}

TEST_F(EmulatorTest, ParameterBlockReadsAndWritesThroughTsprix) {
    select(kLangEsc, startPrinter("gulvo_esc.profile"), "Gulvo");
    TConfigBlock block{};
    std::string message;
    ASSERT_TRUE(ReadConfigBlock(block, message)) << message;
    EXPECT_EQ(message, "OK");
    EXPECT_EQ(block[34], 7);
    EXPECT_TRUE(printer->waitForCommand("block_read"));

    block[34] = 9;
    EXPECT_TRUE(WriteConfigBlock(block));
    EXPECT_TRUE(printer->waitForCommand("block_write"));
    EXPECT_EQ(printer->settings().block[34], 9);
    TConfigBlock again{};
    ASSERT_TRUE(ReadConfigBlock(again, message));
    EXPECT_EQ(again, block);
}

TEST_F(EmulatorTest, DamagedBlocksAreNotHandedOver) {
    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    const std::pair<const char*, const char*> faults[] = {{"block_read=wrong_sum/1", "_Err_CheckSum"},
                                                          {"block_read=corrupt/1", "_Err_ReadData"}};
    for (const auto& [fault, expected] : faults) {
        std::string error;
        ASSERT_TRUE(printer->addFault(fault, error)) << error;
        TConfigBlock block{};
        block.fill(0xEE);
        std::string message;
        EXPECT_FALSE(ReadConfigBlock(block, message)) << fault;
        EXPECT_EQ(message, expected) << fault;
        EXPECT_EQ(block[0], 0xEE) << fault;
    }
    TConfigBlock block{};
    std::string message;
    EXPECT_TRUE(ReadConfigBlock(block, message)) << message;
}

// Kavo printers are asked with "ppl", Corla printers with the language byte.
class TwoLanguageCatalogue : public IProtocolCatalogue {
  public:
    std::string ParameterSetList(const std::string& key) const override {
        return key == "HaveTwoProtocol" ? ",Kavo,Corla," : (key == "GDS" ? ",Kavo," : "");
    }
    int ModelProtocol(const std::string&) const override { return kLangTspl; }
};

TEST_F(EmulatorTest, LanguageDetectionAsksThePrinter) {
    const TwoLanguageCatalogue catalogue;
    SetProtocolCatalogue(&catalogue);

    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(QueryEmulation(), kLangTspl); // "ppl" answers "tsc"
    PrtLib_EndExchange();

    select(kLangTspl, startPrinter("corla_cpcl.profile"), "Corla");
    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(QueryEmulation(), kLangCpcl); // the language byte
    PrtLib_EndExchange();
}

// A whole version decides, no reply at all means a firmware without the
// question; a version cut off decides nothing and says so.
// A language question the printer leaves unanswered, or answers only in
// part before the connection drops, decides no language.
TEST_F(EmulatorTest, LanguageDetectionWithoutAWholeAnswerDecidesNothing) {
    const TwoLanguageCatalogue catalogue;
    SetProtocolCatalogue(&catalogue);
    const struct {
        const char* profile;
        const char* model;
        const char* fault;
        std::optional<int> language;
    } cases[] = {
        {"kavo_tspl.profile", "Kavo", "", kLangTspl},
        {"kavo_tspl.profile", "Kavo", "getval:ppl=silent/1", std::nullopt},
        {"kavo_tspl.profile", "Kavo", "getval:ppl=cut/1", std::nullopt},
        {"corla_cpcl.profile", "Corla", "", kLangCpcl},
        {"corla_cpcl.profile", "Corla", "*=silent/1", std::nullopt},
        {"corla_cpcl.profile", "Corla", "*=cut/1", std::nullopt},
    };
    for (const auto& c : cases) {
        select(kLangTspl, startPrinter(c.profile), c.model);
        std::string error;
        ASSERT_TRUE(*c.fault == 0 || printer->addFault(c.fault, error)) << error;
        ProtocolKind = kLangZpl;
        ASSERT_TRUE(PrtLib_BeginExchange());
        EXPECT_EQ(QueryEmulationAnswered(c.model), c.language) << c.profile << " " << c.fault;
        PrtLib_EndExchange();
        // The language stays as it was when nothing was decided.
        EXPECT_EQ(ProtocolKind, c.language.value_or(kLangZpl)) << c.profile << " " << c.fault;
    }
    SetProtocolCatalogue(nullptr);
}

TEST_F(EmulatorTest, FirmwareCheckFollowsTheVersionReply) {
    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    const struct {
        const char* fault;
        std::optional<bool> verdict;
        std::size_t boxes;
    } cases[] = {
        {"", true, 0},
        {"*=silent/1", false, 0},
        {"get_version=cut/1", std::nullopt, 1},
        {"get_version=short:2/1", std::nullopt, 1},
    };
    for (const auto& c : cases) {
        sink.messages.clear();
        std::string error;
        printer->clearFaults();
        ASSERT_TRUE(*c.fault == 0 || printer->addFault(c.fault, error)) << error;
        EXPECT_EQ(CheckFirmwareVersion("1.03.0"), c.verdict) << c.fault;
        ASSERT_EQ(sink.messages.size(), c.boxes) << c.fault;
        if (c.boxes > 0) {
            EXPECT_EQ(sink.messages[0].text, "_Err_ReadData") << c.fault;
        }
    }
}

TEST_F(EmulatorTest, SerialNumberThroughTsprix) {
    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    ASSERT_TRUE(PrtLib_BeginExchange());
    std::string serial;
    EXPECT_EQ(PrtLib_SerialNumber(serial), 0);
    EXPECT_EQ(serial, "KV2301000123");
}

TEST_F(EmulatorTest, ResetPrinterDropsTheLinkAndTheNextCommandReconnects) {
    select(kLangTspl, startPrinter("kavo_tspl.profile"), "Kavo");
    EXPECT_EQ(CmdDo("\"reset_printer\""), 0);
    EXPECT_TRUE(printer->waitForCommand("do", "reset_printer"));
    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(CmdGetVal("\"speed\""), "4");
}

TEST_F(EmulatorTest, SerialPrinterStaysOpenBetweenCommands) {
    select(kLangTspl, startPrinter("kavo_tspl.profile", true), "Kavo");
    EXPECT_EQ(CmdDoOpen("\"calibrate_sensor\""), 0);
    EXPECT_TRUE(PrtLib_SerialKeptOpen());
    ASSERT_TRUE(PrtLib_BeginExchange()); // the port is still open: no new open
    EXPECT_EQ(CmdSetVal("\"speed\"", "6"), 0);
    EXPECT_EQ(CmdGetVal("\"speed\""), "6");
    PrtLib_EndExchange();
    EXPECT_FALSE(PrtLib_SerialKeptOpen());
    EXPECT_TRUE(printer->waitForCommand("do", "calibrate_sensor"));

    TConfigBlock block{};
    std::string message;
    EXPECT_TRUE(ReadConfigBlock(block, message)) << message;
    EXPECT_EQ(block[34], 8);
}

} // namespace
} // namespace devicetest
