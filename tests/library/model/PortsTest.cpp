#include "ArchiveBytes.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "library/model/QYCompList.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

// A minimal connector: a polyline whose first point belongs to its from
// port and last point to its to port.  (Archived by class name, so outside
// the unnamed namespace.)
class TestLink : public CQYDrawComponent, public CQYPortLink {
    DECLARE_SERIAL(TestLink)
public:
    TestLink() = default;
    TestLink(CPoint start, CPoint end)
    {
        const POINT points[] = {start, end};
        SetPoints(points, 2);
        ResetTrackPoints();
    }
    BOOL MoveEndAtPort(CQYPortComponent* pPort, int dx, int dy) override { return OffsetPoint(IndexAt(pPort), dx, dy); }
    BOOL MoveTrackEndAtPort(CQYPortComponent* pPort, int dx, int dy) override
    {
        return OffsetTrackPoint(IndexAt(pPort), dx, dy);
    }
    BOOL OffsetLinkTrackPoint(CQYPortComponent*, int nIndex, int dx, int dy) override
    {
        return OffsetTrackPoint(nIndex, dx, dy);
    }
    void MoveTrackByPort(CQYPortComponent* pPort, int dx, int dy, int, int) override
    {
        OffsetTrackPoint(IndexAt(pPort), dx, dy);
    }
    void CopyToTrackPoints() override { CQYDrawComponent::ResetTrackPoints(); }
    CPoint GetStartPoint() override { return GetPointAt(0); }
    CPoint GetEndPoint() override { return GetPointAt(m_nCompPtCount - 1); }
    void SetFromPort(CQYPortComponent* pPort) override { m_pFrom = pPort; }
    void SetToPort(CQYPortComponent* pPort) override { m_pTo = pPort; }

    CPoint Track(int i) const { return m_lpCompTrackPoints[i]; }
    CQYPortComponent* m_pFrom = nullptr;
    CQYPortComponent* m_pTo = nullptr;

private:
    // -1 (no point) for a port this link is not attached to.
    int IndexAt(CQYPortComponent* pPort) const
    {
        if (pPort == m_pFrom)
            return 0;
        return pPort == m_pTo ? m_nCompPtCount - 1 : -1;
    }
};
IMPLEMENT_SERIAL(TestLink, CQYDrawComponent, 0)

namespace {

// A rectangle shape with a port in the middle of each side.
class PortsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pShape = NewShape(CRect(0, 0, 100, 50));
        m_pShape->CreateDefaultPort(0.5, 0);
        m_pRight = m_pShape->CreateDefaultPort(1, 0.5);
        m_pShape->CreateDefaultPort(0.5, 1);
        m_pShape->CreateDefaultPort(0, 0.5);
    }
    void TearDown() override
    {
        for (TestLink* pLink : m_links) {
            if (pLink->m_pFrom)
                pLink->m_pFrom->RemoveLink(pLink);
            if (pLink->m_pTo)
                pLink->m_pTo->RemoveLink(pLink);
            pLink->Release();
        }
        m_pShape->Release();
    }

    static CQYDrawPortsComponent* NewShape(const CRect& r)
    {
        auto* pShape = new CQYDrawPortsComponent;
        pShape->AddRef();
        const POINT corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        pShape->SetPoints(corners, 4);
        pShape->UpdatePosition();
        pShape->ResetTrackPoints();
        pShape->UpdateComp();
        return pShape;
    }

    // A link from the port to a free point, attached at its start.
    TestLink* AttachLink(CQYPortComponent* pPort, CPoint freeEnd)
    {
        auto* pLink = new TestLink(pPort->GetLinkPoint(), freeEnd);
        pLink->AddRef();
        pLink->SetFromPort(pPort);
        pPort->AddLink(pLink);
        m_links.push_back(pLink);
        return pLink;
    }

    // The draw component's part of a record, alone.
    static Bytes StoreDrawPart(CQYDrawComponent& comp)
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            comp.CQYDrawComponent::Serialize(ar);
            ar.Close();
        }
        Bytes bytes(static_cast<size_t>(file.GetLength()));
        file.SeekToBegin();
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
        return bytes;
    }

    std::vector<CPoint> PortPoints(CQYDrawPortsComponent* pShape) const
    {
        std::vector<CPoint> points;
        for (POSITION pos = pShape->m_listPorts.GetHeadPosition(); pos != nullptr;)
            points.push_back(static_cast<CQYPortComponent*>(pShape->m_listPorts.GetNext(pos))->GetLinkPoint());
        return points;
    }
    std::vector<CPoint> PortTrackPoints(CQYDrawPortsComponent* pShape) const
    {
        std::vector<CPoint> points;
        for (POSITION pos = pShape->m_listPorts.GetHeadPosition(); pos != nullptr;)
            points.push_back(static_cast<CQYPortComponent*>(pShape->m_listPorts.GetNext(pos))->GetTrackLinkPoint());
        return points;
    }

    CQYDrawPortsComponent* m_pShape = nullptr;
    CQYPortComponent* m_pRight = nullptr;
    std::vector<TestLink*> m_links;
};

TEST_F(PortsTest, DefaultPortsSitAtTheirFractionsOfTheRectangle)
{
    CQYDrawPortsComponent* pShape = NewShape(CRect(10, 10, 111, 61));
    struct Case {
        double fX, fY;
        CPoint expected;
    };
    const Case cases[] = {
        {1, 0.5, {111, 35}}, {0.5, 0, {60, 10}},   {0.5, 1, {60, 61}},
        {0, 0.5, {10, 35}},  {0.5, 0.5, {60, 35}}, {0.25, 0.75, {35, 48}}, // 25.25 and 38.25 truncate
    };
    for (const Case& c : cases) {
        CQYPortComponent* pPort = pShape->CreateDefaultPort(c.fX, c.fY);
        EXPECT_EQ(pPort->GetLinkPoint(), c.expected) << c.fX << "," << c.fY;
        EXPECT_EQ(pPort->GetParentComp(), pShape);
        EXPECT_EQ(pPort->GetRefCount(), 1);
        EXPECT_EQ(pPort->GetPortRect(), CRect(c.expected.x - 4, c.expected.y - 4, c.expected.x + 4, c.expected.y + 4));
    }
    CQYDrawPortsComponent* pDefault = new CQYDrawPortsComponent;
    EXPECT_EQ(pDefault->GetDefaultProperty()->m_nLineWidth, 1);
    EXPECT_EQ(pDefault->GetDefaultProperty()->m_crLineColor, RGB(0, 0, 0));
    CQYPortComponent port;
    EXPECT_EQ(port.GetDefaultProperty()->GetType(), QY_COMP_PORT);
    EXPECT_EQ(port.GetDefaultProperty()->m_crBkColor, RGB(0, 0, 255));
    EXPECT_EQ(port.GetDefaultProperty()->m_crLineColor, RGB(255, 255, 255));
    delete pDefault;
    pShape->Release();
}

TEST_F(PortsTest, HitTestPrefersTheLaterPortAndFindPortMatchesExactly)
{
    CQYPortComponent* pCentre = m_pShape->CreateDefaultPort(0.5, 0.5);
    CQYPortComponent* pNear = m_pShape->CreateDefaultPort(0.52, 0.5); // 2 units right: overlapping boxes
    EXPECT_EQ(m_pShape->HitTestPort(CPoint(50, 25)), pNear);
    EXPECT_EQ(m_pShape->HitTestPort(CPoint(46, 25)), pCentre);
    EXPECT_EQ(m_pShape->HitTestPort(CPoint(56, 25)), nullptr); // right edge of the near port's box is outside
    EXPECT_EQ(m_pShape->HitTestPort(CPoint(50, 40)), nullptr);

    EXPECT_EQ(m_pShape->FindPort(0.5, 0.5), pCentre);
    EXPECT_EQ(m_pShape->FindPort(std::nextafter(0.5, 1.0), 0.5), nullptr);
    EXPECT_EQ(m_pShape->FindPort(1, 0.5), m_pRight);
}

TEST_F(PortsTest, MovingTheShapeMovesPortsAndAttachedLinkEnds)
{
    TestLink* pLink = AttachLink(m_pRight, CPoint(300, 300));
    m_pShape->OffsetComponent(5, 7);
    EXPECT_EQ(PortPoints(m_pShape), (std::vector<CPoint>{{55, 7}, {105, 32}, {55, 57}, {5, 32}}));
    EXPECT_EQ(pLink->GetStartPoint(), CPoint(105, 32));
    EXPECT_EQ(pLink->GetEndPoint(), CPoint(300, 300)); // the free end stays

    m_pShape->ScaleComponent(2.0f, 2.0f, 5.0f, 7.0f);
    EXPECT_EQ(m_pRight->GetLinkPoint(), CPoint(205, 57));
    EXPECT_EQ(pLink->GetStartPoint(), CPoint(205, 57));

    m_pShape->RotateComponent(900, 5.0f, 7.0f);
    EXPECT_EQ(pLink->GetStartPoint(), m_pRight->GetLinkPoint());
}

TEST_F(PortsTest, PositioningReplacesPortsByTheirFractions)
{
    TestLink* pLink = AttachLink(m_pRight, CPoint(300, 300));
    CRect target(10, 20, 211, 121);
    m_pShape->PositionComponent(&target);
    EXPECT_EQ(m_pShape->GetRect(), target);
    EXPECT_EQ(PortPoints(m_pShape), (std::vector<CPoint>{{110, 20}, {211, 70}, {110, 121}, {10, 70}}));
    EXPECT_EQ(pLink->GetStartPoint(), CPoint(211, 70));

    CRect empty(50, 50, 50, 90);
    m_pShape->PositionComponent(&empty); // changes nothing, ports included
    EXPECT_EQ(m_pShape->GetRect(), target);
    EXPECT_EQ(pLink->GetStartPoint(), CPoint(211, 70));
}

TEST_F(PortsTest, MovingOneVertexReplacesPortsAndLinksFollowTheirOwnPort)
{
    TestLink* pRightLink = AttachLink(m_pRight, CPoint(300, 300));
    auto* pLeft = static_cast<CQYPortComponent*>(m_pShape->m_listPorts.GetAt(m_pShape->m_listPorts.FindIndex(3)));
    TestLink* pLeftLink = AttachLink(pLeft, CPoint(-100, 0));

    // Track form first: the drag preview.
    EXPECT_TRUE(m_pShape->OffsetTrackPoint(2, 20, 10)); // bottom-right corner to (120, 60)
    const std::vector<CPoint> expected{{60, 0}, {120, 30}, {60, 60}, {0, 30}};
    EXPECT_EQ(PortTrackPoints(m_pShape), expected);
    EXPECT_EQ(pRightLink->Track(0), CPoint(120, 30));
    EXPECT_EQ(pLeftLink->Track(0), CPoint(0, 30));
    EXPECT_EQ(PortPoints(m_pShape)[1], CPoint(100, 25)); // the points are untouched

    // The result agrees with the preview.
    EXPECT_TRUE(m_pShape->OffsetPoint(2, 20, 10));
    EXPECT_EQ(PortPoints(m_pShape), expected);
    EXPECT_EQ(pRightLink->GetStartPoint(), CPoint(120, 30)); // moved by its port's (20, 5), not (20, 10)
    EXPECT_EQ(pLeftLink->GetStartPoint(), CPoint(0, 30));
    EXPECT_EQ(pLeftLink->GetEndPoint(), CPoint(-100, 0));

    // A bad index changes nothing.
    for (int nIndex : {-1, 4}) {
        EXPECT_FALSE(m_pShape->OffsetPoint(nIndex, 50, 50));
        EXPECT_FALSE(m_pShape->OffsetTrackPoint(nIndex, 50, 50));
    }
    EXPECT_EQ(PortPoints(m_pShape), expected);
    EXPECT_EQ(pRightLink->GetStartPoint(), CPoint(120, 30));
    EXPECT_FALSE(m_pRight->OffsetPoint(1, 5, 5)); // a port has only point 0
    EXPECT_EQ(pRightLink->GetStartPoint(), CPoint(120, 30));
}

TEST_F(PortsTest, LinksAreCountedOnceAndReleasedByThePort)
{
    TestLink* pLink = AttachLink(m_pRight, CPoint(300, 300));
    m_pRight->AddLink(pLink); // already attached
    EXPECT_EQ(m_pRight->GetLinkCount(), 1);
    EXPECT_EQ(pLink->GetRefCount(), 2);
    m_pShape->ClearPortLinks();
    EXPECT_EQ(pLink->GetRefCount(), 1);
    EXPECT_EQ(m_pRight->GetLinkCount(), 0);
    pLink->m_pFrom = nullptr;
}

TEST_F(PortsTest, RemovedPortsAreReleasedAndForgetTheirOwner)
{
    m_pRight->AddRef(); // someone else (a link) still holds it
    m_pShape->RemovePort(m_pRight);
    EXPECT_EQ(m_pShape->GetPortCount(), 3);
    EXPECT_EQ(m_pRight->GetRefCount(), 1);
    EXPECT_EQ(m_pRight->GetParentComp(), nullptr);
    m_pShape->RemovePort(m_pRight); // not there any more
    m_pRight->Release();

    m_pShape->RemovePorts(&m_pShape->m_listPorts);
    EXPECT_EQ(m_pShape->GetPortCount(), 0);
}

TEST_F(PortsTest, CopiesOwnCopiedPortsWithoutLinks)
{
    AttachLink(m_pRight, CPoint(300, 300));
    auto* pCopy = static_cast<CQYDrawPortsComponent*>(m_pShape->Copy());
    pCopy->AddRef();
    EXPECT_STREQ(pCopy->GetRuntimeClass()->m_lpszClassName, "CQYDrawPortsComponent");
    ASSERT_EQ(pCopy->GetPortCount(), 4);
    EXPECT_EQ(PortPoints(pCopy), PortPoints(m_pShape));
    for (POSITION pos = pCopy->m_listPorts.GetHeadPosition(); pos != nullptr;) {
        auto* pPort = static_cast<CQYPortComponent*>(pCopy->m_listPorts.GetNext(pos));
        EXPECT_EQ(pPort->GetParentComp(), pCopy);
        EXPECT_EQ(pPort->GetLinkCount(), 0);
        EXPECT_EQ(pPort->GetTrackLinkPoint(), pPort->GetLinkPoint());
        EXPECT_EQ(pPort->GetRefCount(), 1);
        EXPECT_EQ(m_pShape->m_listPorts.Find(pPort), nullptr);
    }
    EXPECT_EQ(pCopy->FindPort(1, 0.5)->GetLinkPoint(), CPoint(100, 25));
    pCopy->Release();
    EXPECT_EQ(m_pRight->GetParentComp(), m_pShape);
}

// ---------------------------------------------------------------------------
// Archive record

TEST_F(PortsTest, PortsAreWrittenInlineAfterTheDrawRecord)
{
    const Bytes drawPart = StoreDrawPart(*m_pShape);
    const Bytes bytes = StoreRecord(*m_pShape);
    ASSERT_GT(bytes.size(), drawPart.size() + 24);
    EXPECT_TRUE(std::equal(drawPart.begin(), drawPart.end(), bytes.begin()));
    // Count 4, then the first port's own record: no class tag, its flag and
    // its position rectangle, the box around its point.
    auto* pFirst = static_cast<CQYPortComponent*>(m_pShape->m_listPorts.GetHead());
    const CRect box = pFirst->GetPortRect();
    EXPECT_FALSE(box.IsRectEmpty());
    EXPECT_EQ(pFirst->GetRect(), box);
    const Bytes expected =
        RecordBuilder().Int(4).Int(0).Int(box.left).Int(box.top).Int(box.right).Int(box.bottom).Get();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + static_cast<long>(drawPart.size())));
}

TEST_F(PortsTest, RoundTripRebindsLinksByTheirEndPoints)
{
    TestLink* pLink = AttachLink(m_pRight, CPoint(300, 300));
    m_pRight->SetPortWidth(10);
    const Bytes bytes = StoreRecord(*m_pShape);

    auto* pLoaded = new CQYDrawPortsComponent;
    pLoaded->AddRef();
    ASSERT_EQ(LoadRecord(*pLoaded, bytes), -1);
    ASSERT_EQ(pLoaded->GetPortCount(), 4);
    EXPECT_EQ(PortPoints(pLoaded), PortPoints(m_pShape));
    CQYPortComponent* pRight = pLoaded->FindPort(1, 0.5);
    ASSERT_NE(pRight, nullptr);
    EXPECT_EQ(pRight->GetParentComp(), pLoaded);
    EXPECT_EQ(pRight->GetPortWidth(), 10);
    ASSERT_EQ(pRight->GetLinkCount(), 1);
    auto* pLoadedLink = static_cast<TestLink*>(pRight->m_listLinks.GetHead());
    EXPECT_NE(pLoadedLink, pLink);
    EXPECT_EQ(pLoadedLink->m_pFrom, pRight); // its start lies on the port
    EXPECT_EQ(pLoadedLink->m_pTo, nullptr);
    EXPECT_EQ(pLoadedLink->GetEndPoint(), CPoint(300, 300));
    pLoaded->Release(); // the link goes with its only holder
}

TEST_F(PortsTest, BadPortRecordsThrowAndKeepThePorts)
{
    const Bytes bytes = StoreRecord(*m_pShape);
    CQYDrawPortsComponent* pShape = NewShape(CRect(0, 0, 10, 10));
    CQYPortComponent* pKept = pShape->CreateDefaultPort(0.5, 0.5);

    Bytes negative = bytes;
    struct Case {
        const char* name;
        Bytes bytes;
        int nCause;
    };
    const size_t nCountAt = StoreDrawPart(*m_pShape).size();
    negative[nCountAt + 3] = 0xFF; // -16777212
    const Case cases[] = {
        {"negative count", negative, CArchiveException::generic},
        {"truncated in the last port", Bytes(bytes.begin(), bytes.end() - 120), CArchiveException::endOfFile},
        {"count beyond the ports",
         [&] {
             Bytes more = bytes;
             more[nCountAt] = 5;
             return more;
         }(),
         CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadRecord(*pShape, c.bytes), c.nCause);
        EXPECT_EQ(pShape->GetPortCount(), 1);
        EXPECT_EQ(pShape->m_listPorts.GetHead(), pKept);
    }
    pShape->Release();
}

// A record may name a shape again from inside its own ports (a link list
// that refers back to it).  When a later part of the record is bad, the
// load fails cleanly: the shape is not deleted while it is still reading.
TEST_F(PortsTest, ABadRecordThatNamesItsShapeFromInsideFailsCleanly)
{
    CQYPortComponent* pFirst = m_pShape->FindPort(0.5, 0);
    pFirst->AddLink(m_pShape);
    CQYCompList list;
    list.AddTail(m_pShape);
    const Bytes bytes = StoreRecord(list);
    pFirst->RemoveAllLinks();

    const size_t nCuts[] = {10, 30, 150};
    for (size_t nCut : nCuts) {
        CQYCompList loaded;
        EXPECT_EQ(LoadRecord(loaded, Bytes(bytes.begin(), bytes.end() - static_cast<long>(nCut))),
                  CArchiveException::endOfFile)
            << nCut;
        EXPECT_TRUE(loaded.IsEmpty()) << nCut;
    }
}

// A port's point and size come from documents and may lie anywhere; its
// box and area stay inside the int range.
TEST(PortGeometry, BoxesAtTheEndsOfTheRange)
{
    struct Case {
        CPoint point;
        int nWidth, nHeight;
        CPoint probe;
        bool hit;
    };
    const Case cases[] = {
        {{INT_MAX - 1, INT_MIN + 1}, 8, 8, {INT_MAX - 1, INT_MIN + 1}, true},
        {{INT_MIN + 1, INT_MAX - 1}, 8, 8, {INT_MIN, INT_MAX - 5}, true},
        {{0, 0}, INT_MAX, INT_MAX, {-1000000, 1000000}, true},
        {{INT_MAX, INT_MAX}, INT_MAX, INT_MAX, {1073741824, 1073741824}, true},
        {{0, 0}, INT_MIN, INT_MIN, {0, 0}, false},
    };
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(16, 16, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    for (const Case& c : cases) {
        auto* pPort = new CQYPortComponent;
        pPort->AddRef();
        pPort->SetPortWidth(c.nWidth);
        pPort->SetPortHeight(c.nHeight);
        pPort->PlacePort(c.point.x, c.point.y, nullptr);
        pPort->UpdatePosition();
        EXPECT_EQ(pPort->HitTest(c.probe) != FALSE, c.hit) << c.point.x << "," << c.point.y;
        CRect box = pPort->GetRect();
        box.NormalizeRect();
        EXPECT_EQ(pPort->GetCompRgn().GetRect(), box) << c.point.x << "," << c.point.y;
        pPort->OnDraw(&dc);
        pPort->Release();
    }
    dc.SelectObject(pOld);
}

} // namespace
