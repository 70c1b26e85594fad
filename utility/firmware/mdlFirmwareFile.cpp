#include "mdlFirmwareFile.h"

#include "mdlFileUtil.h"

#include <cstring>

namespace tolvane::firmware {
namespace {

std::uint32_t LittleEndian32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

} // namespace

TFileCheck ReadFirmwareFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    if (!FileExists(path)) {
        return TFileCheck::Missing;
    }
    std::string content;
    if (!ReadWholeFile(path, kMaxFirmwareFile, content)) {
        return TFileCheck::Unreadable;
    }
    if (content.empty()) {
        return TFileCheck::Empty;
    }
    bytes.resize(content.size());
    std::memcpy(bytes.data(), content.data(), content.size());
    return TFileCheck::Ok;
}

int TFirmwareSection::Steps() const {
    return 1 + static_cast<int>((static_cast<std::uint64_t>(dataLength) + kSectionChunkSize - 1) /
                                kSectionChunkSize);
}

std::string HeaderText(std::span<const std::uint8_t> field) {
    std::string text;
    for (const std::uint8_t byte : field) {
        if (byte <= 0x20) {
            break;
        }
        text.push_back(byte < 0x7F ? static_cast<char>(byte) : '?');
    }
    return text;
}

TSectionWalk WalkSections(std::span<const std::uint8_t> file) {
    TSectionWalk walk;
    if (file.empty()) {
        walk.check = TFileCheck::Empty;
        return walk;
    }
    std::size_t offset = 0;
    while (offset < file.size()) {
        walk.failedAt = offset;
        if (file.size() - offset < kSectionHeaderSize) {
            walk.check = TFileCheck::HeaderShort;
            return walk;
        }
        const std::uint8_t* header = file.data() + offset;
        const auto length = static_cast<std::int32_t>(LittleEndian32(header + 4));
        if (length < 0) {
            walk.check = TFileCheck::NegativeLength;
            return walk;
        }
        const std::size_t dataStart = offset + kSectionHeaderSize;
        if (static_cast<std::size_t>(length) > file.size() - dataStart) {
            walk.check = TFileCheck::PastEnd;
            return walk;
        }
        TFirmwareSection section;
        section.headerOffset = offset;
        section.dataLength = static_cast<std::uint32_t>(length);
        section.type = LittleEndian32(header + 8);
        section.name = HeaderText({header + 12, 32});
        section.version = HeaderText({header + 44, 32});
        walk.steps += section.Steps();
        walk.sections.push_back(std::move(section));
        offset = dataStart + static_cast<std::size_t>(length);
    }
    walk.failedAt = 0;
    return walk;
}

TFileCheck CheckOtaTransfer(std::uint64_t fileSize, std::int64_t packetLength) {
    if (fileSize == 0) {
        return TFileCheck::Empty;
    }
    if (packetLength <= 0 || packetLength > kMaxOtaPacketLength) {
        return TFileCheck::BadPacketLength;
    }
    if (fileSize > kMaxOtaFile) {
        return TFileCheck::TooLarge;
    }
    return TFileCheck::Ok;
}

std::string FileCheckTextKey(TFileCheck check) {
    switch (check) {
    case TFileCheck::Ok:
        return {};
    case TFileCheck::Missing:
        return "_Err_FileNotExist";
    case TFileCheck::Unreadable:
        return "FormFirmware_ErrUnreadable";
    case TFileCheck::Empty:
        return "FormFirmware_ErrEmpty";
    case TFileCheck::HeaderShort:
        return "FormFirmware_ErrHeaderShort";
    case TFileCheck::NegativeLength:
        return "FormFirmware_ErrNegativeLength";
    case TFileCheck::PastEnd:
        return "FormFirmware_ErrPastEnd";
    case TFileCheck::TooLarge:
        return "FormFirmware_ErrTooLarge";
    case TFileCheck::BadPacketLength:
        return "FormDownloadFont_ErrIO";
    }
    return {};
}

} // namespace tolvane::firmware
