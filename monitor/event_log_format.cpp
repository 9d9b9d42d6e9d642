#include "monitor/event_log_format.h"

#include <cstdio>

#include "monitor/event_store.h"
#include "platform/platform.h"

std::string FormatEventTime(const KX_802_11_EVENT_LOG& record) {
    const auto local = zelvin::CurrentPlatform().UtcFileTimeToLocalCalendar(EventFileTime(record));
    if (!local) return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04d / %02d / %02d - %02d : %02d : %02d", local->year, local->month,
                  local->day, local->hour, local->minute, local->second);
    return text;
}

std::string FormatEventMessage(const KX_802_11_EVENT_LOG& record, const EventMessageTexts& texts) {
    const unsigned code = record.Event;
    if (code >= texts.size()) return {};
    if (code == 0) return texts[0];
    const unsigned char* mac = record.MacAddress;
    char address[32];
    std::snprintf(address, sizeof address, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return " " + std::string(address) + " " + texts[code];
}
