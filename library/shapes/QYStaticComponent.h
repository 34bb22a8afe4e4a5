// The text label: a rectangle (four points) with an optional fill and a
// caption laid out in lines at CR, LF and CR LF, each line with an optional
// bullet at the label's left edge, and nine connection ports.  The label
// only grows to its text (AutoSize).  Its document record is the ports
// component's record.
#pragma once

#include "framework/collections/Arrays.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/Pen.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYFilePersistence.h"

class CQYStaticComponent : public CQYDrawPortsComponent {
    DECLARE_SERIAL(CQYStaticComponent)
public:
    CQYStaticComponent();
    CQYStaticComponent(const CQYStaticComponent& src);
    ~CQYStaticComponent() override;

    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    // Corners, then ports at (0.5, 0.5), (1, 1), (1, 0), (0, 1), (0, 0),
    // (0, 0.5), (0.5, 1), (1, 0.5), (0.5, 0).
    void Create(CRect& rcPos, CString strCaption = "") override;
    void GeometryUpdated(CQYArea* pRgn) override;
    CQYDrawComponent* Copy() override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawShadow(CDC* pDC) override;
    // The caption's lines inside the rectangle less line width and margins,
    // clipped to the outline, each with its bullet.
    void DrawText(CDC* pDC, CString& str, LPRECT lpRect, UINT nFormat) override;

    // Bullet kinds 1-8 in the rectangle (kind 8 only with a text); other
    // kinds draw nothing.
    virtual void DrawBullet(CDC* pDC, const CRect* pRect, int nKind, CString strText);
    virtual void ReleaseBulletCache();
    // (widest line, total height) of the text in the component's font.
    virtual CSize MeasureText(CDC* pDC, CRect rect, CString strText);
    // left, top, right, bottom text margins in logical units.
    virtual CRect GetTextMargins(CDC* pDC);
    // The text's lines into *pLines (when given); returns their number.
    virtual int BreakTextLines(CDC* pDC, CRect rect, CString strText, CStringArray* pLines);
    // Grows the label to its text; never shrinks it.  pDC NULL: a memory
    // DC compatible with the screen.
    virtual void AutoSize(CDC* pDC);
    virtual void DrawLabelText(CDC* pDC);

    UINT GetTextFlags();
    int GetBulletType();

    CPen m_penBullet;
    CBrush m_brBullet;
    COLORREF m_crBulletCache = 0;
    int m_nBulletTypeCache = 0;
    BOOL m_bBulletDirty = TRUE;

private:
    int LineWidth();
    // The line heights of the lines (an empty line: the font's height).
    CSize LineExtent(CDC* pDC, const CString& strLine, int nEmptyWidth);
    void MakeBulletCache();
};
