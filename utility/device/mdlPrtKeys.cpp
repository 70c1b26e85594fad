#include "mdlPrtKeys.h"

#include "mdlHexText.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <algorithm>

namespace tolvane {
namespace {

constexpr int kKeyReplyWaitMs = 50;
constexpr int kKeyBytesWaitMs = 60;
constexpr int kKeyTextArea = 256;
constexpr size_t kKeyTextKept = 128;
constexpr int kMaxValueLength = 255;

int setKey(uint8_t group, uint16_t id, std::string_view value) {
    return WriteFrame(KeySetFrame(group, id, value)) ? 0 : -1;
}

// A one-shot numbered read: opens (when `wrap`), asks for `length` bytes,
// waits, reads them, closes. The count read; -1 failed write or read; 0 open failed.
int getKeyBytes(uint8_t group, uint16_t id, uint8_t length, int waitMs, bool wrap,
                std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (wrap && !PrtLib_BeginCommand()) {
        return 0;
    }
    if (const int written = PrtLib_Write(KeyGetFrame(group, id, length)); written != 0) {
        if (wrap) {
            PrtLib_EndCommand();
        }
        return KeepingResult(written, -1);
    }
    PauseMs(waitMs);
    int result = 0;
    bytes = ReadOnce(length, result);
    if (wrap) {
        PrtLib_EndCommand();
    }
    const int count = static_cast<int>(bytes.size());
    return KeepingResult(result, ReadFailed(result, count) ? -1 : count);
}

} // namespace

int KeySetText(uint8_t group, uint16_t id, std::string_view text, int length, bool lower) {
    if (length < 0 || length > kMaxValueLength) {
        return -1;
    }
    std::string value(static_cast<size_t>(length), '\0');
    std::copy_n(text.begin(), std::min(text.size(), value.size()), value.begin());
    return setKey(group, id, lower ? LowerAscii(value) : value);
}

int KeySetByte(uint8_t group, uint16_t id, uint8_t value) {
    return setKey(group, id, std::string(1, static_cast<char>(value)));
}

int KeySetWord(uint8_t group, uint16_t id, int value) {
    const std::string bytes = {static_cast<char>(value & 0xFF), static_cast<char>((value / 256) & 0xFF)};
    return setKey(group, id, bytes);
}

int KeySetWordSigned(uint8_t group, uint16_t id, int value) {
    const auto word = static_cast<uint16_t>(value);
    const std::string bytes = {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
    return setKey(group, id, bytes);
}

int KeySetBytes(uint8_t group, uint16_t id, std::span<const uint8_t> bytes) {
    if (bytes.size() > static_cast<size_t>(kMaxValueLength)) {
        return -1;
    }
    return setKey(group, id, std::string(bytes.begin(), bytes.end()));
}

std::string KeyGetText(uint8_t group, uint16_t id, uint8_t length) {
    if (!WriteFrame(KeyGetFrame(group, id, length))) {
        return {};
    }
    PauseMs(kKeyReplyWaitMs);
    bool ok = false;
    std::vector<uint8_t> reply = ReadUpToZero(kKeyTextArea, ok);
    reply.resize(std::min(reply.size(), kKeyTextKept));
    return BytesToText(reply);
}

int KeyGetByte(uint8_t group, uint16_t id, uint8_t& value, bool wrap) {
    std::vector<uint8_t> bytes;
    const int count = getKeyBytes(group, id, 1, kKeyReplyWaitMs, wrap, bytes);
    if (count == 1) {
        value = bytes[0];
    }
    return count;
}

int KeyGetWord(uint8_t group, uint16_t id, int16_t& value) {
    std::vector<uint8_t> bytes;
    const int count = getKeyBytes(group, id, 2, kKeyReplyWaitMs, true, bytes);
    if (count == 2) {
        value = static_cast<int16_t>(static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)));
    }
    return count;
}

int KeyGetBytes(uint8_t group, uint16_t id, uint8_t n, std::vector<uint8_t>& bytes) {
    const int count = getKeyBytes(group, id, n, kKeyBytesWaitMs, true, bytes);
    if (count < 0) {
        return -1;
    }
    return count == n ? n : 0;
}

} // namespace tolvane
