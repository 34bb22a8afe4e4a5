// The painter of a model's page: the form's fill, its drawn window frame
// (3-D border, title bar with icon, caption and caption buttons), the
// margin frame, the grid dots and the form's own selection frame, all read
// from the model's form property set.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/gdi/Pen.h"
#include "framework/window/WinHandles.h"
#include "framework/object/Object.h"

class CDC;
class CQYDataModel;
class CQYFormProperties;

// Height of the drawn title bar and the caption buttons' box.
#define QY_FORM_TITLE_HEIGHT 18
#define QY_FORM_ICON_ID 26010

class CQYBackComponent : public CObject {
    DECLARE_SERIAL(CQYBackComponent)
public:
    CQYBackComponent();
    explicit CQYBackComponent(CQYDataModel* pModel);
    ~CQYBackComponent() override;

    // The painter keeps no record.
    void Serialize(CArchive& ar) override;

    // Saves the context and selects the form's brush, colours, font and the
    // null pen.
    virtual void PrepareDC(CDC* pDC);
    virtual void OnDraw(CDC* pDC);
    // Transparent text in the form's text colour.
    virtual void DrawText(CDC* pDC, const CString& strText, CRect rect, UINT nFormat);
    virtual void OnDrawForm(CDC* pDC);
    virtual void OnDrawMargins(CDC* pDC, CRect rect);
    virtual void OnDrawBackground(CDC* pDC);
    virtual void OnDrawGrid(CDC* pDC, CRect rect);
    virtual void OnDrawFormFrame(CDC* pDC, CRect rect);
    virtual void OnDrawCaptionButtons(CDC* pDC, CRect rectTitle);
    virtual void ClearDC(CDC* pDC);

    void SetModel(CQYDataModel* pModel) { m_pModel = pModel; }

protected:
    CQYFormProperties* GetForm();
    void DrawTitleBar(CDC* pDC, CQYFormProperties* pForm, const CRect& rectWindow);

    HICON m_hIcon = nullptr;
    BOOL m_bOwnIcon = FALSE;
    CQYDataModel* m_pModel = nullptr;
    CPen m_penDot;
    CPen m_penTitleLine;
};
