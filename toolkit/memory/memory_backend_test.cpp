// Behaviour of the in-memory backend that the shared sample checks do not
// reach: its scripting, and the platform behaviour its models copy.
#include "toolkit/memory/memory_backend.h"

#include <gtest/gtest.h>

#include "toolkit/property_sheet.h"
#include "toolkit/window_ops.h"

namespace zelvin::tk {
namespace {

enum { kEdit = 10, kDigits, kCombo, kList, kButton };

DialogLayout TestLayout() {
    DialogLayout layout;
    layout.caption = "Test";
    layout.cx = 200;
    layout.cy = 100;
    layout.Add(kEdit, ControlKind::Edit, "", 0, 0, 80, 12)
        .Add(kDigits, ControlKind::Edit, "", 0, 14, 80, 12, kNumber)
        .Add(kCombo, ControlKind::DropDownList, "", 0, 28, 80, 60)
        .Add(kList, ControlKind::ListView, "", 0, 44, 100, 40)
        .AddHidden(kButton, ControlKind::Button, "Go", 120, 0, 40, 14);
    return layout;
}

class RecordingDialog : public Dialog {
public:
    RecordingDialog() : Dialog(TestLayout()) {}
    std::vector<std::pair<int, Notification>> commands;
    int timerTicks = 0;
    std::function<void()> onTimer;

protected:
    void OnCommand(int id, Notification code) override {
        commands.emplace_back(id, code);
        Dialog::OnCommand(id, code);
    }
    void OnTimer(unsigned) override {
        ++timerTicks;
        if (onTimer) onTimer();
    }
};

class MemoryBackendTest : public ::testing::Test {
protected:
    MemoryBackendTest() { SetCurrentBackend(&backend); }
    ~MemoryBackendTest() override { SetCurrentBackend(nullptr); }
    MemoryBackend backend;
};

TEST_F(MemoryBackendTest, MessageBoxesAreRecordedAndAnsweredFromTheScript) {
    backend.messageBoxAnswers = {kIdNo};
    EXPECT_EQ(ShowMessageBox(nullptr, "first", "cap", kMbYesNo | kMbIconQuestion), kIdNo);
    struct Case {
        unsigned style;
        int answer;
    };
    for (Case c : {Case{kMbOk, kIdOk}, Case{kMbOkCancel, kIdOk}, Case{kMbYesNoCancel, kIdYes},
                   Case{kMbYesNo, kIdYes}, Case{kMbRetryCancel, kIdRetry}}) {
        EXPECT_EQ(MessageBox(nullptr, "t", "c", c.style), c.answer) << c.style;
    }
    ASSERT_EQ(backend.messageBoxes.size(), 6u);
    EXPECT_EQ(backend.messageBoxes[0].text, "first");
    EXPECT_EQ(backend.messageBoxes[0].caption, "cap");
    EXPECT_EQ(backend.messageBoxes[0].style, unsigned{kMbYesNo | kMbIconQuestion});
}

TEST_F(MemoryBackendTest, AModalDialogWithoutScriptIsCancelledAndIsGoneAfterwards) {
    RecordingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_FALSE(dialog.IsWindowAlive());
    EXPECT_EQ(dialog.Item(kEdit).Text(), "") << "no window: an inert control";
}

TEST_F(MemoryBackendTest, TypedCharactersPassTheFilterLimitAndNumberStyle) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    Control& edit = dialog.Item(kEdit);
    edit.SetCharFilter([](char32_t ch) { return ch != U'x'; });
    edit.SetLimitText(4);
    for (char32_t ch : {U'a', U'x', U'\u00e9', U'\t', U'b', U'c', U'd'}) edit.TypeChar(ch);
    EXPECT_EQ(edit.Text(), "a\u00e9bc") << "x filtered, tab ignored, d over the limit";
    edit.TypeChar(0x08);
    EXPECT_EQ(edit.Text(), "a\u00e9b");
    edit.TypeChar(0x08);
    edit.TypeChar(0x08);
    EXPECT_EQ(edit.Text(), "a") << "backspace removes a whole character";

    edit.SelectAll();
    edit.ReplaceSelection("xxxxxx");
    EXPECT_EQ(edit.Text(), "xxxxxx") << "pasted text is neither filtered nor limited";

    Control& number = dialog.Item(kDigits);
    number.TypeChar(U'4');
    number.TypeChar(U'-');
    EXPECT_EQ(number.Text(), "4");
    EXPECT_EQ(backend.beeps, 1);

    edit.SetReadOnly(true);
    edit.TypeChar(U'z');
    EXPECT_EQ(edit.Text(), "xxxxxx");
}

TEST_F(MemoryBackendTest, DropDownRunsTheHookBeforeTheDialogHears) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    Control& combo = dialog.Item(kCombo);
    size_t commandsAtHook = 99;
    combo.SetDropDownHook([&] {
        commandsAtHook = dialog.commands.size();
        combo.SetDroppedWidth(10);
    });
    combo.ShowDropDown(true);
    EXPECT_EQ(commandsAtHook, 0u);
    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.commands[0].second, Notification::DropDown);
    EXPECT_EQ(combo.DroppedWidth(), combo.WindowRect().Width()) << "never narrower than the control";
    combo.SetDroppedWidth(500);
    EXPECT_EQ(combo.DroppedWidth(), 500);
}

TEST_F(MemoryBackendTest, ListViewScrollsSidewaysOnlyWhenAllowed) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    Control& list = dialog.Item(kList);
    list.InsertColumn(0, "wide", list.WindowRect().Width() * 2);
    EXPECT_TRUE(list.HasHorizontalScrollBar());
    list.SetNoHorizontalScroll(true);
    EXPECT_FALSE(list.HasHorizontalScrollBar());
    EXPECT_FALSE(list.SetSubItemText(0, 0, "no row")) << "rows must exist first";
    EXPECT_EQ(list.InsertItem(5, "end"), 0) << "out-of-range positions append";
    EXPECT_FALSE(list.SetSubItemText(0, 3, "no such column"));
}

TEST_F(MemoryBackendTest, HiddenControlsAndTheFocusFollowTheLayout) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    EXPECT_FALSE(dialog.Item(kButton).IsVisible());
    EXPECT_TRUE(dialog.Item(kEdit).IsVisible());
    dialog.Item(kEdit).SetFocus();
    EXPECT_TRUE(dialog.Item(kEdit).HasFocus());
    dialog.Item(kDigits).SetFocus();
    EXPECT_FALSE(dialog.Item(kEdit).HasFocus());
    dialog.Item(kButton).Enable(false);
    dialog.Item(kButton).Click();
    EXPECT_TRUE(dialog.commands.empty()) << "a disabled button cannot be clicked";
}

TEST_F(MemoryBackendTest, TimersSetAndKilledInsideTheirHandler) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    dialog.SetTimer(1, 100);
    dialog.onTimer = [&] {
        if (dialog.timerTicks == 2) dialog.KillTimer(1);
    };
    backend.AdvanceClock(1000);
    EXPECT_EQ(dialog.timerTicks, 2);
    dialog.onTimer = [&] { dialog.DestroyWindow(); };
    dialog.SetTimer(2, 10);
    backend.AdvanceClock(100);
    EXPECT_EQ(dialog.timerTicks, 3) << "a window destroyed by its own timer hears no more";
}

TEST_F(MemoryBackendTest, WindowsOfOtherProgramsCanBeFoundAndClosed) {
    WindowHandle viewer = backend.AddTopLevelWindow("HTML Help");
    EXPECT_EQ(FindTopLevelWindow("html help"), viewer) << "titles match ignoring case";
    EXPECT_EQ(FindTopLevelWindow("HTML Help", "OtherClass"), nullptr);
    EXPECT_TRUE(PostMessageTo(viewer, kMessageClose));
    EXPECT_FALSE(IsWindowAlive(viewer));
    EXPECT_EQ(FindTopLevelWindow("HTML Help"), nullptr);
    EXPECT_FALSE(PostMessageTo(viewer, kMessageClose)) << "posting to a gone window fails";

    WindowHandle hidden = backend.AddTopLevelWindow("Hidden");
    EXPECT_TRUE(PostCommand(hidden, 32771));
    ASSERT_EQ(backend.posted.size(), 2u);
    EXPECT_EQ(backend.posted[1].message, kMessageCommand);
    EXPECT_EQ(backend.posted[1].wParam, 32771u);
    EXPECT_TRUE(BringToForeground(hidden));
    EXPECT_EQ(backend.foreground, hidden);
    IconHandle icon = reinterpret_cast<IconHandle>(std::uintptr_t{0x42});
    SetSmallIcon(hidden, icon);
    EXPECT_EQ(backend.smallIcons[hidden], icon);
}

class CountingPage : public PropertyPage {
public:
    explicit CountingPage(std::string caption) : PropertyPage(Layout(std::move(caption))) {}
    int activations = 0;
    int deactivations = 0;

protected:
    static DialogLayout Layout(std::string caption) {
        DialogLayout layout;
        layout.caption = std::move(caption);
        layout.cx = 100;
        layout.cy = 80;
        return layout;
    }
    bool OnSetActive() override {
        ++activations;
        return PropertyPage::OnSetActive();
    }
    bool OnKillActive() override {
        ++deactivations;
        return PropertyPage::OnKillActive();
    }
};

TEST_F(MemoryBackendTest, RemovingTheActivePageActivatesItsNeighbourWithoutAsking) {
    CountingPage first("one"), second("two"), third("three");
    PropertySheet sheet("sheet", 1);
    sheet.AddPage(first);
    sheet.AddPage(second);
    sheet.AddPage(third);
    ASSERT_TRUE(sheet.Create(nullptr));
    EXPECT_EQ(sheet.ActiveIndex(), 1) << "the chosen first page";
    EXPECT_FALSE(first.IsWindowAlive());
    sheet.RemovePage(1);
    EXPECT_EQ(second.deactivations, 0);
    EXPECT_EQ(sheet.ActivePage(), &first);
    EXPECT_EQ(sheet.TabText(1), "three");
    sheet.RemovePage(0);
    EXPECT_EQ(sheet.ActivePage(), &third);
    sheet.RemovePage(0);
    EXPECT_EQ(sheet.ActivePage(), nullptr);
    EXPECT_TRUE(sheet.IsWindowAlive());
}

TEST_F(MemoryBackendTest, DestroyingAPageOfAnOpenSheetClosesTheSheet) {
    PropertySheet sheet("sheet");
    auto page = std::make_unique<CountingPage>("one");
    sheet.AddPage(*page);
    ASSERT_TRUE(sheet.Create(nullptr));
    page.reset();
    EXPECT_FALSE(sheet.IsWindowAlive());
    EXPECT_EQ(sheet.PageCount(), 0);
}

TEST_F(MemoryBackendTest, DialogUnitsScaleWithTheBaseUnits) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    EXPECT_EQ(dialog.DialogUnitsToPixels({0, 0, 4, 8}), (Rect{0, 0, 6, 13}));
    EXPECT_EQ(dialog.Item(kEdit).WindowRect().Width(), 120);
    Rect window = dialog.WindowRect();
    Point client = dialog.ScreenToClient({window.left + 5, window.top + 6});
    EXPECT_EQ(client, (Point{5, 6}));
}

}  // namespace
}  // namespace zelvin::tk
