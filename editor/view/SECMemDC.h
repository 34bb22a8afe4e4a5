// SECMemDC: a device context that stands in for a rectangle of another one
// while something is drawn, so that the drawing reaches the target in one
// copy and does not flicker. Made on the stack over a target DC and a
// rectangle; drawn into like the target; its destructor copies the
// rectangle to the target.
#pragma once

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"

class SECMemDC : public CDC {
public:
    // Throws the resource exception when pDC is NULL or the memory context
    // or its bitmap cannot be made.
    SECMemDC(CDC *pDC, int left, int top, int right, int bottom);
    // Copies the rectangle to the target with the mapping read at
    // construction, whatever the caller changed since.
    ~SECMemDC() override;
    SECMemDC(const SECMemDC &) = delete;
    SECMemDC &operator=(const SECMemDC &) = delete;

private:
    void ApplyTargetMapping();

    CDC *m_pTarget;
    CBitmap m_bitmap;
    CBitmap *m_pOldBitmap = nullptr;
    int m_nLeft, m_nTop, m_nRight, m_nBottom;
    CPoint m_viewportOrg;
    CPoint m_windowOrg;
    CSize m_viewportExt;
    CSize m_windowExt;
};
