// The abstract component: a reference-counted object with a position
// rectangle, an auxiliary rectangle for status displays, and a hit area.
#pragma once

#include "framework/base/CString.h"
#include "library/model/QYArea.h"
#include "library/model/QYIUnknown.h"

class CQYBaseComponent : public QYIUnknown {
    DECLARE_DYNAMIC(CQYBaseComponent)
public:
    ~CQYBaseComponent() override = default;

    // Stores the rectangle through SetRect.
    virtual void Create(CRect& rcPos, CString strCaption = "");
    virtual CRect GetRect();
    virtual CSize GetSize();
    // Stores the position, then UpdateComp.
    virtual void SetRect(LPCRECT lpRect);
    // Stores the auxiliary rectangle; nothing else.
    virtual void SetAuxRect(LPCRECT lpRect);
    // Stores the position, then UpdateComp; the four ints serve the ports
    // layer.
    virtual void SetCompRect(CRect& rect, int nParam1, int nParam2, int nParam3, int nParam4);
    // Empties the given area.
    virtual void GeometryUpdated(CQYArea* pRgn);
    // GeometryUpdated on the component's own hit area.
    virtual void UpdateComp();

    CQYArea& GetCompRgn() { return m_CompArea; }
    const CRect& GetAuxRect() const { return m_rectAux; }

    CRect m_rectPosition;
    CRect m_rectAux;
    CQYArea m_CompArea;

protected:
    CQYBaseComponent() = default;
};
