// Faults on request, as the client sees them.

#include "emulator_fixture.h"

#include "emulator/core/config_block.h"

#include <chrono>

namespace emutest {
namespace {

using emulator::Record;

class FaultTest : public ExchangeTest {
  protected:
    void fault(const std::string& ruleText) {
        std::string error;
        ASSERT_TRUE(printer().addFault(ruleText, error)) << error;
    }
    Bytes readBlock() {
        link().write({0x12, 0x62});
        return link().read(256);
    }
    // The language byte; sent after a command whose reply must not have
    // come, it also proves that nothing else arrived before it.
    Bytes nextReplyAfterQuery() {
        link().write({0x1B, 0x1B, 0x08});
        return link().read(8);
    }
};

const Bytes kPpl = {'t', 's', 'c', 0};

TEST_P(FaultTest, SilentSendsNothingForTheTargetOnly) {
    fault("getval:ppl=silent");
    link().write(privateFrame("getval ", "\"ppl\""));
    ASSERT_TRUE(printer().waitForCommand("getval", "ppl"));
    EXPECT_EQ(nextReplyAfterQuery(), Bytes{1});
    EXPECT_EQ(link().getval("dpi"), (Bytes{'2', '0', '3', 0}));
}

TEST_P(FaultTest, DelayHoldsTheReply) {
    fault("*=delay:300");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link().getval("ppl"), kPpl);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(290));
}

TEST_P(FaultTest, ShortCutsTheReply) {
    fault("getval=short:2");
    EXPECT_EQ(link().getval("ppl"), (Bytes{'t', 's'}));
    fault("block_read=short");
    EXPECT_EQ(readBlock().size(), 128u);
}

TEST_P(FaultTest, CorruptInvertsEveryByte) {
    fault("getval=corrupt/1");
    EXPECT_EQ(link().getval("ppl"), (Bytes{0x8B, 0x8C, 0x9C, 0xFF}));
    EXPECT_EQ(link().getval("ppl"), kPpl); // used up
}

TEST_P(FaultTest, WrongSumBreaksOnlyTheSum) {
    fault("block_read=wrong_sum/1");
    const Bytes bad = readBlock();
    ASSERT_EQ(bad.size(), 256u);
    EXPECT_EQ(bad[0], 0x78);
    EXPECT_NE(emulator::readWordLe(bad, 254), emulator::blockSum(bad));
    EXPECT_EQ(emulator::blockFault(readBlock()), "");
    // Replies without a sum are left alone.
    fault("*=wrong_sum");
    EXPECT_EQ(link().getval("ppl"), kPpl);
}

TEST_P(FaultTest, DropEndsTheConnectionInsteadOfReplying) {
    fault("getval:ppl=drop/1");
    link().write(privateFrame("getval ", "\"ppl\""));
    const auto dropped = printer().waitFor([](const Record& r) { return r.command == "disconnect"; });
    ASSERT_TRUE(dropped);
    const auto frame = printer().waitForCommand("getval", "ppl");
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->reply.empty());
    EXPECT_EQ(frame->faults, std::vector<std::string>{"getval:ppl=drop/1"});
    EXPECT_EQ(link().getval("ppl"), kPpl);
}

TEST_P(FaultTest, CutSendsPartOfTheReplyAndEndsTheConnection) {
    fault("getval:ppl=cut:2/1");
    link().write(privateFrame("getval ", "\"ppl\""));
    EXPECT_EQ(link().read(2), (Bytes{'t', 's'}));
    ASSERT_TRUE(printer().waitFor([](const Record& r) { return r.command == "disconnect"; }));
    const auto frame = printer().waitForCommand("getval", "ppl");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->reply, (Bytes{'t', 's'}));
    EXPECT_EQ(frame->faults, std::vector<std::string>{"getval:ppl=cut:2/1"});
    EXPECT_EQ(link().getval("ppl"), kPpl);
}

INSTANTIATE_TEST_SUITE_P(Transports, FaultTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

TEST(FaultTcp, DroppedConnectionIsSeenByTheClient) {
    PrinterConnection connection(shippedProfile("kavo_tspl.profile"));
    connection.open(Transport::Tcp);
    std::string error;
    ASSERT_TRUE(connection.printer().addFault("query_language=drop/1", error)) << error;
    connection.write({0x1B, 0x1B, 0x08});
    // The read ends with the connection, long before the 2 s wait for a first byte.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(connection.read(1).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_TRUE(connection.printer().waitForCommand("disconnect"));
}

// The client gets the first half of the reply and then the end of the
// connection, as from a printer that stops in the middle of a frame.
TEST(FaultTcp, ACutWithoutAmountEndsTheConnectionHalfWayThroughTheReply) {
    PrinterConnection connection(shippedProfile("kavo_tspl.profile"));
    connection.open(Transport::Tcp);
    std::string error;
    ASSERT_TRUE(connection.printer().addFault("block_read=cut/1", error)) << error;
    connection.write({0x12, 0x62});
    const Bytes got = connection.read(256);
    EXPECT_EQ(got.size(), 128u);
    EXPECT_EQ(got.front(), 0x78);
    EXPECT_TRUE(connection.printer().waitForCommand("disconnect"));
    const auto frame = connection.printer().waitForCommand("block_read");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->reply.size(), 128u);
    EXPECT_EQ(frame->faults, std::vector<std::string>{"block_read=cut/1"});
}

struct RuleCase {
    const char* ruleText;
    bool valid;
    const char* text; // as the rule prints itself
};

TEST(FaultRule, ParsesTheDocumentedForms) {
    const RuleCase cases[] = {
        {"*=silent", true, "*=silent"},
        {"getval:density=short:3/2", true, "getval:density=short:3/2"},
        {"getkey:1.312=corrupt", true, "getkey:1.312=corrupt"},
        {"block_read=wrong_sum/1", true, "block_read=wrong_sum/1"},
        {"*=delay:250", true, "*=delay:250"},
        {"do:reset_printer=drop", true, "do:reset_printer=drop"},
        {"download_block=cut/1", true, "download_block=cut/1"},
        {"getval=cut:3", true, "getval=cut:3"},
        {"*=delay", false, ""},        // a delay needs its milliseconds
        {"*=silent:5", false, ""},     // silent takes no amount
        {"*=slow", false, ""},         // unknown kind
        {"=silent", false, ""},        // no target
        {"getval:=silent", false, ""}, // empty key
        {"*=short/0", false, ""},      // zero times
        {"*=delay:-5", false, ""},
        {"*=delay:700000", false, ""},
        {"silent", false, ""},
    };
    for (const RuleCase& c : cases) {
        emulator::FaultRule rule;
        std::string error;
        EXPECT_EQ(emulator::parseFaultRule(c.ruleText, rule, error), c.valid) << c.ruleText;
        if (c.valid) {
            EXPECT_EQ(rule.text(), c.text);
        } else {
            EXPECT_NE(error.find(c.ruleText), std::string::npos) << error;
        }
    }
}

} // namespace
} // namespace emutest
