#include "serial_port.h"

#include "device_file.h"
#include "device_names.h"
#include "result_codes.h"
#include "system_error.h"
#include "uri.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/ioctl.h>
#include <termios.h>

namespace cobrix {
namespace {

struct BaudRate {
    const char* text;
    int value;
    speed_t speed;
};

constexpr BaudRate kBaudRates[] = {
    {"1200", 1200, B1200},    {"2400", 2400, B2400},    {"4800", 4800, B4800},    {"9600", 9600, B9600},
    {"19200", 19200, B19200}, {"38400", 38400, B38400}, {"57600", 57600, B57600}, {"115200", 115200, B115200},
};

int parseParity(const char* text) {
    if (text == nullptr || std::strlen(text) != 1) {
        return -1;
    }
    switch (text[0]) {
    case 'n':
    case 'N':
        return 0;
    case 'o':
    case 'O':
        return 1;
    case 'e':
    case 'E':
        return 2;
    case 'm':
    case 'M':
        return 3;
    case 's':
    case 'S':
        return 4;
    default:
        return -1;
    }
}

int parseFlowControl(const char* text) {
    if (text == nullptr || std::strlen(text) != 1) {
        return -1;
    }
    switch (text[0]) {
    case 'n':
    case 'N':
        return 0;
    case 'd':
    case 'D':
        return kFlowDtrDsr;
    case 'c':
    case 'C':
        return kFlowRtsCts;
    case 'p':
    case 'P':
        return kFlowDtrDsr | kFlowRtsCts;
    case 'x':
    case 'X':
        return kFlowXonXoff;
    default:
        return -1;
    }
}

int parseStopBits(const char* text) {
    if (text == nullptr) {
        return -1;
    }
    if (std::strcmp(text, "1") == 0)
        return 0;
    if (std::strcmp(text, "1.5") == 0)
        return 1;
    if (std::strcmp(text, "2") == 0)
        return 2;
    return -1;
}

speed_t speedFor(int baudRate) {
    for (const BaudRate& b : kBaudRates) {
        if (b.value == baudRate) {
            return b.speed;
        }
    }
    return B9600;
}

tcflag_t sizeFlag(int byteSize) {
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

// Raises or lowers modem lines; a device without modem lines (a pseudo-terminal) ignores it.
void setModemLine(int fd, int line, bool on) {
    ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

} // namespace

int SerialPort::configure(const char* address) {
    ostrel_io_uri parsed;
    if (const int r = uri::parse(&parsed, address); r != kOk) {
        return r;
    }
    const char* baud = uri::option(&parsed, "baudrate");
    const BaudRate* rate = nullptr;
    for (const BaudRate& b : kBaudRates) {
        if (baud != nullptr && std::strcmp(baud, b.text) == 0) {
            rate = &b;
        }
    }
    if (rate == nullptr) {
        return kSerialBaudrate;
    }
    const int parity = parseParity(uri::option(&parsed, "parity"));
    if (parity < 0) {
        return kSerialParity;
    }
    const char* sizeText = uri::option(&parsed, "bytesize");
    const int byteSize = sizeText != nullptr ? std::atoi(sizeText) : 0;
    if (byteSize < 4 || byteSize > 8) {
        return kSerialByteSize;
    }
    const int stopBits = parseStopBits(uri::option(&parsed, "stopbits"));
    if (stopBits < 0) {
        return kSerialStopBits;
    }
    const int flow = parseFlowControl(uri::option(&parsed, "flowcontrol"));
    if (flow < 0) {
        return kSerialFlowControl;
    }
    baudRate_ = rate->value;
    parity_ = parity;
    byteSize_ = byteSize;
    stopBits_ = stopBits;
    flowControl_ = flow;
    deviceName_ = parsed.device;
    devicePath_ = devicePathFor(deviceName_);
    address_ = address;
    configured_ = true;
    return kOk;
}

int SerialPort::setTimeouts(int64_t read, int64_t gap, int64_t write) {
    automaticWriteTimeout_ = false;
    return FilePort::setTimeouts(read, gap, write);
}

int SerialPort::open() {
    if (automaticWriteTimeout_ && baudRate_ > 0) {
        const int64_t perChunk = (static_cast<int64_t>(chunkSize_) * 8 / baudRate_) * 600;
        writeConstantMs_ = std::max<int64_t>(2000, perChunk);
    }
    if (!configured_) {
        return kIoInvalidSetting;
    }
    if (isOpen()) {
        close();
    }
    if (const int r = openDevice(); r != kOk) {
        return r;
    }
    if (const int r = applyLineSettings(); r != kOk) {
        return r; // the device stays open until the port is closed or replaced
    }
    if (::tcflush(fd_, TCIOFLUSH) != 0) {
        return lastSystemError();
    }
    return kOk;
}

void composeLineSettings(termios& tio, int baudRate, int parity, int byteSize, int stopBits,
                         int flowControl) {
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= sizeFlag(byteSize);
    switch (parity) {
    case 1:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        tio.c_cflag |= PARENB;
        break;
    case 3:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case 4:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (stopBits != 0) {
        tio.c_cflag |= CSTOPB; // with 5 data bits the UART sends 1.5 stop bits
    }
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if ((flowControl & kFlowRtsCts) != 0) {
        tio.c_cflag |= CRTSCTS;
    }
    if ((flowControl & kFlowXonXoff) != 0) {
        tio.c_iflag |= IXON | IXOFF;
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = speedFor(baudRate);
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
}

int SerialPort::applyLineSettings() {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) {
        return kIoGetAttributes;
    }
    if (byteSize_ < 5) {
        return kIoSetAttributes; // termios offers 5 to 8 data bits
    }
    composeLineSettings(tio, baudRate_, parity_, byteSize_, stopBits_, flowControl_);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) {
        return kIoSetAttributes;
    }
    if (flowControl_ == 0) {
        setModemLine(fd_, TIOCM_DTR, false);
        setModemLine(fd_, TIOCM_RTS, false);
    }
    if ((flowControl_ & kFlowDtrDsr) != 0) {
        setModemLine(fd_, TIOCM_DTR, true);
    }
    if ((flowControl_ & kFlowRtsCts) != 0) {
        setModemLine(fd_, TIOCM_RTS, true);
    }
    return kOk;
}

int SerialPort::read(uint8_t* buffer, int offset, int length, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (const int ready = readyForIo(); ready != kOk) {
        return ready;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || length < 0) {
        return kBadParameter;
    }
    const ReadTiming timing{readIntervalMs_, readConstantMs_ + readMultiplierMs_ * length};
    return timedRead(fd_, buffer + offset, length, timing, cancel_, got);
}

int SerialPort::readPending(uint8_t* buffer, int offset, int end, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (const int ready = readyForIo(); ready != kOk) {
        return ready;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || end < offset) {
        return kBadParameter;
    }
    // A short look: 5 ms between bytes, 10 ms plus 1 ms per byte in all.
    const int length = end - offset;
    const ReadTiming timing{5, 10 + static_cast<int64_t>(length)};
    return timedRead(fd_, buffer + offset, length, timing, cancel_, got);
}

} // namespace cobrix
