#include "mdlHalvixDevices.h"

#include "halvix.h"

#include <algorithm>
#include <array>

namespace tolvane {
namespace {

constexpr int32_t kHalvixBufferSize = 255;

} // namespace

std::vector<TUsbDeviceIdentity> ListUsbDeviceIdentities() {
    std::vector<TUsbDeviceIdentity> devices;
    const int32_t count = DevInfo_UsbDevCount();
    for (int32_t index = 0; index < count; ++index) {
        std::array<char, kHalvixBufferSize> name{};
        std::array<uint8_t, kHalvixBufferSize> identifier{};
        int32_t length = 0;
        if (DevInfo_UsbDevInfo_VidPid(index, name.data(), &length, identifier.data(), 0, kHalvixBufferSize) !=
            HALVIX_OK) {
            continue;
        }
        TUsbDeviceIdentity device;
        device.Name.assign(name.data(), std::find(name.begin(), name.end(), '\0'));
        const auto used = static_cast<std::size_t>(std::clamp(length, 0, kHalvixBufferSize));
        for (std::size_t i = 0; i < used; ++i) {
            if (identifier[i] != 0) {
                device.Identity += static_cast<char>(identifier[i]);
            }
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

} // namespace tolvane
