// Printing: the page scaled from the screen onto the printer, clipped to
// the page, and the header and footer bands above and below it.
#include "library/view/QYBaseView.h"

#include "framework/appui/PrintInfo.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Rgn.h"
#include "library/model/QYDataModel.h"

#include <algorithm>

BOOL CQYBaseView::OnPreparePrinting(CPrintInfo* pInfo)
{
    RecalcPrintPage();
    // The page prints as one sheet.
    if (pInfo != nullptr)
        pInfo->SetMaxPage(1);
    if (m_pModel != nullptr) {
        // The document's printer becomes the application's, which the print
        // preparation offers (the model's own blocks stay the model's: the
        // print dialog may free the blocks it is given).
        m_pModel->SelectAppPrinter();
        // A printer that is not the stored one changes the document, and
        // the replacement is the one to print on.
        if (m_pModel->CreatePrinterDC() != 1) {
            m_pModel->SetModifiedFlag(TRUE);
            m_pModel->SelectAppPrinter();
        }
    }
    return DoPreparePrinting(pInfo);
}

void CQYBaseView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CQYBaseView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CQYBaseView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_pModel != nullptr) {
        // Only the page prints: its rectangle on the printer is the clip.
        CRect rectPage = m_pModel->GetPagePosition();
        pDC->LPtoDP(&rectPage);
        rectPage.NormalizeRect();
        CRgn rgn;
        rgn.CreateRectRgnIndirect(&rectPage);
        pDC->SelectClipRgn(&rgn);
        OnDraw(pDC);
        pDC->SelectClipRgn(nullptr);
    }
    DrawHeaderFooter(pDC, pInfo);
}

void CQYBaseView::PrepareHeaderFooterDC(CDC* pDC)
{
    pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    if (m_pModel == nullptr)
        return;
    if (CFont* pFont = m_pModel->GetHeaderFont(pDC))
        pDC->SelectObject(pFont);
    pDC->SetTextColor(m_pModel->m_crHFTextColor);
}

void CQYBaseView::ClearDC(CDC* pDC)
{
    pDC->RestoreDC(-1);
}

void CQYBaseView::DrawHeaderFooter(CDC* pDC, CPrintInfo* pInfo)
{
    DrawHeaderFooterBands(pDC, pInfo != nullptr ? &pInfo->m_rectDraw : nullptr);
}

void CQYBaseView::DrawBandTexts(CDC* pDC, const CRect& band, int nFirst)
{
    const UINT nFormats[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    for (int i = 0; i < 3; ++i) {
        const CString strText = m_pModel->ExpandHeaderFooter(m_pModel->m_strHeaderFooter[nFirst + i]);
        if (strText.IsEmpty())
            continue;
        const int w = pDC->GetTextExtent(strText).cx;
        CRect rect(band.left, band.top, band.left + w, band.bottom);
        if (i == 1) {
            const int m = (band.left + band.right) / 2;
            rect.left = m - w / 2;
            rect.right = m + w / 2;
        } else if (i == 2) {
            rect.left = band.right - w;
            rect.right = band.right;
        }
        pDC->DrawText(strText, &rect, DT_SINGLELINE | DT_VCENTER | nFormats[i]);
    }
}

void CQYBaseView::DrawHeaderFooterBands(CDC* pDC, const CRect* pBody)
{
    if (m_pModel == nullptr)
        return;
    PrepareHeaderFooterDC(pDC);
    const int h = pDC->GetTextExtent("S", 1).cy;
    // The paper's printable extent in logical units.
    CRect extent(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&extent);
    const int nBottom = extent.bottom;

    CRect header(extent.left, 0, extent.right, nBottom);
    if (pBody != nullptr)
        header.SetRect(pBody->left, h, pBody->right, pBody->top);
    DrawBandTexts(pDC, header, QY_HEADER_LEFT);

    CRect footer = extent;
    if (pBody != nullptr)
        footer.SetRect(pBody->left, std::max<int>(pBody->bottom, nBottom - 2 * h), pBody->right, nBottom - h);
    DrawBandTexts(pDC, footer, QY_FOOTER_LEFT);
    ClearDC(pDC);
}
