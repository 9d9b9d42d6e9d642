#include "toolkit/null_control.h"

namespace zelvin::tk {

namespace {

class InertControl final : public Control {
public:
    int Id() const override { return -1; }
    ControlKind Kind() const override { return ControlKind::Static; }
    WindowHandle Handle() const override { return nullptr; }
    void Show(bool) override {}
    bool IsVisible() const override { return false; }
    void Enable(bool) override {}
    bool IsEnabled() const override { return false; }
    void SetText(std::string_view) override {}
    std::string Text() const override { return {}; }
    void SetFocus() override {}
    bool HasFocus() const override { return false; }
    Rect WindowRect() const override { return {}; }
    Rect ClientRect() const override { return {}; }
    void Move(const Rect&, bool) override {}
    void Redraw() override {}
    int MeasureTextWidth(std::string_view) const override { return 0; }
    void SetCheck(int) override {}
    int Check() const override { return 0; }
    void Click() override {}
    void SetLimitText(int) override {}
    int LimitText() const override { return 0; }
    void SetPasswordChar(char32_t) override {}
    char32_t PasswordChar() const override { return 0; }
    void SetReadOnly(bool) override {}
    bool IsReadOnly() const override { return false; }
    void SelectAll() override {}
    void TypeChar(char32_t) override {}
    void ReplaceSelection(std::string_view) override {}
    void SetCharFilter(std::function<bool(char32_t)>) override {}
    int AddItem(std::string_view) override { return kNoItem; }
    int InsertItem(int, std::string_view) override { return kNoItem; }
    bool DeleteItem(int) override { return false; }
    void ClearItems() override {}
    int ItemCount() const override { return 0; }
    std::string ItemText(int) const override { return {}; }
    bool SetItemData(int, std::intptr_t) override { return false; }
    std::intptr_t ItemData(int) const override { return kNoItem; }
    int Selection() const override { return kNoItem; }
    int Select(int) override { return kNoItem; }
    int FindPrefix(std::string_view, int) const override { return kNoItem; }
    int FindExact(std::string_view, int) const override { return kNoItem; }
    void SetDroppedWidth(int) override {}
    int DroppedWidth() const override { return 0; }
    void ShowDropDown(bool) override {}
    void SetDropDownHook(std::function<void()>) override {}
    void SetItemHeight(int) override {}
    int ItemHeight() const override { return 0; }
    Rect ItemRect(int) const override { return {}; }
    void SetExtendedStyle(uint32_t) override {}
    uint32_t ExtendedStyle() const override { return 0; }
    int InsertColumn(int, std::string_view, int) override { return kNoItem; }
    int ColumnCount() const override { return 0; }
    int ColumnWidth(int) const override { return 0; }
    bool SetColumnWidth(int, int) override { return false; }
    std::string ColumnTitle(int) const override { return {}; }
    bool SetSubItemText(int, int, std::string_view) override { return false; }
    std::string SubItemText(int, int) const override { return {}; }
    void SetNoHorizontalScroll(bool) override {}
    bool HasHorizontalScrollBar() const override { return false; }
};

}  // namespace

Control& NullControl() {
    static InertControl inert;
    return inert;
}

}  // namespace zelvin::tk
