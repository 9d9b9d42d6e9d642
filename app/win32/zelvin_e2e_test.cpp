// The program end to end under Wine: the stage folder copied to a temporary
// folder, Zelvin.exe started on the simulated adapter, its windows found by
// title, commands posted the way the tray menu and a second start post them.
// The test plays the operating system's part where the simulation cannot:
// it posts the device-change message after changing the adapter's presence.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/win32/debugged_process.h"
#include "app/win32/tray_icon_windows.h"

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* kHiddenTitle = L"Norvane Wireless UI";
constexpr const wchar_t* kSheetTitle = L"Zelvin Access Point Configuration";
constexpr UINT kCommandOpen = 32771;
constexpr UINT kCommandExit = 32772;
constexpr UINT kCommandStationMode = 32773;
// Upper bound for anything the program does in reaction to one step; a
// healthy run takes a fraction of it.
constexpr DWORD kPatienceMs = 30000;

fs::path EnvPath(const char* name) {
    const char* value = std::getenv(name);
    return value ? fs::path(value) : fs::path();
}

// Polls until `ready` holds or the patience runs out.
struct WindowCount {
    DWORD processId;
    int windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != count->processId) return TRUE;
    ++count->windows;
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

// Top-level windows of one process and all their descendants.
int CountWindowsOf(DWORD processId) {
    WindowCount count{processId};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

template <typename Predicate>
bool WaitUntil(Predicate ready, DWORD ms = kPatienceMs) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (ready()) return true;
        Sleep(50);
    }
    return ready();
}

HWND FindTitled(const wchar_t* title) { return FindWindowW(nullptr, title); }

// A top-level window of one process with exactly this title: other Windows
// tests may show a sheet with the same caption at the same time.
HWND FindTitledOf(DWORD processId, const wchar_t* title) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, nullptr, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

using zelvin::tray_icons::NewTrayIconWindows;
using zelvin::tray_icons::TrayIconWindows;

class ZelvinEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        fs::path stage = EnvPath("ZELVIN_STAGE_DIR");
        ASSERT_TRUE(fs::exists(stage / "Zelvin.exe")) << stage;
        folder_ = EnvPath("ZELVIN_TEST_TMP") / ("e2e_" + std::to_string(GetCurrentProcessId()) + "_" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "store");
        for (const char* name : {"Zelvin.exe", "NvAPAPI.dll", "NvSwap.exe"}) fs::copy_file(stage / name, folder_ / name);
        fs::copy(stage / "Languages", folder_ / "Languages", fs::copy_options::recursive);
        WriteSettings(true);
        WriteScenario("adapter_present = 1\n");
        SetEnvironmentVariableW(L"NVAPAPI_SIM_STORE_DIR", (folder_ / "store").wstring().c_str());
        SetEnvironmentVariableW(L"NVAPAPI_SIM_SCENARIO", (folder_ / "scenario.txt").wstring().c_str());
    }

    void TearDown() override {
        for (auto& p : processes_) {
            if (!p->WaitForExit(0)) {
                HWND hidden = FindTitled(kHiddenTitle);
                if (hidden) PostMessageW(hidden, WM_COMMAND, kCommandExit, 0);
                p->WaitForExit(kPatienceMs);
            }
        }
        processes_.clear();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void WriteSettings(bool debugMode) {
        std::ofstream(folder_ / "Zelvin.ini") << "[Settings]\r\nDebugMode=" << (debugMode ? 1 : 0) << "\r\n";
    }
    void WriteScenario(const std::string& text) { std::ofstream(folder_ / "scenario.txt") << text; }

    DebuggedProcess& Launch(const std::wstring& arguments = L"") {
        processes_.push_back(
            std::make_unique<DebuggedProcess>((folder_ / "Zelvin.exe").wstring(), arguments, folder_.wstring()));
        EXPECT_TRUE(processes_.back()->Started());
        return *processes_.back();
    }

    // The hidden window of a started instance once its start-up has run: a
    // message sent to it returns only when its message loop turns.
    HWND HiddenWindowAfterStartUp() {
        HWND hidden = nullptr;
        WaitUntil([&] { return (hidden = FindTitled(kHiddenTitle)) != nullptr; });
        if (hidden) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(hidden, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &ignored);
        }
        return hidden;
    }

    static int CountLines(const std::vector<std::string>& lines, const std::string& wanted) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), wanted));
    }
    static int CountPrefixed(const std::vector<std::string>& lines, const std::string& prefix) {
        return static_cast<int>(
            std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }

    fs::path folder_;
    std::vector<std::unique_ptr<DebuggedProcess>> processes_;
};

TEST_F(ZelvinEndToEnd, StartShowsTheSheetASecondStartRaisesItAndExitEndsTheProcess) {
    DebuggedProcess& first = Launch();
    HWND hidden = HiddenWindowAfterStartUp();
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
    const DWORD id = first.Id();
    ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }));

    // The user closes the sheet; a second start asks the first to open it again.
    PostMessageW(FindTitledOf(id, kSheetTitle), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) == nullptr; }));
    DebuggedProcess& second = Launch();
    EXPECT_EQ(second.WaitForExit(kPatienceMs), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }));
    EXPECT_EQ(FindTitled(kHiddenTitle), hidden);  // still the first instance

    PostMessageW(hidden, WM_COMMAND, kCommandExit, 0);
    EXPECT_EQ(first.WaitForExit(kPatienceMs), std::optional<DWORD>(0));
    EXPECT_EQ(FindTitledOf(id, kSheetTitle), nullptr);
    EXPECT_FALSE(fs::exists(folder_ / "NvSwap.log"));
    std::vector<std::string> lines = first.DebugLines();
    EXPECT_EQ(CountLines(lines, "[Zelvin]--> InitCard\n"), 1);
}

TEST_F(ZelvinEndToEnd, SilentStartOpensNoSheetAndTracesNothingWithDebugModeOff) {
    WriteSettings(false);
    DebuggedProcess& process = Launch(L"-s");
    HWND hidden = HiddenWindowAfterStartUp();
    ASSERT_NE(hidden, nullptr);
    const DWORD id = process.Id();
    EXPECT_EQ(FindTitledOf(id, kSheetTitle), nullptr);

    // The open command still works after a silent start.
    PostMessageW(hidden, WM_COMMAND, kCommandOpen, 0);
    EXPECT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }));

    PostMessageW(hidden, WM_COMMAND, kCommandExit, 0);
    ASSERT_TRUE(process.WaitForExit(kPatienceMs).has_value());
    EXPECT_EQ(CountPrefixed(process.DebugLines(), "[Zelvin]"), 0);
}

TEST_F(ZelvinEndToEnd, ProfileRequestThenStationModeSwitchEndsTheProcessAndStartsTheCompanion) {
    WriteScenario("adapter_present = 1\nos_generation = 10\n");
    DebuggedProcess& process = Launch(L"-S");
    HWND hidden = HiddenWindowAfterStartUp();
    ASSERT_NE(hidden, nullptr);

    // The configuration page's request after applying a new SSID.
    const char ssid[] = "NewNet";
    COPYDATASTRUCT request = {0x5A50, 6, const_cast<char*>(ssid)};
    EXPECT_EQ(SendMessageW(hidden, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request)), TRUE);
    char tooLong[65] = {};
    std::memset(tooLong, 'x', sizeof tooLong);
    COPYDATASTRUCT refused = {0x5A50, sizeof tooLong, tooLong};  // longer than any SSID
    EXPECT_EQ(SendMessageW(hidden, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&refused)), FALSE);
    EXPECT_TRUE(WaitUntil([&] {
        return CountLines(process.DebugLines(),
                          "[Zelvin] HideDlg::CHideDlg::NVAPAPI.NVAP_SetVistaWindowsProfile(SSID = NewNet, length = 6)\n") == 1;
    }));

    PostMessageW(hidden, WM_COMMAND, kCommandStationMode, 0);
    EXPECT_EQ(process.WaitForExit(kPatienceMs), std::optional<DWORD>(0));

    fs::path log = folder_ / "NvSwap.log";
    std::string text;
    ASSERT_TRUE(WaitUntil([&] {
        std::ifstream in(log, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return text.find("\r\n") != std::string::npos;
    })) << "NvSwap.log never written";
    EXPECT_EQ(text,
              "\"NvSwap.exe\" OFF Corvella_WLAN_Utility Zelvin \"Corvella WLAN\" \"Corvella Wireless Utility\" "
              "\"USB\\VID_FFFF&PID_5A01\\SIM1000\"\r\n");
    std::vector<std::string> lines = process.DebugLines();
    EXPECT_GE(CountPrefixed(lines, "[Zelvin][NvCfg] Load dll Success: "), 1);
}

TEST_F(ZelvinEndToEnd, MissingLibraryShowsLoadDllFail) {
    fs::remove(folder_ / "NvAPAPI.dll");
    DebuggedProcess& process = Launch();
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindTitled(L"Load dll fail")) != nullptr; }));
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    // The full path of the library beside the executable, as Windows spells it.
    std::wstring shown = text;
    std::wstring tail = L"\\" + folder_.filename().wstring() + L"\\NvAPAPI.dll";
    EXPECT_EQ(shown.substr(1, 2), L":\\") << shown;
    ASSERT_GE(shown.size(), tail.size());
    EXPECT_EQ(shown.substr(shown.size() - tail.size()), tail);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(process.WaitForExit(kPatienceMs).has_value());
    EXPECT_EQ(FindTitled(kHiddenTitle), nullptr);
    EXPECT_EQ(CountPrefixed(process.DebugLines(), "[Zelvin][NvCfg] Load dll fail: "), 1);
}

TEST_F(ZelvinEndToEnd, UnpluggingClosesTheSheetAndReplugReinitialisesTheCard) {
    DebuggedProcess& process = Launch();
    HWND hidden = HiddenWindowAfterStartUp();
    ASSERT_NE(hidden, nullptr);
    const DWORD id = process.Id();
    ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }));

    WriteScenario("adapter_present = 0\n");
    PostMessageW(hidden, WM_DEVICECHANGE, 7 /* DBT_DEVNODES_CHANGED */, 0);
    EXPECT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) == nullptr; }));
    EXPECT_TRUE(WaitUntil([&] {
        return CountLines(process.DebugLines(), "[Zelvin]WM_DEVICECHANGE : Set G_bDeviceRemoved = TRUE\n") >= 1;
    }));

    WriteScenario("adapter_present = 1\n");
    PostMessageW(hidden, WM_DEVICECHANGE, 7, 0);
    EXPECT_TRUE(WaitUntil([&] {
        return CountLines(process.DebugLines(), "[Zelvin] HideDlg::OnTimer : G_bDeviceRemoved = TRUE : InitCard()\n") >= 1;
    }));
    EXPECT_TRUE(WaitUntil([&] { return CountLines(process.DebugLines(), "[Zelvin]--> InitCard\n") == 2; }));
    EXPECT_EQ(FindTitledOf(id, kSheetTitle), nullptr);  // stays closed until opened again

    PostMessageW(hidden, WM_COMMAND, kCommandExit, 0);
    EXPECT_TRUE(process.WaitForExit(kPatienceMs).has_value());
}

// The icon is looked for where the shell keeps it, not taken from the
// program's word: a new icon window must appear in the notification area, a
// double click on it must reach this program (its sheet opens), and the icon
// must go when the program ends.
TEST_F(ZelvinEndToEnd, StartUpPutsAnIconIntoTheNotificationAreaThatReachesTheProgram) {
    const std::vector<HWND> before = TrayIconWindows();
    DebuggedProcess& process = Launch(L"-S");
    HWND hidden = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hidden = FindTitled(kHiddenTitle)) != nullptr; }));
    const DWORD id = process.Id();

    // A posted command is taken only by the window's own loop, which runs
    // once start-up is over (a sent message may be answered in the middle of
    // it). The shell is then given the usual patience to show the icon: a
    // tight deadline would make a loaded machine fail a sound program.
    PostMessageW(hidden, WM_COMMAND, kCommandOpen, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }));
    std::vector<HWND> added;
    WaitUntil([&] { return !(added = NewTrayIconWindows(before)).empty(); });
    ASSERT_FALSE(added.empty()) << "no icon in the notification area after start-up";
    PostMessageW(FindTitledOf(id, kSheetTitle), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) == nullptr; }));

    // Other programs may add icons meanwhile: one of the new ones is ours, and
    // a double click on it opens the sheet again.
    HWND ours = nullptr;
    for (HWND icon : added) {
        PostMessageW(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
        if (WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }, 5000)) {
            ours = icon;
            break;
        }
    }
    ASSERT_NE(ours, nullptr) << "no new icon relays to the program";

    PostMessageW(hidden, WM_COMMAND, kCommandExit, 0);
    EXPECT_TRUE(process.WaitForExit(kPatienceMs).has_value());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(ours); })) << "the icon outlived the program";
}

// Wine reports no handle or GDI counts for another process (they read 0), so
// what is measured is what it does report: the windows the process owns. A
// sheet hidden instead of destroyed, or a page left behind, shows up here.
TEST_F(ZelvinEndToEnd, OpeningAndClosingTheSheetAgainAndAgainLeavesNoWindowsBehind) {
    DebuggedProcess& process = Launch(L"-S");
    HWND hidden = HiddenWindowAfterStartUp();
    ASSERT_NE(hidden, nullptr);
    const DWORD id = process.Id();
    auto cycle = [&] {
        PostMessageW(hidden, WM_COMMAND, kCommandOpen, 0);
        ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) != nullptr; }));
        PostMessageW(FindTitledOf(id, kSheetTitle), WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(WaitUntil([&] { return FindTitledOf(id, kSheetTitle) == nullptr; }));
    };
    cycle();  // first-use allocations settle
    int settled = CountWindowsOf(id);
    for (int i = 0; i < 6; ++i) cycle();
    EXPECT_EQ(CountWindowsOf(id), settled);
    EXPECT_GT(settled, 0);  // the hidden window at least: the count is real

    PostMessageW(hidden, WM_COMMAND, kCommandExit, 0);
    EXPECT_TRUE(process.WaitForExit(kPatienceMs).has_value());
}

}  // namespace
