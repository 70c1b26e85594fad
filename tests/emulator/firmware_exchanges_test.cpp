// The printer side of the firmware transfers: OTA packets checked by mode,
// offset and CRC, the 4-byte packet length, sectioned files with their
// acknowledgements and final status, and the [firmware] profile section.

#include "emulator_fixture.h"
#include "wait_until.h"

#include "emulator/core/firmware_state.h"
#include "emulator/core/profile.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace emutest {
namespace {

void putLong(Bytes& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

Bytes otaPacket(uint32_t offset, const Bytes& data, uint32_t crc) {
    Bytes packet = privateFrame("do ", "\"ota\"");
    putLong(packet, offset);
    putLong(packet, static_cast<uint32_t>(data.size()));
    putLong(packet, crc);
    packet.insert(packet.end(), data.begin(), data.end());
    return packet;
}

Bytes sectionHeader(uint32_t sections, uint32_t length, const std::string& name) {
    Bytes header;
    putLong(header, sections);
    putLong(header, length);
    putLong(header, 5);
    for (size_t n = 0; n < 64; ++n) {
        header.push_back(n < name.size() ? static_cast<uint8_t>(name[n]) : 0);
    }
    return header;
}

class FirmwareExchangeTest : public ExchangeTest {};

TEST(OtaCrc, RegisterStartsAtZero) {
    EXPECT_EQ(emulator::otaCrc(emulator::bytesOf("abc")), 0x359A672Fu);
}

TEST_P(FirmwareExchangeTest, OtaPacketsAreCheckedByModeOffsetAndCrc) {
    const Bytes data = emulator::bytesOf("firmware bytes");
    const uint32_t crc = emulator::otaCrc(data);
    struct Step {
        const char* what;
        Bytes frame;
        uint8_t status;
    };
    const std::vector<Step> steps = {
        {"before OTA mode", otaPacket(0, data, crc), 1},
        {"the binary update-mode command", {0x1D, 0x75, 0x55, 0xAA}, 0xFF},
        {"a wrong offset", otaPacket(14, data, crc), 2},
        {"a wrong CRC", otaPacket(0, data, crc ^ 1), 3},
        {"accepted", otaPacket(0, data, crc), 0},
        {"the next packet", otaPacket(14, data, crc), 0},
    };
    for (const Step& step : steps) {
        link().write(step.frame);
        if (step.status == 0xFF) {
            ASSERT_TRUE(printer().waitForCommand("dfu_mode")) << step.what;
            continue;
        }
        const Bytes reply = link().read(8);
        ASSERT_EQ(reply.size(), 8u) << step.what;
        EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 3), (Bytes{0x1B, 0x1C, 0x26})) << step.what;
        EXPECT_EQ(reply[7], step.status) << step.what;
    }
    emulator::FirmwareState state;
    printer().changePrinter([&](emulator::Printer& p) { state = p.firmware(); });
    Bytes twice = data;
    twice.insert(twice.end(), data.begin(), data.end());
    EXPECT_EQ(state.otaImage, twice);
    EXPECT_EQ(state.otaPackets, 2);
}

TEST_P(FirmwareExchangeTest, PacketLengthIsFourBytesWithoutAZero) {
    printer().changePrinter([](emulator::Printer& p) { p.firmware().behaviour.packetLength = 0x01020304; });
    EXPECT_EQ(link().getval("pack_length"), (Bytes{4, 3, 2, 1}));
    EXPECT_EQ(link().getval("density"), emulator::bytesOf(std::string("8") + '\0')) << "other keys as before";
}

TEST_P(FirmwareExchangeTest, SectionedFileAcknowledgedAndFinished) {
    printer().changePrinter([](emulator::Printer& p) { p.firmware().behaviour.finalStatus = 5; });
    link().write(privateFrame("do ", "\"dfu\""));
    link().write(sectionHeader(2, 3, "BOOT"));
    EXPECT_EQ(link().read(1), Bytes{0});
    link().write(emulator::bytesOf("abc"));
    link().write(sectionHeader(2, 2, "APP"));
    EXPECT_EQ(link().read(1), Bytes{0});
    link().write(emulator::bytesOf("de"));
    EXPECT_EQ(link().read(1), Bytes{5}) << "the final status after the last section";
    ASSERT_TRUE(printer().waitForCommand("section_end", "APP"));
    emulator::FirmwareState state;
    printer().changePrinter([&](emulator::Printer& p) { state = p.firmware(); });
    ASSERT_EQ(state.sections.size(), 2u);
    EXPECT_EQ(state.sections[0].data, emulator::bytesOf("abc"));
    EXPECT_EQ(state.sections[1].name, "APP");
    // The printer hears commands again.
    EXPECT_EQ(link().getval("density"), emulator::bytesOf(std::string("8") + '\0'));
}

TEST_P(FirmwareExchangeTest, CommandsAreNeverTakenForAHeader) {
    link().write(privateFrame("do ", "\"dfu\""));
    EXPECT_EQ(link().getval("density"), emulator::bytesOf(std::string("8") + '\0'));
}

INSTANTIATE_TEST_SUITE_P(Transports, FirmwareExchangeTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

// Whether a TCP connection to the port is accepted now.
bool connects(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

TEST(FirmwareRestart, EnterOtaRefusesConnectionsWhileThePrinterRestarts) {
    emulator::Profile profile = shippedProfile("kavo_tspl.profile");
    profile.firmware.otaRestartMs = 300;
    PrinterConnection link(profile);
    link.open(Transport::Tcp);
    const auto sent = std::chrono::steady_clock::now();
    link.write(privateFrame("do ", "\"enter_ota\""));
    ASSERT_TRUE(link.printer().waitForCommand("do", "enter_ota"));
    const uint16_t port = link.printer().tcpPort();
    // Refused while the printer restarts, and back once it has.
    EXPECT_TRUE(tolvane::test::WaitUntil([&] { return !connects(port); },
                                         std::chrono::milliseconds(profile.firmware.otaRestartMs)));
    EXPECT_TRUE(tolvane::test::WaitUntil([&] { return connects(port); }));
    EXPECT_GE(std::chrono::steady_clock::now() - sent, std::chrono::milliseconds(290));
}

TEST(FirmwareProfile, SectionSetsTheAnswers) {
    std::string error;
    const auto profile = emulator::parseProfile(
        "[firmware]\npack_length = 1024\nheader_status = 0\nfinal_status = 3\nota_restart_ms = 2500\n",
        "fw.profile", error);
    ASSERT_TRUE(profile) << error;
    EXPECT_EQ(profile->firmware.packetLength, 1024u);
    EXPECT_EQ(profile->firmware.finalStatus, 3);
    EXPECT_EQ(profile->firmware.otaRestartMs, 2500u);
    for (const char* bad : {"[firmware]\npack_length = -1\n", "[firmware]\npack_length = 99999999999\n",
                            "[firmware]\nfinal_status = 256\n", "[firmware]\nspeed = 1\n"}) {
        EXPECT_FALSE(emulator::parseProfile(bad, "bad.profile", error)) << bad;
    }
}

} // namespace
} // namespace emutest
