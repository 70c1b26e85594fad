// Where the program writes: into its own folder when it runs as a bundle,
// into the per-user data folder when its folder is an installed one.
#include "CoreFixture.h"

#include "mdlFileUtil.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {
namespace {

using test::Args;
using test::CoreTest;

// Every path below folder, relative to it, sorted.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        paths.push_back(std::filesystem::relative(entry.path(), folder).string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST_F(CoreTest, WorkFolderFollowsTheInstalledMarker) {
    const std::string userFolder = home / "data/OstrelUtility/";
    struct Case {
        const char* name;
        bool marker;
        std::string expected;
    };
    const Case cases[] = {
        {"bundle", false, app.Path()},
        {"installed", true, userFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(app / kInstalledMarkerName);
        if (c.marker) {
            app.Write(kInstalledMarkerName, "");
        }
        EXPECT_EQ(AppFolderIsInstalled(), c.marker);
        EXPECT_EQ(WorkFolder(), c.expected);
        EXPECT_EQ(PerPrinterFolder(), c.expected + "PgmOrCdr/");
        EXPECT_EQ(ScratchBitmapFile(), c.expected + "CBT.bmp");
    }
}

TEST_F(CoreTest, StartUpFromAnInstalledFolderWritesNothingThere) {
    WriteFiles(kLabelLanguageFileName, test::kSmallLanguageFile);
    WriteFiles(kOptionFileName, "[Option]\nToolType=Label\n");
    app.Write(kInstalledMarkerName, "");
    const std::vector<std::string> before = Listing(app.Path());

    StartUp(Args({"-EN"}));

    EXPECT_EQ(Listing(app.Path()), before);
    EXPECT_TRUE(DirectoryExists(home / "data/OstrelUtility/PgmOrCdr"));
}

TEST_F(CoreTest, StartUpFromABundleKeepsItsFilesBesideTheProgram) {
    WriteFiles(kLabelLanguageFileName, test::kSmallLanguageFile);

    StartUp(Args({"-EN"}));

    EXPECT_TRUE(DirectoryExists(app / "PgmOrCdr"));
    EXPECT_FALSE(DirectoryExists(home / "data/OstrelUtility/PgmOrCdr"));
}

// A folder the user cannot write counts as installed even without the
// marker. Root writes everywhere, so only other users can see this.
TEST_F(CoreTest, ReadOnlyProgramFolderCountsAsInstalled) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into any folder";
    }
    ASSERT_EQ(::chmod(app.Path().c_str(), 0555), 0);
    const bool installed = AppFolderIsInstalled();
    const std::string work = WorkFolder();
    ::chmod(app.Path().c_str(), 0755);
    EXPECT_TRUE(installed);
    EXPECT_EQ(work, home / "data/OstrelUtility/");
}

} // namespace
} // namespace tolvane
