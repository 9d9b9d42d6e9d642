// The custom controls on real controls under Wine: the hooks the toolkit's
// Win32 backend installs, with the system's own font and metrics.
#include "toolkit/win32/win32_headers.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/win32/win32_backend.h"
#include "ui/combo_resize_width.h"
#include "ui/list_ctrl.h"
#include "ui/smart_edit.h"

namespace {

using zelvin::tk::ControlKind;
using zelvin::tk::Dialog;
using zelvin::tk::DialogLayout;

enum { kKeyEdit = 1, kRegionCombo, kSessionList };

class RealControls : public ::testing::Test {
protected:
    RealControls() : dialog(Layout()) {
        zelvin::tk::SetCurrentBackend(&backend);
        EXPECT_TRUE(dialog.CreateModeless(nullptr));
    }
    ~RealControls() override {
        dialog.DestroyWindow();
        zelvin::tk::SetCurrentBackend(nullptr);
    }
    static DialogLayout Layout() {
        DialogLayout layout;
        layout.caption = "Controls";
        layout.cx = 200;
        layout.cy = 120;
        layout.Add(kKeyEdit, ControlKind::Edit, "", 5, 5, 100, 12)
            .Add(kRegionCombo, ControlKind::DropDownList, "", 5, 20, 60, 80)
            .Add(kSessionList, ControlKind::ListView, "", 5, 40, 100, 50);
        return layout;
    }
    zelvin::tk::Win32Backend backend;
    Dialog dialog;
};

TEST_F(RealControls, HexMaskOnARealEdit) {
    CSmartEdit key;
    key.Attach(dialog, kKeyEdit);
    key.SetFilterMask(kSmartEditHex);
    for (char32_t ch : std::u32string(U"0aF:g-9")) dialog.Item(kKeyEdit).TypeChar(ch);
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "0aF9");
    dialog.Item(kKeyEdit).TypeChar(0x08);
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "0aF");
    dialog.Item(kKeyEdit).ReplaceSelection("::");
    EXPECT_EQ(dialog.Item(kKeyEdit).Text(), "0aF::");
}

TEST_F(RealControls, TheSystemClassifiesCharactersAsTheTableExpects) {
    struct Row {
        char32_t ch;
        uint16_t bits;
    };
    const Row rows[] = {{U'5', 0x55}, {U'e', 0x46}, {U'C', 0x42}, {U'q', 0x02}, {U'\u00e9', 0x02},
                        {U'-', 0x14}, {U'.', 0x04}, {U'_', 0x28}, {U':', 0x08}, {0x08, 0xFFFF}};
    zelvin::tk::Backend& system = zelvin::tk::CurrentBackend();
    for (const Row& row : rows) {
        EXPECT_EQ(SmartEditClassBits(row.ch, system.IsLetter(row.ch), system.IsLetterOrDigit(row.ch)), row.bits)
            << static_cast<uint32_t>(row.ch);
    }
}

TEST_F(RealControls, RegionListWidensWithTheControlsFont) {
    CResizeWidthComboBox region;
    region.Attach(dialog, kRegionCombo);
    zelvin::tk::Control& combo = dialog.Item(kRegionCombo);
    const std::string longest = "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14";
    combo.AddItem("1-11");
    combo.AddItem(longest);
    combo.ShowDropDown(true);
    combo.ShowDropDown(false);
    int expected = combo.MeasureTextWidth(longest) + GetSystemMetrics(SM_CXVSCROLL) + combo.MeasureTextWidth("0");
    EXPECT_GT(expected, combo.WindowRect().Width());
    EXPECT_EQ(combo.DroppedWidth(), expected);
}

TEST_F(RealControls, SessionListNeverScrollsSideways) {
    CNoHScrollListCtrl sessions;
    sessions.Attach(dialog, kSessionList);
    zelvin::tk::Control& list = dialog.Item(kSessionList);
    int width = list.WindowRect().Width();
    list.InsertColumn(0, "MAC", width);
    list.InsertColumn(1, "TID=0", width);
    list.InsertItem(0, "00-11-22-33-44-55");
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_FALSE(list.HasHorizontalScrollBar());
}

}  // namespace
