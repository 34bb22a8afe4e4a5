#include "../model/ArchiveBytes.h"
#include "ShapeTestUtil.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYLabelLines.h"
#include "library/shapes/QYStaticComponent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Held<CQYStaticComponent> MakeLabel(const CRect& rect, const char* pszCaption = "")
{
    Held<CQYStaticComponent> label;
    CRect rc = rect;
    label->Create(rc, pszCaption);
    return label;
}

class Page {
public:
    Page(int cx, int cy)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(cx, cy, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    }
    ~Page() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    bool Inked(int x, int y) { return (m_dc.GetPixel(x, y) & 0xFFFFFF) != 0xFFFFFF; }
    int InkedIn(const CRect& r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += Inked(x, y);
        return n;
    }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
};

std::vector<std::string> Lines(CQYStaticComponent& label, const char* pszText)
{
    CStringArray lines;
    const int n = label.BreakTextLines(nullptr, CRect(0, 0, 10, 10), pszText, &lines);
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        out.emplace_back(static_cast<const char*>(lines[i]));
    EXPECT_EQ(n, static_cast<int>(out.size()));
    return out;
}

TEST(StaticLabel, BreaksLinesAtCrLfAndCrLf)
{
    auto label = MakeLabel(CRect(0, 0, 100, 40));
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"a\r\nb\r\n", {"a", "b", ""}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"one long line that is never cut at the width", {"one long line that is never cut at the width"}},
        {"", {""}},
        {"\n", {"", ""}},
        {" lead\r\r", {" lead", "", ""}},
        {"\xC3\xA9t\xC3\xA9\n\xE6\x97\xA5\xE6\x9C\xAC", {"\xC3\xA9t\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC"}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Lines(*label.get(), text), expected) << text;
    label->GetDefaultProperty()->m_bMultiLine = FALSE;
    EXPECT_EQ(Lines(*label.get(), "a\r\nb"), (std::vector<std::string>{"a\r\nb"}));
}

TEST(StaticLabel, TextFlagsFollowTheAlignment)
{
    auto label = MakeLabel(CRect(0, 0, 100, 40));
    CQYCompProperties* pProp = label->GetDefaultProperty();
    EXPECT_EQ(label->GetTextFlags(), static_cast<UINT>(DT_WORDBREAK));
    pProp->m_nTextHorzAlign = 2;
    EXPECT_EQ(label->GetTextFlags(), static_cast<UINT>(DT_WORDBREAK | DT_RIGHT));
    pProp->m_bMultiLine = FALSE;
    pProp->m_nTextHorzAlign = 1;
    pProp->m_nTextVertAlign = 2;
    EXPECT_EQ(label->GetTextFlags(), static_cast<UINT>(DT_SINGLELINE | DT_CENTER | DT_BOTTOM));
}

TEST(StaticLabel, MarginsWithAndWithoutBullets)
{
    auto label = MakeLabel(CRect(0, 0, 100, 40));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    TEXTMETRIC tm{};
    CFont* pOld = dc.SelectObject(label->GetDefaultProperty()->GetFont(&dc));
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    ASSERT_GT(tm.tmAveCharWidth, 0);
    const CRect plain = label->GetTextMargins(&dc);
    EXPECT_EQ(plain.left, 2 * tm.tmAveCharWidth);
    EXPECT_EQ(plain.right, 2 * tm.tmAveCharWidth);
    EXPECT_EQ(plain.top + plain.bottom, tm.tmExternalLeading);
    label->GetDefaultProperty()->m_nBulletType = 1;
    const CRect bulleted = label->GetTextMargins(&dc);
    EXPECT_EQ(bulleted.left, 4 * tm.tmAveCharWidth);
    EXPECT_EQ(bulleted.right, 0);
}

TEST(StaticLabel, EachBulletKindDrawsItsShape)
{
    auto label = MakeLabel(CRect(0, 0, 100, 40));
    label->GetDefaultProperty()->m_crBulletColor = RGB(200, 0, 0);
    const CRect box(10, 10, 40, 40); // centre (25, 25), r = 15
    struct Probe {
        int kind;
        CPoint inked;
        CPoint clear;
    };
    const Probe probes[] = {
        {1, {25, 25}, {11, 11}}, {2, {12, 12}, {5, 5}},   {3, {25, 25}, {12, 12}}, {4, {10, 25}, {25, 25}},
        {5, {30, 25}, {38, 12}}, {6, {25, 25}, {16, 25}}, {7, {25, 18}, {25, 25}}, {8, {15, 15}, {5, 5}},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.kind);
        label->GetDefaultProperty()->m_nBulletType = probe.kind;
        Page page(50, 50);
        label->DrawBullet(page.DC(), &box, probe.kind, "x");
        EXPECT_TRUE(page.Inked(probe.inked.x, probe.inked.y));
        EXPECT_FALSE(page.Inked(probe.clear.x, probe.clear.y));
    }
    Page empty(50, 50);
    label->DrawBullet(empty.DC(), &box, 8, "");
    label->DrawBullet(empty.DC(), &box, 9, "x");
    label->DrawBullet(empty.DC(), &box, 0, "x");
    EXPECT_EQ(empty.InkedIn(CRect(0, 0, 50, 50)), 0);
}

TEST(StaticLabel, DrawsItsLinesWithBulletsInsideTheOutline)
{
    auto label = MakeLabel(CRect(0, 0, 200, 120), "Ab\r\nCd");
    CQYCompProperties* pProp = label->GetDefaultProperty();
    pProp->m_nBulletType = 2;
    pProp->m_crBulletColor = RGB(0, 0, 255);
    Page page(220, 140);
    label->OnDraw(page.DC());
    // Text and bullets inside the label, nothing outside it.
    EXPECT_GT(page.InkedIn(CRect(0, 0, 200, 120)), 0);
    EXPECT_EQ(page.InkedIn(CRect(201, 0, 220, 140)), 0);
    EXPECT_EQ(page.InkedIn(CRect(0, 122, 220, 140)), 0);
}

TEST(StaticLabel, AutoSizeOnlyGrows)
{
    auto label = MakeLabel(CRect(10, 10, 20, 20), "A rather long caption\nand a second line");
    label->AutoSize(nullptr);
    const CRect grown = label->GetPointsRect();
    EXPECT_EQ(grown.TopLeft(), CPoint(10, 10));
    EXPECT_GT(grown.Width(), 10);
    EXPECT_GT(grown.Height(), 10);
    label->SetObjectCaption("x");
    label->AutoSize(nullptr);
    EXPECT_EQ(label->GetPointsRect(), grown);
    auto wide = MakeLabel(CRect(0, 0, 900, 400), "x");
    wide->AutoSize(nullptr);
    EXPECT_EQ(wide->GetPointsRect(), CRect(0, 0, 900, 400));
}

TEST(StaticLabel, NinePortsInTheirOrder)
{
    auto label = MakeLabel(CRect(0, 0, 40, 20));
    const double expected[9][2] = {{0.5, 0.5}, {1, 1}, {1, 0}, {0, 1}, {0, 0}, {0, 0.5}, {0.5, 1}, {1, 0.5}, {0.5, 0}};
    ASSERT_EQ(label->GetPortCount(), 9);
    int i = 0;
    for (POSITION pos = label->GetPortList()->GetHeadPosition(); pos != nullptr; ++i) {
        auto* pPort = static_cast<CQYPortComponent*>(label->GetPortList()->GetNext(pos));
        EXPECT_DOUBLE_EQ(pPort->GetRelativeX(), expected[i][0]) << i;
        EXPECT_DOUBLE_EQ(pPort->GetRelativeY(), expected[i][1]) << i;
    }
    CQYCompProperties* pProp = label->GetDefaultProperty();
    EXPECT_EQ(pProp->GetType(), 2);
    EXPECT_EQ(pProp->m_nPointSize, 22);
    EXPECT_TRUE(pProp->m_bMultiLine);
    EXPECT_TRUE(pProp->m_bNullPen);
}

TEST(StaticLabel, CaptionsInSeveralScriptsSurviveSaveAndReopen)
{
    const char* captions[] = {
        "plain", "caf\xC3\xA9\r\nna\xC3\xAFve", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\n\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A", "\xF0\x9F\x98\x80 emoji"};
    for (const char* caption : captions) {
        auto label = MakeLabel(CRect(5, 6, 70, 80), caption);
        const Bytes record = StoreRecord(*label.get());
        Held<CQYStaticComponent> back;
        ASSERT_EQ(LoadRecord(*back.get(), record), -1);
        EXPECT_STREQ(static_cast<const char*>(back->GetObjectCaption()), caption);
        EXPECT_EQ(PointsOf(back.get()), PointsOf(label.get()));
        Held<CQYStaticComponent> copy(static_cast<CQYStaticComponent*>(label->Copy()));
        EXPECT_STREQ(static_cast<const char*>(copy->GetObjectCaption()), caption);
    }
}

} // namespace
