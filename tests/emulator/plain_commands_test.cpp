// The fixed commands of the main window are recognised and recorded.

#include "emulator_fixture.h"

namespace emutest {
namespace {

using emulator::bytesOf;

class PlainCommandTest : public ExchangeTest {};

struct PlainCase {
    Bytes bytes;
    const char* command;
    const char* key;
};

TEST_P(PlainCommandTest, EachCommandIsRecognised) {
    const PlainCase cases[] = {
        {bytesOf("SELFTEST\r\n"), "self_test", "SELFTEST"},
        {{0x1D, 0x28, 0x41, 0x02, 0x00, 0x00, 0x01}, "self_test", "1D 28 41 02 00 00 01"},
        {{0x1D, 0x28, 0x41, 0x02, 0x00, 0x00, 0x02}, "self_test", "1D 28 41 02 00 00 02"},
        {bytesOf("ZZZLEARN\r\n"), "learn", "ZZZLEARN"},
        {bytesOf("ZZZFRONT\r\n"), "front_learn", "ZZZFRONT"},
        {bytesOf("ZZZDENSITYTST\r\n"), "head_test", "ZZZDENSITYTST"},
        {{0x12, 0x56}, "head_test", "12 56"},
        {{0x1B, 0x1B, 0x04}, "head_test", "1B 1B 04"},
        {bytesOf("ZZZDFUMODE\r\n"), "dfu_mode", "ZZZDFUMODE"},
        {{0x1D, 0x75, 0x55, 0xAA}, "dfu_mode", "1D 75 55 AA"},
        {{0x1B, 0x1B, 0x20}, "factory_reset", "1B 1B 20"},
        {{0x1B, 0x21, 0x52}, "factory_reset", "1B 21 52"},
    };
    Bytes all;
    for (const PlainCase& c : cases) {
        all.insert(all.end(), c.bytes.begin(), c.bytes.end());
    }
    link().write(all);
    ASSERT_TRUE(printer().waitForCommand("factory_reset", "1B 21 52"));
    std::vector<emulator::Record> records;
    for (const emulator::Record& r : printer().records()) {
        if (r.command != "connect") {
            records.push_back(r);
        }
    }
    ASSERT_EQ(records.size(), std::size(cases));
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].command, cases[i].command) << i;
        EXPECT_EQ(records[i].key, cases[i].key) << i;
        EXPECT_EQ(records[i].received, cases[i].bytes) << i;
        EXPECT_TRUE(records[i].reply.empty()) << i;
    }
}

TEST_P(PlainCommandTest, FactoryResetRestoresTheProfile) {
    link().write(privateFrame("setval ", "\"speed\" \"9\""));
    link().write({0x1B, 0x21, 0x52});
    EXPECT_EQ(link().getval("speed"), (Bytes{'4', 0}));
}

INSTANTIATE_TEST_SUITE_P(Transports, PlainCommandTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

} // namespace
} // namespace emutest
