// Small attribute files of sysfs, read with a bound on their size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace cobrix {

// Reads an attribute file of at most `maxBytes` bytes, trailing white space
// removed. Nothing when the file is missing, not a regular file, or longer.
std::optional<std::string> readSysfsAttribute(const std::string& path, size_t maxBytes);

// A four-digit hexadecimal identifier such as "20d1" (idVendor, idProduct).
std::optional<uint16_t> readSysfsIdentifier(const std::string& path);

} // namespace cobrix
