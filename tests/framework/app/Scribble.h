// "scribble": a small document/view program used as the fixture of the
// application-layer tests. Its document is a list of strokes (polylines)
// saved by archive; its view draws them.
#pragma once

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/app/ScrollView.h"
#include "framework/app/SplitterWnd.h"
#include "framework/app/WinApp.h"

#include <vector>

// Resource ids of the sample.
#define IDR_SCRIBBLE 200
#define IDR_MAINFRAME 201
#define ID_SCRIBBLE_CLEAR 32771

class CScribbleDoc : public CDocument {
    DECLARE_DYNCREATE(CScribbleDoc)
public:
    std::vector<std::vector<CPoint>> m_strokes;
    // Serialize throws this many bytes into a save (tests of failed saves).
    static bool s_bFailNextSave;

    void AddStroke(std::vector<CPoint> points);
    void DeleteContents() override;
    void Serialize(CArchive &ar) override;

    int m_nCleared = 0;

protected:
    afx_msg void OnClear();
    DECLARE_MESSAGE_MAP()
};

class CScribbleView : public CScrollView {
    DECLARE_DYNCREATE(CScribbleView)
public:
    CScribbleDoc *GetDocument() const { return static_cast<CScribbleDoc *>(CView::GetDocument()); }
    void OnDraw(CDC *pDC) override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView *pActivateView, CView *pDeactiveView) override;

    int m_nInitialUpdates = 0;
    std::vector<CPoint> m_stroke; // the stroke being drawn
    struct Activation {
        BOOL bActivate;
        CView *pActivate;
        CView *pDeactive;
    };
    std::vector<Activation> m_activations;

protected:
    // Drawing with the left button adds a stroke.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// The sample's application: an MDI frame, documents in split child frames,
// four recent files, the command line.
class CScribbleApp : public CWinApp {
public:
    CScribbleApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override;
};

// The sample's document window: a dynamic 2 x 2 splitter of views.
class CSplitChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CSplitChildFrame)
public:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;
    CSplitterWnd m_wndSplitter;
};

// The size of a scribble page.
constexpr int kPageWidth = 2000;
constexpr int kPageHeight = 1500;

// Registers the sample's strings, menu and accelerators (once).
void RegisterScribbleResources();
