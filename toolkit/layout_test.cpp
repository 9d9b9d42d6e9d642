#include "toolkit/layout.h"

#include <gtest/gtest.h>

namespace zelvin::tk {
namespace {

TEST(RadioGroup, RunsFromItsFirstButtonToTheNextGroupOrOtherControl) {
    DialogLayout layout;
    layout.Add(1, ControlKind::RadioButton, "a", 0, 0, 1, 1, kGroup)
        .Add(2, ControlKind::RadioButton, "b", 0, 0, 1, 1)
        .Add(3, ControlKind::RadioButton, "c", 0, 0, 1, 1, kGroup)
        .Add(4, ControlKind::RadioButton, "d", 0, 0, 1, 1)
        .Add(5, ControlKind::Static, "", 0, 0, 1, 1)
        .Add(6, ControlKind::RadioButton, "e", 0, 0, 1, 1);
    EXPECT_EQ(RadioGroup(layout, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(RadioGroup(layout, 3), (std::vector<int>{3, 4}));
    EXPECT_EQ(RadioGroup(layout, 6), (std::vector<int>{6}));
    EXPECT_TRUE(RadioGroup(layout, 5).empty());
    EXPECT_TRUE(RadioGroup(layout, 99).empty());
}

TEST(DialogLayout, FindsControlsById) {
    DialogLayout layout;
    layout.Add(-1, ControlKind::Static, "label", 0, 0, 1, 1).AddHidden(7, ControlKind::Edit, "", 1, 2, 3, 4);
    ASSERT_NE(layout.Find(7), nullptr);
    EXPECT_FALSE(layout.Find(7)->visible);
    EXPECT_EQ(layout.Find(-1), nullptr) << "unaddressed labels are not found";
}

}  // namespace
}  // namespace zelvin::tk
