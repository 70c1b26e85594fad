// The shared list helpers, value tables, code page codes and the print-area
// conversions of the Ardel printers, as tables of cases.
#include "mdlArdelLength.h"
#include "mdlParaHelpers.h"
#include "mdlParaLists.h"

#include <gtest/gtest.h>

namespace tolvane::params {
namespace {

TFormModel& ListOf(TFormModel& form, std::vector<std::string> items, int index = 0) {
    form.Add("cmb", TControlKind::List);
    form.SetItems("cmb", std::move(items), index);
    return form;
}

TEST(ParaHelpers, SelectByTextIgnoresCaseAndFallsBackToFirst) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"zpl", 1}, {"ZPL", 1}, {"Tsc", 0}, {"epl", 2}, {"dpl", 0}, {"", 0}};
    for (const auto& c : cases) {
        TFormModel form;
        ListOf(form, {"TSC", "ZPL", "EPL"}, 2);
        SelectItemByText(form, "cmb", c.text);
        EXPECT_EQ(form["cmb"].index, c.expected) << c.text;
    }
}

TEST(ParaHelpers, SelectByExactTextLeavesSelectionWhenMissing) {
    TFormModel form;
    ListOf(form, {"Off", "1", "2"}, 2);
    EXPECT_FALSE(SelectItemByExactText(form, "cmb", "off"));
    EXPECT_EQ(form["cmb"].index, 2);
    EXPECT_TRUE(SelectItemByExactText(form, "cmb", "Off"));
    EXPECT_EQ(form["cmb"].index, 0);
}

TEST(ParaHelpers, CodePageCodeIsInsideTheLastParentheses) {
    const std::pair<const char*, const char*> cases[] = {
        {"Latin 2 (Cyrillic II/Slavic)(852)", "852"},
        {"Latin1(8859-1)", "8859-1"},
        {"USA(USA)", "USA"},
        {"no code", ""},
        {"open(", ""},
    };
    for (const auto& [entry, code] : cases) {
        EXPECT_EQ(CodePageCode(entry), code) << entry;
    }
}

TEST(ParaHelpers, SelectCodePageComparesTheLowercasedCode) {
    TFormModel form;
    ListOf(form, EplCodePages(), 5);
    SelectCodePage(form, "cmb", "852");
    EXPECT_EQ(form["cmb"].SelectedText(), "Latin 2 (Cyrillic II/Slavic)(852)");
    SelectCodePage(form, "cmb", "usa");
    EXPECT_EQ(form["cmb"].SelectedText(), "USA(USA)");
    // The given code is not lowercased: "USA" matches nothing, entry 0.
    SelectCodePage(form, "cmb", "1252");
    SelectCodePage(form, "cmb", "USA");
    EXPECT_EQ(form["cmb"].index, 0);
}

TEST(ParaHelpers, CodePageListsHaveTheirSizes) {
    EXPECT_EQ(TsplCodePages().size(), 47u);
    EXPECT_EQ(ZplCodePages().size(), 21u);
    EXPECT_EQ(EplCodePages().size(), 29u);
}

TEST(ParaHelpers, MapParaValueBothWays) {
    TFormModel form;
    ListOf(form, {"a", "b", "c", "d"}, 3);
    std::string out = "unchanged";
    MapParaValue(form, "cmb", "continuous", 0, out, 1);
    EXPECT_EQ(form["cmb"].index, 2);
    MapParaValue(form, "cmb", "Continuous", 0, out, 1); // exact: no match gives position 0
    EXPECT_EQ(form["cmb"].index, 0);
    EXPECT_EQ(out, "unchanged");
    const struct {
        int table;
        int position;
        const char* word;
    } words[] = {{0, 1, "off"},  {1, 1, "black mark"}, {2, 3, "cutter"},
                 {3, 1, "auto"}, {4, 1, "calibation"}, {5, 2, "alternate-2"},
                 {6, 0, "tear"}, {7, 2, "wep2"},       {6, 3, ""},
                 {8, 0, ""},     {1, -1, ""}};
    for (const auto& w : words) {
        form.SetIndex("cmb", 1);
        MapParaValue(form, "cmb", "", w.position, out, w.table);
        EXPECT_EQ(out, w.word) << w.table << "/" << w.position;
        EXPECT_EQ(form["cmb"].index, 1);
    }
}

TEST(ParaHelpers, NameValueListsAndSplitting) {
    const TNameValues list = {{"0", "Off"}, {"1", "1"}, {"2", "2"}};
    std::string found;
    EXPECT_TRUE(FindValueByName(list, "0", found));
    EXPECT_EQ(found, "Off");
    EXPECT_TRUE(FindNameByValue(list, "2", found));
    EXPECT_EQ(found, "2");
    EXPECT_FALSE(FindNameByValue(list, "off", found));
    EXPECT_FALSE(FindValueByName(list, "128", found));
    EXPECT_EQ(SplitText("192.168.1.20", '.'), (std::vector<std::string>{"192", "168", "1", "20"}));
    EXPECT_EQ(SplitText("a..b.", '.'), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(SplitText("", '.'), (std::vector<std::string>{""}));
}

TEST(ParaHelpers, ArdelLengthsAtEachResolution) {
    const struct {
        const char* dots;
        const char* dpi;
        const char* mm;
    } toMm[] = {
        {"944", "300", "80"}, {"1888", "600", "80"}, {"640", "203", "80"},  {"647", "", "80"},
        {"6", "300", "1"},    {"-40", "203", "-5"},  {"abc", "300", "abc"}, {"", "300", ""},
    };
    for (const auto& c : toMm) {
        EXPECT_EQ(DotsToMm(c.dots, c.dpi), c.mm) << c.dots << "@" << c.dpi;
    }
    const struct {
        const char* mm;
        const char* dpi;
        const char* dots;
    } toDots[] = {
        {"80", "300", "944"},   {"80", "600", "1888"}, {"80", "203", "640"}, {"80", "", "640"},
        {"-15", "300", "-177"}, {"15", "600", "354"},  {"x", "300", ""},     {"1234567890", "300", ""},
    };
    for (const auto& c : toDots) {
        EXPECT_EQ(MmToDots(c.mm, c.dpi), c.dots) << c.mm << "@" << c.dpi;
    }
}

TEST(ParaHelpers, DensityAndSpeedLists) {
    TFormModel form;
    ListOf(form, {});
    FillDensityList(form, "cmb", 30);
    EXPECT_EQ(form["cmb"].items.size(), 31u);
    EXPECT_EQ(form["cmb"].items.back(), "30");
    EXPECT_EQ(form["cmb"].index, 0);
    EXPECT_TRUE(ListHasNameComma(",Pirvo-58,Fenno-58,", "Fenno-58"));
    EXPECT_TRUE(ListHasNameComma(",XKavo,", "Kavo")); // the looser test matches inside a name
    EXPECT_FALSE(ListHasNameComma(",Kavo-300", "Kavo-300"));
    EXPECT_FALSE(ListHasNameComma(",,", ""));
}

} // namespace
} // namespace tolvane::params
