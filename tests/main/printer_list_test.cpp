// The printer list file: reading its lines, creating it with the default
// printer, and rewriting it without losing lines.
#include "TempFolder.h"
#include "mdlPrinterList.h"
#include "mdlTextLines.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

using test::ReadFile;
using test::TempFolder;

TEST(PrinterList, ReadsLinesOfThreeToFiveFieldsAndSkipsBlankOnes) {
    TempFolder folder;
    const std::string path = folder.Write("PrinterList.txt", "\n"
                                                             "Kavo-200|USB|USB\r\n"
                                                             "   \n"
                                                             "Tormund|COM|COM3,BAUDRATE_19200|front desk|0\n"
                                                             "Corla|NET|NET,10.0.0.5|note|1|extra\n"
                                                             "Pelso-80|LPT|LPT1|");
    const std::vector<TPrinterEntry> expected = {
        {"Kavo-200", "USB", "USB", "", ""},
        {"Tormund", "COM", "COM3,BAUDRATE_19200", "front desk", "0"},
        {"Corla", "NET", "NET,10.0.0.5", "note", "1"},
        {"Pelso-80", "LPT", "LPT1", "", ""},
    };
    EXPECT_EQ(ReadPrinterList(path), expected);
    EXPECT_TRUE(ReadPrinterList(folder / "missing.txt").empty());
}

TEST(PrinterList, MissingOrEmptyFileIsCreatedWithTheDefaultPrinter) {
    TempFolder folder;
    for (const char* content : {static_cast<const char*>(nullptr), "", "\n  \n"}) {
        const std::string path = folder / "PrinterList.txt";
        std::remove(path.c_str());
        if (content != nullptr) {
            folder.Write("PrinterList.txt", content);
        }
        const std::vector<TPrinterEntry> loaded = LoadOrCreatePrinterList(path, "Vorlan");
        EXPECT_EQ(loaded, (std::vector<TPrinterEntry>{{"Vorlan", "USB", "USB", "", ""}}));
        EXPECT_EQ(ReadFile(path), "Vorlan|USB|USB||\n");
    }
}

TEST(PrinterList, RewritesKeepEveryOtherLine) {
    TempFolder folder;
    const std::string path = folder.Write("PrinterList.txt", "A|USB|USB||0\r\n\r\nB|NET|NET,1.2.3.4||0");
    ASSERT_TRUE(AppendPrinter(path, {"C", "COM", "COM1,BAUDRATE_9600", "n", "0"}));
    EXPECT_EQ(ReadFile(path), "A|USB|USB||0\r\n\r\nB|NET|NET,1.2.3.4||0\nC|COM|COM1,BAUDRATE_9600|n|0\n");

    ASSERT_TRUE(ReplacePrinter(path, 1, {"B2", "LPT", "LPT2", "", "1"}));
    EXPECT_EQ(ReadFile(path), "A|USB|USB||0\nB2|LPT|LPT2||1\nC|COM|COM1,BAUDRATE_9600|n|0\n");
    EXPECT_FALSE(ReplacePrinter(path, 3, {"X", "USB", "USB", "", "0"}));
    EXPECT_EQ(ReadFile(path), "A|USB|USB||0\nB2|LPT|LPT2||1\nC|COM|COM1,BAUDRATE_9600|n|0\n");

    ASSERT_TRUE(WritePrinterList(path, {{"A", "USB", "USB", "", "0"}, {"C", "USB", "USB", "", ""}}));
    EXPECT_EQ(ReadFile(path), "\nA|USB|USB||0\nC|USB|USB||\n");
}

TEST(PrinterList, FieldTextCannotBreakTheLine) {
    const TPrinterEntry entry{"Kavo|200", "USB", "USB", "left|right\r\nnext", "0"};
    EXPECT_EQ(entry.Line(), "Kavo 200|USB|USB|left right  next|0");
    EXPECT_EQ(SplitFields(entry.Line(), '|').size(), 5u);
    EXPECT_EQ(CleanPrinterField(std::string(400, 'x')).size(), kMaxPrinterFieldBytes);
}

TEST(PrinterList, AFileTooLargeToCarryOverIsNotRewritten) {
    TempFolder folder;
    std::string big;
    while (big.size() <= kMaxTextFileBytes) {
        big += "Kavo-200|USB|USB|" + std::string(200, 'n') + "|0\n";
    }
    const std::string path = folder.Write("PrinterList.txt", big);
    EXPECT_FALSE(AppendPrinter(path, {"C", "USB", "USB", "", "0"}));
    EXPECT_FALSE(ReplacePrinter(path, 0, {"C", "USB", "USB", "", "0"}));
    EXPECT_EQ(ReadFile(path), big);
}

} // namespace
} // namespace tolvane
