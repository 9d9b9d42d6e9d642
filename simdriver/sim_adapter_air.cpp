// What the access point sees: stations, counters, signal, events, sessions.
#include <algorithm>
#include <cstring>

#include "simdriver/sim_adapter.h"

namespace simdrv {

int SimAdapter::QueryMacTable(KX_802_11_MAC_TABLE* table) {
    if (!table || !SelectedPresent()) return 0;
    *table = {};
    const std::vector<Station>& stations = air_.Stations();
    const size_t n = std::min(stations.size(), kMaxStations);
    for (size_t i = 0; i < n; ++i) {
        KX_802_11_MAC_ENTRY& e = table->Entry[i];
        std::memcpy(e.MacAddress, stations[i].mac, 6);
        e.AssocId = stations[i].aid;
        e.PowerSave = stations[i].powerSave ? 1 : 0;
        e.TxRate = stations[i].txRate;
    }
    table->EntryCount = static_cast<uint32_t>(n);
    return 1;
}

int SimAdapter::QueryMacTableNot11N(KX_802_11_MAC_TABLE_NOT_11N* table) {
    if (!table || !SelectedPresent()) return 0;
    *table = {};
    const std::vector<Station>& stations = air_.Stations();
    const size_t n = std::min(stations.size(), kMaxStations);
    for (size_t i = 0; i < n; ++i) {
        KX_802_11_MAC_ENTRY_NOT_11N& e = table->Entry[i];
        std::memcpy(e.MacAddress, stations[i].mac, 6);
        e.AssocId = stations[i].aid;
        e.PowerSave = stations[i].powerSave ? 1 : 0;
    }
    table->EntryCount = static_cast<uint32_t>(n);
    return 1;
}

int SimAdapter::QueryApWLANStatus(AP_WLAN_STATUS* status) {
    if (!status || !SelectedPresent()) return 0;
    *status = {};
    const Counters& c = air_.counters();
    status->TransmittedFragmentCount = c.txOk;
    status->MulticastTransmittedCount = c.txMulticast;
    status->FailedCount = c.txFailed;
    status->RetryCount = c.txRetry;
    status->MultipleRetryCount = c.txMultipleRetry;
    status->RTSSuccessCount = c.rtsOk;
    status->RTSFailureCount = c.rtsFailed;
    status->ACKFailureCount = c.ackFailed;
    status->FrameDuplicateCount = c.rxDuplicate;
    status->ReceivedFragmentCount = c.rxOk;
    status->MulticastReceivedCount = c.rxMulticast;
    status->FCSErrorCount = c.rxCrcError;
    status->ReceivedFrameCount64 = c.rxOk;
    status->ReceivedFrameCount = static_cast<uint32_t>(c.rxOk);  // the older 32-bit counter wraps
    status->RxDropNoResourceCount = static_cast<uint32_t>(c.rxDropped);
    return 1;
}

int SimAdapter::ResetStatisticsCounter() {
    if (!SelectedPresent()) return 0;
    air_.ResetCounters();
    return 1;
}

int SimAdapter::QuerySignalStrength(int* rssi) {
    if (!rssi) return 0;
    if (!SelectedPresent() || !scenario_.radioOn) {
        *rssi = -100;
        return SelectedPresent() ? 1 : 0;
    }
    *rssi = scenario_.signalDbm;
    return 1;
}

int SimAdapter::ConvertRssiToSignalQuality(int rssi) {
    // -100 dBm and below is nothing, -50 dBm and above is perfect.
    if (rssi <= -100) return 0;
    if (rssi >= -50) return 100;
    return 2 * (rssi + 100);
}

int SimAdapter::QueryEventTable(KX_802_11_EVENT_TABLE* table) {
    if (!table || !SelectedPresent()) return 0;
    *table = {};
    air_.TakeEvents(*table);
    return 1;
}

int SimAdapter::SetIMMEBA(const KX_802_11_BA_SESSION_REQUEST& req) {
    if (!SelectedPresent() || !scenario_.supports11n) return 0;
    return air_.BlockAckRequest(req, Bss()) ? 1 : 0;
}

int SimAdapter::QueryBATable(KX_802_11_BLOCK_ACK_TABLE* table) {
    if (!table || !SelectedPresent() || !scenario_.supports11n) return 0;
    air_.FillBlockAckTable(*table);
    return 1;
}

}  // namespace simdrv
