// How the protocol operations take the printer's replies apart: zero bytes,
// empty and short replies, replies without their end byte, failed writes.
#include "device_test_support.h"

#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"
#include "mdlPrtKeys.h"

using namespace std::string_literals;
using namespace tolvane;

namespace devicetest {
namespace {

const std::string kGetKey = "\x1b\x1c& V1 getkey\r\n"s;

class Replies : public DeviceTest {
  protected:
    // A printer answering `reply` to `trigger`, selected and opened for an exchange.
    void start(const std::string& trigger, const std::string& reply) {
        PrtLib_EndExchange();
        printer = std::make_unique<ScriptedPrinter>(
            std::vector<ScriptedPrinter::Rule>{{bytes(trigger), bytes(reply)}});
        select(kLangTspl, printer->address());
        ASSERT_TRUE(PrtLib_BeginExchange());
    }
    void TearDown() override {
        PrtLib_EndExchange();
        DeviceTest::TearDown();
    }

    std::unique_ptr<ScriptedPrinter> printer;
};

TEST_F(Replies, TextReplyDropsEmbeddedZeroBytes) {
    start("\"dpi\"\r\n", "20\0"
                         "3\0\0"s);
    EXPECT_EQ(CmdGetVal("\"dpi\""), "203");
}

TEST_F(Replies, SilentPrinterGivesEmptyTextNotAnError) {
    start("never", "");
    EXPECT_EQ(CmdGetVal("\"dpi\""), "");
    EXPECT_EQ(CmdSetVal("\"dpi\"", "203"), 0); // the port is still usable
}

TEST_F(Replies, EmptyKeySendsNothingButTakesUpThePendingReply) {
    start("\"version\"\r\n", "V1.2\0"s);
    ASSERT_EQ(PrtLib_Write(GetValFrame("\"version\"")), 0);
    EXPECT_EQ(CmdGetVal(""), "V1.2");
    EXPECT_EQ(printer->received(), bytes(GetValFrame("\"version\"")));
}

TEST_F(Replies, WaitingReadsStopAtTheZeroByte) {
    start("\"speed\"\r\n", "4\0ignored"s);
    EXPECT_EQ(CmdGetValWait("\"speed\"", 10), "4");
}

TEST_F(Replies, WaitingReadsGiveEmptyTextWithoutAZeroByte) {
    start("\"speed\"\r\n", "4");
    EXPECT_EQ(CmdGetValWait("\"speed\"", 10), "");
    start(kGetKey + "\x01\x2d\x01\x10", "name");
    EXPECT_EQ(KeyGetText(1, 301, 16), "");
}

TEST_F(Replies, KeyTextKeepsAtMost128Bytes) {
    start(kGetKey + "\x01\x2d\x01\xc8", std::string(200, 'k') + '\0');
    EXPECT_EQ(KeyGetText(1, 301, 200), std::string(128, 'k'));
}

TEST_F(Replies, KeyWordIsSignedLowByteFirst) {
    start(kGetKey + "\x01\x38\x01\x02", "\xfb\xff");
    int16_t value = 0;
    EXPECT_EQ(KeyGetWord(1, 312, value), 2);
    EXPECT_EQ(value, -5);
}

TEST_F(Replies, KeyBytesCountOnlyWhenAllArrived) {
    std::vector<uint8_t> got;
    start(kGetKey + "\x01\x38\x01\x03", "\x01\x02\x03");
    EXPECT_EQ(KeyGetBytes(1, 312, 3, got), 3);
    EXPECT_EQ(got, (std::vector<uint8_t>{1, 2, 3}));

    start(kGetKey + "\x01\x38\x01\x03", "\x01\x02");
    EXPECT_EQ(KeyGetBytes(1, 312, 3, got), 0);

    start("never", "");
    EXPECT_EQ(KeyGetBytes(1, 312, 3, got), -1);
    EXPECT_EQ(PrtLib_LastResult(), -332);
}

TEST_F(Replies, ValueBytesAreOneShotAndCountWhatCame) {
    start("\"mileage\"\r\n", "1234\0"s);
    PrtLib_EndExchange();
    std::array<uint8_t, 16> buffer{};
    EXPECT_EQ(CmdGetValBytes("\"mileage\"", buffer), 5);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 5), "1234\0"s);
}

TEST_F(DeviceTest, WriteFailuresGiveMinusOneAndKeepTheLibraryResult) {
    ScriptedPrinter printer;
    select(kLangTspl, printer.address()); // handle created, port never opened
    EXPECT_EQ(CmdSetVal("\"dpi\"", "203"), -1);
    EXPECT_EQ(PrtLib_LastResult(), -309);
    EXPECT_EQ(KeySetWord(1, 312, 1), -1);
    EXPECT_EQ(CmdGetVal("\"dpi\""), "");
    EXPECT_EQ(KeyGetText(1, 301, 8), "");
}

} // namespace
} // namespace devicetest
