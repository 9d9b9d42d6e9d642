#include "toolkit/win32/win32_control.h"


#include <algorithm>
#include <string>

#include "platform/win32/win32_text.h"

namespace zelvin::tk {

namespace {

constexpr UINT_PTR kSubclassId = 0x5A454C;

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return ToUtf8(text);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix, bool wholeText) {
    if (wholeText ? text.size() != prefix.size() : text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
    }
    return true;
}

std::wstring Utf16Units(char32_t ch) {
    std::wstring units;
    if (ch >= 0x10000) {
        char32_t v = ch - 0x10000;
        units.push_back(static_cast<wchar_t>(0xD800 + (v >> 10)));
        units.push_back(static_cast<wchar_t>(0xDC00 + (v & 0x3FF)));
    } else {
        units.push_back(static_cast<wchar_t>(ch));
    }
    return units;
}

}  // namespace

Win32Control::Win32Control(HWND window, int id, ControlKind kind, std::function<std::vector<int>()> groupOf)
    : hwnd_(window), id_(id), kind_(kind), groupOf_(std::move(groupOf)) {}

Win32Control::~Win32Control() {
    if (subclassed_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
}

LRESULT CALLBACK Win32Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR selfData) {
    auto* self = reinterpret_cast<Win32Control*>(selfData);
    switch (message) {
        case WM_CHAR:
            // Control characters (backspace, tab, return) always pass.
            if (self->charFilter_ && wParam >= 0x20 && !self->charFilter_(static_cast<char32_t>(wParam))) return 0;
            break;
        case WM_NCCALCSIZE:
            if (self->noHorizontalScroll_) {
                LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
                if ((style & WS_HSCROLL) != 0) SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~WS_HSCROLL);
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
            self->subclassed_ = false;
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Win32Control::EnsureSubclassed() {
    if (!subclassed_) subclassed_ = SetWindowSubclass(hwnd_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void Win32Control::Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

bool Win32Control::IsVisible() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Win32Control::Enable(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool Win32Control::IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Win32Control::SetText(std::string_view text) {
    if (kind_ == ControlKind::DropDownList || kind_ == ControlKind::ListBox || kind_ == ControlKind::ListView) return;
    SetWindowTextW(hwnd_, ToWide(text).c_str());
}

std::string Win32Control::Text() const {
    if (kind_ == ControlKind::ListBox || kind_ == ControlKind::ListView) return "";
    return WindowText(hwnd_);
}

void Win32Control::SetFocus() { ::SetFocus(hwnd_); }

bool Win32Control::HasFocus() const {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == hwnd_ || IsChild(hwnd_, focus));
}

Rect Win32Control::WindowRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return FromRECT(r);
}

Rect Win32Control::ClientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return FromRECT(r);
}

void Win32Control::Move(const Rect& inParent, bool repaint) {
    MoveWindow(hwnd_, inParent.left, inParent.top, inParent.Width(), inParent.Height(), repaint ? TRUE : FALSE);
}

void Win32Control::Redraw() {
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

int Win32Control::MeasureTextWidth(std::string_view text) const {
    HDC dc = GetDC(hwnd_);
    if (dc == nullptr) return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT));
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    std::wstring wide = ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    if (previous != nullptr) SelectObject(dc, previous);
    ReleaseDC(hwnd_, dc);
    return size.cx;
}

void Win32Control::SetCheck(int state) {
    if (kind_ == ControlKind::CheckBox || kind_ == ControlKind::RadioButton) Send(BM_SETCHECK, static_cast<WPARAM>(state));
}

int Win32Control::Check() const {
    if (kind_ != ControlKind::CheckBox && kind_ != ControlKind::RadioButton) return 0;
    return static_cast<int>(Send(BM_GETCHECK));
}

void Win32Control::Click() {
    // Done by hand rather than with a simulated mouse click, which depends
    // on the window being active.
    if (!IsEnabled()) return;
    if (kind_ == ControlKind::CheckBox) SetCheck(Check() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    if (kind_ == ControlKind::RadioButton) {
        HWND parent = GetParent(hwnd_);
        if (groupOf_) {
            for (int other : groupOf_()) {
                if (HWND sibling = GetDlgItem(parent, other)) SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        SetCheck(BST_CHECKED);
    }
    SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
}

void Win32Control::SetLimitText(int maxChars) {
    if (kind_ == ControlKind::Edit) Send(EM_SETLIMITTEXT, static_cast<WPARAM>(maxChars));
    if (kind_ == ControlKind::DropDownCombo) Send(CB_LIMITTEXT, static_cast<WPARAM>(maxChars));
}

int Win32Control::LimitText() const {
    return kind_ == ControlKind::Edit ? static_cast<int>(Send(EM_GETLIMITTEXT)) : 0;
}

void Win32Control::SetPasswordChar(char32_t maskChar) {
    if (kind_ != ControlKind::Edit) return;
    Send(EM_SETPASSWORDCHAR, static_cast<WPARAM>(maskChar));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

char32_t Win32Control::PasswordChar() const {
    return kind_ == ControlKind::Edit ? static_cast<char32_t>(Send(EM_GETPASSWORDCHAR)) : 0;
}

void Win32Control::SetReadOnly(bool readOnly) {
    if (kind_ == ControlKind::Edit) Send(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

bool Win32Control::IsReadOnly() const {
    return kind_ == ControlKind::Edit && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
}

void Win32Control::SelectAll() {
    if (kind_ == ControlKind::Edit) Send(EM_SETSEL, 0, -1);
}

void Win32Control::TypeChar(char32_t ch) {
    if (kind_ != ControlKind::Edit || !IsEnabled() || IsReadOnly()) return;
    if (ch < 0x20 && ch != 0x08) return;
    // Typing happens at the end of the text, as in the model backend.
    int length = GetWindowTextLengthW(hwnd_);
    Send(EM_SETSEL, static_cast<WPARAM>(length), length);
    for (wchar_t unit : Utf16Units(ch)) Send(WM_CHAR, unit, 1);
}

void Win32Control::ReplaceSelection(std::string_view text) {
    if (kind_ == ControlKind::Edit) Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void Win32Control::SetCharFilter(std::function<bool(char32_t)> accept) {
    charFilter_ = std::move(accept);
    EnsureSubclassed();
}

int Win32Control::AddItem(std::string_view text) {
    std::wstring wide = ToWide(text);
    if (IsCombo()) return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    if (kind_ == ControlKind::ListBox) return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    if (kind_ == ControlKind::ListView) return InsertItem(-1, text);
    return kNoItem;
}

int Win32Control::InsertItem(int index, std::string_view text) {
    std::wstring wide = ToWide(text);
    int count = ItemCount();
    if (index < 0 || index > count) index = count;
    if (IsCombo()) return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
    if (kind_ == ControlKind::ListBox) {
        return static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
    }
    if (kind_ != ControlKind::ListView) return kNoItem;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = wide.data();
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

bool Win32Control::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) return false;
    if (IsCombo()) return Send(CB_DELETESTRING, static_cast<WPARAM>(index)) != CB_ERR;
    if (kind_ == ControlKind::ListBox) return Send(LB_DELETESTRING, static_cast<WPARAM>(index)) != LB_ERR;
    if (kind_ == ControlKind::ListView) return Send(LVM_DELETEITEM, static_cast<WPARAM>(index)) != FALSE;
    return false;
}

void Win32Control::ClearItems() {
    if (IsCombo()) Send(CB_RESETCONTENT);
    if (kind_ == ControlKind::ListBox) Send(LB_RESETCONTENT);
    if (kind_ == ControlKind::ListView) Send(LVM_DELETEALLITEMS);
}

int Win32Control::ItemCount() const {
    if (IsCombo()) return static_cast<int>(Send(CB_GETCOUNT));
    if (kind_ == ControlKind::ListBox) return static_cast<int>(Send(LB_GETCOUNT));
    if (kind_ == ControlKind::ListView) return static_cast<int>(Send(LVM_GETITEMCOUNT));
    return 0;
}

std::string Win32Control::ItemText(int index) const {
    if (index < 0 || index >= ItemCount()) return "";
    if (kind_ == ControlKind::ListView) return SubItemText(index, 0);
    UINT lengthMessage = IsCombo() ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    UINT textMessage = IsCombo() ? CB_GETLBTEXT : LB_GETTEXT;
    if (!IsCombo() && kind_ != ControlKind::ListBox) return "";
    LRESULT length = Send(lengthMessage, static_cast<WPARAM>(index));
    if (length < 0) return "";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = Send(textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
    return ToUtf8(text);
}

bool Win32Control::SetItemData(int index, std::intptr_t data) {
    if (index < 0 || index >= ItemCount()) return false;
    if (IsCombo()) return Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data) != CB_ERR;
    if (kind_ == ControlKind::ListBox) return Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data) != LB_ERR;
    if (kind_ != ControlKind::ListView) return false;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = data;
    return Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::intptr_t Win32Control::ItemData(int index) const {
    if (index < 0 || index >= ItemCount()) return kNoItem;
    if (IsCombo()) return Send(CB_GETITEMDATA, static_cast<WPARAM>(index));
    if (kind_ == ControlKind::ListBox) return Send(LB_GETITEMDATA, static_cast<WPARAM>(index));
    if (kind_ != ControlKind::ListView) return kNoItem;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

int Win32Control::Selection() const {
    if (IsCombo()) return static_cast<int>(Send(CB_GETCURSEL));
    if (kind_ == ControlKind::ListBox) return static_cast<int>(Send(LB_GETCURSEL));
    if (kind_ == ControlKind::ListView) return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return kNoItem;
}

int Win32Control::Select(int index) {
    if (index < 0 || index >= ItemCount()) index = kNoItem;
    if (IsCombo()) {
        Send(CB_SETCURSEL, static_cast<WPARAM>(index));
    } else if (kind_ == ControlKind::ListBox) {
        Send(LB_SETCURSEL, static_cast<WPARAM>(index));
    } else if (kind_ == ControlKind::ListView) {
        LVITEMW clear{};
        clear.stateMask = LVIS_SELECTED;
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
        if (index != kNoItem) {
            LVITEMW select{};
            select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            select.state = LVIS_SELECTED | LVIS_FOCUSED;
            Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&select));
        }
    } else {
        return kNoItem;
    }
    return Selection();
}

int Win32Control::FindInListView(std::string_view text, int startAfter, bool wholeText) const {
    int count = ItemCount();
    if (count == 0) return kNoItem;
    int start = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        int index = (start + step) % count;
        if (StartsWithNoCase(ItemText(index), text, wholeText)) return index;
    }
    return kNoItem;
}

int Win32Control::FindPrefix(std::string_view prefix, int startAfter) const {
    std::wstring wide = ToWide(prefix);
    WPARAM start = static_cast<WPARAM>(startAfter);
    if (IsCombo()) return static_cast<int>(Send(CB_FINDSTRING, start, reinterpret_cast<LPARAM>(wide.c_str())));
    if (kind_ == ControlKind::ListBox) return static_cast<int>(Send(LB_FINDSTRING, start, reinterpret_cast<LPARAM>(wide.c_str())));
    if (kind_ == ControlKind::ListView) return FindInListView(prefix, startAfter, false);
    return kNoItem;
}

int Win32Control::FindExact(std::string_view text, int startAfter) const {
    std::wstring wide = ToWide(text);
    WPARAM start = static_cast<WPARAM>(startAfter);
    if (IsCombo()) return static_cast<int>(Send(CB_FINDSTRINGEXACT, start, reinterpret_cast<LPARAM>(wide.c_str())));
    if (kind_ == ControlKind::ListBox) {
        return static_cast<int>(Send(LB_FINDSTRINGEXACT, start, reinterpret_cast<LPARAM>(wide.c_str())));
    }
    if (kind_ == ControlKind::ListView) return FindInListView(text, startAfter, true);
    return kNoItem;
}

void Win32Control::SetDroppedWidth(int pixels) {
    if (IsCombo()) Send(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(pixels));
}

int Win32Control::DroppedWidth() const {
    if (!IsCombo()) return 0;
    // The platform keeps the list at least as wide as the control.
    return std::max(static_cast<int>(Send(CB_GETDROPPEDWIDTH)), WindowRect().Width());
}

void Win32Control::ShowDropDown(bool show) {
    if (IsCombo()) Send(CB_SHOWDROPDOWN, show ? TRUE : FALSE);
}

void Win32Control::SetItemHeight(int pixels) {
    if (kind_ == ControlKind::ListBox) Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(pixels, 0));
}

int Win32Control::ItemHeight() const {
    return kind_ == ControlKind::ListBox ? static_cast<int>(Send(LB_GETITEMHEIGHT, 0)) : 0;
}

Rect Win32Control::ItemRect(int index) const {
    if (kind_ != ControlKind::ListBox || index < 0 || index >= ItemCount()) return {};
    RECT r{};
    Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return FromRECT(r);
}

void Win32Control::SetExtendedStyle(uint32_t styles) {
    if (kind_ == ControlKind::ListView) Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles));
}

uint32_t Win32Control::ExtendedStyle() const {
    return kind_ == ControlKind::ListView ? static_cast<uint32_t>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)) : 0;
}

int Win32Control::InsertColumn(int index, std::string_view title, int widthPixels) {
    if (kind_ != ControlKind::ListView) return kNoItem;
    int count = ColumnCount();
    if (index < 0 || index > count) index = count;
    std::wstring wide = ToWide(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = wide.data();
    column.cx = widthPixels;
    column.iSubItem = index;
    return static_cast<int>(Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int Win32Control::ColumnCount() const {
    if (kind_ != ControlKind::ListView) return 0;
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    return header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int Win32Control::ColumnWidth(int column) const {
    if (column < 0 || column >= ColumnCount()) return 0;
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

bool Win32Control::SetColumnWidth(int column, int widthPixels) {
    if (column < 0 || column >= ColumnCount()) return false;
    return Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(widthPixels, 0)) != FALSE;
}

std::string Win32Control::ColumnTitle(int column) const {
    if (column < 0 || column >= ColumnCount()) return "";
    wchar_t buffer[260] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = buffer;
    info.cchTextMax = 259;
    Send(LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return ToUtf8(buffer);
}

bool Win32Control::SetSubItemText(int row, int column, std::string_view text) {
    if (kind_ != ControlKind::ListView || row < 0 || row >= ItemCount() || column < 0) return false;
    if (column > 0 && column >= ColumnCount()) return false;
    std::wstring wide = ToWide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    return Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::string Win32Control::SubItemText(int row, int column) const {
    if (kind_ != ControlKind::ListView || row < 0 || row >= ItemCount() || column < 0) return "";
    // Grow the buffer until the text fits.
    for (size_t size = 256; size <= 65536; size *= 4) {
        std::wstring buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(size) - 1) {
            buffer.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
            return ToUtf8(buffer);
        }
    }
    return "";
}

void Win32Control::SetNoHorizontalScroll(bool never) {
    noHorizontalScroll_ = never;
    EnsureSubclassed();
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool Win32Control::HasHorizontalScrollBar() const {
    return kind_ == ControlKind::ListView && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_HSCROLL) != 0;
}

}  // namespace zelvin::tk
