#include "framework/gdi/SystemColors.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

namespace {

TEST(GlobalData, ColoursComeFromTheSystemTable)
{
    const CQYGlobalData& data = qyGlobalData;
    struct Case {
        COLORREF value;
        int index;
    };
    const Case cases[] = {
        {data.m_clrBtnFace, COLOR_BTNFACE},
        {data.m_clrBtnHilite, COLOR_BTNHIGHLIGHT},
        {data.m_clrBtnShadow, COLOR_BTNSHADOW},
        {data.m_clrBtnText, COLOR_BTNTEXT},
        {data.m_clr3DDkShadow, COLOR_3DDKSHADOW},
        {data.m_clrFrameShadow, COLOR_BTNSHADOW},
        {data.m_clrFrameHilite, COLOR_BTNHIGHLIGHT},
        {data.m_clr3DLight, COLOR_3DLIGHT},
        {data.m_clrActiveCaption, COLOR_ACTIVECAPTION},
        {data.m_clrInactiveCaption, COLOR_INACTIVECAPTION},
        {data.m_clrInactiveCaptionText, COLOR_INACTIVECAPTIONTEXT},
        {data.m_clrDesktop, COLOR_BACKGROUND},
        {data.m_clrWindowFrame, COLOR_WINDOWFRAME},
        {data.m_clrHilite, COLOR_HIGHLIGHT},
        {data.m_clrWindowText, COLOR_WINDOWTEXT},
        {data.m_clrGrayText, COLOR_GRAYTEXT},
        {data.m_clrHiliteText, COLOR_HIGHLIGHTTEXT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, GetSysColor(c.index)) << c.index;
    EXPECT_EQ(data.m_clrFrameDark, 0u);
    EXPECT_GE(data.m_nBitsPerPixel, 8);
    EXPECT_EQ(&qyGlobalData, &CQYGlobalData::Instance());
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
    for (const Case& c : {Case{0, 25000}, Case{20, 25020}, Case{23, 25023}, Case{24, 26222}, Case{29, 26227},
                          Case{30, 0}, Case{-1, 0}})
        EXPECT_EQ(CQYGlobalData::GetTextureResourceId(c.index), c.id) << c.index;
}

} // namespace
