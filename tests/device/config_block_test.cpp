// The 256-byte parameter block: reading with its marker and sum checks and
// messages, reading a block that arrives in parts, writing with the sum.
#include "device_test_support.h"

#include "mdlConfigBlock.h"
#include "mdlPrinterLib_Call.h"
#include "pty_pair.h"

#include <functional>
#include <thread>

using namespace std::string_literals;
using namespace tolvane;

namespace devicetest {
namespace {

TConfigBlock goodBlock() {
    TConfigBlock block{};
    block[0] = kConfigBlockMarker;
    for (size_t i = 1; i < 254; ++i) {
        block[i] = static_cast<uint8_t>(i * 7);
    }
    const uint16_t sum = ConfigBlockSum(block);
    block[254] = static_cast<uint8_t>(sum & 0xFF);
    block[255] = static_cast<uint8_t>(sum >> 8);
    return block;
}

std::vector<uint8_t> asBytes(const TConfigBlock& block) {
    return {block.begin(), block.end()};
}

struct ReadCase {
    const char* name;
    int language;
    std::string request;
    std::function<void(TConfigBlock&)> damage;
    bool ok;
    std::string message;
};

class ReadBlock : public DeviceTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadBlock, ChecksMarkerAndSum) {
    const ReadCase& c = GetParam();
    TConfigBlock sent = goodBlock();
    c.damage(sent);
    ScriptedPrinter printer({{bytes(c.request), asBytes(sent)}});
    select(c.language, printer.address());
    TConfigBlock untouched{};
    untouched.fill(0xEE);
    TConfigBlock block = untouched;
    std::string message;
    EXPECT_EQ(ReadConfigBlock(block, message), c.ok);
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(block, c.ok ? sent : untouched);
    EXPECT_EQ(printer.received(), bytes(c.request));
    EXPECT_TRUE(sink.messages.empty());
}

void intact(TConfigBlock&) {}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ReadBlock,
    ::testing::Values(ReadCase{"Tspl", kLangTspl, "ZZZCR\n", intact, true, "OK"},
                      ReadCase{"Esc", kLangEsc, "\x12\x62", intact, true, "OK"},
                      ReadCase{"Cpcl", kLangCpcl, "\x12\x62", intact, true, "OK"},
                      ReadCase{"WrongMarker", kLangTspl, "ZZZCR\n", [](TConfigBlock& b) { b[0] = 'y'; },
                               false, "_Err_ReadData"},
                      ReadCase{"SumBytesSwapped", kLangTspl, "ZZZCR\n",
                               [](TConfigBlock& b) { std::swap(b[254], b[255]); }, false, "_Err_CheckSum"},
                      ReadCase{"ParameterChanged", kLangEsc, "\x12\x62", [](TConfigBlock& b) { b[100] ^= 1; },
                               false, "_Err_CheckSum"}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return param.param.name; });

TEST_F(DeviceTest, ReadBlockAssemblesABlockThatArrivesInParts) {
    testsupport::PtyPair pty;
    select(kLangTspl, pty.path() + ",BAUDRATE_115200");
    const TConfigBlock sent = goodBlock();
    std::thread printer([&pty, &sent] {
        ASSERT_EQ(pty.readDevice(6), bytes("ZZZCR\n"));
        const auto part = [&sent](size_t from, size_t to) {
            return std::vector<uint8_t>(sent.begin() + static_cast<std::ptrdiff_t>(from),
                                        sent.begin() + static_cast<std::ptrdiff_t>(to));
        };
        pty.writeDevice(part(0, 100));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        pty.writeDevice(part(100, 150));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        pty.writeDevice(part(150, 256));
    });
    TConfigBlock block{};
    std::string message;
    EXPECT_TRUE(ReadConfigBlock(block, message));
    printer.join();
    EXPECT_EQ(message, "OK");
    EXPECT_EQ(block, sent);
}

TEST_F(DeviceTest, ReadBlockReportsAFailedOpenByItsMessageOnly) {
    SetLangTextLookup([](const std::string& key) { return "text of " + key; });
    ProtocolKind = kLangEsc;
    ASSERT_EQ(PrtLib_Create("Vorlan"), 0); // Escrix only: Tsprix has no handle
    TConfigBlock block{};
    std::string message;
    EXPECT_FALSE(ReadConfigBlock(block, message));
    SetLangTextLookup(nullptr);
    EXPECT_EQ(message, "text of _Err_OpenPort");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DeviceTest, WriteBlockStoresTheSumAndSendsRequestThenBlock) {
    for (const int language : {kLangTspl, kLangEsc}) {
        ScriptedPrinter printer;
        select(language, printer.address());
        TConfigBlock block = goodBlock();
        block[254] = block[255] = 0;
        EXPECT_TRUE(WriteConfigBlock(block));
        EXPECT_EQ(block, goodBlock());
        std::vector<uint8_t> expected = bytes(language == kLangTspl ? "ZZZCW " : "\x12\x63");
        expected.insert(expected.end(), block.begin(), block.end());
        ASSERT_TRUE(printer.server().waitForBytes(expected.size()));
        EXPECT_EQ(printer.received(), expected);
    }
}

TEST_F(DeviceTest, WriteBlockOpenFailureShowsTheResultFirst) {
    select(kLangTspl, "NET,127.0.0.1,1"); // nothing listens there
    TConfigBlock block = goodBlock();
    EXPECT_FALSE(WriteConfigBlock(block));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, std::to_string(PrtLib_LastResult()) + ":_Err_OpenPort");
    EXPECT_EQ(sink.messages[0].title, "_MSG_Title_Error");
}

} // namespace
} // namespace devicetest
