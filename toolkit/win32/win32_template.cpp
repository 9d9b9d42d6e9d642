#include "toolkit/win32/win32_template.h"


#include <string>

#include "platform/win32/win32_text.h"

namespace zelvin::tk {

namespace {

// Appends 16-bit words and keeps the buffer's word count, so items can be
// aligned to the DWORD boundaries the dialog manager expects.
class TemplateWriter {
public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(short value) { Word(static_cast<WORD>(value)); }
    void Text(const std::wstring& text) {
        for (wchar_t c : text) Word(static_cast<WORD>(c));
        Word(0);
    }
    void Byte2(BYTE low, BYTE high) { Word(static_cast<WORD>(low | (high << 8))); }
    void AlignDword() {
        if (words_.size() % 2 != 0) Word(0);
    }
    std::vector<DWORD> Finish() {
        AlignDword();
        std::vector<DWORD> out(words_.size() / 2);
        for (size_t i = 0; i < out.size(); ++i) out[i] = MAKELONG(words_[2 * i], words_[2 * i + 1]);
        return out;
    }

private:
    std::vector<WORD> words_;
};

DWORD DialogStyle(TemplateUse use) {
    DWORD fontStyle = DS_SETFONT | DS_FIXEDSYS;
    switch (use) {
        case TemplateUse::Page:
            return fontStyle | WS_CHILD | WS_DISABLED | WS_CAPTION;
        case TemplateUse::Modeless:
            return fontStyle | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        case TemplateUse::Modal:
        default:
            return fontStyle | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    }
}

bool Has(const ControlSpec& controlSpec, uint32_t flag) { return (controlSpec.style & flag) != 0; }

// Predefined class atoms of the dialog manager, or a class name.
void WriteClass(TemplateWriter& writer, ControlKind kind) {
    auto atom = [&](WORD value) {
        writer.Word(0xFFFF);
        writer.Word(value);
    };
    switch (kind) {
        case ControlKind::Static:
        case ControlKind::Icon:
            atom(0x0082);
            break;
        case ControlKind::Edit:
            atom(0x0081);
            break;
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            atom(0x0085);
            break;
        case ControlKind::ListBox:
            atom(0x0083);
            break;
        case ControlKind::ListView:
            writer.Text(WC_LISTVIEWW);
            break;
        case ControlKind::IpAddress:
            writer.Text(WC_IPADDRESSW);
            break;
        default:
            atom(0x0080);  // every kind of button
            break;
    }
}

}  // namespace

DWORD ControlWindowStyle(const ControlSpec& controlSpec) {
    DWORD style = WS_CHILD;
    if (controlSpec.visible) style |= WS_VISIBLE;
    if (Has(controlSpec, kDisabled)) style |= WS_DISABLED;
    if (Has(controlSpec, kGroup)) style |= WS_GROUP;
    bool tabStop = !Has(controlSpec, kNoTabStop);
    switch (controlSpec.kind) {
        case ControlKind::Static:
            style |= Has(controlSpec, kAlignRight) ? SS_RIGHT : Has(controlSpec, kAlignCenter) ? SS_CENTER : SS_LEFT;
            if (Has(controlSpec, kBorder)) style |= WS_BORDER;
            tabStop = false;
            break;
        case ControlKind::Icon:
            style |= SS_ICON;
            tabStop = false;
            break;
        case ControlKind::GroupBox:
            style |= BS_GROUPBOX;
            tabStop = false;
            break;
        case ControlKind::Edit:
            style |= ES_AUTOHSCROLL | WS_BORDER;
            if (Has(controlSpec, kNumber)) style |= ES_NUMBER;
            if (Has(controlSpec, kPassword)) style |= ES_PASSWORD;
            if (Has(controlSpec, kReadOnly)) style |= ES_READONLY;
            if (Has(controlSpec, kAlignRight)) style |= ES_RIGHT;
            if (Has(controlSpec, kAlignCenter)) style |= ES_CENTER;
            break;
        case ControlKind::Button:
            style |= Has(controlSpec, kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        case ControlKind::CheckBox:
            style |= BS_AUTOCHECKBOX;
            break;
        case ControlKind::RadioButton:
            style |= BS_AUTORADIOBUTTON;
            // Only a group's first button is a tab stop; arrows move inside it.
            tabStop = tabStop && Has(controlSpec, kGroup);
            break;
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            style |= (controlSpec.kind == ControlKind::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL) |
                     WS_VSCROLL;
            if (Has(controlSpec, kSort)) style |= CBS_SORT;
            break;
        case ControlKind::ListBox:
            style |= LBS_NOTIFY | WS_BORDER | WS_VSCROLL;
            if (!Has(controlSpec, kIntegralHeight)) style |= LBS_NOINTEGRALHEIGHT;
            if (Has(controlSpec, kSort)) style |= LBS_SORT;
            break;
        case ControlKind::ListView:
            style |= LVS_REPORT | LVS_SINGLESEL;
            if (Has(controlSpec, kShowSelectionAlways)) style |= LVS_SHOWSELALWAYS;
            if (Has(controlSpec, kBorder)) style |= WS_BORDER;
            break;
        case ControlKind::IpAddress:
            break;
    }
    if (tabStop) style |= WS_TABSTOP;
    return style;
}

std::vector<DWORD> BuildDialogTemplate(const DialogLayout& layout, TemplateUse use) {
    TemplateWriter writer;
    writer.Word(1);       // dlgVer
    writer.Word(0xFFFF);  // signature: extended template
    writer.Dword(0);      // helpID
    writer.Dword(use == TemplateUse::Page ? 0 : WS_EX_CONTROLPARENT);
    writer.Dword(DialogStyle(use));
    writer.Word(static_cast<WORD>(layout.controls.size()));
    writer.Short(0);
    writer.Short(0);
    writer.Short(static_cast<short>(layout.cx));
    writer.Short(static_cast<short>(layout.cy));
    writer.Word(0);  // no menu
    writer.Word(0);  // the standard dialog class
    writer.Text(ToWide(layout.caption));
    writer.Word(static_cast<WORD>(layout.fontPointSize));
    writer.Word(FW_NORMAL);
    writer.Byte2(0, static_cast<BYTE>(layout.fontCharSet));  // italic, charset
    writer.Text(ToWide(layout.fontFace));

    for (const ControlSpec& controlSpec : layout.controls) {
        writer.AlignDword();
        writer.Dword(0);  // helpID
        writer.Dword(0);  // exStyle
        writer.Dword(ControlWindowStyle(controlSpec));
        writer.Short(static_cast<short>(controlSpec.x));
        writer.Short(static_cast<short>(controlSpec.y));
        writer.Short(static_cast<short>(controlSpec.cx));
        writer.Short(static_cast<short>(controlSpec.cy));
        writer.Dword(static_cast<DWORD>(controlSpec.id));
        WriteClass(writer, controlSpec.kind);
        writer.Text(ToWide(controlSpec.caption));
        writer.Word(0);  // no creation data
    }
    return writer.Finish();
}

}  // namespace zelvin::tk
