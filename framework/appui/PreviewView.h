// CPreviewView: print preview. It takes the place of the view that prints
// (which is hidden and is not the frame's active view meanwhile), with a
// bar of its own: Print..., Next Page, Prev Page, One Page/Two Page, Zoom
// In, Zoom Out, Close. Pages are the printing view's own OnPrint, recorded
// on a context whose attribute context is the printer's information
// context (text measures as on paper) and played back scaled to the page
// shown; the page numbers stand in the frame's message bar.
#pragma once

#include "framework/appui/DialogBar.h"
#include "framework/appui/PrintInfo.h"
#include "framework/app/Printers.h"
#include "framework/app/View.h"
#include "framework/gdi/EnhMetaFile.h"

#include <map>
#include <memory>
#include <vector>

#define AFX_IDD_PREVIEW_TOOLBAR 30721
#define AFX_IDW_PREVIEW_BAR 0xE807
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

class CPreviewView : public CView {
    DECLARE_DYNAMIC(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    // Takes the printing view's place in its frame; FALSE (nothing
    // changed) when the printer's information context cannot be made.
    BOOL Begin(CView *pPrintView, std::unique_ptr<CPrintInfo> pInfo);
    // Gives the frame back to the printing view; the preview is gone.
    void ClosePreview();

    void OnDraw(CDC *pDC) override;

    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPagesShown() const { return m_nZoom > 0 ? 1 : m_pInfo->m_nNumPreviewPages; }
    int GetZoom() const { return m_nZoom; }
    BOOL HasPages() const { return m_pInfo->GetMaxPage() != 0; }
    CView *GetPrintView() const { return m_pPrintView; }
    // Where the shown page nIndex (0 or 1) is drawn, in client pixels.
    CRect GetPageRect(int nIndex) const;
    static constexpr int kMaxZoom = 2;

protected:
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPage();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateNextPage(CCmdUI *pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI *pCmdUI);
    afx_msg void OnUpdateNumPage(CCmdUI *pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI *pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI *pCmdUI);
    afx_msg BOOL OnEraseBkgnd(CDC *pDC);
    afx_msg void OnDestroy();

    // The page recorded once, played back at any size.
    HENHMETAFILE PageImage(UINT nPage);
    void ShowPageNumbers();
    void Refresh();
    UINT LastPage() const;

    CView *m_pPrintView = nullptr;
    HWND m_hPrintView = nullptr;
    bool m_bPrintingEnded = false;
    std::unique_ptr<CPrintInfo> m_pInfo;
    CPrinterInfoDC m_dcPrinter;
    CDialogBar m_wndPreviewBar;
    std::vector<HWND> m_hiddenBars;
    UINT m_nCurrentPage = 1;
    int m_nZoom = 0;
    std::map<UINT, HENHMETAFILE> m_pages;

    DECLARE_MESSAGE_MAP()
};
