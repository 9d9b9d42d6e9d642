// Plain types shared by the toolkit's portable interface and its backends:
// opaque window and icon handles, rectangles, control kinds and styles,
// notification codes, and the message-box and dialog-result codes.
#pragma once

#include <cstdint>

namespace zelvin::tk {

// A window of the platform (a dialog, page, sheet or control), never
// dereferenced by portable code. The Win32 backend stores an HWND in it.
struct OpaqueWindow;
using WindowHandle = OpaqueWindow*;

// An icon of the platform (HICON on Win32).
struct OpaqueIcon;
using IconHandle = OpaqueIcon*;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

enum class ControlKind {
    Static,            // a text label
    GroupBox,          // a frame with a caption
    Icon,              // a static picture
    Edit,              // a single-line edit (text or number)
    Button,            // a push button
    CheckBox,          // an automatic check box
    RadioButton,       // an automatic radio button; a group starts at kGroup
    DropDownList,      // a combo box the user can only choose from
    DropDownCombo,     // an editable combo box
    ListBox,           // a single-selection list box
    ListView,          // a report list view with columns
    IpAddress,         // an IPv4 address field
};

// Style flags of a control in a layout. Interactive controls get a tab stop
// by themselves; the flags say only what differs from a control's default.
enum ControlStyle : uint32_t {
    kStyleNone = 0,
    kGroup = 1u << 0,           // starts a group: radio buttons, tab order
    kDisabled = 1u << 1,        // created disabled
    kNumber = 1u << 2,          // edit: digits only (typed)
    kPassword = 1u << 3,        // edit: masked with '*'
    kReadOnly = 1u << 4,        // edit: cannot be changed by the user
    kDefaultButton = 1u << 5,   // button: the default (Enter) button
    kSort = 1u << 6,            // combo box / list box: items kept sorted
    kBorder = 1u << 7,          // list view / static: a thin border
    kShowSelectionAlways = 1u << 8,  // list view: selection shown without focus
    kVerticalScroll = 1u << 9,  // list box / combo: a vertical scroll bar
    kAlignRight = 1u << 10,     // static / edit: right-aligned text
    kAlignCenter = 1u << 11,    // static / edit: centred text
    kNoTabStop = 1u << 12,      // interactive control left out of the tab order
    kIntegralHeight = 1u << 13, // list box: shrink to whole items
};

// List-view extended styles. The values are the platform's own.
enum ListViewExStyle : uint32_t {
    kLvGridLines = 0x0001,
    kLvFullRowSelect = 0x0020,
    kLvInfoTip = 0x0400,
};

// What a control tells its dialog. Buttons send Clicked; combo boxes and list
// boxes SelChange, DropDown and CloseUp; edits Change, SetFocus and KillFocus;
// list views ItemChanged, Click and DoubleClick.
enum class Notification {
    Clicked,
    DoubleClick,
    SelChange,
    DropDown,
    CloseUp,
    Change,
    SetFocus,
    KillFocus,
    ItemChanged,
    Click,
};

// Message-box styles and dialog results. The numbers are the platform's own,
// so a result can be passed straight to EndDialog.
enum MessageBoxStyle : unsigned {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbYesNoCancel = 0x3,
    kMbYesNo = 0x4,
    kMbRetryCancel = 0x5,
    kMbIconStop = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
    kMbButtonsMask = 0xF,
    kMbIconMask = 0xF0,
};

enum DialogResult : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdAbort = 3,
    kIdRetry = 4,
    kIdIgnore = 5,
    kIdYes = 6,
    kIdNo = 7,
};

// Command identifiers of a property sheet's own buttons.
enum SheetButton : int {
    kSheetOk = 1,
    kSheetCancel = 2,
    kSheetHelp = 9,
    kSheetApply = 0x3021,
};

// Returned by item operations when there is no such item, as the platform does.
inline constexpr int kNoItem = -1;

}  // namespace zelvin::tk
