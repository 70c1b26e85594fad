#include "mdlOtaPackets.h"

#include "mdlFirmwareCrc.h"
#include "mdlPrtFrames.h"

#include <algorithm>

namespace tolvane::firmware {
namespace {

void PutLittleEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

int CeilDiv(std::size_t value, std::size_t by) {
    return static_cast<int>((value + by - 1) / by);
}

} // namespace

TOtaTransfer::TOtaTransfer(std::size_t fileSize, std::uint32_t packetLength)
    : fileSize_(fileSize), packetLength_(std::max<std::uint32_t>(packetLength, 1)),
      packetTotal_(CeilDiv(fileSize, packetLength_)), kbTotal_(CeilDiv(fileSize, 1024)) {}

std::vector<std::uint8_t> TOtaTransfer::NextPacket(std::span<const std::uint8_t> file) {
    const std::size_t left = offset_ < file.size() ? file.size() - offset_ : 0;
    const std::size_t count = std::min<std::size_t>(packetLength_, left);
    std::vector<std::uint8_t> packet =
        BuildOtaPacket(static_cast<std::uint32_t>(offset_), file.subspan(offset_, count));
    kbSent_ += CeilDiv(count, 1024);
    offset_ += packetLength_;
    ++packetNumber_;
    return packet;
}

std::vector<std::uint8_t> BuildOtaPacket(std::uint32_t offset, std::span<const std::uint8_t> data) {
    const std::string frame = DoFrame(QuoteKey("ota"));
    std::vector<std::uint8_t> packet(frame.begin(), frame.end());
    packet.reserve(kOtaPacketHeadSize + data.size());
    PutLittleEndian32(packet, offset);
    PutLittleEndian32(packet, static_cast<std::uint32_t>(data.size()));
    PutLittleEndian32(packet, OtaCrc(data));
    packet.insert(packet.end(), data.begin(), data.end());
    return packet;
}

bool OtaReplyAccepted(std::span<const std::uint8_t> reply) {
    return reply.size() >= kOtaReplySize && reply[0] == 0x1B && reply[1] == 0x1C && reply[2] == 0x26 &&
           reply[7] == 0;
}

} // namespace tolvane::firmware
