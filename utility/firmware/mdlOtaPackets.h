// The packets of an OTA transfer: each the "do ota" key frame, the data's
// offset in the file, its length and its checksum (little-endian 32-bit
// numbers), then the data; and the counters the dialog shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tolvane::firmware {

// The head of every packet: the "do" frame with the action "ota".
inline constexpr std::size_t kOtaFrameSize = 17;
inline constexpr std::size_t kOtaPacketHeadSize = kOtaFrameSize + 12;
// The printer's reply to a packet.
inline constexpr int kOtaReplySize = 8;

// Where a transfer stands. Offsets advance by the packet length.
class TOtaTransfer {
  public:
    // `packetLength` must be positive (CheckOtaTransfer).
    TOtaTransfer(std::size_t fileSize, std::uint32_t packetLength);

    std::size_t FileSize() const { return fileSize_; }
    std::uint32_t PacketLength() const { return packetLength_; }
    int PacketTotal() const { return packetTotal_; }
    int KbTotal() const { return kbTotal_; }

    int PacketNumber() const { return packetNumber_; }
    std::size_t Offset() const { return offset_; }
    int KbSent() const { return kbSent_; }
    bool Done() const { return offset_ >= fileSize_; }
    // The next packet is the last one.
    bool NextIsLast() const { return packetNumber_ + 1 >= packetTotal_; }

    // The next packet from the file's bytes; advances the counters.
    std::vector<std::uint8_t> NextPacket(std::span<const std::uint8_t> file);

  private:
    std::size_t fileSize_;
    std::uint32_t packetLength_;
    int packetTotal_;
    int kbTotal_;
    int packetNumber_ = 0;
    std::size_t offset_ = 0;
    int kbSent_ = 0;
};

// A packet for `data` at `offset` (also what the tests and the emulator
// check against).
std::vector<std::uint8_t> BuildOtaPacket(std::uint32_t offset, std::span<const std::uint8_t> data);

// The reply accepts the packet: 8 bytes, 1B 1C 26 first, status byte 7 zero.
bool OtaReplyAccepted(std::span<const std::uint8_t> reply);

} // namespace tolvane::firmware
