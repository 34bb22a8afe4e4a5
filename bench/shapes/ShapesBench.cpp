// Drawing a page of shapes and links, and moving a shape whose ports carry
// many links.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "library/model/QYCompList.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kPageWidth = 4000;
constexpr int kPageHeight = 3000;

CQYDrawPortsComponent *NewShape(int nKind, const CRect &rc)
{
    // The 21 polygon shapes, then the ellipse.
    CQYDrawPortsComponent *pShape =
        nKind < 21 ? static_cast<CQYDrawPortsComponent *>(QYNewBasicShape(51 + nKind)) : new CQYEllipseComponnent;
    CRect r = rc;
    pShape->Create(r, "");
    pShape->GetDefaultProperty()->SetBrushType(1);
    pShape->GetDefaultProperty()->m_bFlat = TRUE;
    pShape->AddRef();
    return pShape;
}

CQYLinkComponent *NewLink(CQYPortComponent *pFrom, CQYPortComponent *pTo)
{
    auto *pLink = new CQYLinkComponent;
    pLink->AddRef();
    const POINT ends[2] = {pFrom->GetLinkPoint(), pTo->GetLinkPoint()};
    pLink->CreateFromPoints(ends, 2, pFrom, pTo);
    pFrom->AddLink(pLink);
    pTo->AddLink(pLink);
    pLink->SetEndArrowType(3);
    pLink->UpdateComp();
    return pLink;
}

CQYPortComponent *NthPort(CQYDrawPortsComponent *pShape, int n)
{
    POSITION pos = pShape->m_listPorts.FindIndex(n % pShape->GetPortCount());
    return static_cast<CQYPortComponent *>(pShape->m_listPorts.GetAt(pos));
}

// Gives back the references and cuts the port-link bonds.
void Free(std::vector<CQYDrawPortsComponent *> &shapes, std::vector<CQYLinkComponent *> &links)
{
    for (CQYLinkComponent *pLink : links) {
        pLink->DetachFromPorts();
        pLink->Release();
    }
    for (CQYDrawPortsComponent *pShape : shapes)
        pShape->Release();
}

void BM_DrawPage(benchmark::State &state)
{
    std::vector<CQYDrawPortsComponent *> shapes;
    std::vector<CQYLinkComponent *> links;
    // 100 columns by 100 rows of 30-by-20 shapes, 40 by 30 apart.
    for (int i = 0; i < 10000; ++i) {
        const int x = 10 + (i % 100) * 39;
        const int y = 10 + (i / 100) * 29;
        shapes.push_back(NewShape(i % 22, CRect(x, y, x + 30, y + 20)));
    }
    for (int i = 0; i < 5000; ++i)
        links.push_back(NewLink(NthPort(shapes[i], 3), NthPort(shapes[(i + 101) % 10000], 1)));

    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(kPageWidth, kPageHeight, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    for (auto _ : state) {
        for (CQYDrawPortsComponent *pShape : shapes)
            pShape->OnDraw(&dc);
        for (CQYLinkComponent *pLink : links)
            pLink->OnDraw(&dc);
    }
    dc.SelectObject(pOld);
    Free(shapes, links);
}
BENCHMARK(BM_DrawPage)->Unit(benchmark::kMillisecond);

void BM_MoveShapeWith100Links(benchmark::State &state)
{
    std::vector<CQYDrawPortsComponent *> shapes;
    std::vector<CQYLinkComponent *> links;
    auto *pHub = new CQYRectComponent;
    CRect hub(1000, 1000, 1200, 1100);
    pHub->Create(hub, "");
    pHub->AddRef();
    shapes.push_back(pHub);
    for (int i = 0; i < 100; ++i) {
        const int x = (i % 10) * 300;
        const int y = 1500 + (i / 10) * 150;
        shapes.push_back(NewShape(i % 22, CRect(x, y, x + 100, y + 60)));
        links.push_back(NewLink(NthPort(pHub, i), NthPort(shapes.back(), 0)));
    }
    int nStep = 1;
    for (auto _ : state) {
        pHub->OffsetComponent(nStep, nStep);
        pHub->UpdatePosition();
        pHub->ResetTrackPoints();
        pHub->UpdateComp();
        nStep = -nStep;
    }
    Free(shapes, links);
}
BENCHMARK(BM_MoveShapeWith100Links)->Unit(benchmark::kMicrosecond);

} // namespace
