// Canonical port addresses: "ostrel:/dev/bus/BUS/DEVICE?key=value+key=value".
#pragma once

#include "cobrix.h"

namespace cobrix::uri {

inline constexpr int kMaxTextLength = 255;
inline constexpr char kPrefix[] = "ostrel:/dev/bus/";

// Clears the record, then parses `text` into it. 0, -301 (too long), -1 (grammar).
int parse(ostrel_io_uri* uri, const char* text);

// Prints the record in canonical form. 0 or -2 (does not fit).
int print(const ostrel_io_uri* uri, char* buffer, int capacity);

// Builds a canonical address from parts; options with a null value are skipped.
int build(char* buffer, int capacity, const char* bus, const char* device, const char* const* keys,
          const char* const* values, int count);

// Value of the first option whose key equals `key` exactly, or nullptr.
const char* option(const ostrel_io_uri* uri, const char* key);

void clear(ostrel_io_uri* uri);

} // namespace cobrix::uri
