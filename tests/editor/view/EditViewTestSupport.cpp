#include "EditViewTestSupport.h"

#include "editor/view/SECEditPrintState.h"

#include "framework/window/WindowDC.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowState.h"

#include <QCoreApplication>

#include <algorithm>

IMPLEMENT_DYNCREATE(CTestEditView, SECEditView)

SECEditTextBuffer *CTestEditView::s_pNextBuffer = nullptr;

void CTestEditView::GetPrintMargins(CDC *pDC, CRect &rect)
{
    SECEditView::GetPrintMargins(pDC, rect);
    const SECEditDisplayMetrics &metrics = GetPrintState()->m_metrics;
    if (m_nPageLines != 0) // the header and the footer take two lines each
        rect.bottom = rect.top + (m_nPageLines + 4) * metrics.GetLineHeight();
    if (m_nPageColumns != 0)
        rect.right = rect.left + std::max(0, m_nPageColumns) * metrics.GetSpaceWidth();
}

ViewHarness::ViewHarness(SECEditTextBuffer *pBuffer, int width, int height)
{
    LPCTSTR cls = AfxRegisterWndClass(0);
    host.CreateEx(0, cls, "Editor view host", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0);
    CTestEditView::s_pNextBuffer = pBuffer;
    view = new CTestEditView;
    CTestEditView::s_pNextBuffer = nullptr;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, width, height), &host, 1)) {
        delete view;
        view = nullptr;
        return;
    }
    view->OnInitialUpdate();
    Flush();
}

ViewHarness::~ViewHarness()
{
    if (host.m_hWnd)
        host.DestroyWindow(); // the view goes with its parent and deletes itself
}

void PumpViewEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

void ViewHarness::Flush()
{
    PumpViewEvents();
    if (view && view->m_hWnd)
        view->UpdateWindow();
}

QRgb ViewHarness::Pixel(int x, int y) const
{
    HWND h = view->m_hWnd;
    return h->backing.pixel(h->clientRect.left + x, h->clientRect.top + y) & 0xFFFFFF;
}

QRgb ToRgb(COLORREF colour)
{
    return static_cast<QRgb>((GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
}

bool ViewHarness::AnyOtherThan(const CRect &rect, COLORREF colour) const
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (Pixel(x, y) != ToRgb(colour))
                return true;
    return false;
}

bool ViewHarness::AnyOf(const CRect &rect, COLORREF colour) const
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (Pixel(x, y) == ToRgb(colour))
                return true;
    return false;
}

void ViewHarness::Paint(COLORREF colour)
{
    Flush();
    CRect client;
    view->GetClientRect(&client);
    CClientDC dc(view);
    dc.FillSolidRect(&client, colour);
    view->ValidateRect(nullptr);
}
