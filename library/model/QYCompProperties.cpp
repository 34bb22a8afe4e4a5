#include "library/model/QYCompProperties.h"

#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/Pen.h"
#include "framework/object/Archive.h"
#include "library/model/QYFillPatterns.h"
#include "library/model/QYFontRecord.h"
#include "library/model/QYFontUnits.h"
#include "library/pickers/QYGlobalData.h"

IMPLEMENT_SERIAL(CQYCompProperties, CQYBaseProperties, 1)

namespace {

// The first hatch fill kind; hatch style = kind - 36.
constexpr int kFirstHatchBrush = 36;
constexpr int kFirstGradientBrush = 42;

// A value read from an archive outside its range ends the load.
void CheckLoadedRange(int nValue, int nMin, int nMax)
{
    if (nValue < nMin || nValue > nMax)
        AfxThrowArchiveException(CArchiveException::generic);
}

QYFontFields FontFieldsOf(CQYCompProperties& props)
{
    return {props.m_strFaceName, props.m_nPointSize, props.m_crFontColor, props.m_nFontHeight,
            props.m_nWeight, props.m_bItalic, props.m_bUnderline, props.m_bStrikeOut};
}

} // namespace

CQYCompProperties::CQYCompProperties(int nCurID)
    : CQYBaseProperties(nCurID), m_crBkColor(qyGlobalData.m_clrBtnFace), m_strFaceName("Tahoma")
{
    m_nFontHeight = PointToLogical(10, nullptr, TRUE);
}

CQYCompProperties::CQYCompProperties(const CQYCompProperties& src) : CQYBaseProperties(src.m_nPropId)
{
    CopyValuesFrom(src);
}

CQYCompProperties::~CQYCompProperties() = default;

CQYBaseProperties* CQYCompProperties::Copy()
{
    return new CQYCompProperties(*this);
}

void CQYCompProperties::CopyValuesFrom(const CQYCompProperties& src)
{
    m_nPropId = src.m_nPropId;
    m_strObjectName = src.m_strObjectName;
    m_strObjectCaption = src.m_strObjectCaption;
    m_nType = src.m_nType;
    m_bVisible = src.m_bVisible;
    m_bFlag1 = src.m_bFlag1;
    m_nTabOrder = src.m_nTabOrder;
    m_bFlat = src.m_bFlat;
    m_bMainObj = src.m_bMainObj;
    m_nReserved1 = src.m_nReserved1;
    m_bLock = src.m_bLock;
    m_bFlag2 = src.m_bFlag2;
    m_crBkColor = src.m_crBkColor;
    m_bTransparent = src.m_bTransparent;
    m_nBrushType = src.m_nBrushType;
    m_nReserved2 = src.m_nReserved2;
    m_strFaceName = src.m_strFaceName;
    m_nPointSize = src.m_nPointSize;
    m_nFontHeight = src.m_nFontHeight;
    m_crFontColor = src.m_crFontColor;
    m_nWeight = src.m_nWeight;
    m_bItalic = src.m_bItalic;
    m_bUnderline = src.m_bUnderline;
    m_bStrikeOut = src.m_bStrikeOut;
    m_nTextHorzAlign = src.m_nTextHorzAlign;
    m_nTextVertAlign = src.m_nTextVertAlign;
    m_bMultiLine = src.m_bMultiLine;
    m_nLineWidth = src.m_nLineWidth;
    m_crLineColor = src.m_crLineColor;
    m_bNullPen = src.m_bNullPen;
    m_nPenStyle = src.m_nPenStyle;
    m_crPatternColor = src.m_crPatternColor;
    m_bShadow = src.m_bShadow;
    m_crShadowColor = src.m_crShadowColor;
    m_crShadowPatternColor = src.m_crShadowPatternColor;
    m_nShadowOffsetX = src.m_nShadowOffsetX;
    m_nShadowOffsetY = src.m_nShadowOffsetY;
    m_nShadowBrushType = src.m_nShadowBrushType;
    m_nReserved3 = src.m_nReserved3;
    m_crBulletColor = src.m_crBulletColor;
    m_nBulletType = src.m_nBulletType;
}

// ---------------------------------------------------------------------------
// Archive record

void CQYCompProperties::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CQYBaseProperties::Serialize(ar);
        StoreRecord(ar);
        return;
    }
    // The record is read whole into a scratch set first, so that a bad
    // record leaves this set as it was; the caches made from the old values
    // are dropped once the new values are in.
    CQYCompProperties loaded(m_nPropId);
    loaded.CQYBaseProperties::Serialize(ar);
    loaded.LoadRecord(ar);
    CopyValuesFrom(loaded);
    ReleaseBrush();
    ReleaseShadowBrush();
    ReleasePen();
    ReleaseFont();
}

void CQYCompProperties::StoreRecord(CArchive& ar)
{
    ar << m_nTextHorzAlign << m_nTextVertAlign << m_bMultiLine;
    ar << m_strObjectName << m_strObjectCaption;
    ar << m_nType << m_bVisible << m_bFlag1 << m_nTabOrder << m_bFlat << m_bMainObj << m_nReserved1 << m_bLock
       << m_bFlag2;
    ar << m_crBkColor << m_bTransparent << m_crPatternColor;
    QYStoreFontFields(ar, FontFieldsOf(*this));
    ar << m_nLineWidth << m_crLineColor << m_bNullPen << m_nPenStyle;
    ar << m_nBrushType << m_nReserved2;
    ar << m_crShadowColor << m_crShadowPatternColor << m_nShadowOffsetX << m_nShadowOffsetY << m_nShadowBrushType
       << m_nReserved3 << m_bShadow;
    ar << m_crBulletColor << m_nBulletType;
}

void CQYCompProperties::LoadRecord(CArchive& ar)
{
    ar >> m_nTextHorzAlign >> m_nTextVertAlign >> m_bMultiLine;
    CheckLoadedRange(m_nTextHorzAlign, 0, 2);
    CheckLoadedRange(m_nTextVertAlign, 0, 2);
    ar >> m_strObjectName >> m_strObjectCaption;
    ar >> m_nType >> m_bVisible >> m_bFlag1 >> m_nTabOrder >> m_bFlat >> m_bMainObj >> m_nReserved1 >> m_bLock >>
        m_bFlag2;
    ar >> m_crBkColor >> m_bTransparent >> m_crPatternColor;
    QYLoadFontFields(ar, FontFieldsOf(*this));
    ar >> m_nLineWidth >> m_crLineColor >> m_bNullPen >> m_nPenStyle;
    CheckLoadedRange(m_nPenStyle, 0, QY_MAX_PEN_STYLE);
    ar >> m_nBrushType >> m_nReserved2;
    CheckLoadedRange(m_nBrushType, 0, QY_MAX_BRUSH_TYPE);
    ar >> m_crShadowColor >> m_crShadowPatternColor >> m_nShadowOffsetX >> m_nShadowOffsetY >> m_nShadowBrushType >>
        m_nReserved3 >> m_bShadow;
    CheckLoadedRange(m_nShadowBrushType, 0, QY_MAX_BRUSH_TYPE);
    ar >> m_crBulletColor >> m_nBulletType;
}

// ---------------------------------------------------------------------------
// Units

int CQYCompProperties::PointToLogical(int nPoint, CDC* pDC, BOOL bY)
{
    return QYPointToLogical(nPoint, pDC, bY);
}

int CQYCompProperties::LogicalToPoint(int nLogical, CDC* pDC, BOOL bY)
{
    return QYLogicalToPoint(nLogical, pDC, bY);
}

// ---------------------------------------------------------------------------
// Cached drawing objects

CBitmap* CQYCompProperties::GetPatternBitmap(int nIndex)
{
    WORD bits[8];
    if (!QYGetFillPatternBits(nIndex, bits))
        return nullptr;
    if (!m_pPatternBitmaps)
        m_pPatternBitmaps = std::make_unique<std::array<std::unique_ptr<CBitmap>, 33>>();
    std::unique_ptr<CBitmap>& pBitmap = (*m_pPatternBitmaps)[static_cast<size_t>(nIndex)];
    if (!pBitmap) {
        pBitmap = std::make_unique<CBitmap>();
        pBitmap->CreateBitmap(8, 8, 1, 1, bits);
    }
    return pBitmap.get();
}

CBrush* CQYCompProperties::MakeBrush(int nBrushType, COLORREF crBack, COLORREF crPattern)
{
    auto pBrush = std::make_unique<CBrush>();
    if (nBrushType == 0) {
        LOGBRUSH logBrush = {BS_NULL, 0, 0};
        pBrush->CreateBrushIndirect(&logBrush);
    } else if (nBrushType == 1) {
        pBrush->CreateSolidBrush(crBack);
    } else if (nBrushType == 2) {
        pBrush->CreateSolidBrush(crPattern);
    } else if (nBrushType >= QY_FIRST_PATTERN_BRUSH && nBrushType < kFirstHatchBrush) {
        pBrush->CreatePatternBrush(GetPatternBitmap(nBrushType - QY_FIRST_PATTERN_BRUSH));
    } else if (nBrushType >= kFirstHatchBrush && nBrushType < kFirstGradientBrush) {
        pBrush->CreateHatchBrush(nBrushType - kFirstHatchBrush, crPattern);
    } else {
        // Gradient and bitmap kinds are painted by the fill operations.
        pBrush->CreateStockObject(NULL_BRUSH);
    }
    return pBrush.release();
}

CBrush* CQYCompProperties::GetBrush(CDC*)
{
    if (!m_pBrush)
        m_pBrush.reset(MakeBrush(m_nBrushType, m_crBkColor, m_crPatternColor));
    return m_pBrush.get();
}

CBrush* CQYCompProperties::GetShadowBrush(CDC*)
{
    if (!m_pShadowBrush)
        m_pShadowBrush.reset(MakeBrush(m_nShadowBrushType, m_crShadowColor, m_crShadowPatternColor));
    return m_pShadowBrush.get();
}

CPen* CQYCompProperties::GetPen(CDC*)
{
    if (!m_pPen) {
        const int nWidth = m_nLineWidth == -1 ? 1 : m_nLineWidth;
        auto pPen = std::make_unique<CPen>();
        if (m_bNullPen) {
            pPen->CreatePen(PS_NULL, nWidth, m_crLineColor);
        } else {
            LOGBRUSH logBrush = {BS_SOLID, m_crLineColor, 0};
            pPen->CreatePen(m_nPenStyle | PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, nWidth, &logBrush);
        }
        m_pPen = std::move(pPen);
    }
    return m_pPen.get();
}

CFont* CQYCompProperties::GetFont(CDC* pDC)
{
    if (!m_pFont) {
        LOGFONT logFont = QYMakeLogFont(m_nFontHeight, m_nPointSize, pDC, m_nWeight, m_bItalic, m_bUnderline,
                                        m_bStrikeOut, m_strFaceName);
        auto pFont = std::make_unique<CFont>();
        pFont->CreateFontIndirect(&logFont);
        m_pFont = std::move(pFont);
    }
    return m_pFont.get();
}

void CQYCompProperties::ReleaseBrush() { m_pBrush.reset(); }
void CQYCompProperties::ReleaseShadowBrush() { m_pShadowBrush.reset(); }
void CQYCompProperties::ReleasePen() { m_pPen.reset(); }
void CQYCompProperties::ReleaseFont() { m_pFont.reset(); }

// ---------------------------------------------------------------------------
// Setters

void CQYCompProperties::SetBkColor(COLORREF crColor)
{
    ReleaseBrush();
    m_crBkColor = crColor;
}

void CQYCompProperties::SetBrushType(int nBrushType)
{
    ReleaseBrush();
    if (nBrushType >= 0 && nBrushType <= QY_MAX_BRUSH_TYPE)
        m_nBrushType = nBrushType;
}

void CQYCompProperties::SetShadowBrushType(int nBrushType)
{
    ReleaseShadowBrush();
    if (nBrushType >= 0 && nBrushType <= QY_MAX_BRUSH_TYPE)
        m_nShadowBrushType = nBrushType;
}

void CQYCompProperties::SetFaceName(LPCTSTR lpszFaceName)
{
    ReleaseFont();
    if (lpszFaceName != nullptr)
        m_strFaceName = lpszFaceName;
}

void CQYCompProperties::SetPointSize(int nSize, CDC* pDC)
{
    ReleaseFont();
    if (nSize < 2)
        return;
    m_nPointSize = nSize;
    m_nFontHeight = PointToLogical(nSize, pDC, TRUE);
}

void CQYCompProperties::SetFontHeight(int nHeight, CDC* pDC)
{
    ReleaseFont();
    m_nFontHeight = nHeight;
    m_nPointSize = LogicalToPoint(nHeight, pDC, TRUE);
}

void CQYCompProperties::SetFontColor(COLORREF crColor)
{
    ReleaseFont();
    m_crFontColor = crColor;
}

void CQYCompProperties::SetWeight(int nWeight)
{
    ReleaseFont();
    if (nWeight >= 0 && nWeight <= 1000)
        m_nWeight = nWeight;
}

void CQYCompProperties::SetLineWidth(int nWidth)
{
    ReleasePen();
    m_nLineWidth = nWidth;
}

void CQYCompProperties::SetLineColor(COLORREF crColor)
{
    ReleasePen();
    m_crLineColor = crColor;
}

void CQYCompProperties::SetPenStyle(int nPenStyle)
{
    ReleasePen();
    if (nPenStyle >= 0 && nPenStyle <= QY_MAX_PEN_STYLE)
        m_nPenStyle = nPenStyle;
}

void CQYCompProperties::SetNullPen(BOOL bNullPen)
{
    ReleasePen();
    m_bNullPen = bNullPen;
}
