#include "library/shapes/QYImageComponent.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYGeometry.h"
#include "library/pickers/QYGlobalData.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

#include <memory>

IMPLEMENT_SERIAL(CQYImageComponent, CQYDrawPortsComponent, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYImageComponent)

CQYImageComponent::CQYImageComponent() : m_pImage(new CQYImageBaseObj), m_crTransparent(qyGlobalData.m_clrBtnFace)
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetType(QY_COMP_IMAGE);
        pProp->ReleasePen();
        pProp->m_bNullPen = TRUE;
        pProp->ReleaseBrush();
        pProp->m_bTransparent = TRUE;
        pProp->m_nBrushType = 0;
    }
}

CQYImageComponent::CQYImageComponent(const CQYImageComponent& src)
    : CQYDrawPortsComponent(), m_pImage(new CQYImageBaseObj), m_crTransparent(src.m_crTransparent)
{
    *this = src;
    UpdateComp();
}

CQYImageComponent::~CQYImageComponent()
{
    DropMasks();
    delete m_pImage;
}

CQYImageComponent& CQYImageComponent::operator=(const CQYImageComponent& src)
{
    if (this == &src)
        return *this;
    CQYDrawPortsComponent::operator=(src);
    DropMasks();
    *m_pImage = *src.m_pImage;
    m_bTransparent = src.m_bTransparent;
    m_crTransparent = src.m_crTransparent;
    return *this;
}

void CQYImageComponent::DropMasks()
{
    delete m_pMaskImage;
    m_pMaskImage = nullptr;
    delete m_pMaskedImage;
    m_pMaskedImage = nullptr;
}

void CQYImageComponent::Serialize(CArchive& ar)
{
    CQYDrawPortsComponent::Serialize(ar);
    if (ar.IsStoring()) {
        m_pImage->Serialize(ar);
        ar << static_cast<int>(m_bTransparent) << static_cast<DWORD>(m_crTransparent);
        return;
    }
    DropMasks();
    m_pImage->Serialize(ar);
    int bTransparent = 0;
    DWORD crTransparent = 0;
    ar >> bTransparent >> crTransparent;
    m_bTransparent = bTransparent;
    m_crTransparent = crTransparent;
}

void CQYImageComponent::Create(CRect& rcPos, CString strCaption)
{
    AllocMemory(4);
    QYRectCorners(rcPos, m_lpCompPoints);
    CQYDrawPortsComponent::Create(rcPos, strCaption);
    UpdatePosition();
    ResetTrackPoints();
    QYCreateBoxPorts(this);
}

CRect CQYImageComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

CQYDrawComponent* CQYImageComponent::Copy()
{
    return new CQYImageComponent(*this);
}

BOOL CQYImageComponent::LoadImageFile(CString strPath)
{
    BOOL bResult = FALSE;
    try {
        bResult = m_pImage->LoadFromFile(strPath);
    } catch (CException* e) {
        // An unreadable file is a refusal like a bad picture, never an error
        // that leaves the caller (a toolbox drop, the factory) mid-way.
        e->Delete();
    }
    if (bResult) {
        const CRect rect = GetRect();
        const CRect sized(rect.left, rect.top, rect.left + m_pImage->GetWidth(), rect.top + m_pImage->GetHeight());
        PositionComponent(&sized);
    }
    DropMasks();
    return bResult;
}

void CQYImageComponent::SetTransparentColor(COLORREF crTransparent)
{
    DropMasks();
    m_crTransparent = crTransparent;
}

void CQYImageComponent::SetTransparent(BOOL bTransparent)
{
    DropMasks();
    m_bTransparent = bTransparent;
}

// ---------------------------------------------------------------------------
// Drawing

void CQYImageComponent::OnDrawFlat(CDC* pDC)
{
    CQYDrawPortsComponent::OnDrawFlat(pDC);
    DrawPicture(pDC);
}

void CQYImageComponent::OnDraw3d(CDC* pDC)
{
    CQYImageComponent::OnDrawFlat(pDC);
}

void CQYImageComponent::OnDrawShadow(CDC* pDC)
{
    FillShadowPoly(pDC, m_lpCompPoints, m_nCompPtCount);
}

void CQYImageComponent::DrawPicture(CDC* pDC)
{
    if (m_nCompPtCount < 4)
        return;
    const CRect rect = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    if (m_pImage->IsEmpty()) {
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.left, rect.bottom);
        return;
    }
    CPalette* pOldPalette = nullptr;
    if (m_pImage->m_pPalette != nullptr) {
        pOldPalette = pDC->SelectPalette(m_pImage->m_pPalette, FALSE);
        pDC->RealizePalette();
    }
    if (m_bTransparent)
        DrawTransparent(pDC, rect);
    else
        m_pImage->Draw(pDC, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, m_pImage->GetWidth(),
                       m_pImage->GetHeight(), SRCCOPY);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}

void CQYImageComponent::DrawTransparent(CDC* pDC, const CRect& rect)
{
    if (m_pMaskImage == nullptr || m_pMaskedImage == nullptr)
        BuildTransparentMasks();
    if (m_pMaskImage == nullptr || m_pMaskedImage == nullptr)
        return;
    CPalette* pOldPalette = nullptr;
    if (m_pImage->m_pPalette != nullptr) {
        pOldPalette = pDC->SelectPalette(m_pImage->m_pPalette, FALSE);
        pDC->RealizePalette();
    }
    const COLORREF crOldBk = pDC->SetBkColor(m_crTransparent);
    const int cx = m_pImage->GetWidth(), cy = m_pImage->GetHeight();
    m_pMaskImage->Draw(pDC, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, cx, cy, SRCAND);
    m_pMaskedImage->Draw(pDC, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, cx, cy, SRCPAINT);
    pDC->SetBkColor(crOldBk);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}

void CQYImageComponent::BuildTransparentMasks()
{
    if (m_pImage->IsEmpty())
        return;
    const int cx = m_pImage->GetWidth(), cy = m_pImage->GetHeight();
    CDC screen;
    if (!screen.CreateCompatibleDC(nullptr))
        return;
    // The picture as a device bitmap of the screen's depth.
    CBitmap picture;
    if (!picture.Attach(CreateDIBitmap(nullptr, &m_pImage->m_lpbi->bmiHeader, CBM_INIT, m_pImage->m_lpBits,
                                       m_pImage->m_lpbi, DIB_RGB_COLORS)))
        return;
    CDC dcPicture, dcMask, dcMasked;
    CBitmap mask, masked;
    if (!dcPicture.CreateCompatibleDC(&screen) || !dcMask.CreateCompatibleDC(&screen) ||
        !dcMasked.CreateCompatibleDC(&screen) || !mask.CreateBitmap(cx, cy, 1, 1, nullptr))
        return;
    CBitmap* pOldPicture = dcPicture.SelectObject(&picture);
    CBitmap* pOldMask = dcMask.SelectObject(&mask);
    // Colour to monochrome: pixels of the background colour become white.
    const COLORREF crOldBk = dcPicture.SetBkColor(m_crTransparent);
    dcMask.BitBlt(0, 0, cx, cy, &dcPicture, 0, 0, SRCCOPY);
    dcPicture.SetBkColor(crOldBk);
    BOOL bMasked = masked.CreateCompatibleBitmap(&dcPicture, cx, cy);
    if (bMasked) {
        CBitmap* pOldMasked = dcMasked.SelectObject(&masked);
        dcMasked.BitBlt(0, 0, cx, cy, &dcMask, 0, 0, NOTSRCCOPY);
        dcMasked.BitBlt(0, 0, cx, cy, &dcPicture, 0, 0, SRCAND);
        dcMasked.SelectObject(pOldMasked);
    }
    dcMask.SelectObject(pOldMask);
    dcPicture.SelectObject(pOldPicture);
    auto pMaskImage = std::make_unique<CQYImageBaseObj>();
    auto pMaskedImage = std::make_unique<CQYImageBaseObj>();
    if (bMasked && pMaskImage->CreateFromBitmap(&screen, &mask) && pMaskedImage->CreateFromBitmap(&screen, &masked)) {
        DropMasks();
        m_pMaskImage = pMaskImage.release();
        m_pMaskedImage = pMaskedImage.release();
    }
}
