// One control of a dialog or page, as the logic sees it. Both backends
// implement it: the Win32 one on a real window, the in-memory one on a model
// with the same state. Like the platform's controls, an operation that does
// not apply to a control's kind does nothing and returns 0, "" or kNoItem.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "toolkit/types.h"

namespace zelvin::tk {

class Control {
public:
    virtual ~Control() = default;

    virtual int Id() const = 0;
    virtual ControlKind Kind() const = 0;
    virtual WindowHandle Handle() const = 0;

    // --- Every kind ---------------------------------------------------------
    virtual void Show(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Enable(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
    // Caption of a static, button or group box; content of an edit; the
    // selected item's text of a drop-down list; the edit text of a combo.
    virtual void SetText(std::string_view text) = 0;
    virtual std::string Text() const = 0;
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;
    // Screen coordinates.
    virtual Rect WindowRect() const = 0;
    // Origin at (0, 0).
    virtual Rect ClientRect() const = 0;
    // Moves the control, in the client coordinates of its dialog.
    virtual void Move(const Rect& inParent, bool repaint = true) = 0;
    virtual void Redraw() = 0;
    // Width in pixels of a text drawn in the control's font.
    virtual int MeasureTextWidth(std::string_view text) const = 0;

    // --- Check boxes and radio buttons: 0 clear, 1 checked -----------------
    virtual void SetCheck(int state) = 0;
    virtual int Check() const = 0;
    // A user's click: buttons report Clicked to the dialog, check boxes and
    // radio buttons change their state first.
    virtual void Click() = 0;

    // --- Edits --------------------------------------------------------------
    // Limit in characters (UTF-16 units, as the platform counts); 0 = default.
    virtual void SetLimitText(int maxChars) = 0;
    virtual int LimitText() const = 0;
    // 0 shows the text as it is.
    virtual void SetPasswordChar(char32_t maskChar) = 0;
    virtual char32_t PasswordChar() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;
    virtual void SelectAll() = 0;
    // A character typed by the user at the end of the text: it passes the
    // character filter (if any) and the limit; control characters other than
    // backspace are ignored, backspace deletes the last character.
    virtual void TypeChar(char32_t ch) = 0;
    // Text placed as by a paste: replaces the selection, never filtered.
    virtual void ReplaceSelection(std::string_view text) = 0;
    // Decides per typed character whether the edit takes it. Pasted text and
    // SetText bypass it.
    virtual void SetCharFilter(std::function<bool(char32_t)> accept) = 0;

    // --- Combo boxes, list boxes and list views: items ---------------------
    // Appends (or inserts at the sorted place); returns the new index.
    virtual int AddItem(std::string_view text) = 0;
    // Inserts at index (-1: at the end); returns the new index.
    virtual int InsertItem(int index, std::string_view text) = 0;
    virtual bool DeleteItem(int index) = 0;
    virtual void ClearItems() = 0;
    virtual int ItemCount() const = 0;
    virtual std::string ItemText(int index) const = 0;
    virtual bool SetItemData(int index, std::intptr_t data) = 0;
    // kNoItem for an index out of range.
    virtual std::intptr_t ItemData(int index) const = 0;
    // Selected index, kNoItem when nothing is selected.
    virtual int Selection() const = 0;
    // Selects index; kNoItem clears the selection. Returns the selection.
    virtual int Select(int index) = 0;
    // First item after startAfter (wrapping round; -1 searches all) whose
    // text begins with prefix, ignoring case; kNoItem when none.
    virtual int FindPrefix(std::string_view prefix, int startAfter = -1) const = 0;
    // The same for a whole text, ignoring case.
    virtual int FindExact(std::string_view text, int startAfter = -1) const = 0;

    // --- Combo boxes ----------------------------------------------------------
    virtual void SetDroppedWidth(int pixels) = 0;
    // The platform keeps the drop-down at least as wide as the control.
    virtual int DroppedWidth() const = 0;
    // Opens or closes the drop-down part as the user would.
    virtual void ShowDropDown(bool show) = 0;
    // Runs each time the list is about to drop down, before the dialog hears.
    virtual void SetDropDownHook(std::function<void()> hook) = 0;

    // --- List boxes -------------------------------------------------------
    virtual void SetItemHeight(int pixels) = 0;
    virtual int ItemHeight() const = 0;
    // Client coordinates of the list box; empty for a bad index.
    virtual Rect ItemRect(int index) const = 0;

    // --- List views -------------------------------------------------------
    virtual void SetExtendedStyle(uint32_t listViewExStyles) = 0;
    virtual uint32_t ExtendedStyle() const = 0;
    virtual int InsertColumn(int index, std::string_view title, int widthPixels) = 0;
    virtual int ColumnCount() const = 0;
    virtual int ColumnWidth(int column) const = 0;
    virtual bool SetColumnWidth(int column, int widthPixels) = 0;
    virtual std::string ColumnTitle(int column) const = 0;
    virtual bool SetSubItemText(int row, int column, std::string_view text) = 0;
    virtual std::string SubItemText(int row, int column) const = 0;
    // Keeps the horizontal scroll bar off however wide the columns are.
    virtual void SetNoHorizontalScroll(bool never) = 0;
    virtual bool HasHorizontalScrollBar() const = 0;
};

}  // namespace zelvin::tk
