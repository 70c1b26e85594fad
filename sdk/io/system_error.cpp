#include "system_error.h"

#include <cerrno>

namespace cobrix {

int systemErrorFromErrno(int err) {
    switch (err) {
    case EWOULDBLOCK: // flock() refused: another opener holds the device
    case EBUSY:       // TIOCEXCL refused, or the driver allows one opener
        return kErrAccessDenied;
    case EACCES:
    case EPERM:
        return kErrPrivilegeNotHeld;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return kErrFileNotFound;
    case EMFILE:
    case ENFILE:
        return kErrTooManyOpenFiles;
    case ENOMEM:
        return kErrNotEnoughMemory;
    case EINVAL:
        return kErrInvalidParameter;
    case EIO:
        return kErrIoDevice;
    case ENOTTY:
    case EOPNOTSUPP:
        return kErrInvalidFunction;
    case ECONNRESET:
    case EPIPE:
        return kWsaConnReset;
    case ETIMEDOUT:
        return kWsaTimedOut;
    case ECONNREFUSED:
        return kWsaConnRefused;
    case EHOSTUNREACH:
    case ENETUNREACH:
        return kWsaHostUnreachable;
    case EHOSTDOWN:
        return kWsaHostDown;
    case EAFNOSUPPORT:
    case EPROTONOSUPPORT:
    case ESOCKTNOSUPPORT:
        return kWsaAddressFamily;
    case EADDRINUSE:
    case EADDRNOTAVAIL:
        return kWsaAddressInUse;
    case ENETDOWN:
        return kWsaNetDown;
    case ENOTCONN:
        return kWsaNotConnected;
    default:
        return kErrGenFailure;
    }
}

int lastSystemError() {
    return systemErrorFromErrno(errno);
}

const char* systemErrorMessage(int code) {
    switch (code) {
    case kErrInvalidFunction:
        return "Incorrect function.";
    case kErrFileNotFound:
        return "The system cannot find the file specified.";
    case kErrTooManyOpenFiles:
        return "The system cannot open the file: too many files are open.";
    case kErrAccessDenied:
        return "Access is denied. The port is already open.";
    case kErrNotEnoughMemory:
        return "Not enough memory resources are available to process this command.";
    case kErrWriteFault:
        return "The system cannot write to the specified device.";
    case kErrReadFault:
        return "The system cannot read from the specified device.";
    case kErrGenFailure:
        return "A device attached to the system is not functioning.";
    case kErrInvalidParameter:
        return "The parameter is incorrect.";
    case kErrSemTimeout:
        return "The semaphore timeout period has expired.";
    case kErrIoDevice:
        return "The request could not be performed because of an I/O device error.";
    case kErrPrivilegeNotHeld:
        return "Permission denied: the user may not open this device. "
               "Check the user's device access groups.";
    case kWsaAddressFamily:
        return "An address incompatible with the requested protocol was used "
               "(the system has no support for this kind of connection, such as Bluetooth).";
    case kWsaAddressInUse:
        return "The requested address is not available.";
    case kWsaNetDown:
        return "A socket operation encountered a dead network.";
    case kWsaConnReset:
        return "An existing connection was forcibly closed by the remote host.";
    case kWsaNotConnected:
        return "A request to send or receive data was disallowed because the socket is not connected.";
    case kWsaTimedOut:
        return "A connection attempt failed because the connected party did not properly respond "
               "after a period of time.";
    case kWsaConnRefused:
        return "No connection could be made because the target machine actively refused it.";
    case kWsaHostDown:
        return "A socket operation failed because the destination host was down.";
    case kWsaHostUnreachable:
        return "A socket operation was attempted to an unreachable host.";
    case kWsaNotInitialised:
        return "The connection is closed and no other connection is active: open the port again.";
    default:
        return nullptr;
    }
}

} // namespace cobrix
