#include "core/trace.h"

#include <gtest/gtest.h>

#include <string>

#include "core/nvap_binding.h"
#include "platform/memory/memory_platform.h"

namespace {

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override { zelvin::SetCurrentPlatform(&platform_); }
    void TearDown() override {
        NVAPAPI.m_Settings = ProgramSettings{};
        zelvin::SetCurrentPlatform(nullptr);
    }

    zelvin::MemoryPlatform platform_;
};

TEST_F(TraceTest, WritesNothingWhileDebugModeIsOff) {
    NVAPAPI.m_Settings.debugMode = false;
    EXPECT_EQ(TraceOut("[Zelvin] value %d\n", 42), 18);  // still formatted: "[Zelvin] value 42\n"
    EXPECT_TRUE(platform_.debugLines.empty());
}

TEST_F(TraceTest, SendsTheFormattedLineWhenDebugModeIsOn) {
    NVAPAPI.m_Settings.debugMode = true;
    const std::string first = "[Zelvin] HideDlg::OnTimer : G_bDeviceRemoved = 1\n";
    const std::string second = "[Zelvin] x -5 " + std::string(2 * sizeof(void*), '0') + "\n";
    EXPECT_EQ(TraceOut("[Zelvin] HideDlg::OnTimer : G_bDeviceRemoved = %d\n", 1), static_cast<int>(first.size()));
    EXPECT_EQ(TraceOut("[Zelvin] %s %I64d %p\n", "x", -5LL, static_cast<void*>(nullptr)),
              static_cast<int>(second.size()));
    ASSERT_EQ(platform_.debugLines.size(), 2u);
    EXPECT_EQ(platform_.debugLines[0], first);
    EXPECT_EQ(platform_.debugLines[1], second);
}

TEST_F(TraceTest, CutsALongLineAt511Characters) {
    NVAPAPI.m_Settings.debugMode = true;
    const std::string longText(2000, 'z');
    EXPECT_EQ(TraceOut("[Zelvin] %s\n", longText.c_str()), 511);
    ASSERT_EQ(platform_.debugLines.size(), 1u);
    EXPECT_EQ(platform_.debugLines[0], "[Zelvin] " + std::string(502, 'z'));
}

}  // namespace
