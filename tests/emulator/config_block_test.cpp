// The 256-byte parameter block: read and write in both request forms.

#include "emulator_fixture.h"

#include "emulator/core/config_block.h"

#include <thread>

namespace emutest {
namespace {

using emulator::bytesOf;
using emulator::ConfigBlock;
using emulator::kBlockSize;

class ConfigBlockTest : public ExchangeTest {
  protected:
    void SetUp() override { start(shippedProfile("gulvo_esc.profile")); }

    Bytes readBlock(const Bytes& request) {
        link().write(request);
        return link().read(static_cast<int>(kBlockSize));
    }
};

Bytes sealed(Bytes block) {
    ConfigBlock b{};
    std::copy(block.begin(), block.end(), b.begin());
    emulator::sealBlock(b);
    return Bytes(b.begin(), b.end());
}

const Bytes kBinaryRead = {0x12, 0x62};
const Bytes kBinaryWrite = {0x12, 0x63};

TEST_P(ConfigBlockTest, BothRequestFormsAnswerTheProfileBlock) {
    for (const Bytes& request : {kBinaryRead, bytesOf("ZZZCR\n")}) {
        const Bytes block = readBlock(request);
        ASSERT_EQ(block.size(), kBlockSize);
        EXPECT_EQ(block[0], 0x78);
        EXPECT_EQ(emulator::blockFault(block), "");
        EXPECT_EQ(block[55], 16);  // code page from the profile
        EXPECT_EQ(block[88], 192); // IP address
        EXPECT_EQ(block[71], 0x03);
    }
}

TEST_P(ConfigBlockTest, AGoodBlockIsStoredEvenAfterAPause) {
    Bytes block = readBlock(kBinaryRead);
    block[34] = 3;
    block[114] = 200;
    block = sealed(block);
    link().write(kBinaryWrite);
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // as the utility pauses
    link().write(block);
    const auto stored = printer().waitForCommand("block_write");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->note, "stored");
    EXPECT_EQ(readBlock(bytesOf("ZZZCR\n")), block);

    // The text form, the block in the same write.
    block[34] = 5;
    block = sealed(block);
    Bytes frame = bytesOf("ZZZCW ");
    frame.insert(frame.end(), block.begin(), block.end());
    link().write(frame);
    EXPECT_EQ(readBlock(kBinaryRead), block);
}

TEST_P(ConfigBlockTest, ABadBlockLeavesTheStoredOneUnchanged) {
    const Bytes original = readBlock(kBinaryRead);
    Bytes swappedSum = original;
    swappedSum[34] = 1;
    swappedSum = sealed(swappedSum);
    std::swap(swappedSum[254], swappedSum[255]);
    Bytes badMarker = sealed(original);
    badMarker[0] = 0x79;
    for (const Bytes& bad : {swappedSum, badMarker}) {
        printer().clearRecords();
        link().write(kBinaryWrite);
        link().write(bad);
        const auto refused = printer().waitForCommand("block_write");
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->note.rfind("refused:", 0), 0u) << refused->note;
        EXPECT_EQ(readBlock(kBinaryRead), original);
    }
}

TEST_P(ConfigBlockTest, LanguageAndVersionQueries) {
    link().write({0x1B, 0x1B, 0x08});
    EXPECT_EQ(link().read(1), Bytes{0}); // ESC
    link().writeText("ZZZGETVERSION\r\n");
    EXPECT_EQ(link().read(3), (Bytes{1, 2, 0}));
}

INSTANTIATE_TEST_SUITE_P(Transports, ConfigBlockTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

} // namespace
} // namespace emutest
