// The label's in-place edit window: made over the label in the canvas view,
// kept in step with the label's alignment and read back as the caption.
#include "framework/controls/ControlStyles.h"
#include "framework/controls/Edit.h"
#include "framework/gdi/CDC.h"
#include "framework/window/WinStyles.h"
#include "library/shapes/QYStaticComponent.h"

#include <memory>

DWORD CQYStaticComponent::EditStyle()
{
    DWORD dwStyle = WS_CHILD | WS_CLIPSIBLINGS | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
    CQYCompProperties* pProp = GetDefaultProperty();
    const int nAlign = pProp != nullptr ? pProp->m_nTextHorzAlign : 0;
    if (nAlign == 0)
        dwStyle |= ES_LEFT;
    else if (nAlign == 2)
        dwStyle |= ES_RIGHT;
    else
        dwStyle |= ES_CENTER;
    return dwStyle;
}

// Caption, font and a full selection scrolled into view.
void CQYStaticComponent::LoadEditText()
{
    m_pEdit->FmtLines(TRUE);
    m_pEdit->SetWindowText(GetObjectCaption());
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        CDC* pDC = m_pEditParent != nullptr ? m_pEditParent->GetDC() : nullptr;
        m_pEdit->SetFont(pProp->GetFont(pDC));
        if (pDC != nullptr)
            m_pEditParent->ReleaseDC(pDC);
    }
    m_pEdit->SetSel(0, 0xFFFF);
    m_pEdit->SendMessage(EM_SCROLLCARET);
}

BOOL CQYStaticComponent::AttachEdit(CWnd* pParent, CEdit* pNewEdit)
{
    std::unique_ptr<CEdit> pEdit(pNewEdit != nullptr ? pNewEdit : new CEdit);
    DestroyEdit();
    m_pEditParent = pParent;
    if (pParent == nullptr || !pEdit->Create(EditStyle(), CRect(0, 0, 0, 0), pParent, QY_LABEL_EDIT_ID)) {
        m_pEditParent = nullptr;
        return FALSE;
    }
    m_pEdit = pEdit.release();
    LoadEditText();
    m_pEdit->SetFocus();
    return TRUE;
}

void CQYStaticComponent::DestroyEdit()
{
    if (m_pEdit == nullptr)
        return;
    CEdit* pEdit = m_pEdit;
    m_pEdit = nullptr;
    if (pEdit->GetSafeHwnd() != nullptr)
        pEdit->DestroyWindow();
    delete pEdit;
    m_pEditParent = nullptr;
}

void CQYStaticComponent::SetEditText(LPCTSTR lpszText)
{
    if (m_pEdit != nullptr)
        m_pEdit->SetWindowText(lpszText);
}

void CQYStaticComponent::ReadEditText()
{
    if (m_pEdit == nullptr || m_pEdit->GetSafeHwnd() == nullptr)
        return;
    CString strText;
    m_pEdit->GetWindowText(strText);
    SetObjectCaption(strText);
}

void CQYStaticComponent::RefreshEdit(BOOL bRefresh)
{
    if (m_pEdit == nullptr || !bRefresh)
        return;
    const DWORD dwAlign = ES_LEFT | ES_CENTER | ES_RIGHT;
    const DWORD dwOld = m_pEdit->GetStyle();
    const DWORD dwNew = EditStyle();
    if ((dwOld & dwAlign) == (dwNew & dwAlign))
        return;
    m_pEdit->ModifyStyle(dwAlign, dwNew & dwAlign);
    LoadEditText();
}

void CQYStaticComponent::PlaceEdit(CDC* pDC, CRect rect)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (m_pEdit == nullptr || pDC == nullptr || pProp == nullptr)
        return;
    rect.DeflateRect(pProp->m_nLineWidth, pProp->m_nLineWidth);
    CRect margins = GetTextMargins(pDC);
    const UINT nFlags = GetTextFlags();
    if (nFlags & DT_SINGLELINE) {
        CFont* pOldFont = pDC->SelectObject(pProp->GetFont(pDC));
        TEXTMETRIC tm{};
        pDC->GetTextMetrics(&tm);
        pDC->SelectObject(pOldFont);
        const int nHeight = tm.tmHeight + tm.tmExternalLeading;
        int top = rect.top;
        if (nFlags & DT_VCENTER)
            top = rect.top + (rect.Height() - nHeight) / 2;
        else if (nFlags & DT_BOTTOM)
            top = rect.bottom - nHeight;
        rect.top = top;
        rect.bottom = top + nHeight;
        if (nFlags & DT_CENTER)
            margins.left = margins.right = 0;
        else if (nFlags & DT_RIGHT)
            margins.left = 0;
    }
    // Margins and rectangle in the parent's device units.
    CSize marginSize(margins.left, margins.right);
    pDC->LPtoDP(&marginSize);
    m_pEdit->SetMargins(static_cast<UINT>(std::abs(marginSize.cx)), static_cast<UINT>(std::abs(marginSize.cy)));
    pDC->LPtoDP(&rect);
    rect.NormalizeRect();
    m_pEdit->MoveWindow(&rect);
    m_pEdit->ShowWindow(SW_SHOW);
    m_pEdit->SetFocus();
}

HBRUSH CQYStaticComponent::OnEditCtlColor(CDC* pDC)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr)
        return nullptr;
    if (pDC != nullptr)
        pDC->SetBkColor(pProp->m_crBkColor);
    CBrush* pBrush = pProp->GetBrush(pDC);
    return pBrush != nullptr ? static_cast<HBRUSH>(pBrush->GetSafeHandle()) : nullptr;
}
