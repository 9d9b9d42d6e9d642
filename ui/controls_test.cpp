// The custom controls' rules, on the in-memory backend.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/memory/memory_backend.h"
#include "toolkit/memory/memory_control.h"
#include "ui/combo_box_super.h"
#include "ui/combo_resize_width.h"
#include "ui/list_ctrl.h"
#include "ui/smart_edit.h"

namespace {

using zelvin::tk::ControlKind;
using zelvin::tk::Dialog;
using zelvin::tk::DialogLayout;

enum { kKeyEdit = 1, kRegionCombo, kSessionList, kAdapterCombo };

DialogLayout ControlsLayout() {
    DialogLayout layout;
    layout.caption = "Controls";
    layout.cx = 200;
    layout.cy = 120;
    layout.Add(kKeyEdit, ControlKind::Edit, "", 5, 5, 100, 12)
        .Add(kRegionCombo, ControlKind::DropDownList, "", 5, 20, 60, 80)
        .Add(kSessionList, ControlKind::ListView, "", 5, 40, 100, 50)
        .Add(kAdapterCombo, ControlKind::DropDownList, "", 5, 95, 100, 60);
    return layout;
}

class CustomControls : public ::testing::Test {
protected:
    CustomControls() : dialog(ControlsLayout()) {
        zelvin::tk::SetCurrentBackend(&backend);
        dialog.CreateModeless(nullptr);
    }
    ~CustomControls() override {
        dialog.DestroyWindow();
        zelvin::tk::SetCurrentBackend(nullptr);
    }
    // Types every character of text, one by one.
    void Type(const std::u32string& text) {
        for (char32_t ch : text) dialog.Item(kKeyEdit).TypeChar(ch);
    }
    zelvin::tk::MemoryBackend backend;
    Dialog dialog;
};

TEST(SmartEditClassBits, EveryRowOfTheClassTable) {
    struct Row {
        char32_t ch;
        uint16_t bits;
    };
    const Row rows[] = {
        {0x08, 0xFFFF}, {U'\t', 0xFFFF}, {U'\r', 0xFFFF},  // control characters
        {U'0', 0x55},   {U'7', 0x55},    {U'9', 0x55},     // digits
        {U'E', 0x46},   {U'e', 0x46},                      // E either case
        {U'A', 0x42},   {U'b', 0x42},    {U'D', 0x42},   {U'f', 0x42}, {U'F', 0x42},
        {U'g', 0x02},   {U'Z', 0x02},    {U'x', 0x02},   {U'\u00e9', 0x02},  // other letters
        {U'-', 0x14},   {U'.', 0x04},    {U'_', 0x28},
        {U' ', 0x08},   {U':', 0x08},    {U'@', 0x08},   {U'+', 0x08}, {U'\u20ac', 0x08},
    };
    zelvin::tk::MemoryBackend system;
    for (const Row& row : rows) {
        EXPECT_EQ(SmartEditClassBits(row.ch, system.IsLetter(row.ch), system.IsLetterOrDigit(row.ch)), row.bits)
            << "U+" << std::hex << static_cast<uint32_t>(row.ch);
    }
}

TEST_F(CustomControls, MasksTakeTheirClassesAndBeepForTheRest) {
    struct Case {
        uint16_t mask;
        std::u32string typed;
        std::string kept;
        int beeps;
    };
    const Case cases[] = {
        {0x40, U"09afAFeE", "09afAFeE", 0},
        {0x40, U"g-. :", "", 5},
        {0xFFFF, U"g-. :_x\u00e9", "g-. :_x\u00e9", 0},
        {0x01, U"12aE-.", "12", 4},
        {0x10, U"1-2.e", "1-2", 2},
        {0x04, U"1Ee.-a_", "1Ee.-", 2},
    };
    CSmartEdit edit;
    edit.Attach(dialog, kKeyEdit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        dialog.Item(kKeyEdit).SetText("");
        backend.beeps = 0;
        edit.SetFilterMask(c.mask);
        Type(c.typed);
        EXPECT_EQ(dialog.Item(kKeyEdit).Text(), c.kept);
        EXPECT_EQ(backend.beeps, c.beeps);
    }
}

TEST_F(CustomControls, BackspaceStillWorksUnderTheHexMask) {
    CSmartEdit edit;
    edit.Attach(dialog, kKeyEdit);
    edit.SetFilterMask(kSmartEditHex);
    Type(U"ab");
    dialog.Item(kKeyEdit).TypeChar(0x08);
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "a");
    EXPECT_EQ(backend.beeps, 0);
}

TEST_F(CustomControls, PastedAndProgramTextIsNotFilteredAndTheMaskActsOnLaterTyping) {
    CSmartEdit edit;
    EXPECT_EQ(edit.FilterMask(), 0xFFFF) << "everything until the owner sets a mask";
    edit.Attach(dialog, kKeyEdit);
    Type(U"zz");
    edit.SetFilterMask(kSmartEditHex);
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "zz") << "text already there stays";
    dialog.Item(kKeyEdit).ReplaceSelection("-:g");
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "zz-:g");
    dialog.Item(kKeyEdit).SetText("not hex");
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "not hex");
    EXPECT_TRUE(edit.Accepts(U'c'));
    EXPECT_FALSE(edit.Accepts(U'z'));
}

TEST_F(CustomControls, TheFilterOutlivesItsOwner) {
    {
        CSmartEdit edit;
        edit.Attach(dialog, kKeyEdit);
        edit.SetFilterMask(kSmartEditDecimal);
    }
    Type(U"1a");
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "1");
}

TEST(ResizeWidthDroppedWidth, WidestItemPlusScrollBarPlusZero) {
    EXPECT_EQ(ResizeWidthDroppedWidth({120, 300, 299}, 17, 7), 300 + 17 + 7);
    EXPECT_EQ(ResizeWidthDroppedWidth({}, 17, 7), 7) << "an empty list: only the width of \"0\"";
}

TEST_F(CustomControls, ARegionListWidensAsItDropsDown) {
    backend.measureText = [](std::string_view text) { return text == "0" ? 6 : static_cast<int>(text.size()) * 10; };
    backend.scrollBarWidth = 17;
    CResizeWidthComboBox region;
    region.Attach(dialog, kRegionCombo);
    zelvin::tk::Control& combo = dialog.Item(kRegionCombo);
    combo.AddItem("1-11");
    combo.AddItem(std::string(30, 'x'));  // measures 300
    combo.ShowDropDown(true);
    EXPECT_EQ(combo.DroppedWidth(), 300 + 17 + 6);
    combo.ShowDropDown(false);

    combo.ClearItems();
    combo.AddItem("1");
    combo.ShowDropDown(true);
    EXPECT_EQ(combo.DroppedWidth(), combo.WindowRect().Width()) << "never narrower than the control";
}

TEST_F(CustomControls, ASessionListShowsNoHorizontalScrollBar) {
    CNoHScrollListCtrl sessions;
    sessions.Attach(dialog, kSessionList);
    zelvin::tk::Control& list = dialog.Item(kSessionList);
    int width = list.WindowRect().Width();
    list.InsertColumn(0, "MAC", width);
    list.InsertColumn(1, "TID=0", width);
    EXPECT_FALSE(list.HasHorizontalScrollBar());
}

TEST_F(CustomControls, ComboBoxSuperColumns) {
    CComboBoxSuper adapters;
    adapters.Attach(dialog, kAdapterCombo);
    auto& combo = dynamic_cast<zelvin::tk::MemoryControl&>(dialog.Item(kAdapterCombo));
    EXPECT_EQ(adapters.ColumnCount(), 100);
    EXPECT_EQ(adapters.ColumnWidth(99), 50);

    adapters.SetColumnCount(1);
    adapters.SetColumnWidth(0, 200);
    EXPECT_EQ(adapters.ColumnWidth(0), 200);
    int redraws = combo.RedrawCount();
    adapters.SetColumnWidth(5, 80);
    adapters.SetColumnWidth(-1, 80);
    EXPECT_EQ(adapters.ColumnCount(), 1) << "column 5 of a one-column list changes nothing";
    EXPECT_EQ(adapters.ColumnWidth(0), 200);
    EXPECT_EQ(combo.RedrawCount(), redraws);

    adapters.SetColumnCount(3);
    EXPECT_EQ(adapters.ColumnWidth(2), 50) << "added columns get width 50";
    EXPECT_EQ(adapters.ColumnWidth(0), 200);
    EXPECT_EQ(combo.RedrawCount(), redraws + 1);
}

}  // namespace
