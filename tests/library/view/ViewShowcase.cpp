// A diagram in the canvas view, for looking at by hand: run it on a desktop
// (or under a virtual X server) to see the page, its shapes, a link with an
// arrow head, the selection handles and the page shadow.  It closes itself
// after the number of seconds given (default 5).
#include "ViewTestSupport.h"

#include "library/shapes/QYLinkComponent.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    auto* pDoc = new CTestDiagramDoc;
    pDoc->m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestDiagramView);
    context.m_pCurrentDoc = pDoc;
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, "Diagram", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, nullptr,
                        0, &context))
        return 1;
    auto* pView = static_cast<CTestDiagramView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    pView->OnInitialUpdate();
    CQYDataModel& model = pDoc->m_model;
    auto put = [&model](int nType, CRect rect) {
        CQYDrawComponent* pComp = model.GetComponentByType(nType, rect, "", 0);
        if (pComp != nullptr) {
            model.InsertComponent(pComp);
            pComp->Release();
        }
        return pComp;
    };
    CQYDrawComponent* a = put(QY_COMP_RECTANGLE, CRect(60, 60, 220, 150));
    CQYDrawComponent* b = put(QY_COMP_ELLIPSE, CRect(320, 80, 460, 200));
    put(QY_COMP_STATIC, CRect(60, 260, 260, 300));
    for (int i = 0; i < 5; ++i)
        put(51 + i, CRect(60 + i * 110, 360, 150 + i * 110, 440));
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(220, 105));
    points.Add(CPoint(320, 140));
    auto* pLink = new CQYLinkComponent;
    model.AddNewLink(pLink, &points, nullptr, nullptr, TRUE);
    pView->m_listSelected.AddTail(a);
    pView->m_listSelected.AddTail(b);
    pView->MarkFirstAsMain();
    pView->Invalidate();
    QTimer::singleShot((argc > 1 ? std::atoi(argv[1]) : 5) * 1000, &app, &QApplication::quit);
    const HWND hFrame = pFrame->m_hWnd;
    app.exec();
    if (::IsWindow(hFrame)) // quitting may have closed it already
        pFrame->DestroyWindow();
    delete pDoc;
    return 0;
}
