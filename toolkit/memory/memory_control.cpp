#include "toolkit/memory/memory_control.h"

#include <algorithm>

#include "platform/utf.h"
#include "toolkit/memory/memory_impl.h"

namespace zelvin::tk {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool LessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

std::string CodePointToUtf8(char32_t ch) {
    std::u16string units;
    if (ch >= 0x10000) {
        char32_t v = ch - 0x10000;
        units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
        units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    } else {
        units.push_back(static_cast<char16_t>(ch));
    }
    return Utf16ToUtf8(units);
}

void DropLastCodePoint(std::string& text) {
    while (!text.empty()) {
        unsigned char last = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((last & 0xC0) != 0x80) break;  // stop after the lead byte
    }
}

}  // namespace

MemoryControl::MemoryControl(MemoryBackend& backend, MemoryControlOwner& owner, const ControlSpec& controlSpec,
                             const Rect& pixels, WindowHandle handle)
    : backend_(backend),
      owner_(owner),
      id_(controlSpec.id),
      kind_(controlSpec.kind),
      style_(controlSpec.style),
      handle_(handle),
      rect_(pixels),
      text_(IsList() || kind_ == ControlKind::DropDownCombo ? "" : controlSpec.caption),
      visible_(controlSpec.visible),
      enabled_((controlSpec.style & kDisabled) == 0),
      passwordChar_((controlSpec.style & kPassword) != 0 ? U'*' : 0),
      readOnly_((controlSpec.style & kReadOnly) != 0) {}

MemoryControl::~MemoryControl() {
    if (backend_.impl().focused == this) backend_.impl().focused = nullptr;
    backend_.impl().Unregister(handle_);
}

bool MemoryControl::IsList() const {
    return kind_ == ControlKind::DropDownList || kind_ == ControlKind::DropDownCombo ||
           kind_ == ControlKind::ListBox || kind_ == ControlKind::ListView;
}

void MemoryControl::SetText(std::string_view text) {
    // A drop-down list shows only its items; a list has no text of its own.
    if (kind_ == ControlKind::DropDownList || kind_ == ControlKind::ListBox || kind_ == ControlKind::ListView) {
        return;
    }
    text_ = std::string(text);
    allSelected_ = false;
}

std::string MemoryControl::Text() const {
    if (kind_ == ControlKind::DropDownList) return ValidIndex(selection_) ? ItemText(selection_) : "";
    if (kind_ == ControlKind::ListBox || kind_ == ControlKind::ListView) return "";
    return text_;
}

void MemoryControl::SetFocus() { backend_.impl().focused = this; }

bool MemoryControl::HasFocus() const { return backend_.impl().focused == this; }

Rect MemoryControl::WindowRect() const {
    Point origin = owner_.ClientOriginOnScreen();
    return {origin.x + rect_.left, origin.y + rect_.top, origin.x + rect_.right, origin.y + rect_.bottom};
}

void MemoryControl::Move(const Rect& inParent, bool repaint) {
    rect_ = inParent;
    if (MemoryBackend::Impl::Window* window = backend_.impl().Find(handle_)) window->rect = WindowRect();
    if (repaint) ++redraws_;
}

int MemoryControl::MeasureTextWidth(std::string_view text) const {
    if (backend_.measureText) return backend_.measureText(text);
    return 7 * static_cast<int>(Utf8ToUtf16(text).size());
}

void MemoryControl::SetCheck(int state) {
    if (kind_ == ControlKind::CheckBox || kind_ == ControlKind::RadioButton) check_ = state;
}

void MemoryControl::Click() {
    if (!enabled_) return;
    if (kind_ == ControlKind::CheckBox) check_ = check_ == 1 ? 0 : 1;
    if (kind_ == ControlKind::RadioButton) {
        for (int other : owner_.RadioGroupOf(id_)) {
            if (Control* sibling = owner_.Sibling(other)) sibling->SetCheck(other == id_ ? 1 : 0);
        }
        check_ = 1;
    }
    owner_.Notify(id_, Notification::Clicked);
}

void MemoryControl::TypeChar(char32_t ch) {
    // Typing and pasting reach plain edits only, as in the Win32 backend.
    if (kind_ != ControlKind::Edit || !enabled_ || readOnly_) return;
    allSelected_ = false;
    if (ch == 0x08) {
        DropLastCodePoint(text_);
        owner_.Notify(id_, Notification::Change);
        return;
    }
    if (ch < 0x20) return;
    if (charFilter_ && !charFilter_(ch)) return;
    if ((style_ & kNumber) != 0 && (ch < '0' || ch > '9')) {
        backend_.WarningBeep();
        return;
    }
    std::string added = CodePointToUtf8(ch);
    if (limit_ > 0 && Utf8ToUtf16(text_ + added).size() > static_cast<size_t>(limit_)) return;
    text_ += added;
    owner_.Notify(id_, Notification::Change);
}

void MemoryControl::ReplaceSelection(std::string_view text) {
    if (kind_ != ControlKind::Edit) return;
    if (allSelected_) text_.clear();
    allSelected_ = false;
    text_ += text;
    owner_.Notify(id_, Notification::Change);
}

int MemoryControl::AddItem(std::string_view text) {
    if (!IsList()) return kNoItem;
    int index = ItemCount();
    if ((style_ & kSort) != 0 && kind_ != ControlKind::ListView) {
        auto place = std::find_if(items_.begin(), items_.end(),
                                  [&](const Item& item) { return LessNoCase(text, item.cells[0]); });
        index = static_cast<int>(place - items_.begin());
    }
    return InsertItem(index, text);
}

int MemoryControl::InsertItem(int index, std::string_view text) {
    if (!IsList()) return kNoItem;
    if (index < 0 || index > ItemCount()) index = ItemCount();
    items_.insert(items_.begin() + index, Item{{std::string(text)}, 0});
    // The selected item keeps its selection when others are inserted before it.
    if (selection_ != kNoItem && index <= selection_) ++selection_;
    return index;
}

bool MemoryControl::DeleteItem(int index) {
    if (!ValidIndex(index)) return false;
    items_.erase(items_.begin() + index);
    if (selection_ == index) {
        selection_ = kNoItem;
    } else if (selection_ > index) {
        --selection_;
    }
    return true;
}

void MemoryControl::ClearItems() {
    items_.clear();
    selection_ = kNoItem;
    if (kind_ == ControlKind::DropDownCombo) text_.clear();
}

std::string MemoryControl::ItemText(int index) const {
    return ValidIndex(index) ? items_[static_cast<size_t>(index)].cells[0] : "";
}

bool MemoryControl::SetItemData(int index, std::intptr_t data) {
    if (!ValidIndex(index)) return false;
    items_[static_cast<size_t>(index)].data = data;
    return true;
}

std::intptr_t MemoryControl::ItemData(int index) const {
    return ValidIndex(index) ? items_[static_cast<size_t>(index)].data : kNoItem;
}

int MemoryControl::Select(int index) {
    if (!IsList()) return kNoItem;
    selection_ = ValidIndex(index) ? index : kNoItem;
    if (kind_ == ControlKind::DropDownCombo && selection_ != kNoItem) text_ = ItemText(selection_);
    return selection_;
}

int MemoryControl::Find(std::string_view text, int startAfter, bool wholeText) const {
    int count = ItemCount();
    if (count == 0) return kNoItem;
    int start = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        int index = (start + step) % count;
        const std::string& item = items_[static_cast<size_t>(index)].cells[0];
        bool match = wholeText ? EqualNoCase(item, text)
                               : item.size() >= text.size() && EqualNoCase(std::string_view(item).substr(0, text.size()), text);
        if (match) return index;
    }
    return kNoItem;
}

int MemoryControl::FindPrefix(std::string_view prefix, int startAfter) const {
    return Find(prefix, startAfter, false);
}

int MemoryControl::FindExact(std::string_view text, int startAfter) const { return Find(text, startAfter, true); }

int MemoryControl::DroppedWidth() const {
    if (kind_ != ControlKind::DropDownList && kind_ != ControlKind::DropDownCombo) return 0;
    return std::max(droppedWidth_, rect_.Width());
}

void MemoryControl::ShowDropDown(bool show) {
    if (kind_ != ControlKind::DropDownList && kind_ != ControlKind::DropDownCombo) return;
    if (show == droppedDown_) return;
    droppedDown_ = show;
    if (show) {
        if (dropDownHook_) dropDownHook_();
        owner_.Notify(id_, Notification::DropDown);
    } else {
        owner_.Notify(id_, Notification::CloseUp);
    }
}

Rect MemoryControl::ItemRect(int index) const {
    if (kind_ != ControlKind::ListBox || !ValidIndex(index)) return {};
    return {0, index * itemHeight_, rect_.Width(), (index + 1) * itemHeight_};
}

int MemoryControl::InsertColumn(int index, std::string_view title, int widthPixels) {
    if (kind_ != ControlKind::ListView) return kNoItem;
    if (index < 0 || index > ColumnCount()) index = ColumnCount();
    columns_.insert(columns_.begin() + index, Column{std::string(title), widthPixels});
    return index;
}

int MemoryControl::ColumnWidth(int column) const {
    return column >= 0 && column < ColumnCount() ? columns_[static_cast<size_t>(column)].width : 0;
}

bool MemoryControl::SetColumnWidth(int column, int widthPixels) {
    if (column < 0 || column >= ColumnCount()) return false;
    columns_[static_cast<size_t>(column)].width = widthPixels;
    return true;
}

std::string MemoryControl::ColumnTitle(int column) const {
    return column >= 0 && column < ColumnCount() ? columns_[static_cast<size_t>(column)].title : "";
}

bool MemoryControl::SetSubItemText(int row, int column, std::string_view text) {
    if (kind_ != ControlKind::ListView || !ValidIndex(row) || column < 0) return false;
    if (column > 0 && column >= ColumnCount()) return false;
    std::vector<std::string>& cells = items_[static_cast<size_t>(row)].cells;
    if (cells.size() <= static_cast<size_t>(column)) cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = std::string(text);
    return true;
}

std::string MemoryControl::SubItemText(int row, int column) const {
    if (!ValidIndex(row) || column < 0) return "";
    const std::vector<std::string>& cells = items_[static_cast<size_t>(row)].cells;
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : "";
}

bool MemoryControl::HasHorizontalScrollBar() const {
    if (kind_ != ControlKind::ListView || noHorizontalScroll_) return false;
    int total = 0;
    for (const Column& column : columns_) total += column.width;
    return total > rect_.Width();
}

}  // namespace zelvin::tk
