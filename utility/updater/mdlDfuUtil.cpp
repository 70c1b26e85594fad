#include "mdlDfuUtil.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tolvane::updater {
namespace {

// The value of `key=` in a list line: quoted text or up to the next comma.
std::string Field(std::string_view line, std::string_view key) {
    const std::string pattern = std::string(key) + "=";
    std::size_t at = 0;
    for (;;) {
        at = line.find(pattern, at);
        if (at == std::string_view::npos) {
            return {};
        }
        // A whole word: at the start or after a space or comma.
        if (at == 0 || line[at - 1] == ' ' || line[at - 1] == ',') {
            break;
        }
        at += pattern.size();
    }
    std::size_t start = at + pattern.size();
    if (start < line.size() && line[start] == '"') {
        const std::size_t end = line.find('"', start + 1);
        return std::string(line.substr(start + 1, end == std::string_view::npos ? end : end - start - 1));
    }
    const std::size_t end = line.find(',', start);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

} // namespace

std::string TDfuDevice::Caption() const {
    std::string caption = "[" + vidPid + "] " + path + " alt " + alt;
    if (!name.empty()) {
        caption += "  " + name;
    }
    if (!serial.empty()) {
        caption += "  (" + serial + ")";
    }
    return caption;
}

std::string FindDfuUtil(std::string_view pathVariable) {
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(':', start);
        if (end == std::string_view::npos) {
            end = pathVariable.size();
        }
        // An empty entry means the current folder.
        const std::string_view folder = end > start ? pathVariable.substr(start, end - start) : ".";
        const std::string candidate = std::string(folder) + "/dfu-util";
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

std::vector<TDfuDevice> ParseDfuList(std::string_view output) {
    std::vector<TDfuDevice> devices;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string_view::npos) {
            end = output.size();
        }
        const std::string_view line = output.substr(start, end - start);
        start = end + 1;
        constexpr std::string_view kFound = "Found DFU: [";
        if (line.rfind(kFound, 0) != 0) {
            continue;
        }
        const std::size_t close = line.find(']', kFound.size());
        if (close == std::string_view::npos) {
            continue;
        }
        TDfuDevice device;
        device.vidPid = std::string(line.substr(kFound.size(), close - kFound.size()));
        device.path = Field(line, "path");
        device.alt = Field(line, "alt");
        device.name = Field(line, "name");
        device.serial = Field(line, "serial");
        if (device.vidPid.size() == 9 && device.vidPid[4] == ':' && !device.alt.empty()) {
            devices.push_back(std::move(device));
        }
    }
    return devices;
}

std::vector<std::string> DownloadArguments(const TDfuDevice& device, const std::string& file) {
    std::vector<std::string> args = {"-d", device.vidPid};
    if (!device.path.empty()) {
        args.insert(args.end(), {"-p", device.path});
    }
    args.insert(args.end(), {"-a", device.alt, "-D", file});
    return args;
}

std::optional<int> LastPercent(std::string_view output) {
    std::optional<int> percent;
    for (std::size_t at = output.find('%'); at != std::string_view::npos; at = output.find('%', at + 1)) {
        std::size_t digits = at;
        while (digits > 0 && at - digits < 3 && output[digits - 1] >= '0' && output[digits - 1] <= '9') {
            --digits;
        }
        const bool longer = digits > 0 && output[digits - 1] >= '0' && output[digits - 1] <= '9';
        if (digits < at && !longer) {
            const int value = std::stoi(std::string(output.substr(digits, at - digits)));
            if (value <= 100) {
                percent = value;
            }
        }
    }
    return percent;
}

} // namespace tolvane::updater
