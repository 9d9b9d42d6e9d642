#include "app/win32/tray_icons.h"

#include "app/win32/resource_ids.h"

namespace {

HICON LoadSized(HINSTANCE instance, int id, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

int IndexOf(TrayState state) { return static_cast<int>(state); }

}  // namespace

TrayIcons::TrayIcons(HINSTANCE instance) {
    const int ids[5] = {IDI_TRAY_LOST, IDI_TRAY_GOOD, IDI_TRAY_NORMAL, IDI_TRAY_WEAK, IDI_TRAY_NOTEXIST};
    static_assert(static_cast<int>(TrayState::Lost) == 0 && static_cast<int>(TrayState::NotExist) == 4);
    for (int i = 0; i < 5; ++i) {
        states_[i] = LoadSized(instance, ids[i], SM_CXSMICON, SM_CYSMICON);
    }
    programLarge_ = LoadSized(instance, IDI_ZELVIN, SM_CXICON, SM_CYICON);
    programSmall_ = LoadSized(instance, IDI_ZELVIN, SM_CXSMICON, SM_CYSMICON);
}

TrayIcons::~TrayIcons() {
    for (HICON icon : states_) {
        if (icon) DestroyIcon(icon);
    }
    if (programLarge_) DestroyIcon(programLarge_);
    if (programSmall_) DestroyIcon(programSmall_);
}

HICON TrayIcons::Small(TrayState state) const { return states_[IndexOf(state)]; }
