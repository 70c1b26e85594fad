// The parts of the test-print and scan-test jobs that need no printer:
// code pages, line breaks, the paper-mode answer, the scan label.
#include "mdlCodePageText.h"
#include "mdlPrintTextJobs.h"
#include "mdlScanTest.h"

#include <gtest/gtest.h>

namespace tolvane::test {
namespace {

using namespace diagnostics;

TEST(CodePageText, ConvertsWithIconvAndMarksWhatACodePageLacks) {
    const struct {
        const char* utf8;
        int codePage;
        std::string bytes;
    } cases[] = {
        {"中文", 936, "\xD6\xD0\xCE\xC4"},
        {"中文", 950, "\xA4\xA4\xA4\xE5"},
        {"中文", 65001, "中文"},
        {"é", 1252, "\xE9"},
        {"A中B", 1252, "A?B"},
        {"A\xFF"
         "B",
         936, "A?B"},
        {"", 936, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCodePage(c.utf8, c.codePage), c.bytes) << c.utf8 << " " << c.codePage;
    }
    EXPECT_TRUE(CodePageAvailable(936));
    EXPECT_FALSE(CodePageAvailable(99999));
}

TEST(PrintTextJobs, LineBreaksAndLines) {
    EXPECT_EQ(WithCrLf("AB\nCD\r\nEF"), "AB\r\nCD\r\nEF");
    EXPECT_EQ(SplitCrLf("AB\r\nCD"), (std::vector<std::string>{"AB", "CD"}));
    EXPECT_EQ(SplitCrLf("AB\r\n"), (std::vector<std::string>{"AB", ""}));
    EXPECT_EQ(SplitCrLf("A\rB\nC"), (std::vector<std::string>{"A\rB\nC"}));
}

TEST(PrintTextJobs, PaperModeAnswers) {
    const struct {
        int kind;
        uint8_t byte;
        TPaperAnswer answer;
        TPrintJobType type;
    } cases[] = {
        {1, 1, TPaperAnswer::A, TPrintJobType::Cpcl},
        {1, 0, TPaperAnswer::B, TPrintJobType::Zpl},
        {1, 11, TPaperAnswer::B, TPrintJobType::Zpl},
        {2, 0, TPaperAnswer::C, TPrintJobType::TextCrLf},
        {2, 1, TPaperAnswer::A, TPrintJobType::Cpcl},
        {0, 1, TPaperAnswer::None, TPrintJobType::TextCrLf},
        {3, 0, TPaperAnswer::None, TPrintJobType::TextCrLf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaperModeAnswer(c.kind, c.byte), c.answer) << c.kind << " " << int(c.byte);
        EXPECT_EQ(JobTypeForAnswer(c.answer), c.type);
    }
}

TEST(ScanTestJob, TriggerFrameAndLabel) {
    EXPECT_EQ(ScanTriggerFrame(), std::string("\x1B\x1C& V1 do \"scan_trigger\"\r\n"));
    EXPECT_EQ(ScanTriggerFrame().size(), 26u);
    const struct {
        const char* width;
        const char* height;
        std::vector<uint8_t> reply;
        std::string job;
    } cases[] = {
        // The example: A1 and CR LF give a last, empty line.
        {"50",
         "30",
         {'A', '1', '\r', '\n'},
         "CLS\r\nSIZE 50 mm,30 mm\r\nTEXT 10,10,\"9\",0,50,50,\"A1\"\r\nTEXT 10,50,\"9\",0,50,50,\"\"\r\n"
         "PRINT 1\r\n"},
        // Zero bytes are dropped; without CR LF one line; the width as
        // typed, the height whatever it holds.
        {" 60",
         "abc",
         {'X', 0, 'Y', 0},
         "CLS\r\nSIZE  60 mm,abc mm\r\nTEXT 10,10,\"9\",0,50,50,\"XY\"\r\nPRINT 1\r\n"},
        {"50",
         "30",
         {'1', '\r', '\n', '2', '\r', '\n', '3'},
         "CLS\r\nSIZE 50 mm,30 mm\r\nTEXT 10,10,\"9\",0,50,50,\"1\"\r\nTEXT 10,50,\"9\",0,50,50,\"2\"\r\n"
         "TEXT 10,90,\"9\",0,50,50,\"3\"\r\nPRINT 1\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanLabelJob(c.width, c.height, c.reply, 1252), c.job);
    }
}

} // namespace
} // namespace tolvane::test
