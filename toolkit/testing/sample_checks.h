// The assertions every backend must pass with the sample sheet, written
// once. A driver supplies what differs between backends:
//   void AdvanceTime(unsigned ms);        let that much time pass, timers fire
//   std::vector<std::string> Prompts();   texts of the message boxes so far
//   void QueueModal(std::function<void(Dialog&)>);  script of the next modal run
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "toolkit/combo_items.h"
#include "toolkit/exchange.h"
#include "toolkit/window_ops.h"
#include "toolkit/testing/sample_page.h"

namespace zelvin::tk::sample {

// Builds the sheet, checks it, and leaves it open for the next check.
struct OpenSheet {
    SampleSheet sheet;
    OpenSheet() { EXPECT_TRUE(sheet.Create(nullptr)); }
    SamplePage& page() { return sheet.m_sample; }
    Control& item(int id) { return sheet.m_sample.Item(id); }
};

template <class Driver>
void CheckMembersShownAndTaken(Driver&) {
    OpenSheet open;
    ASSERT_TRUE(open.sheet.IsWindowAlive());
    EXPECT_EQ(open.sheet.ActiveIndex(), 0);
    EXPECT_EQ(open.item(kName).Text(), "Alpha");
    EXPECT_EQ(open.item(kCount).Text(), "42");
    EXPECT_EQ(open.item(kInterval).Text(), "300");
    EXPECT_EQ(open.item(kEnabled).Check(), 1);
    EXPECT_EQ(open.item(kFast).Check(), 0);
    EXPECT_EQ(open.item(kSlow).Check(), 1);
    EXPECT_EQ(open.item(kCode).Text(), "Six");
    EXPECT_EQ(open.item(kChoice).Text(), "Beta") << "prefix 'be' selects the first item that begins with it";
    EXPECT_EQ(open.item(kName).LimitText(), 32);

    // The user's changes reach the members; UTF-8 survives the round trip.
    open.item(kName).SetText("Zelvin \u00e9t\u00e9");
    open.item(kCount).SetText(" 17 ");
    open.item(kInterval).SetText("4000000000");
    open.item(kEnabled).Click();
    open.item(kFast).Click();
    open.item(kCode).Select(2);
    open.item(kChoice).Select(2);
    ASSERT_TRUE(open.page().UpdateData(true));
    EXPECT_EQ(open.page().m_strName, "Zelvin \u00e9t\u00e9");
    EXPECT_EQ(open.page().m_nCount, 17);
    EXPECT_EQ(open.page().m_uInterval, 4000000000u);
    EXPECT_EQ(open.page().m_bEnabled, 0);
    EXPECT_EQ(open.page().m_nMode, 0);
    EXPECT_EQ(open.item(kSlow).Check(), 0) << "a radio click clears the rest of its group";
    EXPECT_EQ(open.page().m_nCode, 8) << "the code is kept, not the position";
    EXPECT_EQ(open.page().m_strChoice, "Gamma");

    // And members reach the controls.
    open.page().m_nCount = -5;
    open.page().m_nCode = 4;
    open.page().m_strChoice = "zzz";
    ASSERT_TRUE(open.page().UpdateData(false));
    EXPECT_EQ(open.item(kCount).Text(), "-5");
    EXPECT_EQ(open.item(kCode).Text(), "Four");
    EXPECT_EQ(open.item(kChoice).Text(), "Gamma") << "a text matching no item leaves the selection";
}

struct PromptCase {
    int control;
    const char* text;
    const char* prompt;
};

template <class Driver>
void CheckPrompts(Driver& driver) {
    const PromptCase cases[] = {
        {kCount, "abc", "Please enter an integer."},
        {kCount, "", "Please enter an integer."},
        {kCount, "12x", "Please enter an integer."},
        {kCount, "99999999999", "Please enter an integer."},
        {kCount, "0", "Please enter an integer between 1 and 100."},
        {kCount, "101", "Please enter an integer between 1 and 100."},
        {kInterval, "-5", "Please enter a positive integer."},
        {kInterval, "+5", "Please enter a positive integer."},
        {kInterval, "4294967296", "Please enter a positive integer."},
        // 17 characters, 34 bytes of UTF-8.
        {kName, "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9",
         "Please enter no more than 32 characters."},
    };
    for (const PromptCase& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        OpenSheet open;
        open.page().m_bEnabled = 1;
        open.item(c.control).SetText(c.text);
        open.item(kEnabled).SetCheck(0);
        size_t before = driver.Prompts().size();
        EXPECT_FALSE(open.page().UpdateData(true));
        std::vector<std::string> prompts = driver.Prompts();
        ASSERT_EQ(prompts.size(), before + 1);
        EXPECT_EQ(prompts.back(), c.prompt);
        EXPECT_TRUE(open.item(c.control).HasFocus());
        EXPECT_EQ(open.page().m_bEnabled, 1) << "the exchange stops at the failing control";
    }
}

template <class Driver>
void CheckDeactivationRefused(Driver& driver) {
    OpenSheet open;
    open.item(kCount).SetText("500");
    size_t before = driver.Prompts().size();
    EXPECT_FALSE(open.sheet.SetActivePage(1));
    EXPECT_EQ(open.sheet.ActiveIndex(), 0);
    EXPECT_EQ(driver.Prompts().size(), before + 1);

    open.item(kCount).SetText("50");
    EXPECT_TRUE(open.sheet.SetActivePage(1));
    EXPECT_EQ(open.sheet.ActiveIndex(), 1);
    EXPECT_EQ(open.page().m_nCount, 50);

    // Coming back shows the members again, changed meanwhile by the logic.
    open.page().m_nCount = 64;
    EXPECT_TRUE(open.sheet.SetActivePage(0));
    EXPECT_EQ(open.item(kCount).Text(), "64");
    EXPECT_EQ(open.page().m_nActivations, 2);
}

template <class Driver>
void CheckItemNumbers(Driver&) {
    OpenSheet open;
    Control& code = open.item(kCode);
    code.ClearItems();
    AddComboItemWithData(code, "first four", 4);
    AddComboItemWithData(code, "six", 6);
    AddComboItemWithData(code, "second four", 4);
    EXPECT_EQ(FindComboItemByData(code, 4), 0);
    EXPECT_EQ(FindComboItemByData(code, 6), 1);
    EXPECT_EQ(FindComboItemByData(code, 5), kNoItem);
    int value = 0;
    EXPECT_EQ(GetComboItemData(code, 2, value), 4);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(GetComboItemData(code, 3, value), kNoItem);
    EXPECT_EQ(code.FindPrefix("SEC"), 2) << "prefix search ignores case";
    EXPECT_EQ(code.FindExact("six"), 1);
    EXPECT_EQ(code.FindExact("si"), kNoItem);
    EXPECT_EQ(code.FindPrefix("s", 1), 2) << "the search starts after the given item";
    EXPECT_EQ(code.FindPrefix("f", 1), 0) << "and wraps round";
    EXPECT_TRUE(code.DeleteItem(0));
    EXPECT_EQ(FindComboItemByData(code, 4), 1) << "numbers stay with their items";
}

template <class Driver>
void CheckListControls(Driver&) {
    OpenSheet open;
    Control& stations = open.item(kStations);
    EXPECT_EQ(stations.ExtendedStyle() & (kLvGridLines | kLvFullRowSelect | kLvInfoTip),
              uint32_t{kLvGridLines | kLvFullRowSelect | kLvInfoTip});
    ASSERT_EQ(stations.ColumnCount(), 2);
    EXPECT_EQ(stations.ColumnTitle(1), "Rate");
    EXPECT_EQ(stations.ColumnWidth(0), stations.WindowRect().Width() / 2);
    int row = stations.InsertItem(0, "AA-BB-CC-DD-EE-FF");
    EXPECT_TRUE(stations.SetSubItemText(row, 1, "N: Rate = 300.00"));
    EXPECT_EQ(stations.SubItemText(0, 0), "AA-BB-CC-DD-EE-FF");
    EXPECT_EQ(stations.SubItemText(0, 1), "N: Rate = 300.00");
    EXPECT_EQ(stations.ItemCount(), 1);
    stations.ClearItems();
    EXPECT_EQ(stations.ItemCount(), 0);

    ASSERT_TRUE(open.sheet.SetActivePage(1));
    ListPage& listPage = open.sheet.m_list;
    Control& entries = listPage.Item(kEntries);
    EXPECT_GT(entries.ItemHeight(), 0);
    listPage.Item(kAdd).Click();
    listPage.Item(kAdd).Click();
    ASSERT_EQ(entries.ItemCount(), 2);
    EXPECT_EQ(entries.ItemText(1), "00-A0-C9-FF-12-31");
    Rect second = entries.ItemRect(1);
    EXPECT_EQ(second.top, entries.ItemHeight());
    EXPECT_EQ(second.Height(), entries.ItemHeight());
    entries.Select(1);
    listPage.SendCommand(kEntries, Notification::SelChange);
    EXPECT_EQ(listPage.m_nSelChanges, 1);
    EXPECT_EQ(entries.Selection(), 1);
}

template <class Driver>
void CheckTimers(Driver& driver) {
    OpenSheet open;
    EXPECT_EQ(open.page().m_nTicks, 0);
    driver.AdvanceTime(kTickMs * 3 + kTickMs / 2);
    EXPECT_GE(open.page().m_nTicks, 1);
    EXPECT_GE(open.item(kStations).ItemCount(), 1) << "the timer handler ran on the page";

    // Leaving the page stops its timer.
    ASSERT_TRUE(open.sheet.SetActivePage(1));
    int ticks = open.page().m_nTicks;
    driver.AdvanceTime(kTickMs * 3);
    EXPECT_EQ(open.page().m_nTicks, ticks);
}

template <class Driver>
void CheckSheetGainsAndLosesPage(Driver&) {
    OpenSheet open;
    ExtraPage extra;
    open.sheet.AddPage(extra);
    EXPECT_EQ(open.sheet.PageCount(), 3);
    EXPECT_EQ(open.sheet.TabText(2), "Extra");
    EXPECT_EQ(extra.m_nInits, 0) << "a page window is made when the page is first shown";

    ASSERT_TRUE(open.sheet.SetActivePage(2));
    EXPECT_EQ(extra.m_nInits, 1);
    EXPECT_TRUE(extra.IsWindowAlive());
    EXPECT_EQ(extra.Item(kNote).Text(), "A page added while the sheet is open.");

    open.sheet.SetTabText(2, "Renamed");
    EXPECT_EQ(open.sheet.TabText(2), "Renamed");

    open.sheet.RemovePage(extra);
    EXPECT_EQ(open.sheet.PageCount(), 2);
    EXPECT_FALSE(extra.IsWindowAlive());
    EXPECT_EQ(extra.m_nDestroys, 1);
    EXPECT_EQ(open.sheet.PageIndex(extra), -1);
    EXPECT_GE(open.sheet.ActiveIndex(), 0);
    EXPECT_LT(open.sheet.ActiveIndex(), 2);
    EXPECT_TRUE(open.sheet.IsWindowAlive());
}

template <class Driver>
void CheckSheetButtons(Driver&) {
    OpenSheet open;
    EXPECT_TRUE(open.sheet.m_bInitialised);
    EXPECT_FALSE(open.sheet.Button(kSheetOk).IsVisible());
    EXPECT_FALSE(open.sheet.Button(kSheetCancel).IsVisible());
    EXPECT_FALSE(open.sheet.Button(kSheetApply).IsVisible());
    EXPECT_TRUE(open.sheet.Button(kSheetHelp).IsVisible());
    EXPECT_EQ(open.sheet.WindowRect().bottom, open.sheet.Button(kSheetHelp).WindowRect().bottom + 10);
    open.sheet.Button(kSheetHelp).Click();
    EXPECT_EQ(open.sheet.m_nHelpClicks, 1);
    EXPECT_EQ(FindTopLevelWindow(open.sheet.Caption()), open.sheet.Handle());
    open.sheet.DestroyWindow();
    EXPECT_FALSE(open.sheet.IsWindowAlive());
    EXPECT_FALSE(open.sheet.m_sample.IsWindowAlive());
}

template <class Driver>
void CheckModalDialog(Driver& driver) {
    SampleDialog dialog;
    driver.QueueModal([](Dialog& d) {
        EXPECT_EQ(d.Item(kCount).Text(), "7");
        d.Item(kCount).SetText("12");
        d.Item(kIdOk).Click();
    });
    EXPECT_EQ(dialog.DoModal(nullptr), kIdOk);
    EXPECT_EQ(dialog.m_nCount, 12);
    EXPECT_FALSE(dialog.IsWindowAlive());

    // OK with a bad value keeps the dialog open; Cancel then ends it.
    size_t before = driver.Prompts().size();
    driver.QueueModal([](Dialog& d) {
        d.Item(kName).SetText("nine char");
        d.Item(kIdOk).Click();
        EXPECT_TRUE(d.IsWindowAlive());
        d.Item(kIdCancel).Click();
    });
    EXPECT_EQ(dialog.DoModal(nullptr), kIdCancel);
    ASSERT_EQ(driver.Prompts().size(), before + 1);
    EXPECT_EQ(driver.Prompts().back(), "Please enter no more than 8 characters.");
}

}  // namespace zelvin::tk::sample
