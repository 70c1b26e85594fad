#include "CoreFixture.h"

#include "mdlDebugLog.h"

#include <filesystem>
#include <thread>

namespace tolvane {
namespace {

using test::CoreTest;
using test::ReadFile;

constexpr TLocalTime kFixedTime{2024, 3, 3, 9, 5, 7, 42};

TEST_F(CoreTest, DebugLogLinesGoIntoTheDatedFileOfTheFlavour) {
    SetLocalClock([] { return kFixedTime; });
    struct Case {
        const char* toolType;
        const char* baseFolder;
    } cases[] = {{"Label", "Base_Label_20200117_160501"},
                 {"", "Base_Label_20200117_160501"},
                 {"Mobile", "Base_Mobile_20191114_181001"}};
    for (const Case& c : cases) {
        Globals().ToolType = c.toolType;
        const std::string file =
            home / "xx20050316094512/" + c.baseFolder + "/Log/DebugLog/logfile20240303.log";
        std::filesystem::remove(file);

        SetDebugMode(false);
        WriteDebugLog("not written");
        EXPECT_FALSE(std::filesystem::exists(file)) << c.toolType;

        SetDebugMode(true);
        EXPECT_EQ(DebugLogFile(), file);
        WriteDebugLog("ToolType:Label");
        WriteDebugLog("");
        EXPECT_EQ(ReadFile(file), "2024-03-03 09:05:07.042:ToolType:Label\n2024-03-03 09:05:07.042:\n")
            << c.toolType;
    }
}

TEST_F(CoreTest, MarkersAreTestedAtEachQuery) {
    EXPECT_FALSE(DebugMode());
    CreateSecondMarker();
    EXPECT_FALSE(DebugMode());
    CreateFirstMarker();
    EXPECT_TRUE(DebugMode());
    std::filesystem::remove(app / "x20061128153047.txt");
    EXPECT_TRUE(DebugMode()) << "once on, debug mode stays on";

    EXPECT_FALSE(IsTestDataMode());
    home.Write("xx20050316094512/dfile20050316094512-Real.txt", "");
    EXPECT_TRUE(IsTestDataMode());
    std::filesystem::remove(home / "xx20050316094512/dfile20050316094512-Real.txt");
    EXPECT_FALSE(IsTestDataMode()) << "asked anew each time";
}

TEST_F(CoreTest, StartLineIsWrittenWheneverTheFirstMarkerExists) {
    SetLocalClock([] { return kFixedTime; });
    Globals().ToolType = "Label";
    const std::string file =
        home / "xx20050316094512/Base_Mobile_20191114_181001/Log/DebugLog/logfile20240303.log";
    TGlobalVar withoutMarker;
    withoutMarker.WriteStartLine();
    EXPECT_FALSE(std::filesystem::exists(file));

    CreateFirstMarker();
    TGlobalVar withMarker;
    EXPECT_TRUE(withMarker.Debug);
    withMarker.WriteStartLine();
    EXPECT_FALSE(DebugMode());
    EXPECT_EQ(ReadFile(file), "2024-03-03 09:05:07.042:运行时间:2024-03-03 09:05:07-042\n");
}

TEST_F(CoreTest, ConcurrentLogWritesKeepWholeLines) {
    SetDebugMode(true);
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    const std::string text(300, 'x');
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&] {
            for (int i = 0; i < kLines; ++i) {
                WriteDebugLog(text);
            }
        });
    }
    for (std::thread& w : writers) {
        w.join();
    }
    const std::string content = ReadFile(DebugLogFile());
    std::size_t lines = 0;
    for (std::size_t pos = 0; pos < content.size(); ++lines) {
        const std::size_t end = content.find('\n', pos);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(content.substr(pos + 24, end - pos - 24), text);
        pos = end + 1;
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(kThreads * kLines));
}

TEST_F(CoreTest, MainWindowCreationWritesItsTwoLogLines) {
    SetLocalClock([] { return kFixedTime; });
    SetDebugMode(true);
    MainWindowCreateSteps(test::Args({}));
    EXPECT_TRUE(LogLockExists());
    EXPECT_EQ(ReadFile(DebugLogFile()), "2024-03-03 09:05:07.042:\n"
                                        "2024-03-03 09:05:07.042:运行时间:2024-03-03 09:05:07-042\n");
}

} // namespace
} // namespace tolvane
