// The pictures of the tray states and the program icon, loaded once from the
// executable's resources and kept for the life of the process (so that
// repeated state changes never create new icon handles).
#pragma once

#include <windows.h>

#include "app/tray_state.h"

class TrayIcons {
public:
    explicit TrayIcons(HINSTANCE instance);
    ~TrayIcons();
    TrayIcons(const TrayIcons&) = delete;
    TrayIcons& operator=(const TrayIcons&) = delete;

    HICON Small(TrayState state) const;
    HICON ProgramLarge() const { return programLarge_; }
    HICON ProgramSmall() const { return programSmall_; }

private:
    HICON states_[5] = {};
    HICON programLarge_ = nullptr;
    HICON programSmall_ = nullptr;
};
