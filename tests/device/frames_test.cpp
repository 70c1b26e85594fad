// The exact bytes of every frame kind, as a printer on a loopback TCP port
// receives them.
#include "device_test_support.h"

#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtKeys.h"

#include <functional>

using namespace std::string_literals;
using namespace tolvane;

namespace devicetest {
namespace {

const std::string kPrefix = "\x1b\x1c& V1 ";
const std::string kGetKey = kPrefix + "getkey\r\n";
const std::string kSetKey = kPrefix + "setkey\r\n";

enum class Port { OneShot, Opens, Caller };

struct FrameCase {
    const char* name;
    Port port;
    std::function<void()> send;
    std::string expected;
};

class FrameBytes : public DeviceTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameBytes, PrinterReceivesExactly) {
    const FrameCase& c = GetParam();
    // Replies for the frames that wait for one, so that no read waits long.
    ScriptedPrinter printer({{bytes("getval \"density\"\r\n"), bytes("8"s + '\0')},
                             {bytes(kGetKey + "\x01\x38\x01\x01"s), {0x05}},
                             {bytes(kGetKey + "\x01\x2d\x01\x20"s), bytes("name\0"s)},
                             {bytes("~!F\r\n"), bytes("OK\0"s)}});
    select(kLangTspl, printer.address());
    if (c.port == Port::Caller) {
        ASSERT_TRUE(PrtLib_BeginExchange());
    }
    c.send();
    ASSERT_TRUE(printer.server().waitForBytes(c.expected.size()));
    if (c.port == Port::Caller) {
        PrtLib_EndExchange();
    } else if (c.port == Port::Opens) {
        PrtLib_Close();
    }
    EXPECT_EQ(printer.received(), bytes(c.expected));
    EXPECT_TRUE(sink.messages.empty());
}

const std::vector<uint8_t> kKey312Read = {0x1B, 0x1C, 0x26, 0x20, 0x56, 0x31, 0x20, 0x67, 0x65, 0x74,
                                          0x6B, 0x65, 0x79, 0x0D, 0x0A, 0x01, 0x38, 0x01, 0x01};

INSTANTIATE_TEST_SUITE_P(
    AllKinds, FrameBytes,
    ::testing::Values(
        FrameCase{"Do", Port::OneShot, [] { EXPECT_EQ(CmdDo("\"factory_default\""), 0); },
                  kPrefix + "do \"factory_default\"\r\n"},
        FrameCase{"DoArg", Port::Opens, [] { EXPECT_EQ(CmdDoArg("\"userfont_download\"", "gbk"), 0); },
                  kPrefix + "do \"userfont_download\" \"gbk\"\r\n"},
        FrameCase{"DoArgs", Port::Opens,
                  [] { EXPECT_EQ(CmdDoArgs("\"delete\"", "\"fonts\"", "E_A.TTF"), 0); },
                  kPrefix + "do \"delete\" \"fonts\" \"E_A.TTF\"\r\n"},
        FrameCase{"GetVal", Port::Caller, [] { EXPECT_EQ(CmdGetVal("\"density\""), "8"); },
                  kPrefix + "getval \"density\"\r\n"},
        FrameCase{"SetVal", Port::Caller, [] { EXPECT_EQ(CmdSetVal("\"bt_name\"", "Shop-1"), 0); },
                  kPrefix + "setval \"bt_name\" \"Shop-1\"\r\n"},
        FrameCase{"SetValLower", Port::Caller, [] { EXPECT_EQ(CmdSetValLower("\"wlan_key\"", "AbC-9"), 0); },
                  kPrefix + "setval \"wlan_key\" \"abc-9\"\r\n"},
        FrameCase{"Query", Port::Caller, [] { EXPECT_EQ(CmdQuery("~!F"), "OK"); }, "~!F\r\n"},
        FrameCase{"Front", Port::Caller, [] { EXPECT_EQ(SendFront(), 0); }, "ZZZFRONT\r\n"},
        FrameCase{"GetKeyByte312", Port::OneShot,
                  [] {
                      uint8_t value = 0;
                      EXPECT_EQ(KeyGetByte(1, 312, value), 1);
                      EXPECT_EQ(value, 5);
                  },
                  std::string(kKey312Read.begin(), kKey312Read.end())},
        FrameCase{"GetKeyText", Port::Caller, [] { EXPECT_EQ(KeyGetText(1, 301, 32), "name"); },
                  kGetKey + "\x01\x2d\x01\x20"s},
        FrameCase{"SetKeyTextPadded", Port::Caller, [] { EXPECT_EQ(KeySetText(1, 400, "AB", 4, false), 0); },
                  kSetKey + "\x01\x90\x01\x04" + "AB\0\0"s},
        FrameCase{"SetKeyTextCutAndLowered", Port::Caller,
                  [] { EXPECT_EQ(KeySetText(1, 401, "AbCdE", 3, true), 0); },
                  kSetKey + "\x01\x91\x01\x03" + "abc"},
        FrameCase{"SetKeyByte", Port::Caller, [] { EXPECT_EQ(KeySetByte(1, 102, 7), 0); },
                  kSetKey + "\x01\x66\x00\x01\x07"s},
        FrameCase{"SetKeyWord", Port::Caller, [] { EXPECT_EQ(KeySetWord(1, 312, 0x0A0B), 0); },
                  kSetKey + "\x01\x38\x01\x02\x0b\x0a"s},
        FrameCase{"SetKeyWordNegative", Port::Caller, [] { EXPECT_EQ(KeySetWord(1, 312, -5), 0); },
                  kSetKey + "\x01\x38\x01\x02\xfb\x00"s},
        FrameCase{"SetKeyWordSigned", Port::Caller, [] { EXPECT_EQ(KeySetWordSigned(1, 312, -5), 0); },
                  kSetKey + "\x01\x38\x01\x02\xfb\xff"s},
        FrameCase{"SetKeyWordSignedPositive", Port::Caller,
                  [] { EXPECT_EQ(KeySetWordSigned(1, 312, 0x0A0B), 0); },
                  kSetKey + "\x01\x38\x01\x02\x0b\x0a"s},
        FrameCase{"SetKeyBytes", Port::Caller,
                  [] {
                      const uint8_t value[] = {1, 0, 3};
                      EXPECT_EQ(KeySetBytes(2, 0x1234, value), 0);
                  },
                  kSetKey + "\x02\x34\x12\x03\x01\x00\x03"s}),
    [](const ::testing::TestParamInfo<FrameCase>& param) { return param.param.name; });

TEST_F(DeviceTest, OversizedKeyValuesAreRefusedWithoutSending) {
    ScriptedPrinter printer;
    select(kLangTspl, printer.address());
    ASSERT_TRUE(PrtLib_BeginExchange());
    const std::vector<uint8_t> tooLong(256, 0x41);
    EXPECT_EQ(KeySetBytes(1, 400, tooLong), -1);
    EXPECT_EQ(KeySetText(1, 400, "A", 256, false), -1);
    EXPECT_EQ(KeySetText(1, 400, "A", -1, false), -1);
    EXPECT_EQ(KeySetByte(1, 102, 1), 0); // the port still works afterwards
    ASSERT_TRUE(printer.server().waitForBytes(20));
    PrtLib_EndExchange();
    EXPECT_EQ(printer.received(), bytes(kSetKey + "\x01\x66\x00\x01\x01"s));
}

} // namespace
} // namespace devicetest
