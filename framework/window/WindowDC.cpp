// The window device contexts: each takes its handle from the window layer
// and gives it back there (never deleting it itself).
#include "framework/window/WindowDC.h"

#include "framework/window/Wnd.h"

#include "framework/object/Exceptions.h"

CPaintDC::CPaintDC(CWnd *pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    HDC hdc = ::BeginPaint(m_hWnd, &m_ps);
    if (!hdc || !Attach(hdc))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd *pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    HDC hdc = m_hWnd ? ::GetDC(m_hWnd) : nullptr;
    if (!hdc)
        m_hWnd = nullptr; // a context of its own, which CDC deletes
    if (hdc ? !Attach(hdc) : !CreateCompatibleDC(nullptr))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    if (m_hWnd)
        ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd *pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    HDC hdc = m_hWnd ? ::GetWindowDC(m_hWnd) : nullptr;
    if (!hdc)
        m_hWnd = nullptr; // a context of its own, which CDC deletes
    if (hdc ? !Attach(hdc) : !CreateCompatibleDC(nullptr))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    if (m_hWnd)
        ::ReleaseDC(m_hWnd, Detach());
}
