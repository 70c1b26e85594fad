// The hexadecimal text helpers.
#include "mdlHexText.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace tolvane;

namespace {

TEST(HexText, CountsSpaceSeparatedPairs) {
    EXPECT_EQ(HexCount(""), 0);
    EXPECT_EQ(HexCount("   "), 0);
    EXPECT_EQ(HexCount("1B"), 1);
    EXPECT_EQ(HexCount("  5A 5A 0d 0a "), 4);
    EXPECT_EQ(HexCount("5A  0d"), 3); // two separators: an empty pair between them
}

struct ToBytesCase {
    const char* text;
    int count;
    size_t start;
    bool ok;
    std::vector<uint8_t> buffer; // after the call, starting from all 0xEE
};

TEST(HexText, StoresPairsAndRefusesWhatIsNotHex) {
    const ToBytesCase cases[] = {
        {"5A 5a 0d", 3, 0, true, {0x5A, 0x5A, 0x0D, 0xEE}},
        {"5A 5A 0d", 2, 1, true, {0xEE, 0x5A, 0x5A, 0xEE}},
        {"1B 4 40", 3, 0, true, {0x1B, 0xEE, 0x40, 0xEE}},    // a short pair leaves its byte
        {"1B 4GX 40", 3, 0, false, {0x1B, 0xEE, 0xEE, 0xEE}}, // not hexadecimal: error
        {"01 02 03", 3, 2, false, {0xEE, 0xEE, 0x01, 0x02}},  // would run past the buffer
        {"01 02", -1, 0, true, {0xEE, 0xEE, 0xEE, 0xEE}},
    };
    for (const ToBytesCase& c : cases) {
        std::array<uint8_t, 4> buffer;
        buffer.fill(0xEE);
        EXPECT_EQ(HexToBytes(c.text, c.count, buffer, c.start), c.ok) << c.text;
        EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.end()), c.buffer) << c.text;
    }
}

TEST(HexText, BytesToHexAndText) {
    const uint8_t data[] = {0x1B, 0x40, 0x00, 0xAB, 0x41};
    EXPECT_EQ(BytesToHex(data, 0, 2), " 1B 40");
    EXPECT_EQ(BytesToHex(data, 2, 99), " 00 AB 41");
    EXPECT_EQ(BytesToHex(data, 3, 3), "");
    EXPECT_EQ(BytesToText(data), "\x1b@\xab"
                                 "A");
}

} // namespace
