// The draw index answers as a walk over the whole list does: the
// components whose bounds meet a rectangle, in list order; and it notices
// every change the drawing change count records.
#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawIndex.h"
#include "library/model/QYDrawingChanges.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Bounds straight from the component's rectangle.
CRect RectBounds(CQYDrawComponent* pComp)
{
    CRect rect = pComp->GetRect();
    rect.NormalizeRect();
    return rect;
}

std::vector<CQYDrawComponent*> Walk(const CQYCompList& list, const CRect& rectClip)
{
    std::vector<CQYDrawComponent*> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        const CRect bounds = RectBounds(pComp);
        CRect common;
        if (common.IntersectRect(&bounds, &rectClip))
            out.push_back(pComp);
    }
    return out;
}

CRect RandomRect(std::mt19937& rng, int nSpan, int nMaxSize)
{
    std::uniform_int_distribution<int> at(-nSpan / 4, nSpan);
    std::uniform_int_distribution<int> size(0, nMaxSize);
    const int x = at(rng), y = at(rng);
    return CRect(x, y, x + size(rng), y + size(rng));
}

// A component whose points are the rectangle's corners.
CQYDrawComponent* NewComponent(const CRect& rect)
{
    auto* pComp = new CQYDrawComponent;
    const POINT corners[4] = {
        {rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    pComp->SetPoints(corners, 4);
    pComp->UpdatePosition();
    return pComp;
}

TEST(DrawIndex, AnswersAsTheWalkDoes)
{
    std::mt19937 rng(7);
    CQYCompList list;
    // Small components, some large ones (kept apart from the cells), some
    // empty ones, on a page that reaches into negative coordinates.
    for (int i = 0; i < 3000; ++i)
        list.AddTail(NewComponent(RandomRect(rng, 20000, i % 50 == 0 ? 15000 : 120)));
    list.AddTail(NewComponent(CRect(500, 500, 500, 500)));
    CQYDrawIndex index;
    std::vector<CQYDrawComponent*> found;
    size_t nFound = 0;
    for (int i = 0; i < 400; ++i) {
        const CRect rectClip = RandomRect(rng, 22000, i % 10 == 0 ? 30000 : 2000);
        index.Collect(list, rectClip, RectBounds, found);
        ASSERT_EQ(found, Walk(list, rectClip)) << "query " << i;
        nFound += found.size();
    }
    EXPECT_GT(nFound, 10000u); // the queries do find components
    // A clip box wholly off the page finds nothing.
    index.Collect(list, CRect(900000, 900000, 900100, 900100), RectBounds, found);
    EXPECT_TRUE(found.empty());
}

TEST(DrawIndex, FollowsMovesInsertionsAndRemovals)
{
    CQYCompList list;
    CQYDrawComponent* pFar = NewComponent(CRect(5000, 5000, 5050, 5050));
    list.AddTail(NewComponent(CRect(0, 0, 40, 40)));
    list.AddTail(pFar);
    CQYDrawIndex index;
    std::vector<CQYDrawComponent*> found;
    const CRect rectClip(0, 0, 100, 100);
    index.Collect(list, rectClip, RectBounds, found);
    EXPECT_EQ(found.size(), 1u);
    EXPECT_TRUE(index.IsCurrentFor(list));

    pFar->OffsetComponent(-4980, -4980);
    EXPECT_FALSE(index.IsCurrentFor(list)); // moving the points is enough
    pFar->UpdatePosition();
    index.Collect(list, rectClip, RectBounds, found);
    EXPECT_EQ(found, Walk(list, rectClip));
    EXPECT_EQ(found.size(), 2u);

    CQYDrawComponent* pNew = NewComponent(CRect(60, 60, 70, 70));
    list.AddHead(pNew);
    index.Collect(list, rectClip, RectBounds, found);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found.front(), pNew); // list order, not the order of insertion

    list.RemoveAt(list.GetHeadPosition());
    index.Collect(list, rectClip, RectBounds, found);
    EXPECT_EQ(found, Walk(list, rectClip));

    // A draw pass setting rectangles again keeps the index as it is.
    index.Collect(list, rectClip, RectBounds, found);
    {
        QYDrawPassScope pass;
        CRect rect = pFar->GetRect();
        pFar->SetRect(&rect);
    }
    EXPECT_TRUE(index.IsCurrentFor(list));
}

} // namespace
