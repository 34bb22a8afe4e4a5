#include "library/model/QYFormProperties.h"

#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/object/Archive.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYFontRecord.h"
#include "library/model/QYFontUnits.h"
#include "library/model/QYPropertyDrawing.h"
#include "library/pickers/QYGlobalData.h"

#include <algorithm>

IMPLEMENT_SERIAL(CQYFormProperties, CQYBaseProperties, 1)

namespace {

// Drawing and snapping advance by the grid steps: they are at least 1.
int ValidGridStep(int nStep)
{
    return std::max(nStep, 1);
}

QYFontFields FontFieldsOf(CQYFormProperties& props)
{
    return {props.m_strFaceName, props.m_nPointSize, props.m_crFontColor, props.m_nFontHeight,
            props.m_nWeight,     props.m_bItalic,    props.m_bUnderline,  props.m_bStrikeOut};
}

} // namespace

CQYFormProperties::CQYFormProperties(int nCurID)
    : CQYBaseProperties(nCurID), m_strFaceName("Times New Roman"), m_crFontColor(qyGlobalData.m_clrInactiveCaptionText),
      m_crPageBkColor(qyGlobalData.m_clrDesktop)
{
    m_nFontHeight = PointToLogical(10, nullptr, TRUE);
}

CQYFormProperties::CQYFormProperties(const CQYFormProperties& src) : CQYBaseProperties(src.m_nPropId)
{
    CopyValuesFrom(src);
}

CQYFormProperties::~CQYFormProperties() = default;

CQYBaseProperties* CQYFormProperties::Copy()
{
    return new CQYFormProperties(*this);
}

void CQYFormProperties::CopyValuesFrom(const CQYFormProperties& src)
{
    m_nPropId = src.m_nPropId;
    m_strObjectName = src.m_strObjectName;
    m_strObjectCaption = src.m_strObjectCaption;
    m_nType = src.m_nType;
    m_bDesignMode = src.m_bDesignMode;
    m_nReserved = src.m_nReserved;
    m_crBkColor = src.m_crBkColor;
    m_strFaceName = src.m_strFaceName;
    m_nPointSize = src.m_nPointSize;
    m_nFontHeight = src.m_nFontHeight;
    m_crFontColor = src.m_crFontColor;
    m_nWeight = src.m_nWeight;
    m_bItalic = src.m_bItalic;
    m_bUnderline = src.m_bUnderline;
    m_bStrikeOut = src.m_bStrikeOut;
    m_nGridXStep = src.m_nGridXStep;
    m_nGridYStep = src.m_nGridYStep;
    m_crGridColor = src.m_crGridColor;
    m_nMarginLeft = src.m_nMarginLeft;
    m_nMarginTop = src.m_nMarginTop;
    m_nMarginRight = src.m_nMarginRight;
    m_nMarginBottom = src.m_nMarginBottom;
    m_bShowGrid = src.m_bShowGrid;
    m_bCloseButton = src.m_bCloseButton;
    m_bMinimizeButton = src.m_bMinimizeButton;
    m_bMaximizeButton = src.m_bMaximizeButton;
    m_bHelpButton = src.m_bHelpButton;
    m_bShowIcon = src.m_bShowIcon;
    m_bShowTitleBar = src.m_bShowTitleBar;
    m_b3DBorder = src.m_b3DBorder;
    m_bShowMargins = src.m_bShowMargins;
    m_crPageBkColor = src.m_crPageBkColor;
    m_nBrushType = src.m_nBrushType;
    m_crPatternColor = src.m_crPatternColor;
}

// ---------------------------------------------------------------------------
// Archive record

void CQYFormProperties::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CQYBaseProperties::Serialize(ar);
        StoreRecord(ar);
        return;
    }
    CQYFormProperties loaded(m_nPropId);
    loaded.CQYBaseProperties::Serialize(ar);
    loaded.LoadRecord(ar);
    CopyValuesFrom(loaded);
    ReleaseBrush();
    ReleaseFont();
}

void CQYFormProperties::StoreRecord(CArchive& ar)
{
    ar << m_strObjectName << m_strObjectCaption;
    ar << m_nType << m_bDesignMode << m_nReserved << m_crBkColor << m_crPageBkColor;
    QYStoreFontFields(ar, FontFieldsOf(*this));
    ar << m_nGridXStep << m_nGridYStep << m_crGridColor;
    ar << m_nMarginLeft << m_nMarginTop << m_nMarginRight << m_nMarginBottom;
    ar << m_bShowGrid << m_bShowMargins;
    ar << m_bCloseButton << m_bMinimizeButton << m_bMaximizeButton << m_bHelpButton;
    ar << m_bShowIcon << m_bShowTitleBar << m_b3DBorder;
    ar << m_nBrushType << m_crPatternColor;
}

void CQYFormProperties::LoadRecord(CArchive& ar)
{
    ar >> m_strObjectName >> m_strObjectCaption;
    ar >> m_nType >> m_bDesignMode >> m_nReserved >> m_crBkColor >> m_crPageBkColor;
    QYLoadFontFields(ar, FontFieldsOf(*this));
    ar >> m_nGridXStep >> m_nGridYStep >> m_crGridColor;
    m_nGridXStep = ValidGridStep(m_nGridXStep);
    m_nGridYStep = ValidGridStep(m_nGridYStep);
    ar >> m_nMarginLeft >> m_nMarginTop >> m_nMarginRight >> m_nMarginBottom;
    ar >> m_bShowGrid >> m_bShowMargins;
    ar >> m_bCloseButton >> m_bMinimizeButton >> m_bMaximizeButton >> m_bHelpButton;
    ar >> m_bShowIcon >> m_bShowTitleBar >> m_b3DBorder;
    ar >> m_nBrushType >> m_crPatternColor;
    QYCheckLoadedRange(m_nBrushType, 0, QY_MAX_BRUSH_TYPE);
}

// ---------------------------------------------------------------------------
// Units

int CQYFormProperties::PointToLogical(int nPoint, CDC* pDC, BOOL bY)
{
    return QYPointToLogical(nPoint, pDC, bY);
}

int CQYFormProperties::LogicalToPoint(int nLogical, CDC* pDC, BOOL bY)
{
    return QYLogicalToPoint(nLogical, pDC, bY);
}

// ---------------------------------------------------------------------------
// Cached drawing objects

CBitmap* CQYFormProperties::GetPatternBitmap(int nIndex)
{
    return m_patternBitmaps.Get(nIndex);
}

CBrush* CQYFormProperties::GetBrush(CDC*)
{
    // A null brush records the form's background colour.
    if (!m_pBrush)
        m_pBrush = QYMakeFillBrush(m_nBrushType, m_crBkColor, m_crPatternColor, m_crBkColor, m_patternBitmaps);
    return m_pBrush.get();
}

CFont* CQYFormProperties::GetFont(CDC* pDC)
{
    if (!m_pFont)
        m_pFont = QYMakeFont(FontFieldsOf(*this), pDC);
    return m_pFont.get();
}

void CQYFormProperties::ReleaseBrush()
{
    m_pBrush.reset();
}
void CQYFormProperties::ReleaseFont()
{
    m_pFont.reset();
}

// ---------------------------------------------------------------------------
// Setters

void CQYFormProperties::SetFaceName(LPCTSTR lpszFaceName)
{
    ReleaseFont();
    QYSetFaceName(FontFieldsOf(*this), lpszFaceName);
}

void CQYFormProperties::SetPointSize(int nPoints, CDC* pDC)
{
    ReleaseFont();
    QYSetPointSize(FontFieldsOf(*this), nPoints, [this, pDC](int n) { return PointToLogical(n, pDC, TRUE); });
}

void CQYFormProperties::SetFontHeight(int nHeight, CDC* pDC)
{
    ReleaseFont();
    QYSetFontHeight(FontFieldsOf(*this), nHeight,
                    [this, pDC](int nLogical) { return LogicalToPoint(nLogical, pDC, TRUE); });
}

void CQYFormProperties::SetFontColor(COLORREF crColor)
{
    ReleaseFont();
    m_crFontColor = crColor;
}

void CQYFormProperties::SetWeight(int nWeight)
{
    ReleaseFont();
    QYSetWeight(FontFieldsOf(*this), nWeight);
}

void CQYFormProperties::SetItalic(BOOL bItalic)
{
    ReleaseFont();
    m_bItalic = bItalic;
}

void CQYFormProperties::SetUnderline(BOOL bUnderline)
{
    ReleaseFont();
    m_bUnderline = bUnderline;
}

void CQYFormProperties::SetStrikeOut(BOOL bStrikeOut)
{
    ReleaseFont();
    m_bStrikeOut = bStrikeOut;
}

void CQYFormProperties::SetBkColor(COLORREF crColor)
{
    ReleaseBrush();
    m_crBkColor = crColor;
}

void CQYFormProperties::SetPatternColor(COLORREF crColor)
{
    ReleaseBrush();
    m_crPatternColor = crColor;
}

void CQYFormProperties::SetBrushType(int nBrushType)
{
    ReleaseBrush();
    if (QYIsValidBrushType(nBrushType))
        m_nBrushType = nBrushType;
}

void CQYFormProperties::SetGridXStep(int nStep)
{
    m_nGridXStep = ValidGridStep(nStep);
}

void CQYFormProperties::SetGridYStep(int nStep)
{
    m_nGridYStep = ValidGridStep(nStep);
}
