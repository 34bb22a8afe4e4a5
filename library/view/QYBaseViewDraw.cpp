// Painting the page double-buffered, the selection handles, the page as a
// bitmap and as an enhanced metafile.
#include "library/view/QYBaseView.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/MetaFileDC.h"
#include "framework/gdi/Pen.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/pickers/QYGlobalData.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYImageBaseObj.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The metafile picture: the page's top-left corner, shrunk.
const CRect kMetaSource(0, 0, 800, 600);
const CRect kMetaPicture(0, 0, 320, 240);

// A context on the screen, for bitmaps of the screen's depth (a memory
// context alone would make them monochrome).
class CScreenDC : public CDC {
public:
    CScreenDC()
    {
        if (HDC hDC = ::GetDC(nullptr))
            Attach(hDC);
    }
    ~CScreenDC() override
    {
        if (HDC hDC = Detach())
            ::ReleaseDC(nullptr, hDC);
    }
};

} // namespace

void CQYBaseView::OnDraw(CDC* /*pDC*/) {}

// ---------------------------------------------------------------------------
// The page on the screen

void CQYBaseView::DrawBackground(CDC* pDC, CRect rect)
{
    if (m_pModel == nullptr)
        return;
    const BOOL bPrinting = pDC->IsPrinting();
    CQYFormProperties* pForm = GetFormProperties();
    const COLORREF crBack = bPrinting || pForm == nullptr ? RGB(255, 255, 255) : pForm->GetBkColor();
    pDC->FillSolidRect(&rect, crBack);
    // With nothing selected the form itself shows as selected: the
    // background painter frames it in form mode.
    m_pModel->SetDrawFormFrame(m_listSelected.IsEmpty());
    if (!m_pModel->IsFormDesignMode() && !bPrinting) {
        // The page's shadow along its right and bottom edges.
        const CRect page = m_pModel->GetPrintPageRect();
        const COLORREF crShadow = qyGlobalData.m_clrBtnShadow;
        pDC->FillSolidRect(page.right, page.top + 4, 4, page.Height(), crShadow);
        pDC->FillSolidRect(page.left + 4, page.bottom, page.Width(), 4, crShadow);
    }
    m_pModel->OnDrawBack(pDC);
}

void CQYBaseView::DrawSelectionHandles(CDC* pDC)
{
    if (pDC->IsPrinting())
        return;
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CBrush* pOldBrush = pDC->SelectObject(&m_brushHandle);
    CArray<CPoint, CPoint> points;
    for (POSITION pos = m_listSelected.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listSelected.GetNext(pos);
        CQYCompProperties* pProp = pComp->GetDefaultProperty();
        const bool bMain = pProp != nullptr && pProp->IsMainObj();
        pDC->SelectObject(bMain ? &m_brushMainHandle : &m_brushHandle);
        GetHandlePoints(pComp, points);
        for (int i = 0; i < points.GetSize(); ++i) {
            const CPoint pt = points[i];
            if (pt.x == -1)
                continue;
            pDC->Ellipse(pt.x - m_sizeHandle.cx, pt.y - m_sizeHandle.cy, pt.x + m_sizeHandle.cx,
                         pt.y + m_sizeHandle.cy);
        }
        const bool bFrame = pComp->IsKindOf(RUNTIME_CLASS(CQYBezierLineComponent)) ||
                            pComp->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)) ||
                            (m_bEditPoints && pComp->IsKindOf(RUNTIME_CLASS(CQYCloseBezierComponent)));
        if (bFrame)
            pComp->OnDrawSelect(pDC, pComp->GetRect());
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

// What Draw puts on the page, in order.
static void DrawPageContent(CQYBaseView* pView, CDC* pDC, const CRect& rectClip)
{
    CQYDataModel* pModel = pView->GetCurrentModel();
    const BOOL bOnScreen = !pDC->IsPrinting();
    const BOOL bEdit = pView->IsDesignMode();
    pView->DrawBackground(pDC, rectClip);
    if (pModel == nullptr)
        return;
    pModel->DrawComponentsIn(pDC, rectClip);
    if (pView->m_bShowTabOrder && (!bOnScreen || bEdit))
        pModel->DrawTabOrders(pDC);
    if (bOnScreen && bEdit)
        pView->DrawSelectionHandles(pDC);
}

void CQYBaseView::Draw(CDC* pDC)
{
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    if (pDC->IsPrinting()) {
        DrawPageContent(this, pDC, rectClip);
        return;
    }
    // Only the clip box is drawn off the screen and copied.
    CDC dcMem;
    CBitmap bitmap;
    if (rectClip.IsRectEmpty() || !dcMem.CreateCompatibleDC(pDC) ||
        !bitmap.CreateCompatibleBitmap(pDC, rectClip.Width(), rectClip.Height())) {
        DrawPageContent(this, pDC, rectClip);
        return;
    }
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    dcMem.SetWindowOrg(rectClip.left, rectClip.top);
    DrawPageContent(this, &dcMem, rectClip);
    pDC->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem, rectClip.left, rectClip.top,
                SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

void CQYBaseView::DrawFrameMark(CDC* pDC, CRect rect)
{
    rect.InflateRect(2, 2);
    const COLORREF crFrame = RGB(183, 209, 253);
    // The 6-pixel band just outside the rectangle, dotted with white: ring
    // i lies i pixels outside it.
    for (int i = 1; i <= 6; ++i) {
        CRect band = rect;
        band.InflateRect(i, i);
        for (int x = band.left; x < band.right; ++x) {
            const COLORREF cr = ((x + i) % 2 == 0) ? crFrame : RGB(255, 255, 255);
            pDC->SetPixel(x, band.top, cr);
            pDC->SetPixel(x, band.bottom - 1, cr);
        }
        for (int y = band.top; y < band.bottom; ++y) {
            const COLORREF cr = ((y + i) % 2 == 0) ? crFrame : RGB(255, 255, 255);
            pDC->SetPixel(band.left, y, cr);
            pDC->SetPixel(band.right - 1, y, cr);
        }
    }
    // White breaks across the band at the corners and the edge centres.
    CRect outer = rect;
    outer.InflateRect(6, 6);
    const CPoint centre(outer.CenterPoint().x - 3, outer.CenterPoint().y - 3);
    for (CPoint pt :
         {outer.TopLeft(), CPoint(centre.x, outer.top), CPoint(outer.right - 6, outer.top),
          CPoint(outer.right - 6, centre.y), CPoint(outer.right - 6, outer.bottom - 6),
          CPoint(centre.x, outer.bottom - 6), CPoint(outer.left, outer.bottom - 6), CPoint(outer.left, centre.y)})
        pDC->FillSolidRect(pt.x, pt.y, 6, 6, RGB(255, 255, 255));
}

// ---------------------------------------------------------------------------
// The page as a picture

BOOL CQYBaseView::RenderPageBitmap(CQYImageBaseObj* pImage, CDC* pDC)
{
    if (m_pModel == nullptr || pImage == nullptr)
        return FALSE;
    CScreenDC dcScreen;
    CDC* pRef = pDC != nullptr ? pDC : &dcScreen;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pRef))
        return FALSE;
    const CRect page = m_pModel->GetPagePosition();
    CBitmap bitmap;
    if (page.Width() <= 0 || page.Height() <= 0 || !bitmap.CreateCompatibleBitmap(pRef, page.Width(), page.Height()))
        return FALSE;
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    dcMem.SetWindowOrg(page.left, page.top);
    DrawBackground(&dcMem, page);
    m_pModel->DrawComponents(&dcMem);
    dcMem.SelectObject(pOld);
    return pImage->CreateFromBitmap(&dcMem, &bitmap);
}

void CQYBaseView::DrawToDC(CDC* pDC)
{
    if (m_pModel == nullptr)
        return;
    if (pDC->IsPrinting()) {
        CRect rectClip;
        pDC->GetClipBox(&rectClip);
        CDC dcMem;
        CBitmap bitmap;
        if (!dcMem.CreateCompatibleDC(pDC) ||
            !bitmap.CreateCompatibleBitmap(pDC, rectClip.Width(), rectClip.Height())) {
            DrawPageContent(this, pDC, rectClip);
            return;
        }
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        // The off-screen page is drawn as for the printer: no shadow, a
        // white background.
        dcMem.m_bPrinting = TRUE;
        dcMem.SetWindowOrg(rectClip.left, rectClip.top);
        DrawBackground(&dcMem, rectClip);
        m_pModel->DrawComponents(&dcMem);
        if (m_bShowTabOrder)
            m_pModel->DrawTabOrders(&dcMem);
        pDC->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem, rectClip.left,
                    rectClip.top, SRCCOPY);
        dcMem.SelectObject(pOld);
        return;
    }
    // A metafile: the page's top-left corner drawn off the screen, framed
    // in black and shrunk into the picture.
    CScreenDC dcScreen;
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dcScreen) ||
        !bitmap.CreateCompatibleBitmap(&dcScreen, kMetaSource.Width(), kMetaSource.Height()))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    DrawBackground(&dcMem, kMetaSource);
    m_pModel->DrawComponents(&dcMem);
    CGdiObject* pOldBrush = dcMem.SelectStockObject(NULL_BRUSH);
    CGdiObject* pOldPen = dcMem.SelectStockObject(BLACK_PEN);
    dcMem.Rectangle(&kMetaSource);
    dcMem.SelectObject(pOldBrush);
    dcMem.SelectObject(pOldPen);
    pDC->StretchBlt(kMetaPicture.left, kMetaPicture.top, kMetaPicture.Width(), kMetaPicture.Height(), &dcMem,
                    kMetaSource.left, kMetaSource.top, kMetaSource.Width(), kMetaSource.Height(), SRCCOPY);
    dcMem.SelectObject(pOld);
}

BOOL CQYBaseView::ExportToFile(CFile* pFile, LPCTSTR lpszDescription)
{
    if (m_pModel == nullptr || pFile == nullptr)
        return FALSE;
    // The frame: the page in hundredths of a millimetre.
    const CSize dpi = ScreenPixelsPerInch();
    const CRect page = m_pModel->GetPagePosition();
    auto toHimetric = [](int nPixels, int nDpi) {
        return static_cast<int>(static_cast<long long>(nPixels) * 2540 / nDpi);
    };
    const CRect frame(toHimetric(page.left, dpi.cx), toHimetric(page.top, dpi.cy), toHimetric(page.right, dpi.cx),
                      toHimetric(page.bottom, dpi.cy));
    // The recorder reads a description up to a double NUL.
    std::string strDescription = lpszDescription != nullptr ? lpszDescription : "";
    strDescription.append(2, '\0');
    CMetaFileDC dcMeta;
    if (!dcMeta.CreateEnhanced(nullptr, nullptr, &frame, strDescription[0] != '\0' ? strDescription.c_str() : nullptr))
        return FALSE;
    std::unique_ptr<CClientDC> pClient;
    if (GetSafeHwnd() != nullptr) {
        pClient = std::make_unique<CClientDC>(this);
        dcMeta.SetAttribDC(pClient->m_hDC);
    }
    DrawToDC(&dcMeta);
    dcMeta.ReleaseAttribDC();
    HENHMETAFILE hMeta = dcMeta.CloseEnhanced();
    if (hMeta == nullptr)
        return FALSE;
    ENHMETAHEADER header{};
    BOOL bResult = FALSE;
    if (GetEnhMetaFileHeader(hMeta, sizeof(header), &header) != 0 && header.nBytes > 0) {
        std::vector<BYTE> bits(header.nBytes);
        if (GetEnhMetaFileBits(hMeta, header.nBytes, bits.data()) == header.nBytes) {
            pFile->Write(bits.data(), static_cast<UINT>(bits.size()));
            bResult = TRUE;
        }
    }
    DeleteEnhMetaFile(hMeta);
    return bResult;
}

BOOL CQYBaseView::ExportMetaFile(LPCTSTR lpszPathName)
{
    // The picture is made first and written through a mirror: a failure
    // leaves an existing file as it was.
    CMirrorFile file;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary))
        return FALSE;
    try {
        if (!ExportToFile(&file, "")) {
            file.Abort();
            return FALSE;
        }
        file.Close();
    } catch (CException* e) {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    return TRUE;
}

BOOL CQYBaseView::ExportBitmap(LPCTSTR lpszPathName)
{
    CQYImageBaseObj image;
    RenderPageBitmap(&image, nullptr);
    try {
        return image.SaveToFile(lpszPathName);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
}

BOOL CQYBaseView::ExportByExtension(CString strPathName)
{
    CString strExt;
    const int nDot = strPathName.ReverseFind('.');
    const int nSlash = strPathName.ReverseFind('/');
    if (nDot > nSlash + 1 && nDot >= 0)
        strExt = strPathName.Mid(nDot + 1);
    strExt.MakeLower();
    if (strExt.IsEmpty())
        strPathName += ".bmp";
    if (strExt == "emf")
        return ExportMetaFile(strPathName);
    return ExportBitmap(strPathName);
}

void CQYBaseView::GetPageSetupInfo(CRect& rectMargins, CRect& rectPage, CSize& sizePage, CSize& sizePaper)
{
    CRect page;
    int nStyle = 0;
    GetPagePosition(page, nStyle);
    rectMargins.SetRect(14, nStyle == 102 ? 35 : 14, 14, 14);
    rectPage = page;
    sizePage = CSize(page.Width(), page.Height());
    sizePaper = CSize(11898, 16819);
}

CRect CQYBaseView::ScaledPageRect(RECT rect)
{
    CRect r(rect);
    r.OffsetRect(150, 150);
    return CRect(r.left * 2, -r.top * 2, r.right * 2, -r.bottom * 2);
}

void CQYBaseView::RecalcPrintPage()
{
    if (m_pModel != nullptr)
        m_pModel->RecalcPrintPage();
}
