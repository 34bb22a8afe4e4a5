#include "library/shapes/QYHyLinkComponent.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/View.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "framework/window/InputApi.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WinStyles.h"
#include "library/pickers/QYGlobalData.h"
#include "library/shapes/QYLinkShell.h"
#include "library/shapes/QYShapeTypes.h"

IMPLEMENT_SERIAL(CQYHyLinkComponent, CQYStaticComponent, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYHyLinkComponent)

namespace {

// The link cursors of the program's resources by cursor type 1-4.
const UINT kLinkCursorIds[4] = {26921, 26065, 26919, 26168};

} // namespace

CQYHyLinkComponent::CQYHyLinkComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetType(QY_COMP_HYLINK);
        pProp->ReleaseBrush();
        pProp->m_crBkColor = qyGlobalData.m_clrBtnFace;
        pProp->m_nTextHorzAlign = 1;
        pProp->m_nTextVertAlign = 1;
        pProp->ReleaseFont();
        pProp->m_nPointSize = 12;
        pProp->m_crFontColor = 0xFF0000;
        pProp->m_bMultiLine = FALSE;
    }
}

CQYHyLinkComponent::CQYHyLinkComponent(const CQYHyLinkComponent& src) : CQYStaticComponent(src)
{
    m_pHostWnd = src.m_pHostWnd;
    m_nLinkType = src.m_nLinkType;
    m_strLinkAddress = src.m_strLinkAddress;
    SetCursorType(src.m_nCursorType);
}

CQYHyLinkComponent::~CQYHyLinkComponent() = default;

CQYHyLinkComponent& CQYHyLinkComponent::operator=(const CQYHyLinkComponent& src)
{
    if (this == &src)
        return *this;
    CQYDrawPortsComponent::operator=(src);
    m_pHostWnd = src.m_pHostWnd;
    m_nLinkType = src.m_nLinkType;
    m_strLinkAddress = src.m_strLinkAddress;
    SetCursorType(src.m_nCursorType);
    return *this;
}

void CQYHyLinkComponent::Serialize(CArchive& ar)
{
    CQYStaticComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nLinkType << m_strLinkAddress << m_nCursorType;
        return;
    }
    int nLinkType = 0, nCursorType = 0;
    CString strAddress;
    ar >> nLinkType >> strAddress >> nCursorType;
    m_nLinkType = nLinkType;
    m_strLinkAddress = strAddress;
    SetCursorType(nCursorType);
}

CQYDrawComponent* CQYHyLinkComponent::Copy()
{
    return new CQYHyLinkComponent(*this);
}

// ---------------------------------------------------------------------------
// Settings

void CQYHyLinkComponent::SetLinkType(const int& nLinkType)
{
    m_nLinkType = nLinkType;
}

int CQYHyLinkComponent::GetCursorType()
{
    return m_nCursorType;
}

void CQYHyLinkComponent::SetCursorType(const int& nCursorType)
{
    m_nCursorType = nCursorType;
    if (nCursorType < 0 || nCursorType > 4)
        return;
    if (nCursorType == 0)
        m_hLinkCursor = LoadCursor(nullptr, IDC_ARROW);
    else
        m_hLinkCursor = LoadCursor(nullptr, MAKEINTRESOURCE(kLinkCursorIds[nCursorType - 1]));
    SetCursor(m_hLinkCursor);
}

void CQYHyLinkComponent::SetLinkAddress(CString strAddress)
{
    m_strLinkAddress = strAddress;
}

BOOL CQYHyLinkComponent::OnSetCursor()
{
    if (m_hLinkCursor != nullptr)
        SetCursor(m_hLinkCursor);
    return TRUE;
}

BOOL CQYHyLinkComponent::OnSetCursor(CWnd*, UINT, UINT)
{
    return OnSetCursor();
}

// ---------------------------------------------------------------------------
// Host window

void CQYHyLinkComponent::InvalidateHost(BOOL bErase)
{
    if (m_pHostWnd != nullptr)
        m_pHostWnd->Invalidate(bErase);
}

void CQYHyLinkComponent::InvalidateRectOnHost(CRect rect)
{
    if (m_pHostWnd == nullptr)
        return;
    rect.InflateRect(2, 2);
    m_pHostWnd->InvalidateRect(&rect, TRUE);
}

void CQYHyLinkComponent::InvalidateLabel()
{
    InvalidateRectOnHost(GetPointsRect());
}

void CQYHyLinkComponent::InvalidateIfRedraw()
{
    if (m_bRedraw)
        InvalidateLabel();
}

void CQYHyLinkComponent::SetLinkCapture(BOOL bCapture)
{
    if (bCapture) {
        if (m_pHostWnd != nullptr)
            m_pHostWnd->SetCapture();
    } else {
        ReleaseCapture();
    }
}

// ---------------------------------------------------------------------------
// Events

void CQYHyLinkComponent::OnLButtonDown(UINT, CPoint)
{
    m_bPressed = TRUE;
    m_bTracking = TRUE;
    InvalidateIfRedraw();
}

void CQYHyLinkComponent::OnLButtonUp(UINT, CPoint)
{
    m_bPressed = FALSE;
    m_bTracking = FALSE;
    InvalidateIfRedraw();
    DoEvent();
}

void CQYHyLinkComponent::OnMouseMove(UINT, CPoint point)
{
    const BOOL bInside = GetPointsRect().PtInRect(point);
    if (m_hLinkCursor != nullptr)
        SetCursor(m_hLinkCursor);
    if (m_bTracking && bInside != m_bPressed) {
        m_bPressed = bInside;
        InvalidateIfRedraw();
    }
}

void CQYHyLinkComponent::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE)
        return;
    m_bPressed = TRUE;
    InvalidateIfRedraw();
}

void CQYHyLinkComponent::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE || !m_bPressed)
        return;
    m_bPressed = FALSE;
    InvalidateIfRedraw();
}

void CQYHyLinkComponent::OnCancelMode()
{
    if (!m_bPressed && !m_bTracking)
        return;
    m_bPressed = FALSE;
    m_bTracking = FALSE;
    InvalidateLabel();
}

// ---------------------------------------------------------------------------
// Actions

BOOL CQYHyLinkComponent::ExecuteTarget(CString strTarget)
{
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST;
    CWnd* pMainWnd = AfxGetMainWnd();
    info.hwnd = pMainWnd != nullptr ? static_cast<HANDLE>(pMainWnd->GetSafeHwnd()) : nullptr;
    info.lpFile = strTarget;
    info.nShow = SW_SHOW;
    return QYGetLinkShell().pfnShellExecuteEx(&info);
}

BOOL CQYHyLinkComponent::OpenDocumentTarget(CDocTemplate* pTemplate, CString strPath, CString strTitle)
{
    if (pTemplate == nullptr)
        return FALSE;
    if (!strTitle.IsEmpty()) {
        POSITION pos = pTemplate->GetFirstDocPosition();
        while (pos != nullptr) {
            CDocument* pDoc = pTemplate->GetNextDoc(pos);
            if (pDoc == nullptr || pDoc->GetTitle() != strTitle)
                continue;
            POSITION viewPos = pDoc->GetFirstViewPosition();
            CView* pView = viewPos != nullptr ? pDoc->GetNextView(viewPos) : nullptr;
            if (pView == nullptr)
                return FALSE;
            if (CFrameWnd* pFrame = pView->GetParentFrame())
                pFrame->BringWindowToTop();
            pView->SetFocus();
            return TRUE;
        }
    }
    CDocument* pDoc = pTemplate->OpenDocumentFile(strPath, TRUE);
    if (pDoc == nullptr)
        return FALSE;
    if (!strTitle.IsEmpty())
        pDoc->SetTitle(strTitle);
    return TRUE;
}

void CQYHyLinkComponent::DoEvent()
{
    if (m_nLinkType < QY_LINK_MAIL || m_nLinkType > QY_LINK_PROGRAM || m_strLinkAddress.IsEmpty())
        return;
    if (m_nLinkType == QY_LINK_FILE || m_nLinkType == QY_LINK_PROGRAM)
        ExecuteTarget(m_strLinkAddress);
    else
        QYOpenLink(m_strLinkAddress, SW_SHOW);
}

// ---------------------------------------------------------------------------
// Drawing

void CQYHyLinkComponent::DrawPressedFrame(CDC* pDC, CRect rect)
{
    pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(255, 255, 255));
}

void CQYHyLinkComponent::DrawRaisedFrame(CDC* pDC, CRect rect)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp != nullptr && pProp->m_bFlat)
        return;
    pDC->Draw3dRect(&rect, RGB(255, 255, 255), RGB(0, 0, 0));
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, qyGlobalData.m_clrBtnFace, RGB(128, 128, 128));
}

void CQYHyLinkComponent::OnDrawText(CDC* pDC)
{
    if (pDC != nullptr)
        DrawLabelText(pDC);
}

void CQYHyLinkComponent::OnDrawFlat(CDC* pDC)
{
    CQYStaticComponent::OnDrawFlat(pDC);
    DrawRaisedFrame(pDC, GetPointsRect());
}

void CQYHyLinkComponent::OnDraw3d(CDC* pDC)
{
    CQYHyLinkComponent::OnDrawFlat(pDC);
}

void CQYHyLinkComponent::OnDraw(CDC* pDC)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pDC == nullptr || pProp == nullptr)
        return;
    if (pProp->m_bShadow) {
        PrepareShadowDC(pDC);
        OnDrawShadow(pDC);
        ClearShadowDC(pDC);
    }
    PrepareDC(pDC);
    if (pProp->m_bFlat)
        OnDrawFlat(pDC);
    else
        OnDraw3d(pDC);
    if (m_bPressed)
        DrawPressedFrame(pDC, GetPointsRect());
    ClearDC(pDC);
}
