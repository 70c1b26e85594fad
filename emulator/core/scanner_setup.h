#pragma once

#include "emulator/core/bytes.h"

namespace emulator {

// The printer's code scanner: which scan trigger it answers and with what.
struct ScannerSetup {
    int answerOn = 1; // answers every answerOn-th trigger (counting since its last answer); 0: never
    Bytes text;       // the scanned text it sends back
};

// Longest scanned text and largest trigger count of a profile.
constexpr size_t kMaxScannedText = 4096;
constexpr int kMaxScanAnswerOn = 1000;

} // namespace emulator
