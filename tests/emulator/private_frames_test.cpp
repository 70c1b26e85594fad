// The private command frames through the SDK, over TCP and the pseudo-terminal.

#include "emulator_fixture.h"

#include "emulator/core/state_file.h"

namespace emutest {
namespace {

using emulator::bytesOf;
using emulator::Record;

Bytes text0(const std::string& text) {
    Bytes bytes = bytesOf(text);
    bytes.push_back(0);
    return bytes;
}

TEST_P(ExchangeTest, GetvalAnswersTheValueAndAZeroByte) {
    EXPECT_EQ(link().getval("ppl"), text0("tsc"));
    EXPECT_EQ(link().getval("eth_ip"), text0("192.168.1.100"));
    EXPECT_EQ(link().getval("no_such_key"), Bytes{0});
    const auto unknown = printer().waitForCommand("getval", "no_such_key");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->note, "unknown key");
}

TEST_P(ExchangeTest, SetvalStoresWhatTheNextGetvalAnswers) {
    link().write(privateFrame("setval ", "\"density\" \"12\""));
    link().write(privateFrame("setval ", "\"serial_no\" \"Shop \"A\" 1\""));
    EXPECT_EQ(link().getval("density"), text0("12"));
    EXPECT_EQ(link().getval("serial_no"), text0("Shop \"A\" 1"));
    EXPECT_EQ(printer().settings().values.at("density"), "12");
}

TEST_P(ExchangeTest, NumberedKeysAnswerExactlyTheBytesAsked) {
    link().write(keyFrame("setkey", 1, 312, 2, {0x0B, 0x0A}));
    link().write(keyFrame("getkey", 1, 312, 2));
    EXPECT_EQ(link().read(2), (Bytes{0x0B, 0x0A}));
    link().write(keyFrame("getkey", 1, 312, 4)); // longer: padded with zero bytes
    EXPECT_EQ(link().read(4), (Bytes{0x0B, 0x0A, 0, 0}));
    link().write(keyFrame("getkey", 1, 312, 1)); // shorter: cut
    link().write(keyFrame("getkey", 7, 999, 3)); // unknown: zero bytes
    EXPECT_EQ(link().read(4), (Bytes{0x0B, 0, 0, 0}));

    // A text key keeps its zero byte; the reply still has the length asked.
    link().write(keyFrame("setkey", 1, 104, 8, {'P', 'r', 'n', '-', '7', 0, 0, 0}));
    link().write(keyFrame("getkey", 1, 104, 12));
    EXPECT_EQ(link().read(12), (Bytes{'P', 'r', 'n', '-', '7', 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(printer().settings().keys.at({1, 104}).size(), 8u);
}

TEST_P(ExchangeTest, ActionsAreRecordedWithTheirArguments) {
    link().write(privateFrame("do ", "\"calibrate_sensor\""));
    link().write(privateFrame("do ", "\"download\" \"LOGO.BMP\""));
    link().write(privateFrame("do ", "\"no_such_action\""));
    const auto calibrate = printer().waitForCommand("do", "calibrate_sensor");
    const auto download = printer().waitForCommand("do", "download");
    const auto unknown = printer().waitForCommand("do", "no_such_action");
    ASSERT_TRUE(calibrate && download && unknown);
    EXPECT_EQ(calibrate->note, "carried out");
    EXPECT_EQ(download->value, "\"LOGO.BMP\"");
    EXPECT_EQ(unknown->note, "unknown action");
    EXPECT_TRUE(calibrate->reply.empty());
}

TEST_P(ExchangeTest, FactoryDefaultRestoresTheProfile) {
    link().write(privateFrame("setval ", "\"density\" \"3\""));
    link().write(privateFrame("setval ", "\"new_key\" \"x\""));
    link().write(keyFrame("setkey", 1, 102, 1, {9}));
    EXPECT_EQ(link().getval("density"), text0("3"));
    link().write(privateFrame("do ", "\"factory_default\""));
    EXPECT_EQ(link().getval("density"), text0("8"));
    EXPECT_EQ(link().getval("new_key"), Bytes{0});
    link().write(keyFrame("getkey", 1, 102, 1));
    EXPECT_EQ(link().read(1), Bytes{1});
}

TEST_P(ExchangeTest, SaveParamWritesTheStateFile) {
    TempFolder folder;
    start(shippedProfile("kavo_tspl.profile"), {folder.path("state.ini"), {}, {}});
    link().write(privateFrame("setval ", "\"speed\" \"6\""));
    link().write(privateFrame("do ", "\"save_param\""));
    ASSERT_TRUE(printer().waitForCommand("do", "save_param"));
    emulator::PrinterSettings saved;
    std::string error;
    ASSERT_EQ(emulator::loadState(folder.path("state.ini"), saved, error), emulator::StateLoad::Loaded)
        << error;
    EXPECT_EQ(saved.values.at("speed"), "6");
    EXPECT_EQ(saved.values.at("ppl"), "tsc");
}

TEST_P(ExchangeTest, ResetPrinterDropsTheConnectionAfterTheFrame) {
    link().write(privateFrame("do ", "\"reset_printer\""));
    const auto reset = printer().waitFor([](const Record& r) { return r.command == "disconnect"; });
    ASSERT_TRUE(reset);
    EXPECT_NE(reset->note.find("dropped by the printer"), std::string::npos) << reset->note;
    // The printer is back: the SDK reconnects (TCP), or the line simply goes on (pty).
    EXPECT_EQ(link().getval("ppl"), text0("tsc"));
}

TEST_P(ExchangeTest, UnknownVerbsAreRecordedWithoutReply) {
    link().write(privateFrame("frobnicate ", "\"x\""));
    const auto record = printer().waitForCommand("private");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->key, "frobnicate");
    EXPECT_EQ(record->note, "unknown verb");
    EXPECT_EQ(link().getval("dpi"), text0("203"));
}

INSTANTIATE_TEST_SUITE_P(Transports, ExchangeTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

} // namespace
} // namespace emutest
