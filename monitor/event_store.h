// The process-wide event store: the driver's access-point events, oldest
// first, at most 100, filled by the hidden window's watchdog and listed by
// the event log page.
//
// Entry points for the hidden window:
//   AppendEventTable(table)   after NVAP_QueryEventTable reported success;
//                             trusts at most the 10 records the table holds.
//   G_nEventLogShown = 0      when it creates a new configuration sheet, so
//                             the new event log page lists the whole store.
#pragma once

#include <cstddef>
#include <vector>

#include "core/nvap_records.h"

inline constexpr std::size_t kMaxStoredEvents = 100;
inline constexpr std::size_t kEventTableCapacity = 10;

// Stored records, oldest first.
extern std::vector<KX_802_11_EVENT_LOG> G_EventLogArray;
// How many records from the front of G_EventLogArray the event log page has
// already listed; never above G_EventLogArray.size().
extern std::size_t G_nEventLogShown;

// The store rule: drop just enough of the oldest records (and lower the shown
// count with them) that the new ones fit in 100, then append them in order.
// More than 100 new records keep only their newest 100.
void AppendEventRecords(const KX_802_11_EVENT_LOG* records, std::size_t count);

// Appends a filled event table; an EventCount above 10 is cut to the 10
// records the table can hold.
void AppendEventTable(const KX_802_11_EVENT_TABLE& table);

// Empties the store (the event log page's CLEAR).
void ClearEventStore();

// EventTime as one 64-bit count of 100-ns intervals since 1601, UTC.
unsigned long long EventFileTime(const KX_802_11_EVENT_LOG& record);
