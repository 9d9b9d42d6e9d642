// Wire records exchanged with the driver library NvAPAPI.dll.
//
// These are byte-exact formats shared with a library built by someone else,
// on x86-64 and i686 alike: every size and every fixed offset is checked at
// compile time below. All integers are little-endian. Reserved bytes are
// declared as byte arrays so that natural alignment never inserts padding of
// its own; only the block-ack session request is packed, as the library
// expects it.
//
// The records are plain data (trivially copyable, standard layout) so that
// callers may zero them with memset/{} and copy them with memcpy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// ---------------------------------------------------------------------------
// Adapter list
// ---------------------------------------------------------------------------

// One adapter, 1300 bytes of zero-terminated texts at fixed offsets.
struct AVAILABLE_DEV {
    char DeviceDesc[64];     // 0
    char HardwareId[64];     // 64
    char ExtraText1[264];    // 128
    char ExtraText2[384];    // 392
    char LocationInfo[256];  // 776
    char Manufacturer[268];  // 1032
};

// A count followed by nCount adapters back to back (4 + 1300 x n bytes). The
// declared array holds one entry; reach the others with AvailableDevAt so
// that no code indexes a fixed-size array past its end.
struct AVAILABLE_DEV_LIST {
    std::uint32_t nCount;
    AVAILABLE_DEV adapter[1];
};

// Bytes a list with room for `capacity` adapters occupies.
constexpr std::size_t AvailableDevListBytes(std::size_t capacity) {
    return offsetof(AVAILABLE_DEV_LIST, adapter) + sizeof(AVAILABLE_DEV) * capacity;
}

// Entry `index` of a list whose storage has room for more than one adapter.
inline AVAILABLE_DEV* AvailableDevAt(AVAILABLE_DEV_LIST* list, std::size_t index) {
    unsigned char* base = reinterpret_cast<unsigned char*>(list);
    return reinterpret_cast<AVAILABLE_DEV*>(base + AvailableDevListBytes(index));
}
inline const AVAILABLE_DEV* AvailableDevAt(const AVAILABLE_DEV_LIST* list, std::size_t index) {
    const unsigned char* base = reinterpret_cast<const unsigned char*>(list);
    return reinterpret_cast<const AVAILABLE_DEV*>(base + AvailableDevListBytes(index));
}

// ---------------------------------------------------------------------------
// AP configuration
// ---------------------------------------------------------------------------

// Security settings, 432 bytes; embedded in AP_CONFIG_DATA at 0x070.
struct AUTH_SECU_DATA {
    std::uint32_t AuthenMode;          // 0   authentication code
    std::uint32_t EncryStatus;         // 4   encryption code
    unsigned char PskKey[64];          // 8   exactly PskKeyLen bytes, no terminator at 64
    std::uint32_t PskKeyLen;           // 72
    std::uint32_t GroupRekeyInterval;  // 76
    std::uint32_t GroupRekeyUnit;      // 80
    std::uint32_t RadiusPort;          // 84
    std::uint32_t RadiusServerIp;      // 88  first octet in bits 31..24
    unsigned char RadiusKey[64];       // 92  zero-terminated text
    std::uint32_t DefaultKeyIndex;     // 156 0..3
    std::uint32_t WepKeyFormat[4];     // 160 0 hexadecimal, 1 ASCII
    unsigned char WepKey[4][64];       // 176 zero-terminated texts
};

// The whole AP configuration, 548 bytes.
struct AP_CONFIG_DATA {
    std::uint32_t SsidLength;          // 0x000 0..32
    unsigned char Ssid[32];            // 0x004 no terminator at 32 bytes
    std::uint32_t WirelessMode;        // 0x024 0, 2, 8 or 9
    std::uint32_t lFreq;               // 0x028 kHz
    std::uint32_t bAllowBW40;          // 0x02C
    std::uint32_t HT_PhyMode;          // 0x030 packed 802.11n settings
    std::uint32_t nTXRate;             // 0x034 500 kb/s units, 0 automatic
    std::uint32_t nTxPower;            // 0x038
    std::uint32_t nBGProtection;       // 0x03C
    std::uint32_t CountryRegion_11BG;  // 0x040
    std::uint32_t CountryRegion_11A;   // 0x044
    std::uint32_t nTxPreamble;         // 0x048
    std::uint32_t nBeaconPeriod;       // 0x04C
    std::uint32_t nRTSThreshold;       // 0x050
    std::uint32_t nFragThreshold;      // 0x054
    std::uint32_t bTxBurst;            // 0x058
    std::uint32_t bTurboRate;          // 0x05C
    std::uint32_t bNoForwarding;       // 0x060
    std::uint32_t bHideSSID;           // 0x064
    std::uint32_t bShortSlot;          // 0x068
    std::uint32_t bAutoChannelSelect;  // 0x06C
    AUTH_SECU_DATA AuthSecuData;       // 0x070
    std::uint32_t nIdleTime;           // 0x220 seconds
};

// Companion record, 112 bytes: repeats some AP_CONFIG_DATA values.
struct AP_CONFIG_EXT {
    std::uint32_t bTxBurst;            // 0x00
    std::uint32_t bTurboRate;          // 0x04
    std::uint32_t bNoForwarding;       // 0x08
    std::uint32_t bHideSSID;           // 0x0C
    std::uint32_t nBGProtection;       // 0x10
    std::uint32_t bShortSlot;          // 0x14
    std::uint16_t nIdleTime;           // 0x18 low 16 bits
    unsigned char Reserved[6];         // 0x1A zero
    std::uint32_t RadiusServerIp;      // 0x20
    std::uint32_t RadiusPort;          // 0x24
    unsigned char RadiusKey[64];       // 0x28
    std::uint32_t GroupRekeyUnit;      // 0x68
    std::uint32_t GroupRekeyInterval;  // 0x6C
};

// ---------------------------------------------------------------------------
// Access control
// ---------------------------------------------------------------------------

struct KX_802_11_ACCESS_CONTROL_ENTRY {
    unsigned char MacAddress[6];
    unsigned char Reserved[2];  // zero
};

// 264 bytes: policy 0 disabled, 1 allow, 2 reject.
struct KX_802_11_ACCESS_CONTROL {
    std::uint32_t Policy;      // 0 whenever EntryCount is 0
    std::uint32_t EntryCount;  // 0..32; 0 whenever Policy is 0
    KX_802_11_ACCESS_CONTROL_ENTRY Entry[32];
};

// ---------------------------------------------------------------------------
// Block-ack aggregation
// ---------------------------------------------------------------------------

// 8 bytes; the packed 32-bit "capability word" carries the same content.
struct KX_802_11_BA_CAPABILITY {
    unsigned char CarriedByte0;  // kept as read; 32 before any read
    unsigned char CarriedByte1;  // kept as read; 32 before any read
    unsigned char Policy;        // 1 MPDU aggregation on, 2 off
    unsigned char MpduDensity;
    unsigned char AmsduEnable;   // 1 on, 0 off
    unsigned char AmsduSize;     // 0 max 3839, 1 max 7935
    unsigned char MmpsMode;      // 0 static, 1 dynamic, 3 SM enable
    unsigned char AutoBA;        // 1 automatic set-up, 0 manual
};

struct KX_802_11_BA_TID_SLOT {
    std::uint16_t Value;
    unsigned char Reserved[2];
};

// One station's sessions in one direction, 48 bytes.
struct KX_802_11_BLOCK_ACK_ENTRY {
    unsigned char MacAddress[6];        // 0
    unsigned char TidBitmap;            // 6  bit i: a session for TID i
    unsigned char Reserved;             // 7
    unsigned char TidValue[8];          // 8  per-TID value shown in the TID's column
    KX_802_11_BA_TID_SLOT TidSlot[8];   // 16 per-TID 16-bit value
};

// 3076 bytes.
struct KX_802_11_BLOCK_ACK_TABLE {
    KX_802_11_BLOCK_ACK_ENTRY Originator[32];  // 0
    KX_802_11_BLOCK_ACK_ENTRY Recipient[32];   // 1536
    unsigned char OriginatorCount;             // 3072 entries in use
    unsigned char RecipientCount;              // 3073
    unsigned char Reserved[2];                 // 3074
};

// 14 bytes, byte-packed as the library expects it.
#pragma pack(push, 1)
struct KX_802_11_BA_SESSION_REQUEST {
    unsigned char IsRecipient;    // 0  0 originator, 1 recipient
    unsigned char MacAddress[6];  // 1
    unsigned char Tid;            // 7  0..7
    unsigned char BaWinSize;      // 8  low 8 bits; add only
    unsigned char Reserved0;      // 9
    std::uint16_t AddValue;       // 10 0; add only
    unsigned char AllTid;         // 12 whole-station flag
    unsigned char Reserved1;      // 13
};
#pragma pack(pop)

// ---------------------------------------------------------------------------
// Associated stations
// ---------------------------------------------------------------------------

// TxRate bit layout: MCS 0..6, BW 7, GI 8, STBC 9..10, MODE 14..15
// (0 CCK, 1 OFDM, 2 and 3 HT).
struct KX_802_11_MAC_ENTRY {
    unsigned char MacAddress[6];  // 0
    unsigned char AssocId;        // 6
    unsigned char PowerSave;      // 7 non-zero: in power-save mode
    std::uint16_t TxRate;         // 8
};

// 324 bytes; at most 32 entries.
struct KX_802_11_MAC_TABLE {
    std::uint32_t EntryCount;
    KX_802_11_MAC_ENTRY Entry[32];
};

struct KX_802_11_MAC_ENTRY_NOT_11N {
    unsigned char MacAddress[6];
    unsigned char AssocId;
    unsigned char PowerSave;
};

// 260 bytes; at most 32 entries.
struct KX_802_11_MAC_TABLE_NOT_11N {
    std::uint32_t EntryCount;
    KX_802_11_MAC_ENTRY_NOT_11N Entry[32];
};

// ---------------------------------------------------------------------------
// Access-point status (statistics), 552 bytes
// ---------------------------------------------------------------------------

// Only the counters the program reads are named; the rest is opaque.
struct AP_WLAN_STATUS {
    unsigned char Reserved0[224];             // 0
    std::uint64_t TransmittedFragmentCount;   // 224 frames sent successfully
    std::uint64_t MulticastTransmittedCount;  // 232
    std::uint64_t FailedCount;                // 240 no ACK after all retries
    std::uint64_t RetryCount;                 // 248 sent after one or more retries
    std::uint64_t MultipleRetryCount;         // 256
    std::uint64_t RTSSuccessCount;            // 264
    std::uint64_t RTSFailureCount;            // 272
    std::uint64_t ACKFailureCount;            // 280
    std::uint64_t FrameDuplicateCount;        // 288
    std::uint64_t ReceivedFragmentCount;      // 296
    std::uint64_t MulticastReceivedCount;     // 304
    std::uint64_t FCSErrorCount;              // 312 received with CRC error
    unsigned char Reserved1[96];              // 320
    std::uint64_t ReceivedFrameCount64;       // 416 received OK (generation code 10 and above)
    std::uint32_t ReceivedFrameCount;         // 424 received OK (below code 10)
    std::uint32_t RxDropNoResourceCount;      // 428 dropped for lack of resources
    unsigned char Reserved2[120];             // 432
};

// ---------------------------------------------------------------------------
// Events
// ---------------------------------------------------------------------------

// 100-ns intervals since 1601-01-01 UTC, as two 32-bit halves (like FILETIME).
struct KX_802_11_EVENT_TIME {
    std::uint32_t dwLowDateTime;
    std::uint32_t dwHighDateTime;
};

// The library calls this record _KX_802_11_EVENT_LOG; a leading underscore
// followed by a capital letter is reserved in C++, so it is spelled without.
struct KX_802_11_EVENT_LOG {
    KX_802_11_EVENT_TIME EventTime;  // 0
    unsigned char MacAddress[6];     // 8
    std::uint16_t Event;             // 14 codes 0..5 have messages
};

// 168 bytes: the events since the previous query, at most 10.
struct KX_802_11_EVENT_TABLE {
    std::uint32_t EventCount;
    unsigned char Reserved[4];  // the records start on an 8-byte boundary
    KX_802_11_EVENT_LOG Log[10];
};

// ---------------------------------------------------------------------------
// Layout checks
// ---------------------------------------------------------------------------

#define NVAP_CHECK_RECORD(T, size)                                   \
    static_assert(sizeof(T) == (size), #T " size");                  \
    static_assert(std::is_trivially_copyable_v<T>, #T " trivially"); \
    static_assert(std::is_standard_layout_v<T>, #T " standard layout")

NVAP_CHECK_RECORD(AVAILABLE_DEV, 1300);
static_assert(offsetof(AVAILABLE_DEV, HardwareId) == 64);
static_assert(offsetof(AVAILABLE_DEV, ExtraText1) == 128);
static_assert(offsetof(AVAILABLE_DEV, ExtraText2) == 392);
static_assert(offsetof(AVAILABLE_DEV, LocationInfo) == 776);
static_assert(offsetof(AVAILABLE_DEV, Manufacturer) == 1032);
NVAP_CHECK_RECORD(AVAILABLE_DEV_LIST, 4 + 1300);
static_assert(offsetof(AVAILABLE_DEV_LIST, adapter) == 4);
static_assert(AvailableDevListBytes(3) == 4 + 3 * 1300);

NVAP_CHECK_RECORD(AUTH_SECU_DATA, 432);
static_assert(offsetof(AUTH_SECU_DATA, EncryStatus) == 4);
static_assert(offsetof(AUTH_SECU_DATA, PskKey) == 8);
static_assert(offsetof(AUTH_SECU_DATA, PskKeyLen) == 72);
static_assert(offsetof(AUTH_SECU_DATA, GroupRekeyInterval) == 76);
static_assert(offsetof(AUTH_SECU_DATA, GroupRekeyUnit) == 80);
static_assert(offsetof(AUTH_SECU_DATA, RadiusPort) == 84);
static_assert(offsetof(AUTH_SECU_DATA, RadiusServerIp) == 88);
static_assert(offsetof(AUTH_SECU_DATA, RadiusKey) == 92);
static_assert(offsetof(AUTH_SECU_DATA, DefaultKeyIndex) == 156);
static_assert(offsetof(AUTH_SECU_DATA, WepKeyFormat) == 160);
static_assert(offsetof(AUTH_SECU_DATA, WepKey) == 176);

NVAP_CHECK_RECORD(AP_CONFIG_DATA, 548);
static_assert(offsetof(AP_CONFIG_DATA, Ssid) == 0x004);
static_assert(offsetof(AP_CONFIG_DATA, WirelessMode) == 0x024);
static_assert(offsetof(AP_CONFIG_DATA, lFreq) == 0x028);
static_assert(offsetof(AP_CONFIG_DATA, bAllowBW40) == 0x02C);
static_assert(offsetof(AP_CONFIG_DATA, HT_PhyMode) == 0x030);
static_assert(offsetof(AP_CONFIG_DATA, nTXRate) == 0x034);
static_assert(offsetof(AP_CONFIG_DATA, nTxPower) == 0x038);
static_assert(offsetof(AP_CONFIG_DATA, nBGProtection) == 0x03C);
static_assert(offsetof(AP_CONFIG_DATA, CountryRegion_11BG) == 0x040);
static_assert(offsetof(AP_CONFIG_DATA, CountryRegion_11A) == 0x044);
static_assert(offsetof(AP_CONFIG_DATA, nTxPreamble) == 0x048);
static_assert(offsetof(AP_CONFIG_DATA, nBeaconPeriod) == 0x04C);
static_assert(offsetof(AP_CONFIG_DATA, nRTSThreshold) == 0x050);
static_assert(offsetof(AP_CONFIG_DATA, nFragThreshold) == 0x054);
static_assert(offsetof(AP_CONFIG_DATA, bTxBurst) == 0x058);
static_assert(offsetof(AP_CONFIG_DATA, bTurboRate) == 0x05C);
static_assert(offsetof(AP_CONFIG_DATA, bNoForwarding) == 0x060);
static_assert(offsetof(AP_CONFIG_DATA, bHideSSID) == 0x064);
static_assert(offsetof(AP_CONFIG_DATA, bShortSlot) == 0x068);
static_assert(offsetof(AP_CONFIG_DATA, bAutoChannelSelect) == 0x06C);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) == 0x070);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) + offsetof(AUTH_SECU_DATA, PskKey) == 0x078);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) + offsetof(AUTH_SECU_DATA, PskKeyLen) == 0x0B8);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) + offsetof(AUTH_SECU_DATA, RadiusKey) == 0x0CC);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) + offsetof(AUTH_SECU_DATA, DefaultKeyIndex) == 0x10C);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) + offsetof(AUTH_SECU_DATA, WepKeyFormat) == 0x110);
static_assert(offsetof(AP_CONFIG_DATA, AuthSecuData) + offsetof(AUTH_SECU_DATA, WepKey) == 0x120);
static_assert(offsetof(AP_CONFIG_DATA, nIdleTime) == 0x220);

NVAP_CHECK_RECORD(AP_CONFIG_EXT, 112);
static_assert(offsetof(AP_CONFIG_EXT, nBGProtection) == 0x10);
static_assert(offsetof(AP_CONFIG_EXT, bShortSlot) == 0x14);
static_assert(offsetof(AP_CONFIG_EXT, nIdleTime) == 0x18);
static_assert(offsetof(AP_CONFIG_EXT, Reserved) == 0x1A);
static_assert(offsetof(AP_CONFIG_EXT, RadiusServerIp) == 0x20);
static_assert(offsetof(AP_CONFIG_EXT, RadiusPort) == 0x24);
static_assert(offsetof(AP_CONFIG_EXT, RadiusKey) == 0x28);
static_assert(offsetof(AP_CONFIG_EXT, GroupRekeyUnit) == 0x68);
static_assert(offsetof(AP_CONFIG_EXT, GroupRekeyInterval) == 0x6C);

NVAP_CHECK_RECORD(KX_802_11_ACCESS_CONTROL_ENTRY, 8);
NVAP_CHECK_RECORD(KX_802_11_ACCESS_CONTROL, 264);
static_assert(offsetof(KX_802_11_ACCESS_CONTROL, EntryCount) == 4);
static_assert(offsetof(KX_802_11_ACCESS_CONTROL, Entry) == 8);

NVAP_CHECK_RECORD(KX_802_11_BA_CAPABILITY, 8);
static_assert(offsetof(KX_802_11_BA_CAPABILITY, Policy) == 2);
static_assert(offsetof(KX_802_11_BA_CAPABILITY, AutoBA) == 7);
NVAP_CHECK_RECORD(KX_802_11_BLOCK_ACK_ENTRY, 48);
static_assert(offsetof(KX_802_11_BLOCK_ACK_ENTRY, TidBitmap) == 6);
static_assert(offsetof(KX_802_11_BLOCK_ACK_ENTRY, TidValue) == 8);
static_assert(offsetof(KX_802_11_BLOCK_ACK_ENTRY, TidSlot) == 16);
NVAP_CHECK_RECORD(KX_802_11_BLOCK_ACK_TABLE, 3076);
static_assert(offsetof(KX_802_11_BLOCK_ACK_TABLE, Recipient) == 1536);
static_assert(offsetof(KX_802_11_BLOCK_ACK_TABLE, OriginatorCount) == 3072);
static_assert(offsetof(KX_802_11_BLOCK_ACK_TABLE, RecipientCount) == 3073);
NVAP_CHECK_RECORD(KX_802_11_BA_SESSION_REQUEST, 14);
static_assert(offsetof(KX_802_11_BA_SESSION_REQUEST, MacAddress) == 1);
static_assert(offsetof(KX_802_11_BA_SESSION_REQUEST, Tid) == 7);
static_assert(offsetof(KX_802_11_BA_SESSION_REQUEST, BaWinSize) == 8);
static_assert(offsetof(KX_802_11_BA_SESSION_REQUEST, AddValue) == 10);
static_assert(offsetof(KX_802_11_BA_SESSION_REQUEST, AllTid) == 12);

NVAP_CHECK_RECORD(KX_802_11_MAC_ENTRY, 10);
static_assert(offsetof(KX_802_11_MAC_ENTRY, AssocId) == 6);
static_assert(offsetof(KX_802_11_MAC_ENTRY, PowerSave) == 7);
static_assert(offsetof(KX_802_11_MAC_ENTRY, TxRate) == 8);
NVAP_CHECK_RECORD(KX_802_11_MAC_TABLE, 324);
static_assert(offsetof(KX_802_11_MAC_TABLE, Entry) == 4);
NVAP_CHECK_RECORD(KX_802_11_MAC_ENTRY_NOT_11N, 8);
NVAP_CHECK_RECORD(KX_802_11_MAC_TABLE_NOT_11N, 260);
static_assert(offsetof(KX_802_11_MAC_TABLE_NOT_11N, Entry) == 4);

NVAP_CHECK_RECORD(AP_WLAN_STATUS, 552);
static_assert(offsetof(AP_WLAN_STATUS, TransmittedFragmentCount) == 224);
static_assert(offsetof(AP_WLAN_STATUS, FailedCount) == 240);
static_assert(offsetof(AP_WLAN_STATUS, RetryCount) == 248);
static_assert(offsetof(AP_WLAN_STATUS, RTSSuccessCount) == 264);
static_assert(offsetof(AP_WLAN_STATUS, RTSFailureCount) == 272);
static_assert(offsetof(AP_WLAN_STATUS, FrameDuplicateCount) == 288);
static_assert(offsetof(AP_WLAN_STATUS, FCSErrorCount) == 312);
static_assert(offsetof(AP_WLAN_STATUS, ReceivedFrameCount64) == 416);
static_assert(offsetof(AP_WLAN_STATUS, ReceivedFrameCount) == 424);
static_assert(offsetof(AP_WLAN_STATUS, RxDropNoResourceCount) == 428);

NVAP_CHECK_RECORD(KX_802_11_EVENT_TIME, 8);
NVAP_CHECK_RECORD(KX_802_11_EVENT_LOG, 16);
static_assert(offsetof(KX_802_11_EVENT_LOG, MacAddress) == 8);
static_assert(offsetof(KX_802_11_EVENT_LOG, Event) == 14);
NVAP_CHECK_RECORD(KX_802_11_EVENT_TABLE, 168);
static_assert(offsetof(KX_802_11_EVENT_TABLE, Log) == 8);

#undef NVAP_CHECK_RECORD
