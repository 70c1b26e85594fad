#include "device_names.h"

#include <cctype>

namespace cobrix {
namespace {

// Number n of "PREFIXn" (prefix compared without case), or -1.
int numberedName(const std::string& name, const char* prefix) {
    size_t i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i >= name.size() || std::toupper(static_cast<unsigned char>(name[i])) != prefix[i]) {
            return -1;
        }
    }
    if (i == name.size() || name.size() - i > 4) {
        return -1;
    }
    int n = 0;
    for (; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
            return -1;
        }
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

} // namespace

std::string devicePathFor(const std::string& deviceName) {
    if (!deviceName.empty() && deviceName[0] == '/') {
        return deviceName;
    }
    if (const int n = numberedName(deviceName, "COM"); n >= 1) {
        return "/dev/ttyS" + std::to_string(n - 1);
    }
    if (const int n = numberedName(deviceName, "LPT"); n >= 1) {
        return "/dev/lp" + std::to_string(n - 1);
    }
    return "/dev/" + deviceName;
}

} // namespace cobrix
