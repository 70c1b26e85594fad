// Filling the place holder of language texts.
#include "mdlReplaceText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvane {
namespace {

TEST(ReplaceText, FillsEveryPlaceHolderOnce) {
    struct Case {
        std::string text;
        std::string value;
        std::string expected;
    } cases[] = {
        {"Parameter dialog: {0}", "T_frmParaSet_Kavo", "Parameter dialog: T_frmParaSet_Kavo"},
        {"{0} and {0}", "A", "A and A"},
        {"{0}{0}", "xy", "xyxy"},
        {"Start the learning?{0}", "", "Start the learning?"},
        {"no place holder", "A", "no place holder"},
        {"", "A", ""},
        {"{0", "A", "{0"},
        {"{{0}}", "A", "{A}"},
        {"{1} stays", "A", "{1} stays"},
        {"value {0} with holder", "{0}", "value {0} with holder"},
        {"{0}-{0}", "{0}{0}", "{0}{0}-{0}{0}"},
        {"请选择{0}", "固件版本", "请选择固件版本"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceText(c.text, c.value), c.expected) << c.text << " / " << c.value;
    }
}

TEST(ReplaceText, FillsNumberedPlaceHoldersInOnePass) {
    struct Case {
        std::string text;
        std::vector<std::string> values;
        int first;
        std::string expected;
    } cases[] = {
        {"Free: {0} bytes  Used: {1} bytes", {"1,024", "2,048"}, 0, "Free: 1,024 bytes  Used: 2,048 bytes"},
        {"{2} KB of {1} KB sent", {"40", "3"}, 1, "3 KB of 40 KB sent"},
        {"of {1} KB", {"7"}, 1, "of 7 KB"},
        // A place holder below the first number, or without a value, stays.
        {"{0} and {2}", {"A"}, 1, "{0} and {2}"},
        // A value is not read again: a control named "{2}" stays as typed.
        {"line {0}: {1} is not in {2}", {"3", "{2}", "cmbSpeed"}, 0, "line 3: {2} is not in cmbSpeed"},
        {"{12}", std::vector<std::string>(13, "x"), 0, "x"},
        {"{123}", std::vector<std::string>(13, "x"), 0, "{123}"},
        {"{-1} {} {a} {1", {"A", "B"}, 0, "{-1} {} {a} {1"},
        {"{", {"A"}, 0, "{"},
        {"ends with {0}", {"A"}, 0, "ends with A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceNumbered(c.text, c.values, c.first), c.expected) << c.text;
    }
}

} // namespace
} // namespace tolvane
