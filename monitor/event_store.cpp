#include "monitor/event_store.h"

#include <algorithm>

std::vector<KX_802_11_EVENT_LOG> G_EventLogArray;
std::size_t G_nEventLogShown = 0;

void AppendEventRecords(const KX_802_11_EVENT_LOG* records, std::size_t count) {
    if (!records || count == 0) return;
    if (count > kMaxStoredEvents) {  // only the newest 100 can ever be kept
        records += count - kMaxStoredEvents;
        count = kMaxStoredEvents;
    }
    const std::size_t size = G_EventLogArray.size();
    if (size + count > kMaxStoredEvents) {
        const std::size_t excess = std::min(size + count - kMaxStoredEvents, size);
        G_EventLogArray.erase(G_EventLogArray.begin(), G_EventLogArray.begin() + static_cast<std::ptrdiff_t>(excess));
        G_nEventLogShown = G_nEventLogShown > excess ? G_nEventLogShown - excess : 0;
    }
    G_EventLogArray.insert(G_EventLogArray.end(), records, records + count);
    G_nEventLogShown = std::min(G_nEventLogShown, G_EventLogArray.size());
}

void AppendEventTable(const KX_802_11_EVENT_TABLE& table) {
    // The driver's count is not trusted past the records the table holds.
    const std::size_t count = std::min<std::size_t>(table.EventCount, kEventTableCapacity);
    AppendEventRecords(table.Log, count);
}

void ClearEventStore() {
    G_EventLogArray.clear();
    G_nEventLogShown = 0;
}

unsigned long long EventFileTime(const KX_802_11_EVENT_LOG& record) {
    return (static_cast<unsigned long long>(record.EventTime.dwHighDateTime) << 32) | record.EventTime.dwLowDateTime;
}
