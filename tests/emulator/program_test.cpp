// The printer-emulator program: options, the listening lines, the log, and
// state kept across a restart.

#include "emulator_fixture.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace emutest {
namespace {

// The program started with `arguments`; its standard output and error are read through pipes.
class Program {
  public:
    explicit Program(const std::vector<std::string>& arguments) {
        int out[2];
        int err[2];
        EXPECT_EQ(::pipe(out), 0);
        EXPECT_EQ(::pipe(err), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            ::close(out[0]);
            ::close(err[0]);
            std::vector<char*> argv{const_cast<char*>(PRINTER_EMULATOR_PROGRAM)};
            for (const std::string& a : arguments) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            ::execv(PRINTER_EMULATOR_PROGRAM, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }

    ~Program() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
        ::close(err_);
    }

    // The next line of standard output, waiting up to 5 s.
    std::string line() {
        std::string text;
        char c = 0;
        pollfd p{out_, POLLIN, 0};
        while (::poll(&p, 1, 5000) > 0 && ::read(out_, &c, 1) == 1 && c != '\n') {
            text += c;
        }
        return text;
    }

    // Stops the program with `signal` (0: lets it end by itself) and gives its exit code.
    int finish(int signal = 0) {
        if (signal != 0) {
            ::kill(pid_, signal);
        }
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string errors() {
        std::string text;
        char buffer[512];
        ssize_t n = 0;
        while ((n = ::read(err_, buffer, sizeof(buffer))) > 0) {
            text.append(buffer, static_cast<size_t>(n));
        }
        return text;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
};

std::u16string tcpAddressFrom(const std::string& line) {
    const std::string prefix = "listening tcp 127.0.0.1:";
    EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
    const std::string address = "NET,127.0.0.1," + line.substr(prefix.size());
    return std::u16string(address.begin(), address.end());
}

Bytes exchange(const std::u16string& address, const Bytes& request, int replyLength) {
    PrinterHandle handle = nullptr;
    EXPECT_EQ(PrinterCreator(&handle, u"Vorlan"), 0);
    EXPECT_EQ(PortOpen(handle, address.c_str()), 0);
    EXPECT_EQ(WriteData(handle, request.data(), static_cast<int>(request.size())), 0);
    Bytes reply(static_cast<size_t>(replyLength));
    int got = 0;
    if (replyLength > 0) {
        ReadData(handle, reply.data(), replyLength, &got);
    }
    reply.resize(static_cast<size_t>(got));
    PortClose(handle);
    PrinterDestroy(handle);
    return reply;
}

const std::string kProfile = std::string(EMULATOR_PROFILES_DIR "/kavo_tspl.profile");

TEST(Program, StateIsKeptAcrossARestart) {
    TempFolder folder;
    const std::vector<std::string> arguments = {"--tcp",  "127.0.0.1:0",     "--profile",
                                                kProfile, "--state",         folder.path("state"),
                                                "--log",  folder.path("log")};
    {
        Program program(arguments);
        const std::u16string address = tcpAddressFrom(program.line());
        Bytes frames = privateFrame("setval ", "\"density\" \"13\"");
        const Bytes save = privateFrame("do ", "\"save_param\"");
        const Bytes check = privateFrame("getval ", "\"density\"");
        frames.insert(frames.end(), save.begin(), save.end());
        frames.insert(frames.end(), check.begin(), check.end());
        EXPECT_EQ(exchange(address, frames, 3), (Bytes{'1', '3', 0})); // the reply shows all was taken
        EXPECT_EQ(program.finish(SIGTERM), 0);
    }
    Program program(arguments);
    const std::u16string address = tcpAddressFrom(program.line());
    EXPECT_EQ(exchange(address, privateFrame("getval ", "\"density\""), 3), (Bytes{'1', '3', 0}));
    EXPECT_EQ(program.finish(SIGINT), 0);

    std::ifstream log(folder.path("log"));
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_NE(text.str().find("tcp setval density = \"13\" (stored)"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("tcp getval density (known key) | received 25: "
                              "\"\\x1B\\x1C& V1 getval \\\"density\\\"\\r\\n\" | replied 3: \"13\\x00\""),
              std::string::npos)
        << text.str();
}

TEST(Program, PtyAndFaultsFromTheCommandLine) {
    Program program({"--pty", "--fault", "query_language=corrupt"});
    const std::string line = program.line();
    ASSERT_EQ(line.rfind("listening pty /dev/pts/", 0), 0u) << line;
    const std::string address = line.substr(std::string("listening pty ").size()) + ",BAUDRATE_9600";
    EXPECT_EQ(exchange(std::u16string(address.begin(), address.end()), {0x1B, 0x1B, 0x08}, 1), Bytes{0xFE});
    EXPECT_EQ(program.finish(SIGTERM), 0);
}

TEST(Program, HelpAndBadInput) {
    Program help({"--help"});
    EXPECT_EQ(help.line(), "Usage: printer-emulator [options]");
    EXPECT_EQ(help.finish(), 0);

    struct Bad {
        std::vector<std::string> arguments;
        int code;
        const char* message;
    };
    const Bad cases[] = {
        {{"--bogus"}, 2, "unknown option \"--bogus\""},
        {{"--tcp"}, 2, "--tcp needs a value"},
        {{"--tcp", "localhost:80"}, 2, "the host is a dotted IPv4 address"},
        {{"--tcp", "127.0.0.1:70000"}, 2, "the port is a number from 0 to 65535"},
        {{"--fault", "*=slow"}, 2, "unknown kind"},
        {{"--pty=yes"}, 2, "--pty takes no value"},
        {{"--frame-timeout", "5"}, 2, "--frame-timeout is a number of milliseconds"},
        {{"--profile", "/nonexistent.profile", "--pty"}, 1, "cannot open /nonexistent.profile"},
    };
    for (const Bad& c : cases) {
        Program program(c.arguments);
        EXPECT_EQ(program.finish(), c.code) << c.message;
        EXPECT_NE(program.errors().find(c.message), std::string::npos) << c.message;
    }
}

} // namespace
} // namespace emutest
