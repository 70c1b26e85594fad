// The status block and the journey counter: their answers over both links,
// a status read among other getval frames, the faults on them, and their
// profile entries.

#include "emulator_fixture.h"

namespace emutest {
namespace {

class DiagnosticsTest : public ExchangeTest {};

TEST_P(DiagnosticsTest, StatusBlockIsExactlyTwentyBytes) {
    printer().changePrinter([](emulator::Printer& state) {
        state.diagnostics().status[17] = 0x20;
        state.diagnostics().status[18] = 0x06;
    });
    link().write(privateFrame("getval ", "\"printer_status\""));
    Bytes expected(20, 0);
    expected[17] = 0x20;
    expected[18] = 0x06;
    EXPECT_EQ(link().read(20), expected);
    const auto record = printer().waitForCommand("getval", "printer_status");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->reply, expected);
    // Other keys still answer as values with their zero byte.
    EXPECT_EQ(link().getval("dpi"), emulator::bytesOf(std::string("203\0", 4)));
}

TEST_P(DiagnosticsTest, JourneyIsBigEndian) {
    printer().changePrinter([](emulator::Printer& state) { state.diagnostics().journey = 10000; });
    link().writeText("ZZZGETJOURNEY\r\n");
    EXPECT_EQ(link().read(4), (Bytes{0x00, 0x00, 0x27, 0x10}));
    printer().changePrinter([](emulator::Printer& state) { state.diagnostics().journey = -2; });
    link().writeText("ZZZGETJOURNEY\r\n");
    EXPECT_EQ(link().read(4), (Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
}

TEST_P(DiagnosticsTest, FaultsApplyToTheStatusRead) {
    std::string error;
    ASSERT_TRUE(printer().addFault("getval:printer_status=short:19/1", error)) << error;
    link().write(privateFrame("getval ", "\"printer_status\""));
    EXPECT_EQ(link().read(20).size(), 19u);
}

INSTANTIATE_TEST_SUITE_P(Transports, DiagnosticsTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

TEST(DiagnosticsProfile, StatusAndJourneyEntries) {
    std::string error;
    const auto profile = emulator::parseProfile("[printer]\n"
                                                "status = 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0x20 0x02 0\n"
                                                "journey = -5\n",
                                                "diag.profile", error);
    ASSERT_TRUE(profile) << error;
    EXPECT_EQ(profile->diagnostics.status[17], 0x20);
    EXPECT_EQ(profile->diagnostics.status[18], 0x02);
    EXPECT_EQ(profile->diagnostics.journey, -5);
    for (const char* text : {"[printer]\nstatus = 1 2 3\n", "[printer]\njourney = 12x\n",
                             "[printer]\njourney = 99999999999\n"}) {
        EXPECT_FALSE(emulator::parseProfile(text, "bad.profile", error)) << text;
    }
}

} // namespace
} // namespace emutest
