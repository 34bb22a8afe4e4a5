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
#include "library/model/QYFactoryProduct.h"
#include "library/model/QYFilePersistence.h"

class CEdit;
class CWnd;

// The control id of a label's edit window.
#define QY_LABEL_EDIT_ID 2234

class CQYStaticComponent : public CQYDrawPortsComponent, public CQYFactoryProduct {
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
    void AutoSize(CDC* pDC) override;
    virtual void DrawLabelText(CDC* pDC);

    // In-place editing: an edit window over the label in the parent window
    // (the canvas view), with the caption, the label's font and alignment,
    // all text selected.  FALSE (and no edit window) when it cannot be made.
    // The label owns pEdit (a plain edit control when NULL), whatever the
    // result.
    virtual BOOL AttachEdit(CWnd* pParent, CEdit* pEdit = nullptr);
    virtual void DestroyEdit();
    virtual void SetEditText(LPCTSTR lpszText);
    // The edit window's text becomes the caption (nothing without one).
    virtual void ReadEditText();
    // Applies a changed alignment to the open edit window.
    virtual void RefreshEdit(BOOL bRefresh);
    // Moves the edit window over rect (logical units of pDC) less line width
    // and margins, shows and focuses it.
    void PlaceEdit(CDC* pDC, CRect rect);
    // The fill brush for the edit window's colour message, NULL without a
    // property set; sets the DC's background to the fill colour.
    HBRUSH OnEditCtlColor(CDC* pDC);
    CEdit* GetEdit() const { return m_pEdit; }

    CEdit* m_pEdit = nullptr;
    CWnd* m_pEditParent = nullptr;

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
    DWORD EditStyle();
    void LoadEditText();
};
