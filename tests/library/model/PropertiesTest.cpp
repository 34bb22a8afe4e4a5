#include "ArchiveBytes.h"

#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/Pen.h"
#include "framework/gdi/SystemColors.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYFontUnits.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

namespace {

LOGBRUSH BrushOf(CBrush* pBrush)
{
    LOGBRUSH logBrush = {};
    pBrush->GetLogBrush(&logBrush);
    return logBrush;
}

// The stored defaults are pinned by GoldenBytesOfADefaultSet; what a new set
// draws with is checked here.
TEST(CompProperties, NewSetFillsInTheButtonFaceColourAndDrawsWithTahoma)
{
    CQYCompProperties props;
    const LOGBRUSH brush = BrushOf(props.GetBrush(nullptr));
    EXPECT_EQ(brush.lbStyle, UINT(BS_SOLID));
    EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
    LOGFONT logFont = {};
    props.GetFont(nullptr)->GetLogFont(&logFont);
    EXPECT_STREQ(logFont.lfFaceName, "Tahoma");
    EXPECT_EQ(logFont.lfWeight, 400);
}

TEST(CompProperties, RangeCheckedSettersKeepTheOldValue)
{
    struct Case {
        const char* name;
        std::function<void(CQYCompProperties&)> set;
        std::function<int(const CQYCompProperties&)> get;
        int expected;
    };
    const Case cases[] = {
        {"brush 92", [](auto& p) { p.SetBrushType(92); }, [](auto& p) { return p.GetBrushType(); }, 1},
        {"brush -1", [](auto& p) { p.SetBrushType(-1); }, [](auto& p) { return p.GetBrushType(); }, 1},
        {"brush 91", [](auto& p) { p.SetBrushType(91); }, [](auto& p) { return p.GetBrushType(); }, 91},
        {"shadow 92", [](auto& p) { p.SetShadowBrushType(92); }, [](auto& p) { return p.GetShadowBrushType(); }, 1},
        {"shadow 0", [](auto& p) { p.SetShadowBrushType(0); }, [](auto& p) { return p.GetShadowBrushType(); }, 0},
        {"pen 5", [](auto& p) { p.SetPenStyle(5); }, [](auto& p) { return p.m_nPenStyle; }, 0},
        {"pen 4", [](auto& p) { p.SetPenStyle(4); }, [](auto& p) { return p.m_nPenStyle; }, 4},
        {"weight 1001", [](auto& p) { p.SetWeight(1001); }, [](auto& p) { return p.m_nWeight; }, 400},
        {"weight 700", [](auto& p) { p.SetWeight(700); }, [](auto& p) { return p.m_nWeight; }, 700},
    };
    for (const Case& c : cases) {
        CQYCompProperties props;
        c.set(props);
        EXPECT_EQ(c.get(props), c.expected) << c.name;
    }
}

TEST(CompProperties, PointSizeAndFontHeightFollowEachOther)
{
    struct Case {
        const char* name;
        std::function<void(CQYCompProperties&)> set;
        int nPointSize;
        int nFontHeight;
    };
    const Case cases[] = {
        {"size 1 is refused", [](auto& p) { p.SetPointSize(1); }, 10, 13},
        {"size 12", [](auto& p) { p.SetPointSize(12); }, 12, 16},
        {"height 20", [](auto& p) { p.SetFontHeight(20); }, 15, 20},
    };
    for (const Case& c : cases) {
        CQYCompProperties props;
        c.set(props);
        EXPECT_EQ(props.m_nPointSize, c.nPointSize) << c.name;
        EXPECT_EQ(props.m_nFontHeight, c.nFontHeight) << c.name;
    }
}

TEST(CompProperties, BrushFollowsTheFillKind)
{
    CQYCompProperties props;
    props.SetBkColor(RGB(1, 2, 3));
    props.m_crPatternColor = RGB(9, 8, 7);
    for (int nType = 0; nType <= 91; ++nType) {
        props.SetBrushType(nType);
        CBrush* pBrush = props.GetBrush(nullptr);
        ASSERT_NE(pBrush, nullptr);
        const LOGBRUSH lb = BrushOf(pBrush);
        if (nType == 0) {
            EXPECT_EQ(lb.lbStyle, UINT(BS_NULL)) << nType;
        } else if (nType == 1 || nType == 2) {
            EXPECT_EQ(lb.lbStyle, UINT(BS_SOLID)) << nType;
            EXPECT_EQ(lb.lbColor, nType == 1 ? RGB(1, 2, 3) : RGB(9, 8, 7)) << nType;
        } else if (nType <= 35) {
            EXPECT_EQ(lb.lbStyle, UINT(BS_PATTERN)) << nType;
        } else if (nType <= 41) {
            EXPECT_EQ(lb.lbStyle, UINT(BS_HATCHED)) << nType;
            EXPECT_EQ(lb.lbHatch, ULONG_PTR(nType - 36)) << nType;
            EXPECT_EQ(lb.lbColor, RGB(9, 8, 7)) << nType;
        } else {
            EXPECT_EQ(pBrush->GetSafeHandle(), GetStockObject(NULL_BRUSH)) << nType;
        }
    }
}

TEST(CompProperties, ShadowBrushUsesTheShadowColours)
{
    CQYCompProperties props;
    props.m_crShadowColor = RGB(10, 20, 30);
    EXPECT_EQ(BrushOf(props.GetShadowBrush(nullptr)).lbColor, RGB(10, 20, 30));
    props.ReleaseShadowBrush();
    props.m_crShadowPatternColor = RGB(40, 50, 60);
    props.SetShadowBrushType(2);
    EXPECT_EQ(BrushOf(props.GetShadowBrush(nullptr)).lbColor, RGB(40, 50, 60));
}

TEST(CompProperties, CachedObjectsAreDroppedBySetters)
{
    CQYCompProperties props;
    CBrush* pBrush = props.GetBrush(nullptr);
    EXPECT_EQ(props.GetBrush(nullptr), pBrush);
    props.SetBkColor(RGB(200, 0, 0));
    EXPECT_EQ(BrushOf(props.GetBrush(nullptr)).lbColor, RGB(200, 0, 0));

    EXPECT_EQ(props.GetPen(nullptr), props.GetPen(nullptr));
    props.SetLineColor(RGB(0, 0, 200));
    EXTLOGPEN elp = {};
    props.GetPen(nullptr)->GetExtLogPen(&elp);
    EXPECT_EQ(elp.elpColor, RGB(0, 0, 200));

    CFont* pFont = props.GetFont(nullptr);
    EXPECT_EQ(props.GetFont(nullptr), pFont);
    props.SetWeight(700);
    LOGFONT lf = {};
    props.GetFont(nullptr)->GetLogFont(&lf);
    EXPECT_EQ(lf.lfWeight, 700);
}

TEST(CompProperties, PenStyleWidthAndNullPen)
{
    CQYCompProperties props;
    props.SetLineWidth(-1);
    props.SetPenStyle(PS_DASH);
    EXTLOGPEN elp = {};
    props.GetPen(nullptr)->GetExtLogPen(&elp);
    EXPECT_EQ(elp.elpWidth, 1u);
    EXPECT_EQ(elp.elpPenStyle, DWORD(PS_DASH | PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER));
    EXPECT_EQ(elp.elpColor, RGB(74, 86, 87));

    props.ReleasePen();
    props.m_bNullPen = TRUE;
    LOGPEN lp = {};
    props.GetPen(nullptr)->GetLogPen(&lp);
    EXPECT_EQ(lp.lopnStyle, UINT(PS_NULL));
}

TEST(CompProperties, FontFromTheFieldsWithTheFaceCutTo31Bytes)
{
    struct Case {
        const char* face;
        const char* expected;
    };
    const Case cases[] = {
        {"Arial", "Arial"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"},
        // A two-byte character across the cut is left out whole.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123\xC3\xA9xyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
        // Stray continuation bytes are characters of their own: the cut
        // keeps the one before them.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123\x80\x80\x80", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123\x80"},
    };
    for (const Case& c : cases) {
        CQYCompProperties props;
        props.SetFaceName(c.face);
        props.m_bItalic = TRUE;
        LOGFONT lf = {};
        props.GetFont(nullptr)->GetLogFont(&lf);
        EXPECT_STREQ(lf.lfFaceName, c.expected);
        EXPECT_EQ(lf.lfHeight, -13);
        EXPECT_EQ(lf.lfItalic, 1);
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    }
    // A height of 0 falls back to the point size.
    CQYCompProperties props;
    props.m_nFontHeight = 0;
    props.m_nPointSize = 24;
    LOGFONT lf = {};
    props.GetFont(nullptr)->GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -32);
}

TEST(CompProperties, PointsAndLogicalUnitsOnTheScreen)
{
    CQYCompProperties props;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(props.PointToLogical(72, &dc, FALSE), dc.GetDeviceCaps(LOGPIXELSX));
    EXPECT_EQ(props.PointToLogical(72, nullptr, TRUE), 96);
    EXPECT_EQ(props.LogicalToPoint(96, nullptr, TRUE), 72);
    dc.SetMapMode(MM_LOENGLISH); // 0.01 inch per unit
    EXPECT_EQ(props.PointToLogical(72, &dc, TRUE), 100);
}

// Without a DC the conversion uses the screen's 96 pixels per inch directly;
// it must agree with a screen-compatible memory DC for every size, the
// negative and the extreme ones included.
TEST(FontUnits, WithoutADcAsWithAScreenCompatibleDc)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const int values[] = {0,   1,       7,        8,        10,       11,      72,      100,         -1,       -10,
                          -73, 1000000, 22369621, 22369622, 40000000, INT_MAX, INT_MIN, INT_MIN + 1, -22369622};
    for (int value : values)
        for (BOOL bY : {FALSE, TRUE}) {
            EXPECT_EQ(QYPointToLogical(value, nullptr, bY), QYPointToLogical(value, &dc, bY)) << value;
            EXPECT_EQ(QYLogicalToPoint(value, nullptr, bY), QYLogicalToPoint(value, &dc, bY)) << value;
        }
}

TEST(CompProperties, CopyHasEqualValuesAndItsOwnCaches)
{
    auto pSource = std::make_unique<CQYCompProperties>();
    pSource->SetObjectName("NAME1");
    pSource->m_nReserved1 = 17;
    pSource->m_bFlag1 = TRUE;
    pSource->m_bFlag2 = FALSE;
    pSource->SetBrushType(37);
    CBrush* pSourceBrush = pSource->GetBrush(nullptr);

    std::unique_ptr<CQYBaseProperties> pCopyBase(pSource->Copy());
    auto* pCopy = DYNAMIC_DOWNCAST(CQYCompProperties, pCopyBase.get());
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(StoreRecord(*pCopy), StoreRecord(*pSource));
    EXPECT_NE(pCopy->GetBrush(nullptr), pSourceBrush);
    pSource.reset();
    EXPECT_EQ(BrushOf(pCopy->GetBrush(nullptr)).lbStyle, UINT(BS_HATCHED));
    EXPECT_EQ(pCopy->m_nReserved1, 17);
}

TEST(BaseProperties, RecordIsTheIdAlone)
{
    CQYBaseProperties props(5101);
    EXPECT_EQ(StoreRecord(props), RecordBuilder().Int(5101).Get());
    std::unique_ptr<CQYBaseProperties> pCopy(props.Copy());
    EXPECT_EQ(pCopy->GetPropId(), 5101);
    EXPECT_TRUE(pCopy->GetRuntimeClass() == RUNTIME_CLASS(CQYBaseProperties));
}

// The record of a default set named "N" with caption "Cap", field by field.
Bytes DefaultRecord(int nBrushType = 1, int nPenStyle = 0, int nWeight = 400, int nShadowBrush = 1, int nHorzAlign = 1)
{
    return RecordBuilder()
        .Int(5001)
        .Int(nHorzAlign)
        .Int(1)
        .Int(0)
        .Str("N")
        .Str("Cap")
        .Int(30)
        .Int(1)
        .Int(0)
        .Int(0)
        .Int(0)
        .Int(0)
        .Int(1)
        .Int(0)
        .Int(1)
        .Int(0xC0C0C0)
        .Int(0)
        .Int(0x57564A)
        .Str("Tahoma")
        .Int(10)
        .Int(0)
        .Int(13)
        .Int(nWeight)
        .Int(0)
        .Int(0)
        .Int(0)
        .Int(2)
        .Int(0x57564A)
        .Int(0)
        .Int(nPenStyle)
        .Int(nBrushType)
        .Int(3)
        .Int(0xBFBFBF)
        .Int(0xE3E0BB)
        .Int(4)
        .Int(4)
        .Int(nShadowBrush)
        .Int(3)
        .Int(0)
        .Int(0)
        .Int(0)
        .Get();
}

TEST(CompPropertiesArchive, GoldenBytesOfADefaultSet)
{
    CQYCompProperties props;
    props.SetObjectName("N");
    props.SetObjectCaption("Cap");
    props.SetType(30);
    props.SetBkColor(0xC0C0C0);
    EXPECT_EQ(StoreRecord(props), DefaultRecord());
}

TEST(CompPropertiesArchive, EveryFieldReadsBack)
{
    CQYCompProperties props;
    props.SetObjectName("Name");
    props.SetObjectCaption(CString('x', 300)); // long string form
    props.m_nTextHorzAlign = 2;
    props.m_nTextVertAlign = 0;
    props.m_bMultiLine = TRUE;
    props.m_nTabOrder = 9;
    props.m_bLock = TRUE;
    props.m_bFlag1 = TRUE;
    props.m_bFlag2 = FALSE;
    props.m_nReserved2 = 77;
    props.SetBrushType(55);
    props.SetPenStyle(3);
    props.m_bShadow = TRUE;
    props.m_nShadowOffsetX = -3;
    props.m_nBulletType = 5;
    props.m_crBulletColor = RGB(1, 1, 1);
    const Bytes record = StoreRecord(props);

    CQYCompProperties loaded;
    ASSERT_EQ(LoadRecord(loaded, record), -1);
    EXPECT_EQ(StoreRecord(loaded), record);
    EXPECT_EQ(loaded.m_strObjectCaption.GetLength(), 300);
    EXPECT_EQ(loaded.GetBrushType(), 55);
    EXPECT_FALSE(loaded.m_bFlag2);
}

TEST(CompPropertiesArchive, LoadingOverADrawnSetDropsItsCaches)
{
    CQYCompProperties props;
    props.SetBkColor(RGB(1, 1, 1));
    ASSERT_EQ(BrushOf(props.GetBrush(nullptr)).lbColor, RGB(1, 1, 1));
    LOGFONT before = {};
    props.GetFont(nullptr)->GetLogFont(&before);
    ASSERT_EQ(LoadRecord(props, DefaultRecord()), -1);
    EXPECT_EQ(BrushOf(props.GetBrush(nullptr)).lbColor, COLORREF(0xC0C0C0));
    EXPECT_STREQ(props.m_strObjectName, "N");
}

TEST(CompPropertiesArchive, CorruptRecordsAreRefusedAndChangeNothing)
{
    struct Case {
        const char* name;
        Bytes record;
        int cause;
    };
    Bytes truncated = DefaultRecord();
    truncated.erase(truncated.end() - 3, truncated.end());
    Bytes hugeString = RecordBuilder().Int(5001).Int(1).Int(1).Int(0).Raw("\xFF\xFD\xFF").Get();
    const Case cases[] = {
        {"brush 92", DefaultRecord(92), CArchiveException::generic},
        {"brush -1", DefaultRecord(-1), CArchiveException::generic},
        {"pen style 5", DefaultRecord(1, 5), CArchiveException::generic},
        {"weight 1001", DefaultRecord(1, 0, 1001), CArchiveException::generic},
        {"shadow brush 200", DefaultRecord(1, 0, 400, 200), CArchiveException::generic},
        {"alignment 7", DefaultRecord(1, 0, 400, 1, 7), CArchiveException::generic},
        {"truncated", truncated, CArchiveException::endOfFile},
        {"string longer than the data", hugeString, CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        CQYCompProperties props;
        props.SetObjectName("kept");
        const Bytes before = StoreRecord(props);
        EXPECT_EQ(LoadRecord(props, c.record), c.cause) << c.name;
        EXPECT_EQ(StoreRecord(props), before) << c.name;
    }
}

} // namespace

namespace {

TEST(CompProperties, HostileSizesStayInRange)
{
    CQYCompProperties props;
    props.SetPointSize(INT_MAX);
    EXPECT_EQ(props.m_nPointSize, INT_MAX);
    EXPECT_GT(props.m_nFontHeight, 0);
    props.SetFontHeight(INT_MIN);
    EXPECT_GE(props.m_nPointSize, 0);
    LOGFONT lf = {};
    props.GetFont(nullptr)->GetLogFont(&lf); // a negative stored height falls back to the point size
    EXPECT_LE(lf.lfHeight, 0);
}

} // namespace
