// The view's side of editing a text label in place: a double click opens
// the label's edit control, typing grows the label, Return (or a click
// elsewhere) writes the text back as the caption.  Ending an edit is not
// an undoable step; it marks the document modified when the caption
// changed.
#include "library/view/QYBaseView.h"

#include "framework/window/WindowDC.h"
#include "library/model/QYDataModel.h"
#include "library/shapes/QYStaticComponent.h"
#include "library/view/QYLabelEdit.h"

BOOL CQYBaseView::BeginLabelEdit(CQYDrawComponent* pComp)
{
    auto* pLabel = DYNAMIC_DOWNCAST(CQYStaticComponent, pComp);
    if (pLabel == nullptr || pComp == m_pEditComp)
        return FALSE;
    EndLabelEdit();
    m_pEditComp = pComp;
    m_pEditComp->AddRef();
    auto* pEdit = new CQYLabelEdit(pComp);
    if (!pLabel->AttachEdit(this, pEdit)) {
        m_pEditComp->Release();
        m_pEditComp = nullptr;
        return FALSE;
    }
    m_pLabelEdit = pEdit;
    InvalidateComponent(pComp);
    return TRUE;
}

void CQYBaseView::EndLabelEdit()
{
    if (m_pEditComp == nullptr)
        return;
    auto* pLabel = static_cast<CQYStaticComponent*>(m_pEditComp);
    InvalidateComponent(pLabel);
    const CString strOld = pLabel->GetObjectCaption();
    if (CWnd* pEdit = GetLabelEditWindow()) {
        CString strText;
        pEdit->GetWindowText(strText);
        pLabel->SetObjectCaption(strText);
    }
    {
        CClientDC dc(this);
        OnPrepareDC(&dc, nullptr);
        pLabel->AutoSize(&dc);
    }
    m_pLabelEdit = nullptr;
    pLabel->DestroyEdit();
    if (m_pModel != nullptr && pLabel->GetObjectCaption() != strOld)
        m_pModel->SetModifiedFlag(TRUE);
    InvalidateComponent(pLabel);
    m_pEditComp->Release();
    m_pEditComp = nullptr;
    m_nTrackState = Idle;
    SetStandardCursor(IDC_ARROW);
}

void CQYBaseView::OnLabelEditReturn(NMHDR* /*pHeader*/, LRESULT* pResult)
{
    EndLabelEdit();
    if (pResult != nullptr)
        *pResult = 0;
}

void CQYBaseView::OnLabelEditChange()
{
    auto* pLabel = DYNAMIC_DOWNCAST(CQYStaticComponent, m_pEditComp);
    CWnd* pEdit = GetLabelEditWindow();
    if (pLabel == nullptr || pEdit == nullptr)
        return;
    // The label grows with what is typed (the caption follows at the end).
    const CRect before = pLabel->GetRect();
    const CString strCaption = pLabel->GetObjectCaption();
    CString strText;
    pEdit->GetWindowText(strText);
    pLabel->SetObjectCaption(strText);
    {
        CClientDC dc(this);
        OnPrepareDC(&dc, nullptr);
        pLabel->AutoSize(&dc);
    }
    pLabel->SetObjectCaption(strCaption);
    if (pLabel->GetRect() != before && m_pModel != nullptr)
        m_pModel->SetModifiedFlag(TRUE);
    InvalidateComponent(pLabel);
}

HBRUSH CQYBaseView::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    auto* pLabel = DYNAMIC_DOWNCAST(CQYStaticComponent, m_pEditComp);
    if (nCtlColor == CTLCOLOR_EDIT && pLabel != nullptr && pWnd != nullptr && pWnd == GetLabelEditWindow())
        return pLabel->OnEditCtlColor(pDC);
    return nullptr;
}
