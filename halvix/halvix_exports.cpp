// The exported entry points: a snapshot of the attached devices taken by
// the count and read by index.
#include "halvix.h"
#include "usb_device_list.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>

namespace {

std::mutex g_snapshotMutex;
std::optional<std::vector<halvix::UsbDevice>> g_snapshot;

// How many bytes of text fit into `capacity` bytes without splitting a UTF-8
// character.
size_t fittingLength(const std::string& text, size_t capacity) {
    if (text.size() <= capacity) {
        return text.size();
    }
    size_t length = capacity;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        --length;
    }
    return length;
}

} // namespace

extern "C" int32_t DevInfo_UsbDevCount(void) {
    std::vector<halvix::UsbDevice> devices = halvix::listUsbDevices();
    std::lock_guard lock(g_snapshotMutex);
    g_snapshot = std::move(devices);
    return static_cast<int32_t>(g_snapshot->size());
}

extern "C" int32_t DevInfo_UsbDevInfo_VidPid(int32_t index, char* name, int32_t* idLength,
                                             uint8_t* identifier, int32_t /*flags*/, int32_t bufferSize) {
    if (name == nullptr || idLength == nullptr || identifier == nullptr || bufferSize < 1) {
        return HALVIX_BAD_ARGUMENT;
    }
    const auto capacity = static_cast<size_t>(bufferSize);
    name[0] = '\0';
    *idLength = 0;
    std::lock_guard lock(g_snapshotMutex);
    if (!g_snapshot) {
        g_snapshot = halvix::listUsbDevices();
    }
    if (index < 0 || static_cast<size_t>(index) >= g_snapshot->size()) {
        return HALVIX_NO_SUCH_DEVICE;
    }
    const halvix::UsbDevice& device = (*g_snapshot)[static_cast<size_t>(index)];
    const std::string deviceName = halvix::deviceName(device);
    const size_t nameLength = fittingLength(deviceName, capacity - 1);
    std::memcpy(name, deviceName.data(), nameLength);
    name[nameLength] = '\0';
    const std::string hardwareId = halvix::hardwareIdentifier(device);
    const size_t idBytes = fittingLength(hardwareId, capacity);
    std::memcpy(identifier, hardwareId.data(), idBytes);
    *idLength = static_cast<int32_t>(idBytes);
    return HALVIX_OK;
}
