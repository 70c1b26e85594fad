// A CUPS scheduler of the test's own: cupsd started in the foreground on a
// private configuration in a temporary folder, listening only on a Unix
// socket there, with the given queues. libcups in this process is pointed at
// it through CUPS_SERVER.
#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace usbtest {

class PrivateScheduler {
  public:
    // Queues as (name, device URI).
    explicit PrivateScheduler(const std::vector<std::pair<std::string, std::string>>& queues);
    ~PrivateScheduler();
    PrivateScheduler(const PrivateScheduler&) = delete;
    PrivateScheduler& operator=(const PrivateScheduler&) = delete;

    bool running() const { return pid_ > 0; }
    // Why the scheduler is not running.
    const std::string& reason() const { return reason_; }

  private:
    void start(const std::string& cupsd);
    bool waitUntilListening();

    std::string folder_;
    std::string socket_;
    pid_t pid_ = -1;
    std::string reason_;
};

} // namespace usbtest
