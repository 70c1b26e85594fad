#include "emulator/handlers/firmware_exchanges.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>
#include <memory>

namespace emulator {
namespace {

constexpr size_t kOtaHeadSize = 29; // the do "ota" frame, offset, length, CRC
constexpr size_t kSectionHeaderSize = 76;
constexpr size_t kSectionChunk = 1024;
// A packet longer than this is not waited for (the dispatcher's bound).
constexpr uint32_t kMaxOtaData = (16u << 20) - kOtaHeadSize;

uint32_t readLongLe(ByteView bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void putLongLe(Bytes& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

const Bytes& otaFrame() {
    static const Bytes frame = [] {
        Bytes bytes = kPrivatePrefix;
        const Bytes rest = bytesOf("do \"ota\"\r\n");
        bytes.insert(bytes.end(), rest.begin(), rest.end());
        return bytes;
    }();
    return frame;
}

std::string headerText(ByteView field) {
    std::string text;
    for (const uint8_t byte : field) {
        if (byte <= 0x20) {
            break;
        }
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

// A private "do" or "getval" line naming one key.
Scan scanKeyLine(ByteView pending, std::string_view verb, std::string_view key) {
    const Scan line = scanPrivateLine(pending, verb);
    if (line.verdict != Scan::Verdict::Complete) {
        return line;
    }
    return splitKey(privateLineText(pending.first(line.length), verb)).key == key ? line : Scan::noMatch();
}

class EnterOtaHandler : public Handler {
  public:
    std::string_view name() const override { return "enter_ota"; }
    Scan scan(ByteView pending) const override { return scanKeyLine(pending, "do ", "enter_ota"); }
    void handle(ByteView, Exchange& exchange) override {
        exchange.describe("do", "enter_ota");
        FirmwareState& state = exchange.printer().firmware();
        state.enterOta();
        state.restartingUntil =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(state.behaviour.otaRestartMs);
        exchange.dropConnection();
        exchange.addNote("restarting into OTA mode: connection dropped");
    }
};

class BinaryUpdateModeHandler : public Handler {
  public:
    std::string_view name() const override { return "dfu_mode"; }
    Scan scan(ByteView pending) const override { return scanLiteral(pending, kCommand); }
    void handle(ByteView, Exchange& exchange) override {
        exchange.describe("dfu_mode", hexText(kCommand));
        exchange.printer().firmware().enterOta();
        exchange.addNote("firmware update mode (OTA)");
    }

  private:
    const Bytes kCommand = {0x1D, 0x75, 0x55, 0xAA};
};

class PackLengthHandler : public Handler {
  public:
    std::string_view name() const override { return "pack_length"; }
    Scan scan(ByteView pending) const override { return scanKeyLine(pending, "getval ", "pack_length"); }
    void handle(ByteView, Exchange& exchange) override {
        exchange.describe("getval", "pack_length");
        Bytes reply;
        putLongLe(reply, exchange.printer().firmware().behaviour.packetLength);
        exchange.reply(std::move(reply));
        exchange.addNote("packet length, 4 bytes");
    }
};

class OtaPacketHandler : public Handler {
  public:
    std::string_view name() const override { return "ota_packet"; }
    Scan scan(ByteView pending) const override {
        const Bytes& frame = otaFrame();
        const size_t compared = std::min(pending.size(), frame.size());
        if (!std::equal(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(compared),
                        pending.begin())) {
            return Scan::noMatch();
        }
        if (pending.size() < kOtaHeadSize) {
            return Scan::needMore();
        }
        const uint32_t length = std::min(readLongLe(pending, 21), kMaxOtaData);
        return pending.size() >= kOtaHeadSize + length ? Scan::complete(kOtaHeadSize + length)
                                                       : Scan::needMore();
    }
    void handle(ByteView frame, Exchange& exchange) override {
        FirmwareState& state = exchange.printer().firmware();
        const uint32_t offset = readLongLe(frame, 17);
        const uint32_t length = readLongLe(frame, 21);
        const uint32_t crc = readLongLe(frame, 25);
        const ByteView data = frame.subspan(kOtaHeadSize);
        exchange.describe("ota_packet", std::to_string(offset), "length " + std::to_string(length));
        uint8_t status = 0;
        if (state.mode != FirmwareState::Mode::Ota) {
            status = 1;
            exchange.addNote("refused: not in OTA mode");
        } else if (offset != state.otaNextOffset) {
            status = 2;
            exchange.addNote("refused: expected offset " + std::to_string(state.otaNextOffset));
        } else if (length != data.size() || otaCrc(data) != crc) {
            status = 3;
            exchange.addNote("refused: CRC");
        } else {
            state.otaImage.insert(state.otaImage.end(), data.begin(), data.end());
            state.otaNextOffset += length;
            ++state.otaPackets;
            exchange.addNote("accepted");
        }
        Bytes reply = {0x1B, 0x1C, 0x26};
        putLongLe(reply, offset);
        reply.push_back(status);
        exchange.reply(std::move(reply));
    }
};

class DfuActionHandler : public Handler {
  public:
    std::string_view name() const override { return "dfu"; }
    Scan scan(ByteView pending) const override { return scanKeyLine(pending, "do ", "dfu"); }
    void handle(ByteView, Exchange& exchange) override {
        exchange.describe("do", "dfu");
        exchange.printer().firmware().enterSections();
        exchange.addNote("carried out: waiting for a sectioned file");
    }
};

// Headers and data of a sectioned file, while the printer waits for one.
class SectionHandler : public Handler {
  public:
    explicit SectionHandler(const Printer& printer) : printer_(printer) {}
    std::string_view name() const override { return "section"; }
    Scan scan(ByteView pending) const override {
        const FirmwareState& state = printer_.firmware();
        if (state.mode != FirmwareState::Mode::Sections || state.finished) {
            return Scan::noMatch();
        }
        // A private frame is a command, not a header: a transfer that was
        // given up leaves the printer able to hear "dfu" again.
        if (state.expectingHeader && scanLiteral(pending, kPrivatePrefix).verdict != Scan::Verdict::NoMatch) {
            return Scan::noMatch();
        }
        const size_t wanted =
            state.expectingHeader ? kSectionHeaderSize : std::min<size_t>(state.dataLeft, kSectionChunk);
        return pending.size() >= wanted ? Scan::complete(wanted) : Scan::needMore();
    }
    void handle(ByteView frame, Exchange& exchange) override {
        FirmwareState& state = exchange.printer().firmware();
        Bytes reply;
        if (state.expectingHeader) {
            ReceivedSection section;
            section.header.assign(frame.begin(), frame.end());
            section.type = readLongLe(frame, 8);
            section.name = headerText(frame.subspan(12, 32));
            section.version = headerText(frame.subspan(44, 32));
            const auto length = static_cast<int32_t>(readLongLe(frame, 4));
            state.sectionsAnnounced = readLongLe(frame, 0);
            state.dataLeft = length > 0 ? static_cast<uint32_t>(length) : 0;
            state.expectingHeader = state.dataLeft == 0;
            exchange.describe("section_header", section.name,
                              "length " + std::to_string(length) + " type " + std::to_string(section.type));
            state.sections.push_back(std::move(section));
            reply.push_back(state.behaviour.headerStatus);
            if (state.behaviour.headerStatus != 0) {
                exchange.addNote("header refused");
                state.finished = true;
            }
        } else {
            const size_t count = std::min<size_t>(frame.size(), state.dataLeft);
            Bytes& data = state.sections.back().data;
            data.insert(data.end(), frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(count));
            state.dataLeft -= static_cast<uint32_t>(count);
            state.expectingHeader = state.dataLeft == 0;
            exchange.describe(state.dataLeft == 0 && lastSection(state) ? "section_end" : "section_data",
                              state.sections.back().name, std::to_string(count) + " bytes");
        }
        if (!state.finished && state.expectingHeader && lastSection(state)) {
            // The last section is complete: the printer reports the outcome.
            reply.push_back(state.behaviour.finalStatus);
            state.finished = true;
            state.mode = FirmwareState::Mode::Normal;
            exchange.addNote("final status " + std::to_string(state.behaviour.finalStatus));
        }
        if (!reply.empty()) {
            exchange.reply(std::move(reply));
        }
    }

  private:
    static bool lastSection(const FirmwareState& state) {
        return state.sections.size() >= std::max<uint32_t>(state.sectionsAnnounced, 1);
    }
    const Printer& printer_;
};

} // namespace

void addFirmwareHandlers(HandlerSet& handlers, Printer& printer) {
    handlers.add(std::make_shared<SectionHandler>(printer), kRankSpecific);
    handlers.add(std::make_shared<EnterOtaHandler>(), kRankSpecific);
    handlers.add(std::make_shared<BinaryUpdateModeHandler>(), kRankSpecific);
    handlers.add(std::make_shared<PackLengthHandler>(), kRankSpecific);
    handlers.add(std::make_shared<OtaPacketHandler>(), kRankSpecific);
    handlers.add(std::make_shared<DfuActionHandler>(), kRankSpecific);
}

} // namespace emulator
