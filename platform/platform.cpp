#include "platform/platform.h"

namespace zelvin {

Platform* CreateDefaultPlatform();  // one per backend: Win32 or in-memory

namespace {
Platform* g_platform = nullptr;
}

Platform& CurrentPlatform() {
    if (!g_platform) g_platform = CreateDefaultPlatform();
    return *g_platform;
}

void SetCurrentPlatform(Platform* platform) { g_platform = platform; }

}  // namespace zelvin

// --- Event log time stamps: calendar arithmetic shared by the backends ---
namespace zelvin {

namespace {
// Days since 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's
// civil-from-days method, valid for every date the stamps can hold).
void CivilFromDays(int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}
}  // namespace

std::optional<Platform::CalendarTime> CalendarFromFileTime(uint64_t fileTime, int64_t offsetSeconds) {
    constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
    constexpr int64_t kLastSecondOf9999 = 253402300799;  // 9999-12-31 23:59:59 since 1970
    const int64_t unixSeconds =
        static_cast<int64_t>(fileTime / 10000000) - kSecondsFrom1601To1970 + offsetSeconds;
    if (unixSeconds < -kSecondsFrom1601To1970 || unixSeconds > kLastSecondOf9999) return std::nullopt;
    const int64_t days = (unixSeconds >= 0 ? unixSeconds : unixSeconds - 86399) / 86400;
    const int64_t secondOfDay = unixSeconds - days * 86400;
    Platform::CalendarTime time;
    CivilFromDays(days, time.year, time.month, time.day);
    time.hour = static_cast<int>(secondOfDay / 3600);
    time.minute = static_cast<int>(secondOfDay / 60 % 60);
    time.second = static_cast<int>(secondOfDay % 60);
    return time;
}

// Without a time-zone service the stamp is shown in UTC.
std::optional<Platform::CalendarTime> Platform::UtcFileTimeToLocalCalendar(uint64_t fileTime) {
    return CalendarFromFileTime(fileTime, 0);
}

}  // namespace zelvin
