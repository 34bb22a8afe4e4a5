#include "framework/gdi/SystemColors.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

namespace {

// Which system colour each member takes is the table in UpdateSysColors;
// the tests check what the data does with it: one shared instance, the
// screen depth, and a refresh that reads the system again but keeps the
// frame colour the program set.
TEST(GlobalData, OneSharedInstanceWithTheScreenDepth)
{
    EXPECT_EQ(&qyGlobalData, &CQYGlobalData::Instance());
    EXPECT_EQ(qyGlobalData.m_clrFrameDark, 0u);
    EXPECT_GE(qyGlobalData.m_nBitsPerPixel, 8);
}

TEST(GlobalData, RefreshKeepsTheFrameDarkColour)
{
    CQYGlobalData data;
    data.m_clrFrameDark = RGB(1, 2, 3);
    data.m_clrBtnFace = RGB(9, 9, 9);
    data.UpdateSysColors();
    EXPECT_EQ(data.m_clrFrameDark, RGB(1, 2, 3));
    EXPECT_EQ(data.m_clrBtnFace, GetSysColor(COLOR_BTNFACE));
}

TEST(GlobalData, TexturesAreNumberedInTwoBlocks)
{
    struct Case {
        int index;
        UINT id;
    };
    for (const Case& c :
         {Case{0, 25000}, Case{20, 25020}, Case{23, 25023}, Case{24, 26222}, Case{29, 26227}, Case{30, 0}, Case{-1, 0}})
        EXPECT_EQ(CQYGlobalData::GetTextureResourceId(c.index), c.id) << c.index;
}

} // namespace
