// The CPCL composition calls on the wire: the bytes each call sends, the
// ranges it refuses, and the checks every call shares.
#include "cpcl_printer_fixture.h"
#include "image_writers.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace cpcltest {
namespace {

using Call = std::function<int(PrinterHandle)>;

struct BytesCase {
    const char* name;
    Call call;
    std::string expected;
};

const std::vector<BytesCase>& bytesCases() {
    static const std::vector<BytesCase> cases = {
        {"label", [](PrinterHandle h) { return CPCL_AddLabel(h, 0, 400, 1); }, "! 0 200 200 400 1\r\n"},
        {"label negative", [](PrinterHandle h) { return CPCL_AddLabel(h, -5, 0, 3); },
         "! -5 200 200 0 3\r\n"},
        {"align left", [](PrinterHandle h) { return CPCL_SetAlign(h, 0); }, "LEFT\r\n"},
        {"align center", [](PrinterHandle h) { return CPCL_SetAlign(h, 1); }, "CENTER\r\n"},
        {"align right", [](PrinterHandle h) { return CPCL_SetAlign(h, 2); }, "RIGHT\r\n"},
        {"text", [](PrinterHandle h) { return CPCL_AddText(h, 0, 4, 0, 10, 20, u"Hello"); },
         "TEXT 4 0 10 20 Hello\r\n"},
        {"text 90", [](PrinterHandle h) { return CPCL_AddText(h, 1, 55, 7, 0, 0, u"a b"); },
         "TEXT90 55 7 0 0 a b\r\n"},
        {"text 180", [](PrinterHandle h) { return CPCL_AddText(h, 2, 1, 0, 1, 2, u"x"); },
         "TEXT180 1 0 1 2 x\r\n"},
        {"text 270", [](PrinterHandle h) { return CPCL_AddText(h, 3, 24, 3, 5, 6, u"y"); },
         "TEXT270 24 3 5 6 y\r\n"},
        {"text other rotation", [](PrinterHandle h) { return CPCL_AddText(h, 7, 20, 1, 5, 6, u"z"); },
         "TEXT 20 1 5 6 z\r\n"},
        {"text empty", [](PrinterHandle h) { return CPCL_AddText(h, 0, 8, 2, 3, 4, u""); },
         "TEXT 8 2 3 4 \r\n"},
        {"barcode", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 1, 50, 10, 20, u"12345"); },
         "BARCODE 128 1 1 50 10 20 12345\r\n"},
        {"barcode vertical last type",
         [](PrinterHandle h) { return CPCL_AddBarCode(h, 9, 41, 2, 25, 60, 0, 0, u"0123"); },
         "VBARCODE UPCE5 2 25 60 0 0 0123\r\n"},
        {"barcode ratio 20", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 10, 1, 20, 5, 1, 1, u"9"); },
         "BARCODE EAN13 1 20 5 1 1 9\r\n"},
        {"barcode ratio 30", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 23, 1, 30, 5, 1, 1, u"9"); },
         "BARCODE INDUST2OF5C 1 30 5 1 1 9\r\n"},
        {"barcode ratio 4", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 34, 1, 4, 5, 1, 1, u"9"); },
         "BARCODE UCCEAN128 1 4 5 1 1 9\r\n"},
        {"barcode text", [](PrinterHandle h) { return CPCL_AddBarCodeText(h, 1, 7, 0, 5); },
         "BARCODE-TEXT 7 0 5\r\n"},
        {"barcode text off", [](PrinterHandle h) { return CPCL_AddBarCodeText(h, 0, 7, 0, 5); },
         "BARCODE-TEXT OFF\r\n"},
        {"qr", [](PrinterHandle h) { return CPCL_AddQRCode(h, 0, 10, 20, 2, 6, 2, u"hello"); },
         "B QR 10 20 M 2 U 6 \r\nQ,hello\r\nENDQR\r\n"},
        {"qr vertical low", [](PrinterHandle h) { return CPCL_AddQRCode(h, 1, 0, 0, 1, 3, 0, u"a"); },
         "VB QR 0 0 M 1 U 3 \r\nL,a\r\nENDQR\r\n"},
        {"qr level m", [](PrinterHandle h) { return CPCL_AddQRCode(h, 0, 0, 0, 1, 3, 1, u"a"); },
         "B QR 0 0 M 1 U 3 \r\nM,a\r\nENDQR\r\n"},
        {"qr other level", [](PrinterHandle h) { return CPCL_AddQRCode(h, 0, 0, 0, 2, 3, 9, u"a"); },
         "B QR 0 0 M 2 U 3 \r\nH,a\r\nENDQR\r\n"},
        {"pdf417", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 5, 6, 2, 6, 3, 10, 2, u"pdf"); },
         "BARCODE PDF-417 5 6 XD 2 YD 6 C 3 R 10 S 2 B0\r\npdf\r\nENDPDF\r\n"},
        {"pdf417 vertical limits",
         [](PrinterHandle h) { return CPCL_AddPDF417(h, 1, 0, 0, 1, 1, 30, 90, 8, u"p"); },
         "VBARCODE PDF-417 0 0 XD 1 YD 1 C 30 R 90 S 8 B0\r\np\r\nENDPDF\r\n"},
        {"box", [](PrinterHandle h) { return CPCL_AddBox(h, 1, 2, 3, 4, 5); }, "BOX 1 2 3 4 5\r\n"},
        {"line", [](PrinterHandle h) { return CPCL_AddLine(h, -1, 0, 300, 0, 2); }, "LINE -1 0 300 0 2\r\n"},
        {"font size", [](PrinterHandle h) { return CPCL_SetFontSize(h, 16, 127); }, "SETMAG 16 127\r\n"},
        {"density", [](PrinterHandle h) { return CPCL_SetDensity(h, 3); }, "CONTRAST 3\r\n"},
        {"speed", [](PrinterHandle h) { return CPCL_SetSpeed(h, 5); }, "SPEED 5\r\n"},
        {"spacing", [](PrinterHandle h) { return CPCL_SetTextSpacing(h, 999); }, "SETSP 999\r\n"},
        {"left margin", [](PrinterHandle h) { return CPCL_SetLeftMargin(h, 0); }, "LMARGIN 0\r\n"},
        {"bold", [](PrinterHandle h) { return CPCL_SetTextBold(h, 5); }, "SETBOLD 5\r\n"},
        {"underline on", [](PrinterHandle h) { return CPCL_SetTextUnderline(h, 5); }, "UNDERLINE ON\r\n"},
        {"underline off", [](PrinterHandle h) { return CPCL_SetTextUnderline(h, 0); }, "UNDERLINE OFF\r\n"},
        {"abort", [](PrinterHandle h) { return CPCL_Abort(h); }, "ABORT\r\n"},
        {"print", [](PrinterHandle h) { return CPCL_Print(h); }, "PRINT\r\n"},
        {"next label", [](PrinterHandle h) { return CPCL_NextLabelPos(h); }, "FORM\r\n"},
        {"prefeed", [](PrinterHandle h) { return CPCL_PreFeed(h, -4000); }, "PREFEED -4000\r\n"},
        {"postfeed", [](PrinterHandle h) { return CPCL_PostFeed(h, 4000); }, "POSTFEED 4000\r\n"},
        {"bitmap",
         [](PrinterHandle h) {
             const unsigned char bits[] = {0xAB, 0x00, 0xFF, 0x0D};
             return CPCL_AddImageData(h, 0, 2, 2, 5, 6, bits);
         },
         std::string("COMPRESSED-GRAPHICS 2 2 5 6 \xAB\x00\xFF\x0D", 32)},
        {"bitmap vertical",
         [](PrinterHandle h) {
             const unsigned char bits[] = {0x80};
             return CPCL_AddImageData(h, 1, 1, 1, -3, 4, bits);
         },
         "VCOMPRESSED-GRAPHICS 1 1 -3 4 \x80"},
        {"bitmap empty", [](PrinterHandle h) { return CPCL_AddImageData(h, 0, 0, 0, 0, 0, nullptr); },
         "COMPRESSED-GRAPHICS 0 0 0 0 "},
    };
    return cases;
}

class CommandBytesTest : public CpclPrinterTest {};

TEST_F(CommandBytesTest, EachCallSendsItsCommandAtOnce) {
    for (const BytesCase& c : bytesCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(handle_), 0);
        expectNext(c.expected);
    }
}

TEST_F(CommandBytesTest, TextsGoOutInTheAnsiCodePage) {
    struct CodePageCase {
        const char* codePage;
        const char16_t* text;
        std::string bytes;
    };
    const CodePageCase cases[] = {
        {"1252", u"Gr\u00FC\u00DFe",
         "Gr\xFC\xDF"
         "e"},
        {"936", u"\u4E2D\u6587", "\xD6\xD0\xCE\xC4"},
        {"1252", u"\u4E2D", "?"},
    };
    const char* saved = std::getenv("COBRIX_ANSI_CODEPAGE");
    const std::string restore = saved != nullptr ? saved : "";
    for (const CodePageCase& c : cases) {
        SCOPED_TRACE(c.codePage);
        setenv("COBRIX_ANSI_CODEPAGE", c.codePage, 1);
        EXPECT_EQ(CPCL_AddText(handle_, 0, 4, 0, 1, 2, c.text), 0);
        expectNext("TEXT 4 0 1 2 " + c.bytes + "\r\n");
        EXPECT_EQ(CPCL_AddBarCode(handle_, 0, 0, 1, 1, 5, 1, 2, c.text), 0);
        expectNext("BARCODE 128 1 1 5 1 2 " + c.bytes + "\r\n");
    }
    if (saved != nullptr) {
        setenv("COBRIX_ANSI_CODEPAGE", restore.c_str(), 1);
    } else {
        unsetenv("COBRIX_ANSI_CODEPAGE");
    }
}

struct RefusedCase {
    const char* name;
    Call call;
    int result;
};

TEST_F(CommandBytesTest, ArgumentsOutOfRangeAreRefusedAndNothingIsSent) {
    const unsigned char bits[4] = {};
    const RefusedCase cases[] = {
        {"align 3", [](PrinterHandle h) { return CPCL_SetAlign(h, 3); }, -1},
        {"align -1", [](PrinterHandle h) { return CPCL_SetAlign(h, -1); }, -1},
        {"text font 5", [](PrinterHandle h) { return CPCL_AddText(h, 0, 5, 0, 0, 0, u"a"); }, -1},
        {"text font 0", [](PrinterHandle h) { return CPCL_AddText(h, 0, 0, 0, 0, 0, u"a"); }, -1},
        {"text size 8", [](PrinterHandle h) { return CPCL_AddText(h, 0, 4, 8, 0, 0, u"a"); }, -1},
        {"text size -1", [](PrinterHandle h) { return CPCL_AddText(h, 0, 4, -1, 0, 0, u"a"); }, -1},
        {"text null", [](PrinterHandle h) { return CPCL_AddText(h, 0, 4, 0, 0, 0, nullptr); }, -1},
        {"barcode type 42", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 42, 1, 1, 5, 0, 0, u"1"); },
         -1},
        {"barcode type -1", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, -1, 1, 1, 5, 0, 0, u"1"); },
         -1},
        {"barcode ratio 10", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 10, 5, 0, 0, u"1"); },
         -1},
        {"barcode ratio 5", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 5, 5, 0, 0, u"1"); },
         -1},
        {"barcode ratio 19", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 19, 5, 0, 0, u"1"); },
         -1},
        {"barcode ratio 31", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 31, 5, 0, 0, u"1"); },
         -1},
        {"barcode ratio -1", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, -1, 5, 0, 0, u"1"); },
         -1},
        {"barcode null", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 1, 5, 0, 0, nullptr); },
         -1},
        {"qr model 0", [](PrinterHandle h) { return CPCL_AddQRCode(h, 0, 0, 0, 0, 3, 0, u"a"); }, -1},
        {"qr model 3", [](PrinterHandle h) { return CPCL_AddQRCode(h, 0, 0, 0, 3, 3, 0, u"a"); }, -1},
        {"pdf columns 0", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 0, 1, 1, u"p"); },
         -1},
        {"pdf columns 31", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 31, 1, 1, u"p"); },
         -1},
        {"pdf rows -1", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 1, -1, 1, u"p"); }, -1},
        {"pdf rows 91", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 1, 91, 1, u"p"); }, -1},
        {"pdf security 9", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 1, 1, 9, u"p"); },
         -1},
        {"pdf security -1", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 1, 1, -1, u"p"); },
         -1},
        {"font width 17", [](PrinterHandle h) { return CPCL_SetFontSize(h, 17, 1); }, -1},
        {"font width -1", [](PrinterHandle h) { return CPCL_SetFontSize(h, -1, 1); }, -1},
        {"font height 128", [](PrinterHandle h) { return CPCL_SetFontSize(h, 1, 128); }, -1},
        {"density 4", [](PrinterHandle h) { return CPCL_SetDensity(h, 4); }, -1},
        {"density -1", [](PrinterHandle h) { return CPCL_SetDensity(h, -1); }, -1},
        {"speed 6", [](PrinterHandle h) { return CPCL_SetSpeed(h, 6); }, -1},
        {"spacing 1000", [](PrinterHandle h) { return CPCL_SetTextSpacing(h, 1000); }, -1},
        {"spacing -1", [](PrinterHandle h) { return CPCL_SetTextSpacing(h, -1); }, -1},
        {"margin 1000", [](PrinterHandle h) { return CPCL_SetLeftMargin(h, 1000); }, -1},
        {"bold 6", [](PrinterHandle h) { return CPCL_SetTextBold(h, 6); }, -1},
        {"prefeed 4001", [](PrinterHandle h) { return CPCL_PreFeed(h, 4001); }, -1},
        {"prefeed -4001", [](PrinterHandle h) { return CPCL_PreFeed(h, -4001); }, -1},
        {"postfeed 4001", [](PrinterHandle h) { return CPCL_PostFeed(h, 4001); }, -1},
        {"postfeed -4001", [](PrinterHandle h) { return CPCL_PostFeed(h, -4001); }, -1},
        {"bitmap 1000 bytes wide",
         [&](PrinterHandle h) { return CPCL_AddImageData(h, 0, 1000, 1, 0, 0, bits); }, -1},
        {"bitmap width -1", [&](PrinterHandle h) { return CPCL_AddImageData(h, 0, -1, 1, 0, 0, bits); }, -1},
        {"bitmap height -1", [&](PrinterHandle h) { return CPCL_AddImageData(h, 0, 1, -1, 0, 0, bits); }, -1},
        {"bitmap null", [](PrinterHandle h) { return CPCL_AddImageData(h, 0, 1, 1, 0, 0, nullptr); }, -1},
        {"bitmap over the pixel cap",
         [&](PrinterHandle h) { return CPCL_AddImageData(h, 0, 999, 4200, 0, 0, bits); }, -25},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.call(handle_), c.result);
        expectNothingSent();
    }
}

TEST_F(CommandBytesTest, CommandsBeyondTheirLimitAreRefusedWhole) {
    // "TEXT 4 0 1 2 " + text + "\r\n" is 510 bytes with 495 characters.
    const std::u16string fits(495, u'x');
    EXPECT_EQ(CPCL_AddText(handle_, 0, 4, 0, 1, 2, fits.c_str()), 0);
    expectNext("TEXT 4 0 1 2 " + std::string(495, 'x') + "\r\n");

    const std::u16string oneMore(496, u'x');
    const std::u16string huge(100000, u'x');
    for (const std::u16string* text : {&oneMore, &huge}) {
        EXPECT_EQ(CPCL_AddText(handle_, 0, 4, 0, 1, 2, text->c_str()), -2);
        EXPECT_EQ(CPCL_AddBarCode(handle_, 0, 0, 1, 1, 5, 0, 0, text->c_str()), -2);
        EXPECT_EQ(CPCL_AddQRCode(handle_, 0, 0, 0, 2, 3, 0, text->c_str()), -2);
        EXPECT_EQ(CPCL_AddPDF417(handle_, 0, 0, 0, 1, 1, 1, 1, 1, text->c_str()), -2);
        expectNothingSent();
    }
}

// One valid call of each of the composition functions.
std::vector<std::pair<const char*, Call>> everyFunction(const std::u16string& imagePath) {
    return {
        {"AddLabel", [](PrinterHandle h) { return CPCL_AddLabel(h, 0, 100, 1); }},
        {"SetAlign", [](PrinterHandle h) { return CPCL_SetAlign(h, 1); }},
        {"AddText", [](PrinterHandle h) { return CPCL_AddText(h, 0, 4, 0, 0, 0, u"a"); }},
        {"AddBarCode", [](PrinterHandle h) { return CPCL_AddBarCode(h, 0, 0, 1, 1, 5, 0, 0, u"1"); }},
        {"AddBarCodeText", [](PrinterHandle h) { return CPCL_AddBarCodeText(h, 1, 7, 0, 5); }},
        {"AddQRCode", [](PrinterHandle h) { return CPCL_AddQRCode(h, 0, 0, 0, 2, 3, 0, u"a"); }},
        {"AddPDF417", [](PrinterHandle h) { return CPCL_AddPDF417(h, 0, 0, 0, 1, 1, 1, 1, 1, u"p"); }},
        {"AddBox", [](PrinterHandle h) { return CPCL_AddBox(h, 0, 0, 1, 1, 1); }},
        {"AddLine", [](PrinterHandle h) { return CPCL_AddLine(h, 0, 0, 1, 1, 1); }},
        {"AddImage", [imagePath](PrinterHandle h) { return CPCL_AddImage(h, 0, 0, 0, imagePath.c_str()); }},
        {"AddImageData",
         [](PrinterHandle h) {
             const unsigned char bits[] = {0xF0};
             return CPCL_AddImageData(h, 0, 1, 1, 0, 0, bits);
         }},
        {"SetFontSize", [](PrinterHandle h) { return CPCL_SetFontSize(h, 1, 1); }},
        {"SetDensity", [](PrinterHandle h) { return CPCL_SetDensity(h, 1); }},
        {"SetSpeed", [](PrinterHandle h) { return CPCL_SetSpeed(h, 1); }},
        {"SetTextSpacing", [](PrinterHandle h) { return CPCL_SetTextSpacing(h, 1); }},
        {"SetLeftMargin", [](PrinterHandle h) { return CPCL_SetLeftMargin(h, 1); }},
        {"SetTextBold", [](PrinterHandle h) { return CPCL_SetTextBold(h, 1); }},
        {"SetTextUnderline", [](PrinterHandle h) { return CPCL_SetTextUnderline(h, 1); }},
        {"Abort", [](PrinterHandle h) { return CPCL_Abort(h); }},
        {"Print", [](PrinterHandle h) { return CPCL_Print(h); }},
        {"NextLabelPos", [](PrinterHandle h) { return CPCL_NextLabelPos(h); }},
        {"PreFeed", [](PrinterHandle h) { return CPCL_PreFeed(h, 1); }},
        {"PostFeed", [](PrinterHandle h) { return CPCL_PostFeed(h, 1); }},
    };
}

class CommonChecksTest : public CpclPrinterTest {
  protected:
    std::u16string imagePath() {
        const std::string path = tempPath("dot.bmp");
        IndexedPicture dot(1, 1, {{0, 0, 0}, {255, 255, 255}});
        writeFile(path, indexedBmpBytes(dot, 1));
        return std::u16string(path.begin(), path.end());
    }
};

TEST_F(CommonChecksTest, AModelWithoutCpclRefusesEveryFunction) {
    recreate(u"Vorlan");
    for (const auto& [name, call] : everyFunction(imagePath())) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(handle_), -3);
    }
    // Out-of-range arguments on such a model still report the model first.
    EXPECT_EQ(CPCL_SetAlign(handle_, 9), -3);
    EXPECT_EQ(printer_->received().size(), 0u);
}

TEST_F(CommonChecksTest, EveryFunctionWorksOnEveryCpclModel) {
    const std::u16string path = imagePath();
    for (const char16_t* model : {u"Corla-2", u"Corla-3", u"Corla-4", u"Sendo"}) {
        recreate(model);
        for (const auto& [name, call] : everyFunction(path)) {
            SCOPED_TRACE(name);
            EXPECT_EQ(call(handle_), 0);
        }
    }
    // Every round: a label of 17 commands ended by ABORT, then PRINT and FORM
    // each ending an empty label, and PREFEED and POSTFEED outside any label.
    const emulator::cpcl::JobRecorder recorder = recordAll(4 * 23);
    const std::vector<emulator::Record> records = printer_->records();
    EXPECT_EQ(
        std::count_if(records.begin(), records.end(), [](const auto& r) { return r.command == "cpcl"; }),
        4 * 23);
    EXPECT_EQ(recorder.commands().size(), 4u * 23u);
    for (const auto& command : recorder.commands()) {
        EXPECT_FALSE(command.keyword.empty()) << command.text();
    }
    const auto labels = recorder.labels();
    ASSERT_EQ(labels.size(), 4u * 4u);
    for (size_t round = 0; round < 4; ++round) {
        EXPECT_EQ(labels[4 * round].header, "! 0 200 200 100 1");
        EXPECT_EQ(labels[4 * round].commands.size(), 17u);
        EXPECT_EQ(labels[4 * round].end, "ABORT");
        EXPECT_EQ(labels[4 * round + 1].end, "PRINT");
        EXPECT_EQ(labels[4 * round + 2].end, "FORM");
        EXPECT_EQ(labels[4 * round + 3].commands.size(), 2u);
        EXPECT_EQ(labels[4 * round + 3].end, "");
    }
}

TEST_F(CommonChecksTest, AClosedPortIsReportedBeforeAnythingElse) {
    const std::u16string path = imagePath();
    ASSERT_EQ(PortClose(handle_), 0);
    for (const auto& [name, call] : everyFunction(path)) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(handle_), -309);
    }
    // Also on a model without CPCL, and on a handle that never had a port.
    recreate(u"Vorlan");
    ASSERT_EQ(PortClose(handle_), 0);
    EXPECT_EQ(CPCL_Print(handle_), -309);
    PrinterHandle fresh = nullptr;
    ASSERT_EQ(PrinterCreator(&fresh, u"Corla"), 0);
    EXPECT_EQ(CPCL_AddText(fresh, 0, 4, 0, 0, 0, u"a"), -309);
    PrinterDestroy(fresh);
}

TEST_F(CommonChecksTest, BadHandlesAreRefused) {
    const std::u16string path = imagePath();
    PrinterHandle destroyed = nullptr;
    ASSERT_EQ(PrinterCreator(&destroyed, u"Corla"), 0);
    ASSERT_EQ(PrinterDestroy(destroyed), 0);
    for (const auto& [name, call] : everyFunction(path)) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(nullptr), -6);
        EXPECT_EQ(call(destroyed), -6);
    }
}

} // namespace
} // namespace cpcltest
