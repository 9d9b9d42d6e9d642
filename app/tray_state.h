// The states the tray icon shows, and the signal-quality thresholds between them.
#pragma once

enum class TrayState { Lost, Good, Normal, Weak, NotExist };

// The driver's quality percentage is compared unsigned, as its contract says.
constexpr TrayState TrayStateForQuality(unsigned quality) {
    if (quality > 70) return TrayState::Good;
    if (quality > 40) return TrayState::Normal;
    return TrayState::Weak;
}
