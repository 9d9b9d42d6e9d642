#include "ui/adapter_select_dlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "toolkit/memory/memory_backend.h"

using namespace zelvin::tk;

namespace {

AVAILABLE_DEV Adapter(const char* desc, const char* hardwareId, const char* location, const char* maker) {
    AVAILABLE_DEV adapter{};
    std::strncpy(adapter.DeviceDesc, desc, sizeof adapter.DeviceDesc - 1);
    std::strncpy(adapter.HardwareId, hardwareId, sizeof adapter.HardwareId - 1);
    std::strncpy(adapter.LocationInfo, location, sizeof adapter.LocationInfo - 1);
    std::strncpy(adapter.Manufacturer, maker, sizeof adapter.Manufacturer - 1);
    return adapter;
}

struct Lines {
    std::string desc, hardwareId, location, maker;
    bool operator==(const Lines&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Lines& l) {
    return out << "{" << l.desc << " | " << l.hardwareId << " | " << l.location << " | " << l.maker << "}";
}

Lines ShownLines(Dialog& dialog) {
    return {dialog.Item(CSelCardDlg::kIdDeviceDesc).Text(), dialog.Item(CSelCardDlg::kIdHardwareId).Text(),
            dialog.Item(CSelCardDlg::kIdLocationInfo).Text(), dialog.Item(CSelCardDlg::kIdManufacturer).Text()};
}

std::vector<std::string> ListEntries(Dialog& dialog) {
    Control& list = dialog.Item(CSelCardDlg::kIdAdapterList);
    std::vector<std::string> entries;
    for (int i = 0; i < list.ItemCount(); ++i) entries.push_back(list.ItemText(i));
    return entries;
}

void Choose(Dialog& dialog, int index) {
    dialog.Item(CSelCardDlg::kIdAdapterList).Select(index);
    dialog.SendCommand(CSelCardDlg::kIdAdapterList, Notification::SelChange);
}

class AdapterSelectTest : public ::testing::Test {
protected:
    void SetUp() override { SetCurrentBackend(&backend_); }
    void TearDown() override { SetCurrentBackend(nullptr); }

    MemoryBackend backend_;
    const std::vector<AVAILABLE_DEV> adapters_ = {
        Adapter("USB Wireless N", "USB\\VID_1111&PID_0001", "Port_#0001.Hub_#0003", "Maker One"),
        Adapter("PCI Wireless G", "PCI\\VEN_2222&DEV_0002", "PCI bus 3, device 0", "Maker Two"),
        Adapter("USB Wireless N", "USB\\VID_1111&PID_0001\\2", "Port_#0002.Hub_#0003", "Maker One"),
    };
};

TEST_F(AdapterSelectTest, OpensOnTheFirstAdapterWithEveryAdapterListed) {
    std::vector<std::string> entries;
    Lines shown;
    int selection = kNoItem;
    int columns = 0, firstColumnWidth = 0;
    backend_.QueueModalScript([&](Dialog& dialog) {
        const CComboBoxSuper& combo = static_cast<CSelCardDlg&>(dialog).m_ComboAdapter;
        columns = combo.ColumnCount();
        firstColumnWidth = combo.ColumnWidth(0);
        entries = ListEntries(dialog);
        selection = dialog.Item(CSelCardDlg::kIdAdapterList).Selection();
        shown = ShownLines(dialog);
    });
    ChooseAdapter(adapters_, nullptr);
    // The same description twice still gives two entries.
    EXPECT_EQ(entries, (std::vector<std::string>{"USB Wireless N", "PCI Wireless G", "USB Wireless N"}));
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(columns, 1);
    EXPECT_EQ(firstColumnWidth, 200);
    EXPECT_EQ(shown, (Lines{"USB Wireless N", "USB\\VID_1111&PID_0001", "Port_#0001.Hub_#0003", "Maker One"}));
}

TEST_F(AdapterSelectTest, ChoosingAnEntryShowsItsLinesAndOkYieldsItsIndex) {
    std::vector<Lines> shown;
    backend_.QueueModalScript([&](Dialog& dialog) {
        Choose(dialog, 1);
        shown.push_back(ShownLines(dialog));
        Choose(dialog, 2);  // told apart from entry 0 only by these lines
        shown.push_back(ShownLines(dialog));
        dialog.Item(kIdOk).Click();
    });
    EXPECT_EQ(ChooseAdapter(adapters_, nullptr), 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (Lines{"PCI Wireless G", "PCI\\VEN_2222&DEV_0002", "PCI bus 3, device 0", "Maker Two"}));
    EXPECT_EQ(shown[1], (Lines{"USB Wireless N", "USB\\VID_1111&PID_0001\\2", "Port_#0002.Hub_#0003", "Maker One"}));
}

TEST_F(AdapterSelectTest, EndingWithoutOkChoosesNothing) {
    backend_.QueueModalScript([&](Dialog& dialog) { Choose(dialog, 2); });  // then Escape
    EXPECT_EQ(ChooseAdapter(adapters_, nullptr), std::nullopt);

    CSelCardDlg dialog;
    dialog.SetAdapters(adapters_);
    backend_.QueueModalScript([&](Dialog& d) { Choose(d, 1); });
    EXPECT_NE(dialog.DoModal(), kIdOk);
    EXPECT_EQ(dialog.m_nSelected, -1);
}

TEST_F(AdapterSelectTest, OkWithoutChangingYieldsTheFirst) {
    backend_.QueueModalScript([&](Dialog& dialog) { dialog.Item(kIdOk).Click(); });
    EXPECT_EQ(ChooseAdapter(adapters_, nullptr), 0);
}

// A text that fills its field to the last byte ends there, not in the next field.
TEST(AdapterFieldTextTest, StopsAtTheFieldEnd) {
    AVAILABLE_DEV adapter{};
    std::memset(adapter.DeviceDesc, 'D', sizeof adapter.DeviceDesc);
    std::strcpy(adapter.HardwareId, "next field");
    EXPECT_EQ(FieldText(adapter.DeviceDesc), std::string(sizeof adapter.DeviceDesc, 'D'));
    EXPECT_EQ(FieldText(adapter.HardwareId), "next field");
}

// A driver count above the room the caller made is never trusted.
TEST_F(AdapterSelectTest, ListCountIsCutToTheCapacity) {
    std::vector<unsigned char> storage(AvailableDevListBytes(2));
    auto* list = reinterpret_cast<AVAILABLE_DEV_LIST*>(storage.data());
    list->nCount = 7;
    *AvailableDevAt(list, 0) = adapters_[0];
    *AvailableDevAt(list, 1) = adapters_[1];

    CSelCardDlg dialog;
    dialog.SetAdapterList(list, 2);
    std::vector<std::string> entries;
    backend_.QueueModalScript([&](Dialog& d) { entries = ListEntries(d); });
    dialog.DoModal();
    EXPECT_EQ(entries, (std::vector<std::string>{"USB Wireless N", "PCI Wireless G"}));
}

}  // namespace
