// A document holding a data model, shown by a canvas view in a frame, with
// helpers that put shapes on the page, click, type and read the pixels the
// view painted.
#pragma once

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowState.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/view/QYBaseView.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

class CTestDiagramDoc : public CDocument {
public:
    CTestDiagramDoc() { m_model.SetOwnerDocument(this); }
    CQYDataModel m_model;
};

// The derived view of an application: it paints through Draw and attaches
// the document's model on its initial update.
class CTestDiagramView : public CQYBaseView {
    DECLARE_DYNCREATE(CTestDiagramView)
public:
    void OnDraw(CDC* pDC) override { Draw(pDC); }
    void OnInitialUpdate() override
    {
        CQYBaseView::OnInitialUpdate();
        SetCurrentModel(&static_cast<CTestDiagramDoc*>(GetDocument())->m_model);
    }
};

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pDoc = new CTestDiagramDoc;
        m_pDoc->m_bAutoDelete = FALSE;
        CCreateContext context;
        context.m_pNewViewClass = ViewClass();
        context.m_pCurrentDoc = m_pDoc;
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Diagram", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480),
                                     nullptr, nullptr, 0, &context));
        m_pView = static_cast<CTestDiagramView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pView->OnInitialUpdate();
        Pump();
    }
    // The class of the view the frame makes: a derived test view may stand
    // in for the plain one.
    virtual CRuntimeClass* ViewClass() { return RUNTIME_CLASS(CTestDiagramView); }
    void TearDown() override
    {
        m_pFrame->DestroyWindow(); // deletes the frame and the view
        delete m_pDoc;
    }
    CQYDataModel& Model() { return m_pDoc->m_model; }
    // A shape of the type on the page (not through the history).
    CQYDrawComponent* Put(const CRect& rect, int nType = QY_COMP_RECTANGLE)
    {
        CQYDrawComponent* pComp = Model().GetComponentByType(nType, rect, "", 0);
        EXPECT_NE(pComp, nullptr);
        Model().InsertComponent(pComp);
        pComp->Release();
        return pComp;
    }
    void Select(std::initializer_list<CQYDrawComponent*> comps)
    {
        m_pView->m_listSelected.RemoveAll();
        for (CQYDrawComponent* pComp : comps)
            m_pView->m_listSelected.AddTail(pComp);
        m_pView->MarkFirstAsMain();
    }
    std::vector<CQYDrawComponent*> Selected()
    {
        std::vector<CQYDrawComponent*> comps;
        for (POSITION pos = m_pView->m_listSelected.GetHeadPosition(); pos != nullptr;)
            comps.push_back(m_pView->m_listSelected.GetNext(pos));
        return comps;
    }
    void Command(UINT nID) { m_pView->SendMessage(WM_COMMAND, nID, 0); }
    QWidget* Widget() { return WindowCore::Widget(m_pView->m_hWnd); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        m_pView->SetFocus();
        QTest::keyClick(Widget(), key, modifiers);
        Pump();
    }
    // A click at a client point, as the mouse gives it.
    void Click(CPoint pt, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Widget(), Qt::LeftButton, modifiers, QPoint(pt.x, pt.y));
        Pump();
    }
    static void Pump()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            PlexoDrainMessages();
        }
    }
    // Paints what is pending and gives the client area's pixels.
    QImage Painted()
    {
        m_pView->UpdateWindow();
        HWND h = m_pView->m_hWnd;
        return h->backing.copy(h->clientRect.left, h->clientRect.top, h->clientRect.right - h->clientRect.left,
                               h->clientRect.bottom - h->clientRect.top);
    }
    // Whether anything of the client rectangle waits for painting.
    CRect UpdateRect()
    {
        CRect rect;
        m_pView->GetUpdateRect(&rect);
        return rect;
    }
    void Validate() { m_pView->ValidateRect(nullptr); }

    CTestDiagramDoc* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CTestDiagramView* m_pView = nullptr;
};

// Mouse gestures sent to the view as the window messages the mouse gives:
// button-down, moves and button-up at client points.
class MouseViewFixture : public ViewFixture {
protected:
    void Down(CPoint pt, UINT nFlags = 0) { Send(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, pt); }
    void Move(CPoint pt, UINT nFlags = 0) { Send(WM_MOUSEMOVE, MK_LBUTTON | nFlags, pt); }
    void Hover(CPoint pt) { Send(WM_MOUSEMOVE, 0, pt); }
    void Up(CPoint pt, UINT nFlags = 0) { Send(WM_LBUTTONUP, nFlags, pt); }
    void DoubleClick(CPoint pt) { Send(WM_LBUTTONDBLCLK, MK_LBUTTON, pt); }
    void RightUp(CPoint pt) { Send(WM_RBUTTONUP, 0, pt); }
    // A press, one move per step to the end and the release.
    void Drag(CPoint from, CPoint to, UINT nFlags = 0, int nSteps = 3)
    {
        Down(from, nFlags);
        for (int i = 1; i <= nSteps; ++i)
            Move(CPoint(from.x + (to.x - from.x) * i / nSteps, from.y + (to.y - from.y) * i / nSteps), nFlags);
        Up(to, nFlags);
    }
    void ClickAt(CPoint pt, UINT nFlags = 0)
    {
        Down(pt, nFlags);
        Up(pt, nFlags);
    }
    // A figure drawn point by point: a click at each point, the mouse moving
    // on to the next, then a double click and the release on the last.
    void ClickPoints(const std::vector<CPoint>& points)
    {
        for (size_t i = 0; i < points.size(); ++i) {
            ClickAt(points[i]);
            if (i + 1 < points.size())
                Hover(points[i + 1]);
        }
        DoubleClick(points.back());
        Up(points.back());
    }
    void Send(UINT message, UINT nFlags, CPoint pt)
    {
        m_pView->SendMessage(message, nFlags, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
    }
    static CRect Normal(CRect rect)
    {
        rect.NormalizeRect();
        return rect;
    }
};

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
