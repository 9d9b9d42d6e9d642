// A model control: the state a real control would hold, and the
// notifications it would send to its dialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/layout.h"

namespace zelvin::tk {

class MemoryBackend;

// Where a model control sends its notifications.
class MemoryControlOwner {
public:
    virtual ~MemoryControlOwner() = default;
    virtual void Notify(int controlId, Notification code) = 0;
    // The other radio buttons of this one's group.
    virtual std::vector<int> RadioGroupOf(int controlId) = 0;
    virtual Control* Sibling(int controlId) = 0;
    virtual Point ClientOriginOnScreen() const = 0;
};

class MemoryControl final : public Control {
public:
    MemoryControl(MemoryBackend& backend, MemoryControlOwner& owner, const ControlSpec& controlSpec,
                  const Rect& pixels, WindowHandle handle);
    ~MemoryControl() override;

    int Id() const override { return id_; }
    ControlKind Kind() const override { return kind_; }
    WindowHandle Handle() const override { return handle_; }

    void Show(bool visible) override { visible_ = visible; }
    bool IsVisible() const override { return visible_; }
    void Enable(bool enabled) override { enabled_ = enabled; }
    bool IsEnabled() const override { return enabled_; }
    void SetText(std::string_view text) override;
    std::string Text() const override;
    void SetFocus() override;
    bool HasFocus() const override;
    Rect WindowRect() const override;
    Rect ClientRect() const override { return {0, 0, rect_.Width(), rect_.Height()}; }
    void Move(const Rect& inParent, bool repaint) override;
    void Redraw() override { ++redraws_; }
    int MeasureTextWidth(std::string_view text) const override;

    void SetCheck(int state) override;
    int Check() const override { return check_; }
    void Click() override;

    void SetLimitText(int maxChars) override { limit_ = maxChars; }
    int LimitText() const override { return limit_; }
    void SetPasswordChar(char32_t maskChar) override { passwordChar_ = maskChar; }
    char32_t PasswordChar() const override { return passwordChar_; }
    void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    bool IsReadOnly() const override { return readOnly_; }
    void SelectAll() override { allSelected_ = true; }
    void TypeChar(char32_t ch) override;
    void ReplaceSelection(std::string_view text) override;
    void SetCharFilter(std::function<bool(char32_t)> accept) override { charFilter_ = std::move(accept); }

    int AddItem(std::string_view text) override;
    int InsertItem(int index, std::string_view text) override;
    bool DeleteItem(int index) override;
    void ClearItems() override;
    int ItemCount() const override { return static_cast<int>(items_.size()); }
    std::string ItemText(int index) const override;
    bool SetItemData(int index, std::intptr_t data) override;
    std::intptr_t ItemData(int index) const override;
    int Selection() const override { return selection_; }
    int Select(int index) override;
    int FindPrefix(std::string_view prefix, int startAfter) const override;
    int FindExact(std::string_view text, int startAfter) const override;

    void SetDroppedWidth(int pixels) override { droppedWidth_ = pixels; }
    int DroppedWidth() const override;
    void ShowDropDown(bool show) override;
    void SetDropDownHook(std::function<void()> hook) override { dropDownHook_ = std::move(hook); }

    void SetItemHeight(int pixels) override { itemHeight_ = pixels; }
    int ItemHeight() const override { return itemHeight_; }
    Rect ItemRect(int index) const override;

    void SetExtendedStyle(uint32_t styles) override { extendedStyle_ = styles; }
    uint32_t ExtendedStyle() const override { return extendedStyle_; }
    int InsertColumn(int index, std::string_view title, int widthPixels) override;
    int ColumnCount() const override { return static_cast<int>(columns_.size()); }
    int ColumnWidth(int column) const override;
    bool SetColumnWidth(int column, int widthPixels) override;
    std::string ColumnTitle(int column) const override;
    bool SetSubItemText(int row, int column, std::string_view text) override;
    std::string SubItemText(int row, int column) const override;
    void SetNoHorizontalScroll(bool never) override { noHorizontalScroll_ = never; }
    bool HasHorizontalScrollBar() const override;

    // Inspection for tests.
    int RedrawCount() const { return redraws_; }
    bool IsDroppedDown() const { return droppedDown_; }
    uint32_t Style() const { return style_; }

private:
    struct Item {
        std::vector<std::string> cells;  // cell 0 is the item's text
        std::intptr_t data = 0;
    };
    bool IsList() const;
    bool ValidIndex(int index) const { return index >= 0 && index < ItemCount(); }
    int Find(std::string_view text, int startAfter, bool wholeText) const;

    MemoryBackend& backend_;
    MemoryControlOwner& owner_;
    int id_;
    ControlKind kind_;
    uint32_t style_;
    WindowHandle handle_;
    Rect rect_;
    std::string text_;
    bool visible_;
    bool enabled_;
    int check_ = 0;
    int limit_ = 0;
    char32_t passwordChar_ = 0;
    bool readOnly_ = false;
    bool allSelected_ = false;
    std::function<bool(char32_t)> charFilter_;
    std::vector<Item> items_;
    int selection_ = kNoItem;
    int droppedWidth_ = 0;
    bool droppedDown_ = false;
    std::function<void()> dropDownHook_;
    int itemHeight_ = 13;
    uint32_t extendedStyle_ = 0;
    struct Column {
        std::string title;
        int width;
    };
    std::vector<Column> columns_;
    bool noHorizontalScroll_ = false;
    int redraws_ = 0;
};

}  // namespace zelvin::tk
