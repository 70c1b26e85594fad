#pragma once

#include <string>

namespace emulator {

// A pseudo-terminal whose slave side (/dev/pts/N) is the printer's serial
// port as clients see it. The emulator holds the master and also keeps one
// slave descriptor open, so that the line settings (raw, no echo) persist
// and the master never sees a hang-up between clients.
class PtyEndpoint {
  public:
    PtyEndpoint() = default;
    ~PtyEndpoint();
    PtyEndpoint(const PtyEndpoint&) = delete;
    PtyEndpoint& operator=(const PtyEndpoint&) = delete;

    bool open(std::string& error);
    void close();

    int masterFd() const { return master_; }
    const std::string& path() const { return path_; }

    // Discards what the client wrote and the emulator has not read yet.
    void discardInput();

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

} // namespace emulator
