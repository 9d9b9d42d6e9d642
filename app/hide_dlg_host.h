// What the hidden main window needs from the windowing system. The Win32
// program implements it with real windows; tests implement it with fakes and a
// virtual clock, so the window's logic runs the same in both.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/hide_dlg_texts.h"
#include "app/tray_state.h"
#include "core/nvap_records.h"

// An opaque reference to a top-level or child window of any process; 0 is none.
using WindowRef = std::uintptr_t;

// A screen rectangle in pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class MessageIcon { None, Exclamation, Stop };

struct MessageBoxRequest {
    bool ownedByHiddenWindow = true;
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Exclamation;
};

struct TrayMenuItem {
    unsigned commandId = 0;
    std::string text;
};

// The open configuration sheet, as the hidden window drives it.
class ConfigSheet {
public:
    virtual ~ConfigSheet() = default;
    virtual bool IsWindowAlive() = 0;
    virtual void DestroyWindow() = 0;
    virtual void BringToForeground() = 0;
    virtual void SetSmallIcon(TrayState state) = 0;
    virtual void UpdateBlockAckPage() = 0;
    virtual ScreenRect WindowRect() = 0;
    virtual ScreenRect HelpButtonRect() = 0;
    virtual void MoveTo(const ScreenRect& rect) = 0;  // with repainting
};

class HideDlgHost {
public:
    virtual ~HideDlgHost() = default;

    // The hidden window's own handle, as handed to the driver library.
    virtual void* WindowHandle() = 0;
    virtual void SetMainIcon() = 0;
    virtual void EndDialog(int result) = 0;
    // Loads the process-wide string table and hands back the texts used here.
    virtual HideDlgTexts LoadStringTable() = 0;

    // Notification-area icon of the hidden window, callback message 0x464.
    virtual bool TrayAdd(TrayState state, const std::string& tooltip) = 0;
    virtual bool TrayModify(TrayState state, const std::string& tooltip) = 0;
    virtual bool TrayDelete() = 0;
    // Reads the cursor, brings the hidden window to the front and tracks the
    // menu; its command arrives later as a window command.
    virtual void ShowTrayMenu(const std::vector<TrayMenuItem>& items) = 0;

    virtual void SetTimer(unsigned id, unsigned periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;

    // Modal; runs a nested message loop until the user answers.
    virtual void ShowMessage(const MessageBoxRequest& request) = 0;
    // Modal adapter choice over `count` records; the chosen index, or nothing
    // when the dialog ended without OK.
    virtual std::optional<int> ChooseAdapter(const std::vector<AVAILABLE_DEV>& adapters) = 0;
    // Creates the sheet's window, modeless, captioned and owned by the hidden
    // window, first page selected.
    virtual std::unique_ptr<ConfigSheet> CreateSheet(const std::string& caption) = 0;

    // Top-level window lookup across processes, by exact title or by class.
    virtual WindowRef FindTopLevelWindow(const std::string& title) = 0;
    virtual WindowRef FindTopLevelWindowByClass(const std::string& className) = 0;
    // The first descendant (depth first) of `parent` with this class.
    virtual WindowRef FindDescendantByClass(WindowRef parent, const std::string& className) = 0;
    virtual int ClientWidth(WindowRef window) = 0;
    virtual void PostCloseRequest(WindowRef window) = 0;
    virtual void PostMouseMove(WindowRef window, int x, int y) = 0;
    // Lets other processes run for a moment; used only while waiting for a
    // help window to close, and never longer than a few tens of milliseconds.
    virtual void PauseBriefly() = 0;

    // Starts a program minimised and does not wait for it.
    virtual bool StartProgram(const std::string& fullPath, const std::string& commandLine,
                              const std::string& workingFolder) = 0;

    // Event store of the event log page: the store rule for one successful
    // query, and the reset done when a new sheet opens.
    virtual void AppendEvents(const KX_802_11_EVENT_TABLE& table) = 0;
    virtual void ResetEventLogShown() = 0;
};
