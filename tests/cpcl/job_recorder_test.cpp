// The emulator's CPCL job recorder: the same commands whatever the split of
// the byte stream, and page-language lines of other printers left
// unrecognised.
#include "emulator/cpcl/cpcl_job_recorder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using emulator::cpcl::JobRecorder;

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// Graphics whose bitmap holds line ends and command words.
const std::string kJob = std::string("! 0 200 200 400 1\r\n"
                                     "TEXT90 4 0 10 20 Hello world\r\n"
                                     "B QR 10 20 M 2 U 6 \r\nQ,ENDPDF\r\nENDQR\r\n"
                                     "VBARCODE PDF-417 5 6 XD 2 YD 6 C 3 R 10 S 2 B0\r\nline\r\nENDPDF\r\n"
                                     "COMPRESSED-GRAPHICS 2 3 -5 7 ") +
                         std::string("\r\nPRINT\r\n", 6) + "UNDERLINE OFF\r\nFORM\r\nPRINT\r\n";

std::vector<std::string> keywords(const JobRecorder& recorder) {
    std::vector<std::string> out;
    for (const auto& command : recorder.commands()) {
        out.push_back(command.keyword);
    }
    return out;
}

TEST(JobRecorder, SameCommandsWhateverTheSplit) {
    JobRecorder whole;
    whole.feed(bytesOf(kJob));
    whole.finish();
    const std::vector<std::string> expected = {
        "!", "TEXT90", "B", "VBARCODE PDF-417", "COMPRESSED-GRAPHICS", "UNDERLINE", "FORM", "PRINT"};
    EXPECT_EQ(keywords(whole), expected);

    JobRecorder bytewise;
    for (const uint8_t byte : bytesOf(kJob)) {
        bytewise.feed(std::vector<uint8_t>{byte});
    }
    bytewise.finish();
    ASSERT_EQ(keywords(bytewise), expected);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bytewise.commands()[i].bytes, whole.commands()[i].bytes);
    }

    const auto graphics = whole.graphics();
    ASSERT_EQ(graphics.size(), 1u);
    EXPECT_EQ(graphics[0].header.x, -5);
    EXPECT_EQ(graphics[0].header.y, 7);
    EXPECT_EQ(graphics[0].bitmap, bytesOf("\r\nPRIN"));
    EXPECT_TRUE(graphics[0].black(4, 0)); // '\r' is 0x0D: dots 4, 5 and 7 black
    EXPECT_FALSE(graphics[0].black(6, 0));
    EXPECT_FALSE(graphics[0].black(16, 0)); // outside

    const auto labels = whole.labels();
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].header, "! 0 200 200 400 1");
    EXPECT_EQ(labels[0].commands.size(), 5u);
    EXPECT_EQ(labels[0].end, "FORM");
    EXPECT_EQ(labels[1].end, "PRINT");
}

TEST(JobRecorder, OtherPageLanguagesAndBrokenCommandsStayUnrecognised) {
    const std::string lines[] = {
        "TEXT 10,10,\"3\",0,1,1,\"x\"\r\n",    // comma-separated arguments
        "PRINT 1\r\n",                         // arguments where CPCL takes none
        "BOX 1 2 3\r\n",                       // too few numbers
        "SIZE 60 mm\r\n",                      // a word CPCL does not have
        "COMPRESSED-GRAPHICS 1000 1 0 0 \r\n", // rows wider than any printer
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        JobRecorder recorder;
        recorder.feed(bytesOf(line + "PRINT\r\n"));
        recorder.finish();
        ASSERT_EQ(recorder.commands().size(), 2u);
        EXPECT_EQ(recorder.commands()[0].keyword, "");
        EXPECT_EQ(recorder.commands()[0].text(), line);
        EXPECT_EQ(recorder.commands()[1].keyword, "PRINT");
    }
}

TEST(JobRecorder, AnUnfinishedCommandIsRecordedAtTheEnd) {
    JobRecorder recorder;
    recorder.feed(bytesOf("COMPRESSED-GRAPHICS 4 4 0 0 \x01\x02"));
    EXPECT_EQ(recorder.commands().size(), 0u);
    EXPECT_EQ(recorder.waitingBytes(), 30u);
    recorder.finish();
    ASSERT_EQ(recorder.commands().size(), 1u);
    EXPECT_EQ(recorder.commands()[0].keyword, "");
    EXPECT_FALSE(recorder.commands()[0].graphic.has_value());
}

} // namespace
