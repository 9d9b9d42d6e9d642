// A real control behind the portable Control interface.
#pragma once

#include "toolkit/win32/win32_headers.h"

#include <functional>
#include <vector>

#include "toolkit/control.h"

namespace zelvin::tk {

class Win32Control final : public Control {
public:
    // groupOf lists the radio buttons of this one's group (for Click).
    Win32Control(HWND window, int id, ControlKind kind, std::function<std::vector<int>()> groupOf = {});
    ~Win32Control() override;

    int Id() const override { return id_; }
    ControlKind Kind() const override { return kind_; }
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }

    void Show(bool visible) override;
    bool IsVisible() const override;
    void Enable(bool enabled) override;
    bool IsEnabled() const override;
    void SetText(std::string_view text) override;
    std::string Text() const override;
    void SetFocus() override;
    bool HasFocus() const override;
    Rect WindowRect() const override;
    Rect ClientRect() const override;
    void Move(const Rect& inParent, bool repaint) override;
    void Redraw() override;
    int MeasureTextWidth(std::string_view text) const override;

    void SetCheck(int state) override;
    int Check() const override;
    void Click() override;

    void SetLimitText(int maxChars) override;
    int LimitText() const override;
    void SetPasswordChar(char32_t maskChar) override;
    char32_t PasswordChar() const override;
    void SetReadOnly(bool readOnly) override;
    bool IsReadOnly() const override;
    void SelectAll() override;
    void TypeChar(char32_t ch) override;
    void ReplaceSelection(std::string_view text) override;
    void SetCharFilter(std::function<bool(char32_t)> accept) override;

    int AddItem(std::string_view text) override;
    int InsertItem(int index, std::string_view text) override;
    bool DeleteItem(int index) override;
    void ClearItems() override;
    int ItemCount() const override;
    std::string ItemText(int index) const override;
    bool SetItemData(int index, std::intptr_t data) override;
    std::intptr_t ItemData(int index) const override;
    int Selection() const override;
    int Select(int index) override;
    int FindPrefix(std::string_view prefix, int startAfter) const override;
    int FindExact(std::string_view text, int startAfter) const override;

    void SetDroppedWidth(int pixels) override;
    int DroppedWidth() const override;
    void ShowDropDown(bool show) override;
    void SetDropDownHook(std::function<void()> hook) override { dropDownHook_ = std::move(hook); }
    // Called by the dialog when the combo reports it is dropping down.
    void RunDropDownHook() {
        if (dropDownHook_) dropDownHook_();
    }

    void SetItemHeight(int pixels) override;
    int ItemHeight() const override;
    Rect ItemRect(int index) const override;

    void SetExtendedStyle(uint32_t styles) override;
    uint32_t ExtendedStyle() const override;
    int InsertColumn(int index, std::string_view title, int widthPixels) override;
    int ColumnCount() const override;
    int ColumnWidth(int column) const override;
    bool SetColumnWidth(int column, int widthPixels) override;
    std::string ColumnTitle(int column) const override;
    bool SetSubItemText(int row, int column, std::string_view text) override;
    std::string SubItemText(int row, int column) const override;
    void SetNoHorizontalScroll(bool never) override;
    bool HasHorizontalScrollBar() const override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void EnsureSubclassed();
    bool IsCombo() const { return kind_ == ControlKind::DropDownList || kind_ == ControlKind::DropDownCombo; }
    bool IsEditable() const { return kind_ == ControlKind::Edit || kind_ == ControlKind::DropDownCombo; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }
    int FindInListView(std::string_view text, int startAfter, bool wholeText) const;

    HWND hwnd_;
    int id_;
    ControlKind kind_;
    std::function<std::vector<int>()> groupOf_;
    std::function<bool(char32_t)> charFilter_;
    std::function<void()> dropDownHook_;
    bool noHorizontalScroll_ = false;
    bool subclassed_ = false;
};

}  // namespace zelvin::tk
