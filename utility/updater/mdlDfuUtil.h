// What Brakwell, the firmware updater for printers in DFU mode, knows of
// the Linux DFU tool dfu-util: where it is, the devices its list names,
// the arguments of a download and the progress in its output.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::updater {

// A device in DFU mode as "dfu-util -l" lists it.
struct TDfuDevice {
    std::string vidPid; // "2aaf:9001"
    std::string path;   // the USB bus path ("1-1.4")
    std::string alt;    // the alternate setting
    std::string name;
    std::string serial;
    // What the list shows of it.
    std::string Caption() const;
};

// The dfu-util program on PATH (`pathVariable` as in the environment);
// empty when there is none.
std::string FindDfuUtil(std::string_view pathVariable);

// The devices in DFU mode of a "dfu-util -l" output ("Found DFU: ..."
// lines; devices still in run-time mode are left out).
std::vector<TDfuDevice> ParseDfuList(std::string_view output);

// The arguments that download `file` to one device.
std::vector<std::string> DownloadArguments(const TDfuDevice& device, const std::string& file);

// The last percentage in a piece of dfu-util's output ("... 45%"), if any.
std::optional<int> LastPercent(std::string_view output);

} // namespace tolvane::updater
