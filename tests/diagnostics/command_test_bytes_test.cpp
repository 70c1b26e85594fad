// The command test's conversions: hexadecimal commands to bytes, text to
// hexadecimal and back, double-byte characters, and the numeric edits'
// exit checks.
#include "mdlCommandTestAnsi.h"
#include "mdlCommandTestBytes.h"

#include <gtest/gtest.h>

namespace tolvane::diagnostics {
namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
    return BytesToHexText(bytes);
}

TEST(CommandTestBytes, HexadecimalCommandsBecomeTheirBytes) {
    const struct {
        const char* command;
        const char* bytes;
    } cases[] = {
        {"0x1B,0x40", "1B 40 "},  {"1B 4", "1B 04 "}, {"1FF", "FF "}, {"1b  40\r\n0d 0a", "1B 40 0D 0A "},
        {"  1B\n40\t", "1B 40 "}, {"", ""},
    };
    for (const auto& c : cases) {
        const TSendBytes converted = CreateSendByteArray(c.command);
        EXPECT_TRUE(converted.ok) << c.command;
        EXPECT_EQ(Hex(converted.bytes), c.bytes) << c.command;
    }
}

TEST(CommandTestBytes, APieceThatIsNotHexadecimalNamesItself) {
    const TSendBytes converted = CreateSendByteArray("1B ZZ 40");
    EXPECT_FALSE(converted.ok);
    EXPECT_EQ(converted.badIndex, 1);
    EXPECT_EQ(converted.badPiece, "ZZ");
}

TEST(CommandTestBytes, TextToHexadecimalAndBack) {
    const std::string hex = BytesToHexText(std::string_view("A B"));
    EXPECT_EQ(hex, "41 20 42 ");
    EXPECT_EQ(HexTextToTextBytes(hex), "A B");
    // A character that is not a hexadecimal digit counts as 0.
    EXPECT_EQ(HexTextToTextBytes("4G"), "@");
}

TEST(CommandTestBytes, DoubleByteCharactersStayTogether) {
    // C4 E3 is one character of code page 936; the piece after a value
    // above 126 is its second byte even when it is below 127.
    EXPECT_EQ(HexTextToTextBytes("C4 E3"), "\xC4\xE3");
    EXPECT_EQ(HexTextToTextBytes("81 40 41"), "\x81\x40"
                                              "A");
    EXPECT_EQ(AnsiToUtf8(HexTextToTextBytes("C4 E3"), 936), "你");
    EXPECT_EQ(BytesToHexText(Utf8ToAnsi("你", 936)), "C4 E3 ");
    // A character the code page lacks is sent as "?".
    EXPECT_EQ(Utf8ToAnsi("a你", 1252), "a?");
}

TEST(CommandTestBytes, LineEndsOfThePages) {
    EXPECT_EQ(WithCrLf("SIZE 40 mm\nPRINT 1\r\n"), "SIZE 40 mm\r\nPRINT 1\r\n");
    EXPECT_EQ(WithoutCr("a\r\nb\rc"), "a\nb\rc");
}

TEST(CommandTestBytes, ExitChecksOfTheNumericEdits) {
    const struct {
        const char* text;
        const char* interval;
        const char* readLength;
    } cases[] = {
        {"", "100", "1"},      {"0", "100", "1"},       {"50", "100", "50"},
        {"300", "300", "256"}, {"1000", "1000", "256"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckedInterval(c.text), c.interval) << c.text;
        EXPECT_EQ(CheckedReadLength(c.text), c.readLength) << c.text;
    }
    // What the sending uses when the user sends before leaving the edit.
    EXPECT_EQ(IntervalMs("5"), 100);
    EXPECT_EQ(ReadLength("999"), 256);
    EXPECT_EQ(ReadLength("0"), 1);
}

} // namespace
} // namespace tolvane::diagnostics
