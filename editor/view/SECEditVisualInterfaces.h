// The interfaces of the editor's visual part besides the viewport: its
// rectangle in the container (bounds), its zoom, the buffer observer and
// the main drawing interface. Each is found from any other by identifier;
// none counts references (adding and releasing both answer 1).
#pragma once

#include "editor/lang/SECEditHint.h"
#include "editor/controller/ISECViewport.h"

#include "framework/base/Guid.h"

class CDC;
class CWnd;
class SECEditController;
class SECEditTextBuffer;

extern const GUID IID_ISECVisual;
// The bounds interface answers four identifiers.
extern const GUID IID_ISECBounds;
extern const GUID IID_ISECBounds2;
extern const GUID IID_ISECBounds3;
extern const GUID IID_ISECBounds4;
extern const GUID IID_ISECViewport;
extern const GUID IID_ISECZoom;
extern const GUID IID_ISECObserver;

// What every interface of the visual part starts with.
class ISECVisualObject {
public:
    // The interface for iid in *ppv and TRUE; NULL and FALSE when no
    // interface of the part carries iid.
    virtual BOOL QueryInterface(const GUID &iid, void **ppv) = 0;
    virtual int AddRef() = 0;
    virtual int Release() = 0;

protected:
    ~ISECVisualObject() = default;
};

// The part's rectangle in its container, in the container's logical units.
class ISECBounds : public ISECVisualObject {
public:
    virtual CSize GetSize() = 0;
    // Keeps the top-left corner; returns the old size.
    virtual CSize SetSize(int cx, int cy) = 0;
    virtual CRect GetRect() = 0;
    virtual CPoint GetOrigin() = 0;
    // Moves the top-left corner only; returns the old one.
    virtual CPoint SetOrigin(int x, int y) = 0;
    // Moves the whole rectangle; returns the new top-left corner.
    virtual CPoint Offset(int dx, int dy) = 0;

protected:
    ~ISECBounds() = default;
};

// Zoom in percent per axis; the part's scale is 100 / percent.
class ISECZoom : public ISECVisualObject {
public:
    // Returns the viewport size.
    virtual CSize SetZoom(int percentX, int percentY) = 0;
    virtual CSize GetZoom() = 0;
    virtual CSize ZoomBy(int dx, int dy) = 0;
    virtual CSize ZoomByNegative(int dx, int dy) = 0;
    // The extent multiplied by the scale factors, each at least 1.
    virtual void AdjustExtent(CSize &extent) = 0;

protected:
    ~ISECZoom() = default;
};

// Receives the text buffer's change notices.
class ISECObserver : public ISECVisualObject, public SECEditObserver {
public:
protected:
    ~ISECObserver() = default;
};

// The main interface: drawing and invalidating, links and routing.
class ISECVisual : public ISECVisualObject {
public:
    virtual void Draw(CDC *pDC) = 0;
    virtual void PrepareDC(CDC *pDC) = 0;
    virtual void InvalidateRect(const CRect &rect, BOOL bErase, BOOL bUpdateNow) = 0;
    virtual void ValidateRect(const CRect &rect) = 0;
    // Lines first to last (-1: to the bottom of the view).
    virtual void InvalidateLines(int first, int last, BOOL bErase) = 0;
    virtual SECEditController *GetController() = 0;
    virtual SECEditTextBuffer *GetBuffer() = 0;
    virtual CWnd *GetOwnerWindow() = 0;

protected:
    ~ISECVisual() = default;
};
