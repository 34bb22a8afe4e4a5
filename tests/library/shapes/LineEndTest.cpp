#include "../model/ArchiveBytes.h"
#include "ShapeTestUtil.h"

#include "framework/object/Archive.h"
#include "library/shapes/QYArrowObjects.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

PointList HeadPoints(int nType, CPoint tip, CPoint neighbour)
{
    std::unique_ptr<CQYBaseEndObject> head(QYCreateLineEnd(nType));
    head->SetLinePoints(tip, neighbour);
    return ToList(head->m_lpCompPoints, head->m_nCompPtCount);
}

// ---------------------------------------------------------------------------
// Head points

struct HeadCase {
    int nType;
    PointList expected;
};

class ArrowHeadPoints : public ::testing::TestWithParam<HeadCase> {};

TEST_P(ArrowHeadPoints, HorizontalLineToTheRight)
{
    EXPECT_EQ(HeadPoints(GetParam().nType, CPoint(100, 100), CPoint(0, 100)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ArrowHeadPoints,
    ::testing::Values(HeadCase{1, {{100, 100}, {84, 108}, {84, 92}}}, HeadCase{39, {{100, 108}, {100, 92}}},
                      HeadCase{2, {{100, 100}, {68, 108}, {84, 100}, {68, 92}}},
                      HeadCase{8, {{84, 108}, {84, 92}, {100, 92}, {100, 108}}},
                      HeadCase{20, {{84, 100}, {100, 108}, {100, 92}, {76, 100}}}, HeadCase{10, {{100, 100}}},
                      HeadCase{17, {{95, 108}, {95, 92}, {90, 108}, {90, 92}, {84, 108}, {84, 92}}}));

TEST(ArrowHead, PointCountsOfEveryCode)
{
    const int counts[40] = {0, 3, 4, 4, 3, 3, 3, 3, 4, 4, 1, 1, 4, 4, 2, 2, 4, 6, 3, 5,
                            4, 3, 3, 5, 7, 5, 3, 5, 7, 5, 6, 6, 5, 8, 4, 4, 4, 4, 4, 2};
    for (int nType = 1; nType <= 39; ++nType)
        EXPECT_EQ(static_cast<int>(HeadPoints(nType, CPoint(50, 60), CPoint(10, 20)).size()), counts[nType]) << nType;
}

TEST(ArrowHead, TipOnItsNeighbourPointsAlongPositiveX)
{
    EXPECT_EQ(HeadPoints(1, CPoint(100, 100), CPoint(100, 100)), (PointList{{100, 100}, {84, 108}, {84, 92}}));
}

TEST(ArrowHead, VerticalLineDown)
{
    // Drawn downward: the head opens upward.  cos(pi/2) is not exactly 0 in
    // double precision, so the right wing's x offset is just under 8 and
    // truncates to 7.
    EXPECT_EQ(HeadPoints(1, CPoint(50, 100), CPoint(50, 0)), (PointList{{50, 100}, {42, 84}, {57, 84}}));
}

TEST(ArrowHead, MoreNearRoundsHalvesAwayFromZero)
{
    const std::pair<float, int> cases[] = {{2.5f, 3}, {2.49f, 2}, {-2.5f, -3}, {-2.4f, -2}, {0.0f, 0}, {7.0f, 7}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(CQYBaseEndObject::MoreNear(value), expected) << value;
}

TEST(ArrowHead, CodesOutsideTheTableCreateNothing)
{
    for (int nType : {0, -1, 40, 1000})
        EXPECT_EQ(QYCreateLineEnd(nType), nullptr);
}

TEST(ArrowHead, ClassNamesAreTheStoredOnes)
{
    const char* names[] = {"CQYRounTriArrowObject", "CQYRounTriCrossArrowObject", "CQYSRoundCrossObject",
                           "CQYSRoundTriCrossObject"};
    const int codes[] = {34, 24, 26, 28};
    for (int i = 0; i < 4; ++i) {
        std::unique_ptr<CQYBaseEndObject> head(QYCreateLineEnd(codes[i]));
        EXPECT_STREQ(head->GetRuntimeClass()->m_lpszClassName, names[i]);
    }
}

TEST(ArrowHead, SetPenStyleIgnoresStylesOutsideTheRange)
{
    CQYSolidTriArrowObject head;
    head.SetPenStyle(2);
    head.SetPenStyle(5);
    EXPECT_EQ(head.m_nPenStyle, 2);
}

// ---------------------------------------------------------------------------
// Records and copies

std::unique_ptr<CQYBaseEndObject> Configured(int nType)
{
    std::unique_ptr<CQYBaseEndObject> head(QYCreateLineEnd(nType));
    head->m_nArrowLength = 20 + nType;
    head->m_nArrowWidth = 6;
    head->m_crFillColor = 0x123456;
    head->m_bTransparent = TRUE;
    head->SetPenWidth(3);
    head->SetPenColor(0xABCDEF);
    head->SetPenStyle(2);
    head->m_nBrushType = 2;
    head->m_nHatchStyle = 4;
    head->m_crHatchColor = 0x00FF00;
    head->SetLinePoints(CPoint(300, 200), CPoint(100, 150));
    return head;
}

Bytes StoreObject(const CObject* pObject)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(pObject);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

CObject* LoadObject(Bytes bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CQYBaseEndObject));
    ar.Close();
    return pObject;
}

void ExpectSameSettings(const CQYBaseEndObject& a, const CQYBaseEndObject& b)
{
    EXPECT_EQ(a.m_nArrowLength, b.m_nArrowLength);
    EXPECT_EQ(a.m_nArrowWidth, b.m_nArrowWidth);
    EXPECT_EQ(a.m_crFillColor, b.m_crFillColor);
    EXPECT_EQ(a.m_bTransparent, b.m_bTransparent);
    EXPECT_EQ(a.m_nPenWidth, b.m_nPenWidth);
    EXPECT_EQ(a.m_crPenColor, b.m_crPenColor);
    EXPECT_EQ(a.m_bNullPen, b.m_bNullPen);
    EXPECT_EQ(a.m_nPenStyle, b.m_nPenStyle);
    EXPECT_EQ(a.m_nBrushType, b.m_nBrushType);
    EXPECT_EQ(a.m_nHatchStyle, b.m_nHatchStyle);
    EXPECT_EQ(a.m_crHatchColor, b.m_crHatchColor);
}

TEST(LineEndRecord, EveryCodeRoundTripsClassSettingsAndPoints)
{
    for (int nType = 1; nType <= 39; ++nType) {
        auto head = Configured(nType);
        std::unique_ptr<CObject> loaded(LoadObject(StoreObject(head.get())));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->GetRuntimeClass(), head->GetRuntimeClass()) << nType;
        auto* pLoaded = static_cast<CQYBaseEndObject*>(loaded.get());
        ExpectSameSettings(*pLoaded, *head);
        EXPECT_EQ(pLoaded->m_ptLineStart, head->m_ptLineStart);
        EXPECT_EQ(pLoaded->m_ptLineEnd, head->m_ptLineEnd);
        EXPECT_EQ(ToList(pLoaded->m_lpCompPoints, pLoaded->m_nCompPtCount),
                  ToList(head->m_lpCompPoints, head->m_nCompPtCount));
    }
}

TEST(LineEndRecord, CopyKeepsClassAndSettingsOnly)
{
    for (int nType = 1; nType <= 39; ++nType) {
        auto head = Configured(nType);
        std::unique_ptr<CQYBaseEndObject> copy(head->Copy());
        EXPECT_EQ(copy->GetRuntimeClass(), head->GetRuntimeClass()) << nType;
        ExpectSameSettings(*copy, *head);
        EXPECT_EQ(copy->m_nCompPtCount, 0);
        EXPECT_EQ(copy->m_pPen, nullptr);
        EXPECT_EQ(copy->m_pBrush, nullptr);
    }
}

// The record of a normal arrow from (100, 100) back to (0, 100) with the
// default settings, field by field.
RecordBuilder GoldenNormalArrow()
{
    RecordBuilder record;
    record.Int(16).Int(8).Int(100).Int(100).Int(0).Int(100);
    record.Int(0x0057564A).Int(0).Int(1).Int(0x0057564A).Int(0).Int(0).Int(0).Int(3).Int(0x00FF56FF);
    record.Int(3).Int(100).Int(100).Int(84).Int(108).Int(84).Int(92);
    return record;
}

TEST(LineEndRecord, GoldenBytes)
{
    CQYNormalArrowObject head;
    head.SetLinePoints(CPoint(100, 100), CPoint(0, 100));
    EXPECT_EQ(StoreRecord(head), GoldenNormalArrow().Get());

    CQYNormalArrowObject loaded;
    EXPECT_EQ(LoadRecord(loaded, GoldenNormalArrow().Get()), -1);
    EXPECT_EQ(ToList(loaded.m_lpCompPoints, loaded.m_nCompPtCount), (PointList{{100, 100}, {84, 108}, {84, 92}}));
}

TEST(LineEndRecord, CountsOfZeroOrLessReadNoPoints)
{
    for (int nCount : {0, -5}) {
        RecordBuilder record;
        for (int i = 0; i < 15; ++i)
            record.Int(i == 0 ? 16 : 1);
        record.Int(nCount);
        CQYBaseEndObject head;
        EXPECT_EQ(LoadRecord(head, record.Get()), -1) << nCount;
        EXPECT_EQ(head.m_nCompPtCount, 0);
    }
}

TEST(LineEndRecord, CountsAboveSixteenAreRefusedAndChangeNothing)
{
    for (int nCount : {17, 1000, 0x7FFFFFFF}) {
        RecordBuilder record;
        for (int i = 0; i < 15; ++i)
            record.Int(99);
        record.Int(nCount);
        for (int i = 0; i < 40; ++i)
            record.Int(i);
        CQYNormalArrowObject head;
        EXPECT_EQ(LoadRecord(head, record.Get()), CArchiveException::generic) << nCount;
        EXPECT_EQ(head.m_nArrowLength, 16);
        EXPECT_EQ(head.m_nCompPtCount, 0);
    }
}

TEST(LineEndRecord, ShortRecordIsRefused)
{
    Bytes bytes = GoldenNormalArrow().Get();
    bytes.erase(bytes.end() - 4, bytes.end());
    CQYNormalArrowObject head;
    EXPECT_EQ(LoadRecord(head, bytes), CArchiveException::endOfFile);
    EXPECT_EQ(head.m_nCompPtCount, 0);
}

} // namespace
