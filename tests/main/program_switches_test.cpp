// `tolvane --help` and `--version` answer on the terminal and exit, without
// a display and before anything of the window system starts.
#include "mdlUsage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct TRun {
    int status = -1;
    std::string output;
};

// Runs the built program with no display of any kind in its environment.
TRun RunWithoutDisplay(const std::string& switches) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                std::string(TOLVANE_BUNDLE_DIR) + "tolvane' " + switches + " 2>&1";
    TRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0 && run.output.size() < 65536) {
        run.output.append(buffer, got);
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

TEST(ProgramSwitchesTest, HelpAndVersionAnswerWithoutADisplay) {
    for (const char* help : {"--help", "-h", "-EN --help"}) {
        const TRun run = RunWithoutDisplay(help);
        EXPECT_EQ(run.status, 0) << help << "\n" << run.output;
        EXPECT_EQ(run.output, tolvane::UsageText()) << help;
    }
    const TRun version = RunWithoutDisplay("--version");
    EXPECT_EQ(version.status, 0) << version.output;
    EXPECT_EQ(version.output, "tolvane " TOLVANE_VERSION "\n");
    // An ordinary start without a display says why instead of aborting.
    const TRun start = RunWithoutDisplay("-EN");
    EXPECT_EQ(start.status, 1) << start.output;
    EXPECT_NE(start.output.find("tolvane-cli"), std::string::npos) << start.output;
}

TEST(ProgramSwitchesTest, TheUsageNamesEverySwitchTheProgramReads) {
    const std::string usage = tolvane::UsageText();
    for (const char* word : {"--demo", "--edition", "-Factory", "-CN", "-EN", "-TW", "-JP", "-RU", "-PT",
                             "-ES", "-KR", "-SwitchDealer", "-SwitchTechnical",
                             "-SwitchCustomerServicePeople", "-SwitchProgrammer", "--version", "--help"}) {
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    }
    std::ostringstream none;
    EXPECT_FALSE(tolvane::AnswerInformationSwitches({"tolvane", "-EN", "--demo"}, "1", none).has_value());
    EXPECT_TRUE(none.str().empty());
}

} // namespace
