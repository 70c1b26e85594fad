// The encodings of the parameter block, one table of cases each way: what a
// control shows for some bytes, and which bytes a control's value becomes.
#include "mdlBlockCodecs.h"
#include "mdlEscCodePages.h"

#include <gtest/gtest.h>

namespace tolvane::params {
namespace {

using C = TBlockCodec;

std::vector<std::string> Numbers(int from, int to, int step = 1) {
    std::vector<std::string> items;
    for (int n = from; n <= to; n += step) {
        items.push_back(std::to_string(n));
    }
    return items;
}

const std::vector<std::string> kDensity = Numbers(0, 15);   // 16 entries
const std::vector<std::string> kHeat = Numbers(-50, 50, 5); // 21 entries
const std::vector<std::string> kSpeed = Numbers(2, 8);
const std::vector<std::string> kDovrinPaper = {"label", "continuous", "black mark"};
const std::vector<std::string> kPelsoPaper = {"auto", "label", "continuous", "black mark"};
const std::vector<std::string> kEdit = {};

constexpr uint8_t kAt = 40; // where the cases put their field

// A form with one control "c": a list when it has entries, an edit otherwise.
struct OneControl {
    explicit OneControl(const std::vector<std::string>& items, TControlKind kind = TControlKind::List) {
        TControl& control =
            form.Add("c", items.empty() && kind == TControlKind::List ? TControlKind::Edit : kind);
        control.items = items;
        control.index = items.empty() ? -1 : 0;
    }
    TFormModel form;
};

TBlockField Field(C codec, uint8_t width = 1) {
    return {kAt, "c", codec, width, 0};
}

struct UnpackCase {
    const char* what;
    C codec;
    uint8_t width;
    std::vector<std::string> items;
    std::vector<uint8_t> bytes; // at kAt
    int index;                  // expected selection (lists); ignored for edits
    std::string text;           // expected selected entry or edit text
};

TEST(BlockCodecs, UnpackShowsWhatTheBytesMean) {
    const std::vector<std::string> codePages = EscCodePageListNames();
    const UnpackCase cases[] = {
        {"density below the entries", C::PositionUpTo, 1, kDensity, {15}, 15, "15"},
        {"density equal to the entries selects nothing", C::PositionUpTo, 1, kDensity, {16}, -1, ""},
        {"density above the entries selects entry 0", C::PositionUpTo, 1, kDensity, {17}, 0, "0"},
        {"position beyond the entries selects entry 0", C::Position, 1, kPelsoPaper, {4}, 0, "auto"},
        {"position inside", C::Position, 1, kPelsoPaper, {3}, 3, "black mark"},
        {"radio beyond its items", C::Radio, 1, {"off", "on"}, {7}, 0, "off"},
        {"heat -15 from 241 and 255", C::Heat, 2, kHeat, {241, 255}, 7, "-15"},
        {"heat 10", C::Heat, 2, kHeat, {10, 0}, 12, "10"},
        {"heat 241 with sign 0 is not in the list", C::Heat, 2, kHeat, {241, 0}, 0, "-50"},
        {"speed byte 5", C::Speed, 1, kSpeed, {5}, 3, "5"},
        {"speed byte 9 beyond the list", C::Speed, 1, kSpeed, {9}, 0, "2"},
        {"speed byte below 2 selects nothing", C::Speed, 1, kSpeed, {1}, -1, ""},
        {"code page 33 is WPC775", C::CodePage, 1, codePages, {33}, 18, "WPC775"},
        {"code page 67 is CP790, not listed", C::CodePage, 1, codePages, {67}, 0, "Default"},
        {"code page not in the table", C::CodePage, 1, codePages, {250}, 0, "Default"},
        {"Dovrin paper: byte 3 is black mark", C::PositionPlusOne, 1, kDovrinPaper, {3}, 2, "black mark"},
        {"Dovrin paper: byte 4 beyond", C::PositionPlusOne, 1, kDovrinPaper, {4}, 0, "label"},
        {"Dovrin paper: byte 0 selects nothing", C::PositionPlusOne, 1, kDovrinPaper, {0}, -1, ""},
        {"protocol number not in the list", C::Protocol, 1, {"ESC", "TSPL"}, {2}, -1, ""},
        {"length 224 1 is 60 mm", C::Length, 2, kEdit, {224, 1}, 0, "60"},
        {"length rounds down", C::Length, 2, kEdit, {231, 1}, 0, "60"},
        {"number", C::Number, 1, kEdit, {255}, 0, "255"},
        {"voltage 1862 is 1.5 V", C::Voltage, 2, kEdit, {0x46, 0x07}, 0, "1.5"},
        {"voltage 4096 is 3.3 V", C::Voltage, 2, kEdit, {0x00, 0x10}, 0, "3.3"},
        {"name stops at a space", C::Text, 16, kEdit, {'M', 'y', ' ', 'P', 'r', 't'}, 0, "My"},
        {"name fills its 16 bytes", C::Text, 16, kEdit, std::vector<uint8_t>(17, 'A'), 0,
         std::string(16, 'A')},
        {"name byte above 127 as its Latin-1 character", C::Text, 4, kEdit, {'J', 0xE9}, 0, "J\xC3\xA9"},
    };
    for (const UnpackCase& c : cases) {
        OneControl one(c.items);
        TConfigBlock block{};
        std::copy(c.bytes.begin(), c.bytes.end(), block.begin() + kAt);
        UnpackField(Field(c.codec, c.width), block, one.form);
        const TControl& control = one.form["c"];
        if (control.kind == TControlKind::List) {
            EXPECT_EQ(control.index, c.index) << c.what;
            EXPECT_EQ(control.SelectedText(), c.text) << c.what;
        } else {
            EXPECT_EQ(control.text, c.text) << c.what;
        }
    }
}

TEST(BlockCodecs, TickAndProtocolNumbers) {
    OneControl tick({}, TControlKind::Check);
    TConfigBlock block{};
    block[kAt] = 1;
    UnpackField(Field(C::Tick), block, tick.form);
    EXPECT_EQ(tick.form["c"].index, 1);
    tick.form["c"].index = 0;
    ASSERT_TRUE(PackField(Field(C::Tick), tick.form, block));
    EXPECT_EQ(block[kAt], 0);

    // A name=value list whose only entry stands for the number 1.
    OneControl protocol({"TSPL"});
    block[kAt] = 1;
    UnpackField(Field(C::Protocol), block, protocol.form, {"1"});
    EXPECT_EQ(protocol.form["c"].index, 0);
    block[kAt] = 0;
    ASSERT_TRUE(PackField(Field(C::Protocol), protocol.form, block, {"1"}));
    EXPECT_EQ(block[kAt], 1);
}

struct PackCase {
    const char* what;
    C codec;
    uint8_t width;
    std::vector<std::string> items;
    int index;        // the list selection, or -1
    std::string text; // the edit text
    bool ok;
    std::vector<uint8_t> bytes; // expected at kAt (when ok)
};

TEST(BlockCodecs, PackWritesTheValueOrRefusesIt) {
    const std::vector<std::string> codePages = EscCodePageListNames();
    const auto page = [&](const char* name) {
        return static_cast<int>(std::find(codePages.begin(), codePages.end(), name) - codePages.begin());
    };
    const PackCase cases[] = {
        {"heat -15", C::Heat, 2, kHeat, 7, "", true, {241, 255}},
        {"heat 10", C::Heat, 2, kHeat, 12, "", true, {10, 0}},
        {"speed 5", C::Speed, 1, kSpeed, 3, "", true, {5}},
        {"no speed selected keeps the byte", C::Speed, 1, kSpeed, -1, "", true, {0xEE}},
        {"no density selected keeps the byte", C::PositionUpTo, 1, kDensity, -1, "", true, {0xEE}},
        {"code page WPC775 is 33", C::CodePage, 1, codePages, page("WPC775"), "", true, {33}},
        {"code page ABICOMP is 67", C::CodePage, 1, codePages, page("ABICOMP"), "", true, {67}},
        {"Pelso paper continuous at 59", C::Position, 1, kPelsoPaper, 2, "", true, {2}},
        {"Pelso sensing for continuous", C::PelsoPaperSense, 1, kPelsoPaper, 2, "", true, {0}},
        {"Pelso sensing for label", C::PelsoPaperSense, 1, kPelsoPaper, 1, "", true, {1}},
        {"Pelso sensing for black mark", C::PelsoPaperSense, 1, kPelsoPaper, 3, "", true, {2}},
        {"Dovrin paper continuous", C::PositionPlusOne, 1, kDovrinPaper, 1, "", true, {2}},
        {"Dovrin sensing for continuous", C::DovrinPaperSense, 1, kDovrinPaper, 1, "", true, {0}},
        {"Dovrin paper label", C::PositionPlusOne, 1, kDovrinPaper, 0, "", true, {1}},
        {"Dovrin sensing for label", C::DovrinPaperSense, 1, kDovrinPaper, 0, "", true, {1}},
        {"length 60 mm", C::Length, 2, kEdit, -1, "60", true, {224, 1}},
        {"length 8191 mm is the longest", C::Length, 2, kEdit, -1, "8191", true, {0xF8, 0xFF}},
        {"length beyond a word", C::Length, 2, kEdit, -1, "8192", false, {}},
        {"length not a number", C::Length, 2, kEdit, -1, "6O", false, {}},
        {"number 255", C::Number, 1, kEdit, -1, " 255 ", true, {255}},
        {"number 256", C::Number, 1, kEdit, -1, "256", false, {}},
        {"number empty", C::Number, 1, kEdit, -1, "", false, {}},
        {"number negative", C::Number, 1, kEdit, -1, "-1", false, {}},
        {"voltage 1.5 V", C::Voltage, 2, kEdit, -1, "1.5", true, {0x46, 0x07}},
        {"voltage above 3.3 V", C::Voltage, 2, kEdit, -1, "3.4", false, {}},
        {"voltage not a number", C::Voltage, 2, kEdit, -1, "1.2.3", false, {}},
        {"name padded with zeros", C::Text, 4, kEdit, -1, "AB", true, {'A', 'B', 0, 0}},
        {"name with a space", C::Text, 16, kEdit, -1, "My Printer", false, {}},
        {"name longer than its field", C::Text, 4, kEdit, -1, "ABCDE", false, {}},
        {"name with a Latin-1 character", C::Text, 4, kEdit, -1, "J\xC3\xA9", true, {'J', 0xE9, 0, 0}},
        {"name with a character no byte holds", C::Text, 4, kEdit, -1, "\xE4\xB8\xAD", false, {}},
    };
    for (const PackCase& c : cases) {
        OneControl one(c.items);
        one.form["c"].index = c.index;
        one.form["c"].text = c.text;
        TConfigBlock block{};
        std::fill(block.begin(), block.end(), 0xEE);
        const TConfigBlock before = block;
        const bool ok = PackField(Field(c.codec, c.width), one.form, block);
        EXPECT_EQ(ok, c.ok) << c.what;
        if (!ok) {
            EXPECT_EQ(block, before) << c.what << ": a refused value changes nothing";
            continue;
        }
        for (std::size_t i = 0; i < block.size(); ++i) {
            const bool inField = i >= kAt && i < kAt + c.bytes.size();
            EXPECT_EQ(block[i], inField ? c.bytes[i - kAt] : 0xEE) << c.what << " byte " << i;
        }
    }
}

} // namespace
} // namespace tolvane::params
