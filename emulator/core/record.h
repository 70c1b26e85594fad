#pragma once

#include "emulator/core/bytes.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

// One thing the printer received and what it did about it: a decoded
// command, a run of bytes it did not recognise ("raw"), a frame that never
// completed ("incomplete", "discarded"), or a change of the link ("connect",
// "disconnect").
struct Record {
    uint64_t sequence = 0;
    std::chrono::system_clock::time_point time;
    std::string link;                // "tcp" or "pty"
    std::string command;             // see the emulator's README for the names
    std::string key;                 // the key, action or numbered key ("1.312") the command names
    std::string value;               // the value or arguments it carried
    std::string note;                // what the printer made of it
    Bytes received;                  // the frame's bytes as they arrived
    Bytes reply;                     // what was sent back, after any fault
    std::vector<std::string> faults; // the fault rules that shaped the reply
    // The printer did not know what it was asked: a key its profile lacks
    // (read or written), an unknown action or verb, unrecognised bytes.
    bool unknown = false;
};

// "getval density", "raw": what an unknown request names, for the list of them.
std::string unknownRequestText(const Record& record);

// One readable line for the log (long byte runs are cut after 1024 bytes).
std::string describeRecord(const Record& record);

} // namespace emulator
