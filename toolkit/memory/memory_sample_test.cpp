// The sample sheet on the in-memory backend, with the shared assertions.
#include "toolkit/memory/memory_backend.h"
#include "toolkit/testing/sample_checks.h"

namespace zelvin::tk::sample {
namespace {

class MemoryDriver {
public:
    MemoryDriver() { SetCurrentBackend(&backend); }
    ~MemoryDriver() { SetCurrentBackend(nullptr); }
    void AdvanceTime(unsigned ms) { backend.AdvanceClock(ms); }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> texts;
        for (const auto& box : backend.messageBoxes) texts.push_back(box.text);
        return texts;
    }
    void QueueModal(std::function<void(Dialog&)> script) { backend.QueueModalScript(std::move(script)); }
    MemoryBackend backend;
};

class MemorySample : public ::testing::Test {
protected:
    MemoryDriver driver;
};

TEST_F(MemorySample, MembersShownAndTaken) { CheckMembersShownAndTaken(driver); }
TEST_F(MemorySample, Prompts) { CheckPrompts(driver); }
TEST_F(MemorySample, DeactivationRefused) { CheckDeactivationRefused(driver); }
TEST_F(MemorySample, ItemNumbers) { CheckItemNumbers(driver); }
TEST_F(MemorySample, ListControls) { CheckListControls(driver); }
TEST_F(MemorySample, Timers) { CheckTimers(driver); }
TEST_F(MemorySample, SheetGainsAndLosesPage) { CheckSheetGainsAndLosesPage(driver); }
TEST_F(MemorySample, SheetButtons) { CheckSheetButtons(driver); }
TEST_F(MemorySample, ModalDialog) { CheckModalDialog(driver); }

TEST_F(MemorySample, PromptsAreExclamationBoxesWithTheProgramCaption) {
    OpenSheet open;
    open.item(kCount).SetText("x");
    EXPECT_FALSE(open.page().UpdateData(true));
    ASSERT_EQ(driver.backend.messageBoxes.size(), 1u);
    const auto& box = driver.backend.messageBoxes[0];
    EXPECT_EQ(box.caption, PromptCaption());
    EXPECT_EQ(box.style, unsigned{kMbOk | kMbIconExclamation});
    EXPECT_EQ(box.owner, open.page().Handle());
}

TEST_F(MemorySample, TimerTicksFollowTheVirtualClockExactly) {
    OpenSheet open;
    driver.AdvanceTime(kTickMs - 1);
    EXPECT_EQ(open.page().m_nTicks, 0);
    driver.AdvanceTime(1);
    EXPECT_EQ(open.page().m_nTicks, 1);
    driver.AdvanceTime(kTickMs * 5);
    EXPECT_EQ(open.page().m_nTicks, 6);
    EXPECT_EQ(driver.backend.TimersOf(open.page().Handle()), (std::map<unsigned, unsigned>{{kTickTimer, kTickMs}}));
    open.sheet.DestroyWindow();
    driver.AdvanceTime(kTickMs * 5);
    EXPECT_EQ(open.page().m_nTicks, 6) << "a destroyed window's timers stop";
}

}  // namespace
}  // namespace zelvin::tk::sample
