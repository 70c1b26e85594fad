// Filling the place holder of language texts.
#include "mdlReplaceText.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace tolvane
