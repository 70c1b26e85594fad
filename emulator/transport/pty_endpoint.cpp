#include "emulator/transport/pty_endpoint.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace emulator {

PtyEndpoint::~PtyEndpoint() {
    close();
}

bool PtyEndpoint::open(std::string& error) {
    close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name, sizeof(name)) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        if (master >= 0) {
            ::close(master);
        }
        return false;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios settings{};
    if (slave < 0 || ::tcgetattr(slave, &settings) != 0) {
        error = std::string("cannot open ") + name + ": " + std::strerror(errno);
        ::close(master);
        if (slave >= 0) {
            ::close(slave);
        }
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    ::tcsetattr(slave, TCSANOW, &settings);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    master_ = master;
    slave_ = slave;
    path_ = name;
    return true;
}

void PtyEndpoint::close() {
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    path_.clear();
}

void PtyEndpoint::discardInput() {
    if (master_ >= 0) {
        ::tcflush(master_, TCIFLUSH);
    }
}

} // namespace emulator
