// Device contexts on a window's backing image.
//   CPaintDC  in a WM_PAINT handler: BeginPaint/EndPaint, clipped to the
//             invalid region, which it validates.
//   CClientDC the client area at any time; drawing shows at once (XOR
//             rubber bands drawn twice leave the image as it was). With no
//             window it is a screen-compatible context for measuring.
//   CWindowDC the whole window, non-client area included.
#pragma once

#include "framework/gdi/CDC.h"
#include "framework/window/WinHandles.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd *pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd *pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd *pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
