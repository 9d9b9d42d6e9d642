#include "ui/nv_prop_sheet_help.h"

#include <gtest/gtest.h>

namespace {

struct HelpPathCase {
    const char* executable;
    int winOs;
    uint16_t language;
    const char* expected;
};

TEST(HelpFilePathTest, FolderOfTheExecutableWithTheLanguageSuffix) {
    const HelpPathCase cases[] = {
        // Traditional Chinese before generation 10 gets the Chinese file...
        {"C:\\Zelvin\\Zelvin.exe", 9, 0x0404, "C:\\Zelvin\\APCONFIGCHN.chm"},
        {"C:\\Zelvin\\Zelvin.exe", 5, 0x0404, "C:\\Zelvin\\APCONFIGCHN.chm"},
        // ...from generation 10 on, and for every other language, English.
        {"C:\\Zelvin\\Zelvin.exe", 10, 0x0404, "C:\\Zelvin\\APCONFIGENG.chm"},
        {"C:\\Zelvin\\Zelvin.exe", 9, 0x0409, "C:\\Zelvin\\APCONFIGENG.chm"},
        {"C:\\Zelvin\\Zelvin.exe", 9, 0x0804, "C:\\Zelvin\\APCONFIGENG.chm"},
        // Every ".HLP" of the path is replaced, the folder's too; ".hlp" is not.
        {"D:\\Tools.HLP\\Zelvin.exe", 10, 0x0409, "D:\\ToolsENG.chm\\APCONFIGENG.chm"},
        {"D:\\a.HLP.HLP\\Zelvin.exe", 9, 0x0404, "D:\\aCHN.chmCHN.chm\\APCONFIGCHN.chm"},
        {"D:\\Tools.hlp\\Zelvin.exe", 10, 0x0409, "D:\\Tools.hlp\\APCONFIGENG.chm"},
        // The file name of the executable itself never matters.
        {"C:\\Zelvin\\Setup.HLP.exe", 10, 0x0409, "C:\\Zelvin\\APCONFIGENG.chm"},
        // No folder at all: the bare name.
        {"Zelvin.exe", 10, 0x0409, "APCONFIGENG.chm"},
    };
    for (const HelpPathCase& c : cases) {
        EXPECT_EQ(HelpFilePathFor(c.executable, c.winOs, c.language), c.expected)
            << c.executable << " generation " << c.winOs << " language " << c.language;
    }
}

}  // namespace
