#include "mdlPortList.h"

#include "mdlFileUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <optional>

namespace tolvane {
namespace {

TPortRoots g_roots;

struct TNode {
    std::string prefix; // of the node name, such as "ttyUSB"
    unsigned number;
};

// The number after prefix in name ("ttyUSB12" -> 12), if name is prefix + digits.
std::optional<unsigned> NumberAfter(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 6 ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return std::nullopt;
    }
    unsigned number = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<unsigned>(name[i] - '0');
    }
    return number;
}

// The numbers of the nodes prefix + digits in folder, sorted; false when
// the folder cannot be read (a missing folder lists nothing).
bool NodeNumbers(const std::string& folder, const std::string& prefix, std::vector<unsigned>& numbers,
                 std::string& error) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return true;
        }
        error = folder + ": " + std::strerror(errno);
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (const auto number = NumberAfter(entry->d_name, prefix)) {
            numbers.push_back(*number);
        }
    }
    ::closedir(dir);
    std::sort(numbers.begin(), numbers.end());
    return true;
}

// A ttyS port is a real UART when the serial core reports a known type.
bool HasUart(unsigned number) {
    std::string type;
    const std::string path = g_roots.Sys + "class/tty/ttyS" + std::to_string(number) + "/type";
    if (!ReadWholeFile(path, 32, type)) {
        return false;
    }
    type.erase(std::remove_if(type.begin(), type.end(), [](char c) { return c < '0' || c > '9'; }),
               type.end());
    return !type.empty() && type != "0";
}

void ListSerial(TPortListing& listing) {
    std::vector<unsigned> numbers;
    if (!NodeNumbers(g_roots.Dev, "ttyS", numbers, listing.Error)) {
        return;
    }
    for (unsigned number : numbers) {
        if (HasUart(number)) {
            listing.Names.push_back("COM" + std::to_string(number + 1) + ":");
        }
    }
    for (const char* prefix : {"ttyUSB", "ttyACM"}) {
        numbers.clear();
        NodeNumbers(g_roots.Dev, prefix, numbers, listing.Error);
        for (unsigned number : numbers) {
            listing.Names.push_back("/dev/" + std::string(prefix) + std::to_string(number));
        }
    }
}

void ListParallel(TPortListing& listing) {
    std::vector<unsigned> numbers;
    if (!NodeNumbers(g_roots.Dev, "lp", numbers, listing.Error)) {
        return;
    }
    for (unsigned number : numbers) {
        listing.Names.push_back("LPT" + std::to_string(number + 1) + ":");
    }
    numbers.clear();
    NodeNumbers(g_roots.Dev + "usb/", "lp", numbers, listing.Error);
    for (unsigned number : numbers) {
        listing.Names.push_back("/dev/usb/lp" + std::to_string(number));
    }
}

} // namespace

void SetPortRoots(const TPortRoots& roots) {
    g_roots = roots;
}

const TPortRoots& PortRoots() {
    return g_roots;
}

TPortListing ListPorts(const std::string& kind) {
    TPortListing serial;
    TPortListing parallel;
    ListSerial(serial);
    ListParallel(parallel);
    TPortListing listing = kind == "COM" ? serial : kind == "LPT" ? parallel : TPortListing{};
    listing.Error = !serial.Error.empty() ? serial.Error : parallel.Error;
    listing.NonePresent = listing.Error.empty() && serial.Names.empty() && parallel.Names.empty();
    return listing;
}

std::string PortAddressOfName(const std::string& name) {
    std::string address = name;
    if (const auto colon = address.find(':'); colon != std::string::npos) {
        address.erase(colon, 1);
    }
    return address;
}

} // namespace tolvane
