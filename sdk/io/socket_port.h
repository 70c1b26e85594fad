// Network (TCP, bus "NET") and Bluetooth RFCOMM (bus "BT"/"Bluetooth")
// ports: a stream socket that reconnects by itself when the peer went away.
#pragma once

#include "port_ops.h"
#include "shared_state.h"

#include <string>
#include <sys/socket.h>

namespace cobrix {

class SocketPort : public PortOps {
  public:
    ~SocketPort() override;

    int getAddress(char* buffer, int capacity, int* length) override;
    int open() override;
    int close() override;
    int cancel() override;
    int checkOpen() override { return 0; }
    int setTimeouts(int64_t read, int64_t gap, int64_t write) override;
    int getTimeouts(int64_t* read, int64_t* gap, int64_t* write) override;
    int write(const uint8_t* buffer, int offset, int length, int* written) override;
    int read(uint8_t* buffer, int offset, int length, int* got) override;
    int readPending(uint8_t* buffer, int offset, int end, int* got) override;
    int control(int operation, const uint8_t* input, int inputLength, uint8_t* output, int outputCapacity,
                int* outputLength) override;

  protected:
    // The kind's remote address; 0 or an error code.
    virtual int remoteAddress(sockaddr_storage& address, socklen_t& length) const = 0;
    // A new stream socket of the kind's family; -1 with errno on failure.
    virtual int newSocket() const = 0;
    // Whether the socket is bound to any local address before connecting.
    virtual bool bindsBeforeConnect() const = 0;

    // Stores the device name; -302 when it does not fit its field.
    int keepDeviceName(const char* device);

    bool configured_ = false;
    std::string address_;
    std::string deviceName_;
    int64_t connectTimeoutMs_ = 200;

  private:
    int connectOnce();
    int connectWithRetry();
    void dropSocket();
    // Before a write: reconnects when the connection broke. 0 or the reconnect's result.
    int ensureConnection();

    int fd_ = -1;
    bool open_ = false;
    bool holdsLibrary_ = false;
    CancelFlag cancel_;
    int64_t firstByteWaitMs_ = 2000;
    int64_t nextByteWaitMs_ = 10;
    int64_t writePerByteMs_ = 0;
    int64_t writeConstantMs_ = 2000;
    int chunkSize_ = 4096;
    static constexpr int kSendBufferChunks = 16;
};

class NetworkPort : public SocketPort {
  public:
    int configure(const char* address) override;

  protected:
    int remoteAddress(sockaddr_storage& address, socklen_t& length) const override;
    int newSocket() const override;
    bool bindsBeforeConnect() const override { return true; }

  private:
    std::string ip_;
    uint16_t port_ = 9100;
};

class BluetoothPort : public SocketPort {
  public:
    BluetoothPort() { connectTimeoutMs_ = 2000; }
    int configure(const char* address) override;

  protected:
    int remoteAddress(sockaddr_storage& address, socklen_t& length) const override;
    int newSocket() const override;
    bool bindsBeforeConnect() const override { return false; }

  private:
    uint64_t deviceAddress_ = 0;
    std::string pin_;
};

} // namespace cobrix
