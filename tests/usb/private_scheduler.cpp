#include "private_scheduler.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace usbtest {
namespace {

namespace fs = std::filesystem;

constexpr auto kStartTimeout = std::chrono::seconds(10);

std::string findCupsd() {
    std::vector<std::string> folders = {"/usr/sbin", "/usr/local/sbin", "/sbin"};
    if (const char* path = std::getenv("PATH")) {
        std::stringstream list(path);
        for (std::string folder; std::getline(list, folder, ':');) {
            folders.push_back(folder);
        }
    }
    for (const std::string& folder : folders) {
        const std::string candidate = folder + "/cupsd";
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

std::string groupName() {
    const group* g = ::getgrgid(::getegid());
    return g != nullptr ? g->gr_name : "root";
}

bool connects(const std::string& socketPath) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof(address.sun_path) - 1);
    const bool ok = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return ok;
}

std::string lastLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::string last;
    while (std::getline(in, line)) {
        if (!line.empty()) {
            last = line;
        }
    }
    return last;
}

} // namespace

PrivateScheduler::PrivateScheduler(const std::vector<std::pair<std::string, std::string>>& queues) {
    const std::string cupsd = findCupsd();
    if (cupsd.empty()) {
        reason_ = "cupsd is not installed (Debian package cups-daemon)";
        return;
    }
    std::string pattern = (fs::temp_directory_path() / "cups.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        reason_ = "no temporary folder for the scheduler";
        return;
    }
    folder_ = pattern;
    socket_ = folder_ + "/cups.sock";
    if (socket_.size() >= sizeof(sockaddr_un::sun_path)) {
        reason_ = "the temporary folder's path is too long for a Unix socket";
        return;
    }
    for (const char* sub : {"spool", "tmp", "cache", "state", "log"}) {
        fs::create_directories(fs::path(folder_) / sub);
    }
    std::ofstream(folder_ + "/cupsd.conf") << "Listen " << socket_ << "\n"
                                           << "LogLevel warn\nBrowsing No\nWebInterface No\n"
                                           << "DefaultAuthType None\n"
                                           << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n";
    std::ofstream(folder_ + "/cups-files.conf")
        << "ServerRoot " << folder_ << "\nRequestRoot " << folder_ << "/spool\nTempDir " << folder_
        << "/tmp\nCacheDir " << folder_ << "/cache\nStateDir " << folder_ << "/state\nErrorLog " << folder_
        << "/log/error_log\nAccessLog " << folder_ << "/log/access_log\nPageLog " << folder_
        << "/log/page_log\nSystemGroup " << groupName() << "\nFileDevice No\n";
    std::ofstream printers(folder_ + "/printers.conf");
    for (const auto& [name, uri] : queues) {
        printers << "<Printer " << name << ">\nDeviceURI " << uri
                 << "\nState Idle\nAccepting Yes\n</Printer>\n";
    }
    printers.close();
    start(cupsd);
}

void PrivateScheduler::start(const std::string& cupsd) {
    const std::string conf = folder_ + "/cupsd.conf";
    const std::string files = folder_ + "/cups-files.conf";
    const pid_t pid = ::fork();
    if (pid < 0) {
        reason_ = "fork failed";
        return;
    }
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execl(cupsd.c_str(), "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    pid_ = pid;
    if (!waitUntilListening()) {
        if (pid_ > 0) { // still running, but not listening: stop our own child
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
        return;
    }
    ::setenv("CUPS_SERVER", socket_.c_str(), 1);
}

bool PrivateScheduler::waitUntilListening() {
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            reason_ = "cupsd stopped at start: " + lastLine(fs::path(folder_) / "log/error_log");
            return false;
        }
        if (connects(socket_)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reason_ = "cupsd did not listen within 10 s";
    return false;
}

PrivateScheduler::~PrivateScheduler() {
    if (pid_ > 0) {
        ::unsetenv("CUPS_SERVER");
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

} // namespace usbtest
