// The sample sheet on real controls under Wine, with the shared assertions,
// and what only real windows can show: the screenshot and the platform's
// own behaviour of the custom hooks.
#include "toolkit/win32/win32_headers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/win32/win32_text.h"
#include "toolkit/testing/sample_checks.h"
#include "toolkit/win32/screenshot.h"
#include "toolkit/win32/win32_backend.h"

namespace zelvin::tk::sample {
namespace {

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (Win32Backend::PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Win32Driver {
public:
    Win32Driver() {
        backend.SetMessageBoxResponder([this](WindowHandle, std::string_view text, std::string_view, unsigned) {
            prompts.emplace_back(text);
            return static_cast<int>(IDOK);
        });
        SetCurrentBackend(&backend);
    }
    ~Win32Driver() {
        Pump();
        SetCurrentBackend(nullptr);
    }
    // Real time passes while the messages are pumped, so real timers fire.
    void AdvanceTime(unsigned ms) {
        DWORD start = GetTickCount();
        do {
            Pump();
            Sleep(5);
        } while (GetTickCount() - start < ms);
        Pump();
    }
    std::vector<std::string> Prompts() const { return prompts; }
    void QueueModal(std::function<void(Dialog&)> script) { backend.QueueModalScript(std::move(script)); }

    Win32Backend backend;
    std::vector<std::string> prompts;
};

class Win32Sample : public ::testing::Test {
protected:
    Win32Driver driver;
};

TEST_F(Win32Sample, MembersShownAndTaken) { CheckMembersShownAndTaken(driver); }
TEST_F(Win32Sample, Prompts) { CheckPrompts(driver); }
TEST_F(Win32Sample, DeactivationRefused) { CheckDeactivationRefused(driver); }
TEST_F(Win32Sample, ItemNumbers) { CheckItemNumbers(driver); }
TEST_F(Win32Sample, ListControls) { CheckListControls(driver); }
TEST_F(Win32Sample, Timers) { CheckTimers(driver); }
TEST_F(Win32Sample, SheetGainsAndLosesPage) { CheckSheetGainsAndLosesPage(driver); }
TEST_F(Win32Sample, SheetButtons) { CheckSheetButtons(driver); }
TEST_F(Win32Sample, ModalDialog) { CheckModalDialog(driver); }

TEST_F(Win32Sample, TheApplicationRunsWithCommonControlsSix) {
    // The manifest makes the loader take the version 6 assembly from the
    // side-by-side store instead of the system folder's version 5.
    OpenSheet open;
    HMODULE library = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(library, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(library, path, MAX_PATH), 0u);
    std::string loaded = ToUtf8(path);
    std::transform(loaded.begin(), loaded.end(), loaded.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(loaded.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos) << loaded;
}

TEST_F(Win32Sample, TabMovesTheFocusThroughPreTranslate) {
    OpenSheet open;
    BringToForeground(open.sheet.Handle());
    open.item(kName).SetFocus();
    ASSERT_TRUE(open.item(kName).HasFocus());
    MSG tab{};
    tab.hwnd = ToHwnd(open.item(kName).Handle());
    tab.message = WM_KEYDOWN;
    tab.wParam = VK_TAB;
    EXPECT_TRUE(Win32Backend::PreTranslate(tab));
    EXPECT_TRUE(open.item(kCount).HasFocus()) << "the label between is no tab stop";
}

TEST_F(Win32Sample, PasswordEditsMaskWithAStar) {
    DialogLayout layout;
    layout.caption = "Password";
    layout.cx = 100;
    layout.cy = 40;
    layout.Add(1, ControlKind::Edit, "", 5, 5, 80, 12, kPassword);
    Dialog dialog(layout);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    EXPECT_EQ(dialog.Item(1).PasswordChar(), U'*');
    dialog.Item(1).SetPasswordChar(0);
    EXPECT_EQ(dialog.Item(1).PasswordChar(), 0u);
    dialog.DestroyWindow();
}

TEST_F(Win32Sample, TypedCharactersMeetTheFilterPastedTextDoesNot) {
    OpenSheet open;
    Control& name = open.item(kName);
    name.SetText("");
    name.SetCharFilter([](char32_t ch) { return ch != U'x'; });
    for (char32_t ch : {U'a', U'x', U'b', U'\u00e9'}) name.TypeChar(ch);
    EXPECT_EQ(name.Text(), "ab\u00e9");
    name.TypeChar(0x08);
    EXPECT_EQ(name.Text(), "ab");
    name.SelectAll();
    name.ReplaceSelection("xx");
    EXPECT_EQ(name.Text(), "xx");
}

TEST_F(Win32Sample, AListViewCanRefuseItsHorizontalScrollBar) {
    OpenSheet open;
    Control& stations = open.item(kStations);
    stations.SetColumnWidth(0, stations.WindowRect().Width() * 2);
    stations.InsertItem(0, "row");
    Pump();
    EXPECT_TRUE(stations.HasHorizontalScrollBar()) << "the platform scrolls wide columns";
    stations.SetNoHorizontalScroll(true);
    stations.SetColumnWidth(1, stations.WindowRect().Width() * 3);
    Pump();
    EXPECT_FALSE(stations.HasHorizontalScrollBar());
}

TEST_F(Win32Sample, DropDownRunsTheHookAndTheListIsNeverNarrowerThanTheControl) {
    OpenSheet open;
    Control& choice = open.item(kChoice);
    int hookRuns = 0;
    choice.SetDropDownHook([&] {
        ++hookRuns;
        choice.SetDroppedWidth(1);
    });
    choice.ShowDropDown(true);
    choice.ShowDropDown(false);
    EXPECT_EQ(hookRuns, 1);
    EXPECT_EQ(choice.DroppedWidth(), choice.WindowRect().Width());
    choice.SetDroppedWidth(600);
    EXPECT_EQ(choice.DroppedWidth(), 600);
}

TEST_F(Win32Sample, ScreenshotOfTheSampleSheet) {
    OpenSheet open;
    ExtraPage extra;
    open.sheet.AddPage(extra);
    open.item(kStations).InsertItem(0, "00-11-22-33-44-55");
    open.item(kStations).SetSubItemText(0, 1, "N: Rate = 300.00");
    open.item(kName).SetFocus();
    HWND sheet = ToHwnd(open.sheet.Handle());
    SetWindowPos(sheet, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    BringToForeground(open.sheet.Handle());
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    driver.AdvanceTime(300);

    Pixels pixels = CaptureWindow(sheet);
    ASSERT_GT(pixels.width, 200);
    ASSERT_GT(pixels.height, 200);
    auto [low, high] = std::minmax_element(pixels.rgb.begin(), pixels.rgb.end());
    EXPECT_GT(*high - *low, 100) << "the capture shows more than one flat colour";

    std::filesystem::create_directories(ZELVIN_SCREENSHOT_DIR);
    std::wstring path = ToWide(std::string(ZELVIN_SCREENSHOT_DIR) + "/sample_sheet.png");
    EXPECT_TRUE(WritePng(pixels, path));
}

}  // namespace
}  // namespace zelvin::tk::sample
