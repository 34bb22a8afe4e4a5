#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawingChanges.h"

#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/Pen.h"
#include "framework/object/Archive.h"
#include "library/model/QYFontRecord.h"
#include "library/model/QYFontUnits.h"
#include "library/model/QYPropertyDrawing.h"
#include "library/pickers/QYGlobalData.h"

IMPLEMENT_SERIAL(CQYCompProperties, CQYBaseProperties, 1)

namespace {

QYFontFields FontFieldsOf(CQYCompProperties& props)
{
    return {props.m_strFaceName, props.m_nPointSize, props.m_crFontColor, props.m_nFontHeight,
            props.m_nWeight,     props.m_bItalic,    props.m_bUnderline,  props.m_bStrikeOut};
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
    QYNoteDrawingChange();
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
    QYCheckLoadedRange(m_nTextHorzAlign, 0, 2);
    QYCheckLoadedRange(m_nTextVertAlign, 0, 2);
    ar >> m_strObjectName >> m_strObjectCaption;
    ar >> m_nType >> m_bVisible >> m_bFlag1 >> m_nTabOrder >> m_bFlat >> m_bMainObj >> m_nReserved1 >> m_bLock >>
        m_bFlag2;
    ar >> m_crBkColor >> m_bTransparent >> m_crPatternColor;
    QYLoadFontFields(ar, FontFieldsOf(*this));
    ar >> m_nLineWidth >> m_crLineColor >> m_bNullPen >> m_nPenStyle;
    QYCheckLoadedRange(m_nPenStyle, 0, QY_MAX_PEN_STYLE);
    ar >> m_nBrushType >> m_nReserved2;
    QYCheckLoadedRange(m_nBrushType, 0, QY_MAX_BRUSH_TYPE);
    ar >> m_crShadowColor >> m_crShadowPatternColor >> m_nShadowOffsetX >> m_nShadowOffsetY >> m_nShadowBrushType >>
        m_nReserved3 >> m_bShadow;
    QYCheckLoadedRange(m_nShadowBrushType, 0, QY_MAX_BRUSH_TYPE);
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
    return m_patternBitmaps.Get(nIndex);
}

CBrush* CQYCompProperties::GetBrush(CDC*)
{
    if (!m_pBrush)
        m_pBrush = QYMakeFillBrush(m_nBrushType, m_crBkColor, m_crPatternColor, 0, m_patternBitmaps);
    return m_pBrush.get();
}

CBrush* CQYCompProperties::GetShadowBrush(CDC*)
{
    if (!m_pShadowBrush)
        m_pShadowBrush =
            QYMakeFillBrush(m_nShadowBrushType, m_crShadowColor, m_crShadowPatternColor, 0, m_patternBitmaps);
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
    if (!m_pFont)
        m_pFont = QYMakeFont(FontFieldsOf(*this), pDC);
    return m_pFont.get();
}

void CQYCompProperties::SetObjectCaption(LPCTSTR lpszCaption)
{
    QYNoteDrawingChange();
    m_strObjectCaption = lpszCaption;
}

void CQYCompProperties::ReleaseBrush()
{
    QYNoteDrawingChange();
    m_pBrush.reset();
}
void CQYCompProperties::ReleaseShadowBrush()
{
    QYNoteDrawingChange();
    m_pShadowBrush.reset();
}
void CQYCompProperties::ReleasePen()
{
    QYNoteDrawingChange();
    m_pPen.reset();
}
void CQYCompProperties::ReleaseFont()
{
    QYNoteDrawingChange();
    m_pFont.reset();
}

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
    if (QYIsValidBrushType(nBrushType))
        m_nBrushType = nBrushType;
}

void CQYCompProperties::SetShadowBrushType(int nBrushType)
{
    ReleaseShadowBrush();
    if (QYIsValidBrushType(nBrushType))
        m_nShadowBrushType = nBrushType;
}

void CQYCompProperties::SetFaceName(LPCTSTR lpszFaceName)
{
    ReleaseFont();
    QYSetFaceName(FontFieldsOf(*this), lpszFaceName);
}

void CQYCompProperties::SetPointSize(int nSize, CDC* pDC)
{
    ReleaseFont();
    QYSetPointSize(FontFieldsOf(*this), nSize, [this, pDC](int nPoints) { return PointToLogical(nPoints, pDC, TRUE); });
}

void CQYCompProperties::SetFontHeight(int nHeight, CDC* pDC)
{
    ReleaseFont();
    QYSetFontHeight(FontFieldsOf(*this), nHeight,
                    [this, pDC](int nLogical) { return LogicalToPoint(nLogical, pDC, TRUE); });
}

void CQYCompProperties::SetFontColor(COLORREF crColor)
{
    ReleaseFont();
    m_crFontColor = crColor;
}

void CQYCompProperties::SetWeight(int nWeight)
{
    ReleaseFont();
    QYSetWeight(FontFieldsOf(*this), nWeight);
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
