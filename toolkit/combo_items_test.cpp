#include "toolkit/combo_items.h"

#include <gtest/gtest.h>

#include "toolkit/dialog.h"
#include "toolkit/memory/memory_backend.h"

namespace zelvin::tk {
namespace {

class ComboItems : public ::testing::Test {
protected:
    ComboItems() : dialog_(Layout()) {
        SetCurrentBackend(&backend_);
        dialog_.CreateModeless(nullptr);
    }
    ~ComboItems() override {
        dialog_.DestroyWindow();
        SetCurrentBackend(nullptr);
    }
    static DialogLayout Layout() {
        DialogLayout layout;
        layout.cx = 100;
        layout.cy = 50;
        layout.Add(1, ControlKind::DropDownList, "", 0, 0, 80, 60, kSort)
            .Add(2, ControlKind::DropDownList, "", 0, 20, 80, 60)
            .Add(3, ControlKind::Static, "label", 0, 40, 80, 8);
        return layout;
    }
    MemoryBackend backend_;
    Dialog dialog_;
};

TEST_F(ComboItems, NumbersFollowTheirEntriesIntoASortedList) {
    Control& sorted = dialog_.Item(1);
    AddComboItemWithData(sorted, "Gamma", 3);
    AddComboItemWithData(sorted, "alpha", 1);
    AddComboItemWithData(sorted, "Beta", 2);
    ASSERT_EQ(sorted.ItemCount(), 3);
    EXPECT_EQ(sorted.ItemText(0), "alpha");
    EXPECT_EQ(sorted.ItemText(1), "Beta");
    int value = 0;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(GetComboItemData(sorted, i, value), i + 1);
    EXPECT_EQ(FindComboItemByData(sorted, 3), 2);
}

TEST_F(ComboItems, EmptyListsAndWrongKindsFindNothing) {
    int value = 99;
    EXPECT_EQ(FindComboItemByData(dialog_.Item(2), 0), kNoItem);
    EXPECT_EQ(GetComboItemData(dialog_.Item(2), 0, value), kNoItem);
    EXPECT_EQ(value, kNoItem);
    AddComboItemWithData(dialog_.Item(3), "not a list", 5);
    EXPECT_EQ(dialog_.Item(3).ItemCount(), 0);
    EXPECT_EQ(FindComboItemByData(dialog_.Item(3), 5), kNoItem);
    EXPECT_EQ(FindComboItemByData(dialog_.Item(404), 5), kNoItem) << "a missing control is inert";
}

}  // namespace
}  // namespace zelvin::tk
