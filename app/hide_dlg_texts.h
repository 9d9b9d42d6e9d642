// The texts of the string table that the hidden window shows, taken once when
// start-up loads the table.
#pragma once

#include <string>

#include "app/tray_state.h"

struct HideDlgTexts {
    std::string norvaneLost;      // IDS_NORVANE_LOST
    std::string norvaneGood;      // IDS_NORVANE_GOOD
    std::string norvaneNormal;    // IDS_NORVANE_NORMAL
    std::string norvaneWeak;      // IDS_NORVANE_WEAK
    std::string norvaneNotExist;  // IDS_NORVANE_NOTEXIST
    std::string trayLaunch;       // IDS_TRAY_LAUNCH
    std::string traySwitchStationMode;  // IDS_TRAY_SWITCH_STATION_MODE
    std::string trayExit;         // IDS_TRAY_EXIT
    std::string driverNotOk;      // IDS_DRIVER_NOTOK
    std::string apConfigMsg;      // IDS_APCONFIGMSG
    std::string configTitle;      // IDS_NORVANE_CONFIG_TITLE
    std::string uiLocked;         // IDS_UI_LOCKED
    std::string apConfigHelp;     // IDS_APCONFIG_HELP

    const std::string& TooltipFormat(TrayState state) const {
        switch (state) {
            case TrayState::Good: return norvaneGood;
            case TrayState::Normal: return norvaneNormal;
            case TrayState::Weak: return norvaneWeak;
            case TrayState::NotExist: return norvaneNotExist;
            case TrayState::Lost: break;
        }
        return norvaneLost;
    }
};
