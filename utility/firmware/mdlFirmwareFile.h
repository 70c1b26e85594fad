// Firmware files as the printer receives them, checked before anything is
// sent: whole-file reading with a size bound, the walk over a sectioned
// file (each section a 76-byte header and its data) and the size rules of
// an OTA transfer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tolvane::firmware {

// The largest firmware file read into memory.
inline constexpr std::size_t kMaxFirmwareFile = 256u << 20;

enum class TFileCheck {
    Ok,
    Missing,     // no such file
    Unreadable,  // cannot be read, or larger than kMaxFirmwareFile
    Empty,       // no byte at all
    HeaderShort, // a section header is cut off by the end of the file
    NegativeLength,
    PastEnd,  // a section's data runs past the end of the file
    TooLarge, // more than an OTA transfer can address
    BadPacketLength,
};

// Reads the whole file into `bytes`.
TFileCheck ReadFirmwareFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Sectioned files.
inline constexpr std::size_t kSectionHeaderSize = 76;
inline constexpr std::size_t kSectionChunkSize = 1024;

struct TFirmwareSection {
    std::size_t headerOffset = 0; // where the 76-byte header starts
    std::uint32_t dataLength = 0;
    std::uint32_t type = 0;
    std::string name;    // header bytes 12..43 up to the first byte <= 0x20
    std::string version; // header bytes 44..75 likewise
    // 1 for the header and 1 per 1024-byte chunk of data.
    int Steps() const;
};

struct TSectionWalk {
    TFileCheck check = TFileCheck::Ok;
    std::size_t failedAt = 0; // the header offset of the section that failed
    std::vector<TFirmwareSection> sections;
    int steps = 0; // the transfer's step total
};

// Walks the file from offset 0 header by header. Any fault makes the whole
// file unusable: the walk stops with the fault and where it lies.
TSectionWalk WalkSections(std::span<const std::uint8_t> file);

// The text of a header field: bytes up to the first byte <= 0x20 (bytes
// beyond ASCII shown as '?').
std::string HeaderText(std::span<const std::uint8_t> field);

// OTA transfers: offsets and counts travel as 32-bit numbers, which the
// printer may take as signed; the file's last byte must lie below 2^31.
inline constexpr std::uint64_t kMaxOtaFile = 0x7FFFFFFFu;
// The packet length a printer may announce (1 byte to 1 MiB).
inline constexpr std::int64_t kMaxOtaPacketLength = 1 << 20;
TFileCheck CheckOtaTransfer(std::uint64_t fileSize, std::int64_t packetLength);

// The language key of a check's message (the refused file's name follows it).
std::string FileCheckTextKey(TFileCheck check);

} // namespace tolvane::firmware
