// The two columns of an event log row: the local time of the event and its
// message, built from the record and the six event texts.
#pragma once

#include <array>
#include <string>

#include "core/nvap_records.h"

// Texts of event codes 0 to 5, in code order.
using EventMessageTexts = std::array<std::string, 6>;

// "YYYY / MM / DD - hh : mm : ss" in local time under the platform's current
// time-zone setting; empty when the stamp cannot be converted.
std::string FormatEventTime(const KX_802_11_EVENT_LOG& record);

// Code 0: its text alone. Codes 1 to 5: a space, the station address, a
// space and the text. Any other code: empty.
std::string FormatEventMessage(const KX_802_11_EVENT_LOG& record, const EventMessageTexts& texts);
