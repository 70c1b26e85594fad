// The operation table of one port kind, and the port object that owns it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace cobrix {

// Port kind numbers kept in the port object.
enum class PortKind : int { Serial = 0, Parallel = 1, Usb = 2, Network = 3, File = 4, Bluetooth = 5 };

// One port kind's context and its twelve operations. Each kind implements
// every slot; slots a kind does not offer answer -7.
//
// Timeouts (set_timeouts / get_timeouts) are three millisecond values:
//   read    - file ports: the read total constant; socket ports: the first-byte wait
//   gap     - file ports: the read interval;        socket ports: the next-byte wait
//   write   - the write total constant
class PortOps {
  public:
    PortOps() = default;
    PortOps(const PortOps&) = delete;
    PortOps& operator=(const PortOps&) = delete;
    virtual ~PortOps() = default;

    virtual int configure(const char* address) = 0;
    virtual int getAddress(char* buffer, int capacity, int* length) = 0;
    virtual int open() = 0;
    virtual int close() = 0;
    virtual int cancel() = 0;
    virtual int checkOpen() = 0;
    virtual int setTimeouts(int64_t read, int64_t gap, int64_t write) = 0;
    virtual int getTimeouts(int64_t* read, int64_t* gap, int64_t* write) = 0;
    virtual int write(const uint8_t* buffer, int offset, int length, int* written) = 0;
    virtual int read(uint8_t* buffer, int offset, int length, int* got) = 0;
    virtual int readPending(uint8_t* buffer, int offset, int end, int* got) = 0;
    virtual int control(int operation, const uint8_t* input, int inputLength, uint8_t* output,
                        int outputCapacity, int* outputLength) = 0;
};

inline constexpr uint32_t kPortTag = 0x504f5254; // "PORT"

// A port created from an address; owned by a printer handle.
class PortObject {
  public:
    PortObject(PortKind kind, std::unique_ptr<PortOps> ops);
    ~PortObject();
    PortObject(const PortObject&) = delete;
    PortObject& operator=(const PortObject&) = delete;

    uint32_t tag = 0;
    PortKind kind;
    std::unique_ptr<PortOps> ops;

    bool valid() const { return tag == kPortTag && ops != nullptr; }
};

// The get_address slot of every kind: copies a port's normalised address
// (empty while the port is not configured). 0, -1 bad buffer, -2 too small.
int copyPortAddress(const std::string& address, bool configured, char* buffer, int capacity, int* length);

// Number of port objects alive in the process.
int portObjectCount();

// Creates a port object from an address (canonical or comma form) and
// configures it; the object is not yet open. 0 or an error code; on error
// `out` stays empty.
int createPort(std::unique_ptr<PortObject>& out, const char* address);

} // namespace cobrix
