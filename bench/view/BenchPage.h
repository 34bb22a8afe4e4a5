// The large page the canvas benchmarks share: 10,000 shapes (100 columns
// by 100 rows of 50-by-35 shapes, 80 by 60 apart) and 5,000 elbow links
// with arrow heads on 8,000 x 6,000 logical units, shown in a 1,920 x 1,080
// view in a frame.
#pragma once

#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYBaseView.h"

#include <vector>

class CBenchDoc : public CDocument {
public:
    CBenchDoc() { m_model.SetOwnerDocument(this); }
    CQYDataModel m_model;
};

class CBenchView : public CQYBaseView {
public:
    void OnDraw(CDC *pDC) override { Draw(pDC); }
};

struct BenchPage {
    CBenchDoc *pDoc = new CBenchDoc;
    CFrameWnd *pFrame = new CFrameWnd;
    CBenchView *pView = new CBenchView;
    std::vector<CQYDrawPortsComponent *> shapes;

    BenchPage()
    {
        pDoc->m_bAutoDelete = FALSE;
        CQYDataModel &model = pDoc->m_model;
        model.SetPrintPageRect(CRect(0, 0, 8000, 6000));
        model.SetPagePosition(CRect(0, 0, 8000, 6000));
        // Added to the page in one go: one by one, each component would walk
        // the whole page for the next tab order.
        CQYCompList added;
        for (int i = 0; i < 10000; ++i)
            AddShape(added, 20 + (i % 100) * 79, 20 + (i / 100) * 59, i % 22);
        for (int i = 0; i < 5000; ++i)
            AddLink(added, NthPort(shapes[static_cast<size_t>(i)], 3),
                    NthPort(shapes[static_cast<size_t>((i + 101) % 10000)], 1));
        model.InsertComponents(&added);
        pFrame->Create(nullptr, "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1960, 1160));
        pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1920, 1080), pFrame, AFX_IDW_PANE_FIRST);
        pDoc->AddView(pView);
        pView->SetCurrentModel(&model);
    }
    ~BenchPage()
    {
        pFrame->DestroyWindow();
        delete pDoc;
    }
    BenchPage(const BenchPage &) = delete;
    BenchPage &operator=(const BenchPage &) = delete;

private:
    static CQYPortComponent *NthPort(CQYDrawPortsComponent *pShape, int n)
    {
        POSITION pos = pShape->m_listPorts.FindIndex(n % pShape->GetPortCount());
        return static_cast<CQYPortComponent *>(pShape->m_listPorts.GetAt(pos));
    }
    // Twenty-one of the basic shapes in turn, and an ellipse.
    void AddShape(CQYCompList &added, int x, int y, int nKind)
    {
        CQYDrawPortsComponent *pShape =
            nKind < 21 ? static_cast<CQYDrawPortsComponent *>(QYNewBasicShape(51 + nKind)) : new CQYEllipseComponnent;
        CRect rect(x, y, x + 50, y + 35);
        pShape->Create(rect, "");
        pShape->GetDefaultProperty()->SetBrushType(1);
        added.AddTail(pShape);
        shapes.push_back(pShape);
    }
    static void AddLink(CQYCompList &added, CQYPortComponent *pFrom, CQYPortComponent *pTo)
    {
        auto *pLink = new CQYLinkComponent;
        const POINT ends[2] = {pFrom->GetLinkPoint(), pTo->GetLinkPoint()};
        pLink->CreateFromPoints(ends, 2, pFrom, pTo);
        pFrom->AddLink(pLink);
        pTo->AddLink(pLink);
        pLink->SetElbow(TRUE);
        pLink->SetEndArrowType(3);
        pLink->UpdateComp();
        added.AddTail(pLink);
    }
};
