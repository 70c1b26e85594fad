// Commands that a failed write leaves queued go out again, ahead of the
// next successful call's own command; nothing else is ever sent twice.
#include "cpcl_printer_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace cpcltest {
namespace {

class ResendTest : public CpclPrinterTest {
  protected:
    // The printer goes away: its connection closes and nobody listens any more.
    void losePrinter() { stopPrinter(); }
    // A new printer appears and the handle's port is opened on it; the job
    // buffer belongs to the handle and survives the port change.
    void findPrinter() {
        startPrinter();
        ASSERT_EQ(openPort(), 0);
    }
};

TEST_F(ResendTest, QueuedCommandsGoOutAheadOfTheNextCommand) {
    ASSERT_EQ(CPCL_AddLabel(handle_, 0, 400, 1), 0);
    expectNext("! 0 200 200 400 1\r\n");

    losePrinter();
    EXPECT_GT(CPCL_AddBox(handle_, 1, 2, 3, 4, 5), 0); // a system error code
    EXPECT_GT(CPCL_AddText(handle_, 0, 4, 0, 7, 8, u"queued"), 0);
    // A refused call adds nothing to the queue.
    EXPECT_EQ(CPCL_SetAlign(handle_, 3), -1);

    findPrinter();
    ASSERT_EQ(CPCL_Print(handle_), 0);
    expectNext("BOX 1 2 3 4 5\r\nTEXT 4 0 7 8 queued\r\nPRINT\r\n");
    // Sent once: the queue is empty again.
    ASSERT_EQ(CPCL_NextLabelPos(handle_), 0);
    expectNext("FORM\r\n");
}

TEST_F(ResendTest, QueuedGraphicsAndTextGrowTheBufferAndStayIntact) {
    losePrinter();
    std::vector<unsigned char> bits(999 * 3);
    for (size_t i = 0; i < bits.size(); ++i) {
        bits[i] = static_cast<unsigned char>(i * 7);
    }
    const std::u16string text(495, u'q');
    EXPECT_GT(CPCL_AddImageData(handle_, 0, 999, 3, 1, 2, bits.data()), 0);
    EXPECT_GT(CPCL_AddText(handle_, 0, 4, 0, 1, 2, text.c_str()), 0);

    findPrinter();
    ASSERT_EQ(CPCL_Print(handle_), 0);
    const std::string header = "COMPRESSED-GRAPHICS 999 3 1 2 ";
    const std::string expected = header + std::string(bits.begin(), bits.end()) + "TEXT 4 0 1 2 " +
                                 std::string(495, 'q') + "\r\nPRINT\r\n";
    EXPECT_EQ(nextText(expected.size()), expected);
}

TEST_F(ResendTest, GraphicsThatNoLongerFitLeaveTheQueueAsItWas) {
    // Every failed write keeps its graphics queued; the queue is bounded, and
    // the graphics that would overflow it are refused whole.
    losePrinter();
    const int widthBytes = 999;
    const int height = 4198; // just under the pixel cap
    const std::vector<unsigned char> bits(static_cast<size_t>(widthBytes) * height, 0x5A);
    int queued = 0;
    int result = 0;
    while ((result = CPCL_AddImageData(handle_, 0, widthBytes, height, 0, queued, bits.data())) > 0) {
        ++queued;
        ASSERT_LT(queued, 100);
    }
    EXPECT_EQ(result, -9);
    EXPECT_GE(queued, 3);

    // The queue is sent to a printer on a parallel port (here a plain file),
    // which takes megabytes at once.
    const std::string file = tempPath("lpt.prn");
    { std::ofstream create(file); }
    const std::string address = "ostrel:/dev/bus/LPT/" + file;
    ASSERT_EQ(PortOpen(handle_, std::u16string(address.begin(), address.end()).c_str()), 0);
    ASSERT_EQ(CPCL_Print(handle_), 0);
    std::vector<uint8_t> sent(std::filesystem::file_size(file));
    std::ifstream(file, std::ios::binary)
        .read(reinterpret_cast<char*>(sent.data()), static_cast<std::streamsize>(sent.size()));
    emulator::cpcl::JobRecorder recorder;
    recorder.feed(sent);
    recorder.finish();
    const std::vector<emulator::cpcl::Command>& commands = recorder.commands();
    ASSERT_EQ(commands.size(), static_cast<size_t>(queued) + 1);
    for (int i = 0; i < queued; ++i) {
        const auto& graphic = commands[static_cast<size_t>(i)].graphic;
        ASSERT_TRUE(graphic.has_value());
        EXPECT_EQ(graphic->header.y, i);
        EXPECT_TRUE(std::equal(bits.begin(), bits.end(), graphic->bitmap.begin(), graphic->bitmap.end()));
    }
    EXPECT_EQ(commands.back().keyword, "PRINT");
}

} // namespace
} // namespace cpcltest
