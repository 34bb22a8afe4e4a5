// ISECViewport: the view-side viewport the editor's controller draws and
// hit-tests through: the scroll origin in logical (document) pixels, the
// visible size, the document size, conversions between client (device)
// and logical points, and scrolling. The editor view implements it.
#pragma once

#include "framework/base/CRect.h"

class ISECViewport {
public:
    // The logical point shown at the top-left of the text area.
    virtual CPoint GetOrigin() = 0;
    // The size of the visible area in logical units.
    virtual CSize GetSize() = 0;
    // The smallest origin the viewport can take: (0, 0).
    virtual CPoint GetVirtualOrigin() = 0;
    // Widest line x character width, line count x line height.
    virtual CSize GetDocumentSize() = 0;
    // Moves the origin (clamped by the view); returns the old origin.
    virtual CPoint SetOrigin(int x, int y) = 0;
    // Client to logical: the origin is added.
    virtual void DPtoLP(LPPOINT lpPoints, int nCount) = 0;
    // Logical to client: the origin is subtracted.
    virtual void LPtoDP(LPPOINT lpPoints, int nCount) = 0;
    virtual void UpdateScrollBars() = 0;

protected:
    ~ISECViewport() = default;
};
