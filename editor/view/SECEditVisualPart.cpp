// The visual part: its interfaces, bounds, viewport, zoom, links and the
// routing of messages and commands to its controller and listeners.
#include "editor/view/SECEditVisualPart.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditCompositeCommand.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/SECEditEvent.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/WindowDC.h"

#include <algorithm>

const GUID IID_ISECVisual = {0xE7707E00, 0x1E4F, 0x4F4E, {0xA5, 0x25, 0x29, 0x0C, 0xFA, 0x9C, 0x1E, 0xF3}};
const GUID IID_ISECBounds = {0xA332FE8E, 0xB30D, 0x47EE, {0xAF, 0x1B, 0x7E, 0x86, 0x3F, 0xDE, 0xFF, 0xE5}};
const GUID IID_ISECBounds2 = {0xA989AFCB, 0xD665, 0x4FAF, {0x93, 0xA6, 0x34, 0xE3, 0x78, 0xBF, 0x75, 0xE0}};
const GUID IID_ISECBounds3 = {0x8407B2B1, 0x4B5E, 0x11D3, {0xAF, 0x1B, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
const GUID IID_ISECBounds4 = {0x8407B2B0, 0x4B5E, 0x11D3, {0xAF, 0x1B, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
const GUID IID_ISECViewport = {0x9EBF6B30, 0xE26A, 0x4CEA, {0xBA, 0x7F, 0x2C, 0x7E, 0x82, 0x20, 0xAA, 0x58}};
const GUID IID_ISECZoom = {0x8407B2B4, 0x4B5E, 0x11D3, {0xAF, 0x1B, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
const GUID IID_ISECObserver = {0x92FC248C, 0x8324, 0x4580, {0x99, 0xF2, 0x42, 0x59, 0x59, 0xFB, 0x01, 0xE2}};

namespace {

ISECEventListener *g_pHookListener = nullptr;

// The 8 x 8 checkerboard of the gutter: rows of 0xAA and 0x55, each row
// padded to a 16-bit word.
const BYTE kGutterPattern[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};

} // namespace

SECEditVisualPart::SECEditVisualPart(SECEditVisualHost &host) : m_host(host) {}

SECEditVisualPart::~SECEditVisualPart()
{
    delete m_pGutterBrush;
    m_pGutterBrush = nullptr;
    if (m_pBuffer)
        m_pBuffer->Detach(&m_observer);
    if (m_pController && m_bOwnsController)
        delete m_pController;
    m_pController = nullptr;
    ReleaseListeners();
}

// ---- Identifier look-up

BOOL SECEditVisualPart::QueryInterface(const GUID &iid, void **ppv)
{
    if (!ppv)
        return FALSE;
    *ppv = nullptr;
    if (iid == IID_ISECVisual)
        *ppv = static_cast<ISECVisual *>(this);
    else if (iid == IID_ISECBounds || iid == IID_ISECBounds2 || iid == IID_ISECBounds3 || iid == IID_ISECBounds4)
        *ppv = static_cast<ISECBounds *>(&m_boundsIf);
    else if (iid == IID_ISECViewport)
        *ppv = static_cast<ISECViewport *>(&m_viewport);
    else if (iid == IID_ISECZoom)
        *ppv = static_cast<ISECZoom *>(&m_zoom);
    else if (iid == IID_ISECObserver)
        *ppv = static_cast<ISECObserver *>(&m_observer);
    else if (iid == IID_ISECEventListener)
        *ppv = static_cast<ISECEventListener *>(&m_listener);
    return *ppv != nullptr;
}

// ---- Bounds

CSize SECEditVisualPart::Bounds::SetSize(int cx, int cy)
{
    const CSize old = m_part.m_rcBounds.Size();
    m_part.m_rcBounds.right = m_part.m_rcBounds.left + cx;
    m_part.m_rcBounds.bottom = m_part.m_rcBounds.top + cy;
    return old;
}

CPoint SECEditVisualPart::Bounds::SetOrigin(int x, int y)
{
    const CPoint old = m_part.m_rcBounds.TopLeft();
    m_part.m_rcBounds.left = x;
    m_part.m_rcBounds.top = y;
    return old;
}

CPoint SECEditVisualPart::Bounds::Offset(int dx, int dy)
{
    m_part.m_rcBounds.OffsetRect(dx, dy);
    return m_part.m_rcBounds.TopLeft();
}

// ---- Viewport

CSize SECEditVisualPart::Viewport::GetSize()
{
    const CSize size = m_part.m_rcBounds.Size();
    return CSize(size.cx, size.cy * GetYDirection());
}

CSize SECEditVisualPart::Viewport::GetDocumentSize()
{
    SECEditTextBuffer *pBuffer = m_part.GetBuffer();
    if (!pBuffer || m_part.GetLineHeight() <= 0)
        return CSize(0, 0);
    return CSize(pBuffer->GetMaxLineWidth() * m_part.GetCharWidth(), pBuffer->GetLineCount() * m_part.GetLineHeight());
}

CPoint SECEditVisualPart::Viewport::SetOrigin(int x, int y)
{
    const CPoint old = m_part.m_origin;
    const int charWidth = m_part.GetCharWidth();
    const int lineHeight = m_part.GetLineHeight();
    x = std::max(0, x);
    y = std::max(0, y);
    if (charWidth > 0)
        x -= x % charWidth;
    if (lineHeight > 0)
        y -= y % lineHeight;
    m_part.m_origin = CPoint(x, y);
    m_part.m_host.OnHostOriginSet();
    return old;
}

void SECEditVisualPart::Viewport::DPtoLP(LPPOINT lpPoints, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x += m_part.m_origin.x;
        lpPoints[i].y += m_part.m_origin.y;
    }
}

void SECEditVisualPart::Viewport::LPtoDP(LPPOINT lpPoints, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x -= m_part.m_origin.x;
        lpPoints[i].y -= m_part.m_origin.y;
    }
}

int SECEditVisualPart::Viewport::SetMapMode(int nMode)
{
    const int old = m_part.m_nMapMode;
    m_part.m_nMapMode = nMode;
    return old;
}

CSize SECEditVisualPart::Viewport::SetViewportExtent(int cx, int cy)
{
    const CSize old = m_part.m_viewportExtent;
    if (!IsFixedMapping())
        m_part.m_viewportExtent = CSize(cx, cy);
    return old;
}

CSize SECEditVisualPart::Viewport::SetWindowExtent(int cx, int cy)
{
    const CSize old = m_part.m_windowExtent;
    if (!IsFixedMapping())
        m_part.m_windowExtent = CSize(cx, cy);
    return old;
}

int SECEditVisualPart::Viewport::GetYDirection() const
{
    const int mode = m_part.m_nMapMode;
    if (mode >= MM_LOMETRIC && mode <= MM_HIENGLISH)
        return -1;
    const bool windowUp = m_part.m_windowExtent.cy < 0;
    const bool viewportUp = m_part.m_viewportExtent.cy < 0;
    return windowUp != viewportUp ? -1 : 1;
}

BOOL SECEditVisualPart::Viewport::IsFixedMapping() const
{
    return m_part.m_nMapMode != MM_ISOTROPIC && m_part.m_nMapMode != MM_ANISOTROPIC;
}

void SECEditVisualPart::Viewport::GetScale(float &x, float &y)
{
    CSize window = m_part.m_windowExtent;
    m_part.m_zoom.AdjustExtent(window);
    const CSize viewport = m_part.m_viewportExtent;
    x = viewport.cx != 0 ? static_cast<float>(window.cx) / static_cast<float>(viewport.cx) : 1.0f;
    y = viewport.cy != 0 ? static_cast<float>(window.cy) / static_cast<float>(viewport.cy) : 1.0f;
}

CSize SECEditVisualPart::Viewport::SetSize(int cx, int cy)
{
    const CSize old = m_part.m_rcBounds.Size();
    const int width = static_cast<int>(static_cast<float>(cx) / m_part.m_fScaleX);
    const int height = static_cast<int>(static_cast<float>(cy) / m_part.m_fScaleY);
    m_part.m_boundsIf.SetSize(width, height);
    return old;
}

void SECEditVisualPart::Viewport::ScaledLPtoDP(LPPOINT lpPoints, int nCount)
{
    float fx, fy;
    GetScale(fx, fy);
    const CPoint b = m_part.m_rcBounds.TopLeft();
    const CPoint o = m_part.m_origin;
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x = b.x + static_cast<int>(static_cast<float>(lpPoints[i].x - o.x) / fx);
        lpPoints[i].y = b.y + static_cast<int>(static_cast<float>(lpPoints[i].y - o.y) / fy);
    }
}

void SECEditVisualPart::Viewport::ScaledDPtoLP(LPPOINT lpPoints, int nCount)
{
    float fx, fy;
    GetScale(fx, fy);
    const CPoint b = m_part.m_rcBounds.TopLeft();
    const CPoint o = m_part.m_origin;
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x = static_cast<int>(static_cast<float>(lpPoints[i].x - b.x) * fx) + o.x;
        lpPoints[i].y = static_cast<int>(static_cast<float>(lpPoints[i].y - b.y) * fy) + o.y;
    }
}

void SECEditVisualPart::Viewport::ScaledLPtoDP(CSize &size)
{
    float fx, fy;
    GetScale(fx, fy);
    size.cx = static_cast<int>(static_cast<float>(size.cx) / fx);
    size.cy = static_cast<int>(static_cast<float>(size.cy) / fy);
}

void SECEditVisualPart::Viewport::ScaledDPtoLP(CSize &size)
{
    float fx, fy;
    GetScale(fx, fy);
    size.cx = static_cast<int>(static_cast<float>(size.cx) * fx);
    size.cy = static_cast<int>(static_cast<float>(size.cy) * fy);
}

// ---- Zoom

CSize SECEditVisualPart::Zoom::SetZoom(int percentX, int percentY)
{
    if (percentX > 0)
        m_part.m_fScaleX = 100.0f / static_cast<float>(percentX);
    if (percentY > 0)
        m_part.m_fScaleY = 100.0f / static_cast<float>(percentY);
    return m_part.m_viewport.GetSize();
}

CSize SECEditVisualPart::Zoom::GetZoom()
{
    return CSize(static_cast<int>(100.0f / m_part.m_fScaleX + 0.5f),
                 static_cast<int>(100.0f / m_part.m_fScaleY + 0.5f));
}

CSize SECEditVisualPart::Zoom::ZoomBy(int dx, int dy)
{
    const CSize now = GetZoom();
    return SetZoom(now.cx + dx, now.cy + dy);
}

CSize SECEditVisualPart::Zoom::ZoomByNegative(int dx, int dy)
{
    const CSize now = GetZoom();
    return SetZoom(now.cx - dx, now.cy - dy);
}

void SECEditVisualPart::Zoom::AdjustExtent(CSize &extent)
{
    extent.cx = std::max(1, static_cast<int>(static_cast<float>(extent.cx) * m_part.m_fScaleX));
    extent.cy = std::max(1, static_cast<int>(static_cast<float>(extent.cy) * m_part.m_fScaleY));
}

// ---- Event listeners

BOOL SECEditVisualPart::Listener::Dispatch(SECEditEvent *pEvent)
{
    if (!pEvent)
        return FALSE;
    if (pEvent->IsMouse()) {
        CPoint point(static_cast<short>(LOWORD(pEvent->lParam)), static_cast<short>(HIWORD(pEvent->lParam)));
        m_part.m_viewport.DPtoLP(&point, 1);
        if (!m_part.GetVisibleRect().PtInRect(point))
            return FALSE;
    }
    BOOL bHandled = FALSE;
    if (SECEditController *pController = m_part.m_pController)
        if (pController->GetEventListener().Dispatch(pEvent))
            return TRUE;
    // A copy: a listener may remove itself while handling the event.
    const std::vector<ISECEventListener *> listeners = m_part.m_listeners;
    for (ISECEventListener *pListener : listeners)
        if (pListener->Dispatch(pEvent))
            bHandled = TRUE;
    return bHandled;
}

BOOL SECEditVisualPart::Listener::AddListener(ISECEventListener *pListener)
{
    if (!pListener)
        return FALSE;
    pListener->AddRef();
    m_part.m_listeners.push_back(pListener);
    return TRUE;
}

BOOL SECEditVisualPart::Listener::RemoveListener(ISECEventListener *pListener)
{
    auto it = std::find(m_part.m_listeners.begin(), m_part.m_listeners.end(), pListener);
    if (it == m_part.m_listeners.end())
        return FALSE;
    m_part.m_listeners.erase(it);
    pListener->Release();
    return TRUE;
}

void SECEditVisualPart::ReleaseListeners()
{
    std::vector<ISECEventListener *> listeners;
    listeners.swap(m_listeners);
    for (ISECEventListener *pListener : listeners)
        pListener->Release();
}

ISECEventListener *SECEditVisualPart::SetHookListener(ISECEventListener *pListener)
{
    ISECEventListener *pOld = g_pHookListener;
    g_pHookListener = pListener;
    return pOld;
}

// ---- Creation and links

BOOL SECEditVisualPart::Create(UINT nMode)
{
    m_nMode = nMode;
    return Initialize();
}

BOOL SECEditVisualPart::Initialize()
{
    SECEditController *pController = CreateController();
    if (!pController)
        return FALSE;
    SetController(pController, TRUE);
    pController->Initialize(m_pOwner, &m_viewport);
    CreateGutterBrush();
    // The controller hears of buffer changes from the host, which passes
    // every notice on to it before acting on it.
    if (m_pController && m_pBuffer) {
        m_pController->GetEventListener().SetBuffer(m_pBuffer);
        m_pController->ResetEditState();
    }
    return TRUE;
}

void SECEditVisualPart::CreateGutterBrush()
{
    delete m_pGutterBrush;
    m_pGutterBrush = nullptr;
    m_gutterBitmap.DeleteObject();
    if (!m_gutterBitmap.CreateBitmap(8, 8, 1, 1, kGutterPattern))
        return;
    auto *pBrush = new CBrush;
    if (pBrush->CreatePatternBrush(&m_gutterBitmap))
        m_pGutterBrush = pBrush;
    else
        delete pBrush;
}

SECEditController *SECEditVisualPart::CreateController()
{
    return m_host.CreateHostController();
}

void SECEditVisualPart::SetController(SECEditController *pController, BOOL bOwns)
{
    if (pController == m_pController) {
        m_bOwnsController = bOwns;
        return;
    }
    if (m_pController && m_bOwnsController)
        delete m_pController;
    m_pController = pController;
    m_bOwnsController = bOwns;
}

void SECEditVisualPart::SetBuffer(SECEditTextBuffer *pBuffer)
{
    if (pBuffer == m_pBuffer)
        return;
    if (m_pBuffer)
        m_pBuffer->Detach(&m_observer);
    m_pBuffer = pBuffer;
    if (m_pBuffer)
        m_pBuffer->Attach(&m_observer);
    if (m_pController) {
        m_pController->GetEventListener().SetBuffer(m_pBuffer);
        m_pController->ResetEditState();
    }
}

SECEditDisplayMetrics *SECEditVisualPart::GetDisplayMetrics()
{
    return m_pBuffer ? m_pBuffer->GetDisplayMetrics() : nullptr;
}

SECEditLangConfig *SECEditVisualPart::GetLangConfig()
{
    return m_pBuffer ? m_pBuffer->GetLangConfig() : nullptr;
}

// ---- Cells

int SECEditVisualPart::GetLineHeight()
{
    SECEditDisplayMetrics *pMetrics = GetDisplayMetrics();
    return pMetrics ? pMetrics->GetLineHeight() : 0;
}

int SECEditVisualPart::GetCharWidth()
{
    SECEditDisplayMetrics *pMetrics = GetDisplayMetrics();
    return pMetrics ? pMetrics->GetCharWidth() : 0;
}

int SECEditVisualPart::GetGutterWidth()
{
    return m_pController && m_pController->GetMetrics() ? m_pController->GetTextLeft() : 0;
}

int SECEditVisualPart::GetTopLine()
{
    const int lineHeight = GetLineHeight();
    return lineHeight > 0 && m_origin.y > 0 ? m_origin.y / lineHeight : 0;
}

int SECEditVisualPart::GetLeftColumn()
{
    const int charWidth = GetCharWidth();
    return charWidth > 0 && m_origin.x > 0 ? m_origin.x / charWidth : 0;
}

int SECEditVisualPart::GetVisibleLines()
{
    const int lineHeight = GetLineHeight();
    return lineHeight > 0 ? m_rcBounds.Height() / lineHeight : 0;
}

int SECEditVisualPart::GetVisibleColumns()
{
    const int charWidth = GetCharWidth();
    return charWidth > 0 ? std::max(0, m_rcBounds.Width() - GetGutterWidth()) / charWidth : 0;
}

int SECEditVisualPart::GetTotalLines()
{
    return m_pBuffer ? m_pBuffer->GetLineCount() : 0;
}

int SECEditVisualPart::GetTotalColumns()
{
    return m_pBuffer ? m_pBuffer->GetMaxLineWidth() : 0;
}

// ---- Generic operations

void SECEditVisualPart::PrepareDC(CDC *pDC)
{
    pDC->SetViewportOrg(m_rcBounds.left, m_rcBounds.top);
    pDC->SetWindowOrg(m_origin.x, m_origin.y);
    pDC->SetMapMode(m_nMapMode);
    if (!m_viewport.IsFixedMapping()) {
        pDC->SetWindowExt(m_windowExtent);
        pDC->SetViewportExt(m_viewportExtent);
    }
    // The zoom scales the window extent of whatever mapping is in place.
    pDC->SetMapMode(MM_ANISOTROPIC);
    CSize window = pDC->GetWindowExt();
    const CSize viewport = pDC->GetViewportExt();
    m_zoom.AdjustExtent(window);
    pDC->SetWindowExt(window);
    pDC->SetViewportExt(viewport);
}

void SECEditVisualPart::MoveBy(int dx, int dy)
{
    m_rcBounds.OffsetRect(dx, dy);
}

void SECEditVisualPart::ScaleSize(int numX, int denX, int numY, int denY, BOOL bKeepCentre)
{
    if (denX == 0 || denY == 0)
        return;
    const int width = numX * m_rcBounds.Width() / denX;
    const int height = numY * m_rcBounds.Height() / denY;
    if (bKeepCentre)
        m_rcBounds.OffsetRect(-(width - m_rcBounds.Width()) / 2, -(height - m_rcBounds.Height()) / 2);
    m_boundsIf.SetSize(width, height);
}

CRect SECEditVisualPart::GetVisibleRect()
{
    return CRect(m_origin, m_rcBounds.Size());
}

void SECEditVisualPart::InvalidateRect(const CRect &rect, BOOL bErase, BOOL bUpdateNow)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    CRect device(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    m_viewport.LPtoDP(device);
    m_pOwner->InvalidateRect(&device, bErase);
    if (bUpdateNow)
        m_pOwner->UpdateWindow();
}

void SECEditVisualPart::ValidateRect(const CRect &rect)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->ValidateRect(&rect);
}

void SECEditVisualPart::InvalidatePart(ISECVisualObject *pPart, BOOL bErase, BOOL bUpdateNow)
{
    ISECBounds *pBounds = nullptr;
    if (!pPart || pPart->QueryInterface(IID_ISECBounds, reinterpret_cast<void **>(&pBounds)) == FALSE)
        return;
    if (pBounds == &m_boundsIf)
        InvalidateRect(GetVisibleRect(), bErase, bUpdateNow);
    else
        InvalidateRect(pBounds->GetRect(), bErase, bUpdateNow);
}

void SECEditVisualPart::InvalidateLines(int first, int last, BOOL bErase)
{
    const int lineHeight = GetLineHeight();
    if (!m_pOwner || !m_pOwner->GetSafeHwnd() || lineHeight <= 0)
        return;
    CRect client;
    m_pOwner->GetClientRect(&client);
    CRect rect(0, first * lineHeight - m_origin.y, client.right, (last + 1) * lineHeight - m_origin.y);
    if (last < 0)
        rect.bottom = client.bottom;
    rect.top = std::max(rect.top, static_cast<LONG>(client.top - lineHeight));
    rect.bottom = std::min(rect.bottom, static_cast<LONG>(client.bottom + lineHeight));
    if (rect.bottom > rect.top)
        m_pOwner->InvalidateRect(&rect, bErase);
}

void SECEditVisualPart::CenterOn(int x, int y)
{
    const CSize size = m_viewport.GetSize();
    ScrollBy(x - size.cx / 2 - m_origin.x, y - size.cy / 2 - m_origin.y);
}

void SECEditVisualPart::SetScrollAmounts(int axis, int first, int second)
{
    if (axis < 0 || axis > 1)
        return;
    m_scrollAmounts[axis][0] = first;
    m_scrollAmounts[axis][1] = second;
}

void SECEditVisualPart::GetScrollAmounts(int axis, int &first, int &second) const
{
    first = second = 0;
    if (axis < 0 || axis > 1)
        return;
    first = m_scrollAmounts[axis][0];
    second = m_scrollAmounts[axis][1];
}

CSize SECEditVisualPart::SetScale(float x, float y)
{
    if (x > 0.0f)
        m_fScaleX = x;
    if (y > 0.0f)
        m_fScaleY = y;
    return m_viewport.GetSize();
}

CSize SECEditVisualPart::MultiplyScale(float x, float y)
{
    return SetScale(x * m_fScaleX, y * m_fScaleY);
}

CRect SECEditVisualPart::ScrollBy(int dx, int dy)
{
    const CSize size = m_rcBounds.Size();
    const CSize document = m_viewport.GetDocumentSize();
    const CPoint virtualOrigin = m_viewport.GetVirtualOrigin();
    // Past the far end first, then never before the start.
    if (m_origin.x + size.cx + dx > virtualOrigin.x + document.cx)
        dx = virtualOrigin.x + document.cx - (m_origin.x + size.cx);
    if (m_origin.x + dx < virtualOrigin.x)
        dx = virtualOrigin.x - m_origin.x;
    if (m_origin.y + size.cy + dy > virtualOrigin.y + document.cy)
        dy = virtualOrigin.y + document.cy - (m_origin.y + size.cy);
    if (m_origin.y + dy < virtualOrigin.y)
        dy = virtualOrigin.y - m_origin.y;
    if (dx != 0 || dy != 0)
        m_viewport.SetOrigin(m_origin.x + dx, m_origin.y + dy);
    return GetVisibleRect();
}

CRect SECEditVisualPart::LineScroll(int axis, BOOL bForward)
{
    const CSize size = m_viewport.GetSize();
    const int step = axis == 0 ? size.cx / 45 : size.cy / 25;
    const int delta = bForward ? step : -step;
    return axis == 0 ? ScrollBy(delta, 0) : ScrollBy(0, delta);
}

CRect SECEditVisualPart::PageScroll(int axis, BOOL bForward)
{
    const CSize size = m_viewport.GetSize();
    const int step = axis == 0 ? size.cx : size.cy;
    const int delta = bForward ? step : -step;
    return axis == 0 ? ScrollBy(delta, 0) : ScrollBy(0, delta);
}

BOOL SECEditVisualPart::AdjustForDevice(CDC *pDC, CSize &size)
{
    if (!pDC || (m_nMapMode != MM_TEXT && m_nMapMode != MM_ISOTROPIC && m_nMapMode != MM_ANISOTROPIC))
        return FALSE;
    CDC screen;
    if (!screen.CreateCompatibleDC(nullptr))
        return FALSE;
    const int screenX = screen.GetDeviceCaps(LOGPIXELSX);
    const int screenY = screen.GetDeviceCaps(LOGPIXELSY);
    const int dcX = pDC->GetDeviceCaps(LOGPIXELSX);
    const int dcY = pDC->GetDeviceCaps(LOGPIXELSY);
    if ((dcX == screenX && dcY == screenY) || screenX <= 0 || screenY <= 0)
        return FALSE;
    size.cx = MulDiv(size.cx, dcX, screenX);
    size.cy = MulDiv(size.cy, dcY, screenY);
    return TRUE;
}

void SECEditVisualPart::SetRect(const CRect &rect)
{
    m_boundsIf.SetOrigin(rect.left, rect.top);
    m_boundsIf.SetSize(rect.Width(), rect.Height());
}

void SECEditVisualPart::InvalidateWindowRect(const CRect &rect, BOOL bErase)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->InvalidateRect(&rect, bErase);
}

BOOL SECEditVisualPart::HitTest(CPoint point)
{
    CRect visible = GetVisibleRect();
    m_viewport.LPtoDP(visible);
    return visible.PtInRect(point);
}

BOOL SECEditVisualPart::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
    return m_pOwner && m_pOwner->GetSafeHwnd() && m_pOwner->GetUpdateRect(lpRect, bErase);
}

void SECEditVisualPart::LPtoDP(LPPOINT lpPoints, int nCount)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    CClientDC dc(m_pOwner);
    PrepareDC(&dc);
    dc.LPtoDP(lpPoints, nCount);
}

void SECEditVisualPart::DPtoLP(LPPOINT lpPoints, int nCount)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    CClientDC dc(m_pOwner);
    PrepareDC(&dc);
    dc.DPtoLP(lpPoints, nCount);
}

void SECEditVisualPart::LPtoDP(CSize &size)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    CClientDC dc(m_pOwner);
    PrepareDC(&dc);
    dc.LPtoDP(&size);
}

void SECEditVisualPart::DPtoLP(CSize &size)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    CClientDC dc(m_pOwner);
    PrepareDC(&dc);
    dc.DPtoLP(&size);
}

// ---- Buffer notices

void SECEditVisualPart::OnBufferHint(void *pSender, SECEditHint *pHint)
{
    const BOOL bWindow = m_pOwner && m_pOwner->GetSafeHwnd();
    const int id = pHint ? pHint->GetTypeId() : 0;
    switch (id) {
    case SECEDIT_HINT_SPLITTER_SYNC: return;
    case SECEDIT_HINT_GUTTER:
        if (bWindow) {
            CRect client;
            m_pOwner->GetClientRect(&client);
            CRect gutter(0, 0, GetGutterWidth(), client.bottom);
            m_pOwner->InvalidateRect(&gutter, FALSE);
        }
        return;
    case SECEDIT_HINT_INVALIDATE_LINES:
        if (auto *pLines = dynamic_cast<SECEditBufferHint *>(pHint))
            InvalidateLines(pLines->GetFirstLine(), pLines->GetLastLine(), FALSE);
        return;
    case SECEDIT_HINT_COMPOSITE: static_cast<SECEditCompositeCommand *>(pHint)->ForEach(pSender, &m_observer); return;
    case SECEDIT_HINT_HISTORY_BEGIN:
    case SECEDIT_HINT_HISTORY_END:
        // Only the controller's caret waits for them; nothing to repaint.
        if (m_pController)
            m_pController->OnUpdate(pSender, pHint);
        return;
    default: break;
    }
    if (pHint && !m_pController)
        return;
    if (pHint)
        m_pController->OnUpdate(pSender, pHint);
    if (!bWindow)
        return;
    if (id == SECEDIT_HINT_INITIALIZE) {
        UpdateScrollBars();
        m_pOwner->Invalidate(TRUE);
    } else if (id == SECEditCommand::kTextCommandId) {
        const SECEditRange range = static_cast<SECEditTextCommand *>(pHint)->GetRange().Normalized();
        if (range.m_start.m_nLine == range.m_end.m_nLine) {
            InvalidateLines(range.m_start.m_nLine, range.m_start.m_nLine, FALSE);
        } else {
            InvalidateLines(range.m_start.m_nLine, -1, FALSE);
            UpdateScrollBars();
        }
    } else {
        m_pOwner->Invalidate(TRUE);
        UpdateScrollBars();
    }
}

// ---- Routing

BOOL SECEditVisualPart::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    SECEditEvent event;
    event.message = message;
    event.wParam = wParam;
    event.lParam = lParam;
    if (g_pHookListener && g_pHookListener->Dispatch(&event))
        return TRUE;
    if (!m_pController)
        return FALSE;
    if (m_listener.Dispatch(&event))
        return TRUE;
    // Mouse messages outside the part's rectangle are not offered through
    // the part; the controller still sees them directly (it tracks drags
    // that leave the window), so every message reaches it once.
    return m_pController->OnWndMsg(message, wParam, lParam, pResult);
}

BOOL SECEditVisualPart::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (!m_pController)
        return FALSE;
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && !pHandlerInfo)
        return m_pController->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    SECEditEvent event;
    event.message = WM_COMMAND;
    event.wParam = MAKEWPARAM(nID, nCode);
    if (!pHandlerInfo && nCode == CN_COMMAND && m_listener.Dispatch(&event))
        return TRUE;
    return m_pController->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECEditVisualPart::PreTranslateMessage(MSG *pMsg)
{
    return m_pController && m_pController->PreTranslateMessage(pMsg);
}
