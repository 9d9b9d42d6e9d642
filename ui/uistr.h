// The text table: every user-visible text of the program, one member per
// IDS_ key, named after the key. The texts live only in the language files,
// "Languages\APStr<language>.ini" beside the executable, where <language> is
// the system default language identifier as four hexadecimal digits; when
// that file is missing, APStr0409.ini in the same folder is read instead.
//
// The process-wide table is g_UIStr. The hidden window calls g_UIStr.Load()
// once at start-up, right after the driver library has started; from then on
// every window takes its texts from the members, for example
// g_UIStr.IDS_APCONFIGMSG as the caption of the program's message boxes.
// Texts are UTF-8 and are used exactly as read (no escapes); a missing file
// or key leaves the text empty.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Every key, in load order.
#define ZELVIN_UISTR_KEYS(X) \
    X(IDS_NORVANE_CONFIG_TITLE) \
    X(IDS_TRAY_LAUNCH) \
    X(IDS_TRAY_SWITCH_STATION_MODE) \
    X(IDS_TRAY_EXIT) \
    X(IDS_NORVANE_LOST) \
    X(IDS_NORVANE_GOOD) \
    X(IDS_NORVANE_WEAK) \
    X(IDS_NORVANE_NORMAL) \
    X(IDS_NORVANE_NOTEXIST) \
    X(IDS_UI_LOCKED) \
    X(IDS_DRIVER_NOTOK) \
    X(IDS_APCONFIG_HELP) \
    X(IDS_APCONFIGMSG) \
    X(IDS_TAB_ACCESSCONTROL) \
    X(IDS_TAB_CONFIG) \
    X(IDS_TAB_STATISTICS) \
    X(IDS_TAB_ABOUT) \
    X(IDS_TAB_MACTABLE) \
    X(IDS_TAB_EVENTLOG) \
    X(IDS_TAB_BLOCK_ACK) \
    X(IDS_CONFIGPAGE_IDLETIME) \
    X(IDS_ALLOW_BW40_CAPABILITY) \
    X(IDS_DEFAULT) \
    X(IDS_USE_MAC_ADDRESS) \
    X(IDS_NO_FORWARDING) \
    X(IDS_TXRATE) \
    X(IDS_SSID) \
    X(IDS_CHANNEL) \
    X(IDS_BEACON_PERIOD_ERR) \
    X(IDS_IDLE_TIME_ERR) \
    X(IDS_SYS_PREAMBLE) \
    X(IDS_SYS_TXPOWER) \
    X(IDS_SYS_CHECK_RTS) \
    X(IDS_SYS_CHECK_FRAG) \
    X(IDS_SYS_LONG) \
    X(IDS_SYS_SHORT) \
    X(IDS_ADHOCINPUTSSID) \
    X(IDS_HIDE_SSID) \
    X(IDS_BEACON) \
    X(IDS_BGPROTECTION) \
    X(IDS_WIRELESSMODE) \
    X(IDS_TX_BURST) \
    X(IDS_ON) \
    X(IDS_OFF) \
    X(IDS_1MBPS) \
    X(IDS_2MBPS) \
    X(IDS_55MBPS) \
    X(IDS_11MBPS) \
    X(IDS_6MBPS) \
    X(IDS_9MBPS) \
    X(IDS_12MBPS) \
    X(IDS_18MBPS) \
    X(IDS_24MBPS) \
    X(IDS_36MBPS) \
    X(IDS_48MBPS) \
    X(IDS_54MBPS) \
    X(IDS_TURBO_RATE) \
    X(IDS_SHORT_SLOT) \
    X(IDS_LOWEST) \
    X(IDS_AUTOCHANNEL) \
    X(IDS_COUNTRY_REGION) \
    X(IDS_100PERCENT) \
    X(IDS_75PERCENT) \
    X(IDS_50PERCENT) \
    X(IDS_25PERCENT) \
    X(IDS_PHY_24G) \
    X(IDS_PHY_5G) \
    X(IDS_TAB_AUTHSEC) \
    X(IDS_CANCEL) \
    X(IDS_APPLY) \
    X(IDS_AUTO) \
    X(IDS_WPAPSKKEY) \
    X(IDS_ENCRYPTYPE) \
    X(IDS_10Seconds) \
    X(IDS_KPackets) \
    X(IDS_GROUPREKEY) \
    X(IDS_GROUPREKEY_ERR) \
    X(IDS_TKIP) \
    X(IDS_AES) \
    X(IDS_WPAPSK) \
    X(IDS_NOTUSE) \
    X(IDS_WEP) \
    X(IDS_OK) \
    X(IDS_AUTH_KEY2) \
    X(IDS_AUTH_KEY3) \
    X(IDS_AUTH_AUTH_TYPE) \
    X(IDS_AUTH_WEPKEY) \
    X(IDS_AUTH_KEY1) \
    X(IDS_AUTH_KEY4) \
    X(IDS_OPENSYSTEM) \
    X(IDS_SHARED) \
    X(IDS_HEXA) \
    X(IDS_ASCII) \
    X(IDS_MSGASCIIWEPKEYINVALID) \
    X(IDS_MSGHEXWEPKEYINVALID) \
    X(IDS_MSGPSKKEYINVALID) \
    X(IDS_WPA2PSK) \
    X(IDS_WPAPSK_WPA2PSK) \
    X(IDS_BOTH) \
    X(IDS_KEY_LENGTH_DESCRIPTION_HEX) \
    X(IDS_SHOW_PASSWARD) \
    X(IDS_DELETE) \
    X(IDS_REMOVEALL) \
    X(IDS_MODIFY) \
    X(IDS_ACPOLICY) \
    X(IDS_ACLIST) \
    X(IDS_NOACLIST) \
    X(IDS_INVALIDMACADDR) \
    X(IDS_NOTACCEPTB) \
    X(IDS_NOTOWNADDR) \
    X(IDS_DUPLIMAC) \
    X(IDS_ADD) \
    X(IDS_DISABLE) \
    X(IDS_ALLOWALL) \
    X(IDS_REJECTALL) \
    X(IDS_MACADDR) \
    X(IDS_BLOCKACK_DENSITY) \
    X(IDS_BLOCKACK_ORIGINATOR) \
    X(IDS_BLOCKACK_RECIPIENT) \
    X(IDS_BLOCKACK_AUTO) \
    X(IDS_BLOCKACK_MANUAL) \
    X(IDS_BLOCKACK_ADD) \
    X(IDS_BLOCKACK_DELETE) \
    X(IDS_BLOCKACK_CONFIRM) \
    X(IDS_BLOCKACK_MAC) \
    X(IDS_TAB_DELETE_BLOCK_ACK) \
    X(IDS_ADD_BLOCKACK_TID) \
    X(IDS_ADD_BLOCKACK_WINDOW_SIZE) \
    X(IDS_ADD_BLOCKACK_AVAIL_BSSID) \
    X(IDS_ADD_BLOCKACK_CONFIRM) \
    X(IDS_TAB_ADD_BLOCK_ACK) \
    X(IDS_ADD_BLOCKACK_BSSID_ERR_MSG) \
    X(IDS_ADD_BLOCKACK_CANCEL) \
    X(IDS_MAC_TBL_11N_MCS_BW) \
    X(IDS_AID) \
    X(IDS_YES) \
    X(IDS_POWERSAVING) \
    X(IDS_NO) \
    X(IDS_STA_TX) \
    X(IDS_STA_TXOK) \
    X(IDS_STA_TXOKRETRY) \
    X(IDS_STA_TXOKALLRETRY) \
    X(IDS_STA_RTSOK) \
    X(IDS_STA_RTSFAIL) \
    X(IDS_STA_RX) \
    X(IDS_STA_RXOK) \
    X(IDS_STA_RXCRC) \
    X(IDS_STA_DROP) \
    X(IDS_STA_RXDUPLI) \
    X(IDS_STA_RESETCOUNTER) \
    X(IDS_EVENTMSG0) \
    X(IDS_EVENTMSG1) \
    X(IDS_EVENTMSG2) \
    X(IDS_EVENTMSG3) \
    X(IDS_EVENTMSG4) \
    X(IDS_EVENTMSG5) \
    X(IDS_CLEAR) \
    X(IDS_EVENTTIME) \
    X(IDS_EVENTMSG) \
    X(IDS_ABOUT_VERSION) \
    X(IDS_ABOUT_DATE) \
    X(IDS_ABOUT_PHY_ADDR) \
    X(IDS_ABOUT_NV_VERSION) \
    X(IDS_ABOUT_IP_ADDR) \
    X(IDS_ABOUT_SUB_MASK) \
    X(IDS_ABOUT_DEF_GATEWAY) \
    X(IDS_EEPROMVERSION) \
    X(IDS_NVAPAPI_DLL) \
    X(IDS_FW_VERSION_NAME)

class ProfileFile;

class CUISTR {
public:
    // One value of a language file (at most 511 characters); a missing file
    // or key gives defaultValue.
    virtual std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                  const std::string& file);
    // Chooses the language file and fills every member.
    virtual void Load();
    // The font character-set code named by "CharSet" of section "Font".
    virtual uint8_t GetCharSet(const std::string& file);
    // "FaceName" of section "Font", "Trebuchet MS" when absent.
    virtual std::string GetFaceName(const std::string& file);

    virtual ~CUISTR() = default;

    uint8_t m_nCharSet = 0;
    std::string m_strFaceName;

#define ZELVIN_UISTR_MEMBER(key) std::string key;
    ZELVIN_UISTR_KEYS(ZELVIN_UISTR_MEMBER)
#undef ZELVIN_UISTR_MEMBER

    struct Key {
        const char* name;
        std::string CUISTR::*text;
    };
    // Every key with its member, in load order.
    static std::span<const Key> Keys();

private:
    // While Load runs: the language file, read and decoded once for all keys.
    const ProfileFile* loading_ = nullptr;
};

extern CUISTR g_UIStr;
