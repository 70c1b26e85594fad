// The firmware transfer's pieces without a printer: the OTA checksum, the
// packets and their counters, the sectioned-file walk and the file checks
// that keep malformed firmware from being sent.
#include "FirmwareFiles.h"
#include "mdlFirmwareCrc.h"
#include "mdlFirmwareFile.h"
#include "mdlOtaPackets.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tolvane::test {
namespace {

using namespace tolvane::firmware;

std::vector<std::uint8_t> Bytes(const char* text) {
    return std::vector<std::uint8_t>(text, text + std::strlen(text));
}

std::uint32_t LongAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST(OtaCrc, StartsFromZeroNotFromAllOnes) {
    EXPECT_EQ(OtaCrc(Bytes("abc")), 0x359A672Fu); // the common CRC-32 gives 0x352441C2
    EXPECT_EQ(OtaCrc({}), 0xFFFFFFFFu);
}

TEST(OtaPackets, FiveThousandBytesInPacketsOf4096) {
    const std::vector<std::uint8_t> file = Pattern(5000);
    TOtaTransfer transfer(file.size(), 4096);
    EXPECT_EQ(transfer.PacketTotal(), 2);
    EXPECT_EQ(transfer.KbTotal(), 5);

    const std::vector<std::uint8_t> first = transfer.NextPacket(file);
    EXPECT_EQ(transfer.KbSent(), 4);
    EXPECT_FALSE(transfer.Done());
    EXPECT_TRUE(transfer.NextIsLast());
    const std::vector<std::uint8_t> second = transfer.NextPacket(file);
    EXPECT_EQ(transfer.KbSent(), 5);
    EXPECT_TRUE(transfer.Done());

    const std::string frame = "\x1b\x1c&\x20V1 do \"ota\"\r\n";
    for (const auto& [packet, offset, length] :
         {std::tuple{&first, 0u, 4096u}, std::tuple{&second, 4096u, 904u}}) {
        ASSERT_EQ(packet->size(), kOtaPacketHeadSize + length);
        EXPECT_EQ(std::string(packet->begin(), packet->begin() + kOtaFrameSize), frame);
        EXPECT_EQ(LongAt(*packet, 17), offset);
        EXPECT_EQ(LongAt(*packet, 21), length);
        const std::span<const std::uint8_t> data(file.data() + offset, length);
        EXPECT_EQ(LongAt(*packet, 25), OtaCrc(data));
        EXPECT_TRUE(std::equal(data.begin(), data.end(), packet->begin() + kOtaPacketHeadSize));
    }
}

TEST(OtaPackets, ReplyRules) {
    const std::vector<std::uint8_t> good = {0x1B, 0x1C, 0x26, 9, 9, 9, 9, 0};
    EXPECT_TRUE(OtaReplyAccepted(good));
    std::vector<std::uint8_t> refused = good;
    refused[7] = 3;
    EXPECT_FALSE(OtaReplyAccepted(refused));
    std::vector<std::uint8_t> foreign = good;
    foreign[2] = 0x27;
    EXPECT_FALSE(OtaReplyAccepted(foreign));
    EXPECT_FALSE(OtaReplyAccepted(std::span(good).first(7)));
}

TEST(OtaTransferCheck, RefusesWhatThePacketsCannotCarry) {
    struct Case {
        std::uint64_t size;
        std::int64_t packetLength;
        TFileCheck expected;
    };
    for (const Case& c :
         {Case{5000, 4096, TFileCheck::Ok}, Case{0, 4096, TFileCheck::Empty},
          Case{5000, 0, TFileCheck::BadPacketLength}, Case{5000, -4096, TFileCheck::BadPacketLength},
          Case{5000, kMaxOtaPacketLength + 1, TFileCheck::BadPacketLength},
          Case{kMaxOtaFile, 4096, TFileCheck::Ok}, Case{kMaxOtaFile + 1, 4096, TFileCheck::TooLarge}}) {
        EXPECT_EQ(CheckOtaTransfer(c.size, c.packetLength), c.expected) << c.size << " / " << c.packetLength;
    }
}

TEST(SectionWalk, ListsEverySectionWithItsSteps) {
    const std::vector<std::uint8_t> file =
        SectionedFile({{"BOOT", "1.0.2", 1, 2500}, {"APP", "V2.10 beta", 7, 1024}, {"FONT", "3", 2, 0}});
    const TSectionWalk walk = WalkSections(file);
    ASSERT_EQ(walk.check, TFileCheck::Ok);
    ASSERT_EQ(walk.sections.size(), 3u);
    EXPECT_EQ(walk.sections[0].Steps(), 4); // the header, then 1024, 1024 and 452
    EXPECT_EQ(walk.sections[1].Steps(), 2);
    EXPECT_EQ(walk.sections[2].Steps(), 1);
    EXPECT_EQ(walk.steps, 7);
    EXPECT_EQ(walk.sections[1].name, "APP");
    EXPECT_EQ(walk.sections[1].version, "V2.10"); // up to the first byte <= 0x20
    EXPECT_EQ(walk.sections[1].type, 7u);
    EXPECT_EQ(walk.sections[1].headerOffset, 76u + 2500u);
    EXPECT_EQ(walk.sections[2].dataLength, 0u);
}

TEST(SectionWalk, MalformedFilesAreRefusedWhole) {
    const std::vector<std::uint8_t> good = SectionedFile({{"A", "1", 1, 100}, {"B", "1", 1, 100}});
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
        TFileCheck expected;
        std::size_t failedAt;
    };
    std::vector<std::uint8_t> negative = good;
    negative[176 + 4 + 3] = 0x80; // the second section's length becomes negative
    std::vector<std::uint8_t> pastEnd = good;
    pastEnd[176 + 4] = 101; // one byte more than the file holds
    std::vector<std::uint8_t> cutHeader(good.begin(), good.begin() + 176 + 75);
    std::vector<std::uint8_t> trailing = good;
    trailing.push_back(0);
    const std::vector<Case> cases = {
        {"empty", {}, TFileCheck::Empty, 0},
        {"negative length", negative, TFileCheck::NegativeLength, 176},
        {"past the end", pastEnd, TFileCheck::PastEnd, 176},
        {"header cut short", cutHeader, TFileCheck::HeaderShort, 176},
        {"a stray byte after the last section", trailing, TFileCheck::HeaderShort, 352},
        {"shorter than one header", std::vector<std::uint8_t>(10, 1), TFileCheck::HeaderShort, 0},
    };
    for (const Case& c : cases) {
        const TSectionWalk walk = WalkSections(c.file);
        EXPECT_EQ(walk.check, c.expected) << c.what;
        EXPECT_EQ(walk.failedAt, c.failedAt) << c.what;
    }
}

} // namespace
} // namespace tolvane::test
