#pragma once

#include "emulator/core/bytes.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

// How the printer answers the firmware exchanges (profile section
// [firmware]; tests may change it through Emulator::changePrinter).
struct FirmwareBehaviour {
    uint32_t packetLength = 4096; // the "pack_length" answer
    uint8_t headerStatus = 0;     // the byte that acknowledges a section header
    uint8_t finalStatus = 0;      // the byte sent after the last section
    uint32_t otaRestartMs = 0;    // after "enter_ota": how long TCP connections are refused
};

// A section of a sectioned firmware file as the printer received it.
struct ReceivedSection {
    uint32_t type = 0;
    std::string name;
    std::string version;
    Bytes header;
    Bytes data;
};

// What the printer keeps of a firmware transfer.
struct FirmwareState {
    enum class Mode { Normal, Ota, Sections };
    Mode mode = Mode::Normal;
    FirmwareBehaviour behaviour;
    // Until then the printer restarts and takes no TCP connection.
    std::chrono::steady_clock::time_point restartingUntil{};

    // OTA: the image assembled from accepted packets, where the next packet
    // must start, and how many were accepted.
    Bytes otaImage;
    uint64_t otaNextOffset = 0;
    int otaPackets = 0;

    // Sectioned file: the sections announced in the headers (bytes 0 to 3
    // of every header), the sections received, and the data still expected
    // for the current one.
    uint32_t sectionsAnnounced = 0;
    std::vector<ReceivedSection> sections;
    bool expectingHeader = true;
    uint32_t dataLeft = 0;
    bool finished = false; // the final status was sent

    void enterOta() {
        mode = Mode::Ota;
        otaImage.clear();
        otaNextOffset = 0;
        otaPackets = 0;
    }
    void enterSections() {
        mode = Mode::Sections;
        sectionsAnnounced = 0;
        sections.clear();
        expectingHeader = true;
        dataLeft = 0;
        finished = false;
    }
};

// The OTA checksum: reflected CRC-32 (0xEDB88320) with the register
// starting at 0, inverted at the end.
uint32_t otaCrc(ByteView data);

} // namespace emulator
