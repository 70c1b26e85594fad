// Positive result codes: system failures reported with the Windows-compatible
// numbers that callers of the SDK rely on (5 "already open", 10054 "reset",
// ...). Every errno goes through systemErrorFromErrno; a raw errno is never
// returned, because errno 5 (EIO) would read as "already open".
#pragma once

namespace cobrix {

enum SystemError : int {
    kErrInvalidFunction = 1,
    kErrFileNotFound = 2,
    kErrTooManyOpenFiles = 4,
    kErrAccessDenied = 5, // the device is held by another opener
    kErrNotEnoughMemory = 8,
    kErrWriteFault = 29,
    kErrReadFault = 30,
    kErrGenFailure = 31, // fallback for every errno without a closer match
    kErrInvalidParameter = 87,
    kErrSemTimeout = 121,
    kErrMessageNotFound = 317,
    kErrIoDevice = 1117,
    kErrPrivilegeNotHeld = 1314,
    kWsaAddressFamily = 10047,
    kWsaAddressInUse = 10048,
    kWsaNetDown = 10050,
    kWsaConnReset = 10054,
    kWsaNotConnected = 10057,
    kWsaTimedOut = 10060,
    kWsaConnRefused = 10061,
    kWsaHostDown = 10064,
    kWsaHostUnreachable = 10065,
    kWsaNotInitialised = 10093,
};

// Maps an errno value to the code above that names it.
int systemErrorFromErrno(int err);

// Maps the current errno.
int lastSystemError();

// English text for a positive code, or nullptr when there is none.
const char* systemErrorMessage(int code);

} // namespace cobrix
