#include "library/shapes/QYBaseEndObject.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYRounding.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CQYBaseEndObject, CObject, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYBaseEndObject)

namespace {

// The pen's geometric style bits: miter joins and flat ends.
constexpr int kGeometricPenBits = PS_GEOMETRIC | PS_JOIN_MITER | PS_ENDCAP_FLAT;

} // namespace

CQYBaseEndObject::CQYBaseEndObject() = default;

CQYBaseEndObject::CQYBaseEndObject(const CQYBaseEndObject& src)
    : CObject(), m_nArrowLength(src.m_nArrowLength), m_nArrowWidth(src.m_nArrowWidth), m_nPenWidth(src.m_nPenWidth),
      m_crPenColor(src.m_crPenColor), m_bNullPen(src.m_bNullPen), m_nPenStyle(src.m_nPenStyle),
      m_crFillColor(src.m_crFillColor), m_bTransparent(src.m_bTransparent), m_nBrushType(src.m_nBrushType),
      m_nHatchStyle(src.m_nHatchStyle), m_crHatchColor(src.m_crHatchColor)
{
}

CQYBaseEndObject::~CQYBaseEndObject()
{
    ReleasePen();
    ReleaseBrush();
    delete[] m_lpCompPoints;
}

CQYBaseEndObject* CQYBaseEndObject::Copy() const
{
    return new CQYBaseEndObject(*this);
}

int CQYBaseEndObject::MoreNear(float f)
{
    return ::MoreNear(f);
}

// ---------------------------------------------------------------------------
// Archive record

void CQYBaseEndObject::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nArrowLength << m_nArrowWidth;
        ar << static_cast<POINT>(m_ptLineStart) << static_cast<POINT>(m_ptLineEnd);
        ar << static_cast<UINT>(m_crFillColor) << m_bTransparent << m_nPenWidth << static_cast<UINT>(m_crPenColor);
        ar << m_bNullPen << m_nPenStyle << m_nBrushType << m_nHatchStyle << static_cast<UINT>(m_crHatchColor);
        ar << m_nCompPtCount;
        for (int i = 0; i < m_nCompPtCount; ++i)
            ar << m_lpCompPoints[i].x << m_lpCompPoints[i].y;
        return;
    }

    // Everything is read before anything is replaced.
    int nLength = 0, nWidth = 0, nPenWidth = 0, nPenStyle = 0, nBrushType = 0, nHatchStyle = 0, nCount = 0;
    BOOL bTransparent = FALSE, bNullPen = FALSE;
    UINT crFill = 0, crPen = 0, crHatch = 0;
    POINT ptStart{}, ptEnd{};
    ar >> nLength >> nWidth >> ptStart >> ptEnd;
    ar >> crFill >> bTransparent >> nPenWidth >> crPen;
    ar >> bNullPen >> nPenStyle >> nBrushType >> nHatchStyle >> crHatch;
    ar >> nCount;
    if (nCount > QY_MAX_LINE_END_POINTS)
        AfxThrowArchiveException(CArchiveException::generic);
    std::vector<POINT> points(static_cast<size_t>(std::max(nCount, 0)));
    for (POINT& point : points)
        ar >> point.x >> point.y;

    m_nArrowLength = nLength;
    m_nArrowWidth = nWidth;
    m_ptLineStart = ptStart;
    m_ptLineEnd = ptEnd;
    m_crFillColor = crFill;
    m_bTransparent = bTransparent;
    m_nPenWidth = nPenWidth;
    m_crPenColor = crPen;
    m_bNullPen = bNullPen;
    m_nPenStyle = nPenStyle;
    m_nBrushType = nBrushType;
    m_nHatchStyle = nHatchStyle;
    m_crHatchColor = crHatch;
    ReleasePen();
    ReleaseBrush();
    SetPoints(points.data(), static_cast<int>(points.size()));
}

// ---------------------------------------------------------------------------
// Points

void CQYBaseEndObject::AllocMemory(int nCount)
{
    // Heads are rebuilt at every draw: an array of the right size is kept.
    if (nCount > 0 && nCount == m_nCompPtCount && m_lpCompPoints != nullptr)
        return;
    delete[] m_lpCompPoints;
    m_lpCompPoints = nullptr;
    m_nCompPtCount = std::max(nCount, 0);
    if (m_nCompPtCount > 0)
        m_lpCompPoints = new POINT[static_cast<size_t>(m_nCompPtCount)]();
}

void CQYBaseEndObject::GetPolyPoints(CArray<CPoint, CPoint>* pArray)
{
    pArray->SetSize(m_nCompPtCount);
    for (int i = 0; i < m_nCompPtCount; ++i)
        (*pArray)[i] = m_lpCompPoints[i];
}

LPPOINT CQYBaseEndObject::GetPoints()
{
    return m_lpCompPoints;
}

void CQYBaseEndObject::SetPolyPoints(CArray<CPoint, CPoint>* pArray)
{
    SetPoints(pArray->GetData(), static_cast<int>(pArray->GetSize()));
}

void CQYBaseEndObject::SetPoints(LPPOINT lpPoints, int nCount)
{
    // The source may be this object's own array.
    std::vector<POINT> source;
    if (lpPoints != nullptr && nCount > 0)
        source.assign(lpPoints, lpPoints + nCount);
    AllocMemory(nCount);
    if (!source.empty())
        std::memcpy(m_lpCompPoints, source.data(), sizeof(POINT) * source.size());
}

void CQYBaseEndObject::SetLinePoints(const CPoint& ptStart, const CPoint& ptEnd)
{
    m_ptLineStart = ptStart;
    m_ptLineEnd = ptEnd;
    BuildLineEnd();
}

void CQYBaseEndObject::SetLinePoints(int x1, int y1, int x2, int y2)
{
    m_ptLineStart = CPoint(x1, y1);
    m_ptLineEnd = CPoint(x2, y2);
    BuildLineEnd();
}

void CQYBaseEndObject::GetLinePoints(CPoint& ptStart, CPoint& ptEnd)
{
    ptStart = m_ptLineStart;
    ptEnd = m_ptLineEnd;
}

void CQYBaseEndObject::BuildLineEnd() {}

void CQYBaseEndObject::GeometryUpdated(CQYArea* pRgn)
{
    BuildLineEnd();
    if (m_lpCompPoints != nullptr && m_nCompPtCount > 0 && pRgn != nullptr)
        pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
}

void CQYBaseEndObject::OnCustomProperties() {}

// ---------------------------------------------------------------------------
// Head geometry

CQYBaseEndObject::Direction CQYBaseEndObject::GetDirection() const
{
    const double theta = std::atan2(double(m_ptLineStart.y) - m_ptLineEnd.y, double(m_ptLineStart.x) - m_ptLineEnd.x);
    return Direction{std::cos(theta), std::sin(theta)};
}

POINT CQYBaseEndObject::HeadPoint(const Direction& d, double k, double m) const
{
    return BarbWing(d, m_ptLineStart, k, m);
}

POINT CQYBaseEndObject::BarbNotch(const Direction& d) const
{
    return POINT{MoreNear(static_cast<float>(m_ptLineStart.x - m_nArrowLength * d.c)),
                 MoreNear(static_cast<float>(m_ptLineStart.y - m_nArrowLength * d.s))};
}

POINT CQYBaseEndObject::BarbWing(const Direction& d, POINT origin, double k, double m) const
{
    // The offset in double precision, truncated; the integer sum rounded
    // through single precision.
    const double dx = -(m_nArrowLength * d.c) * k - (m_nArrowWidth * d.s) * m;
    const double dy = -(m_nArrowLength * d.s) * k + (m_nArrowWidth * d.c) * m;
    const long long x = static_cast<long long>(origin.x) + QYTruncate(dx);
    const long long y = static_cast<long long>(origin.y) + QYTruncate(dy);
    return POINT{MoreNear(static_cast<float>(x)), MoreNear(static_cast<float>(y))};
}

int CQYBaseEndObject::HalfLength() const
{
    return QYTruncate(m_nArrowLength * 0.5);
}

// ---------------------------------------------------------------------------
// Drawing

CBrush* CQYBaseEndObject::GetBrush(CDC*)
{
    if (m_pBrush != nullptr || m_nBrushType == 3)
        return m_pBrush;
    auto* pBrush = new CBrush;
    if (m_nBrushType == 1) {
        LOGBRUSH logBrush = {BS_NULL, m_crFillColor, static_cast<ULONG_PTR>(m_nHatchStyle)};
        pBrush->CreateBrushIndirect(&logBrush);
    } else if (m_nBrushType == 2) {
        pBrush->CreateHatchBrush(m_nHatchStyle, m_crHatchColor);
    } else {
        pBrush->CreateSolidBrush(m_crFillColor);
    }
    m_pBrush = pBrush;
    return m_pBrush;
}

CPen* CQYBaseEndObject::GetPen(CDC*)
{
    if (m_pPen != nullptr)
        return m_pPen;
    auto* pPen = new CPen;
    const int nWidth = m_nPenWidth == -1 ? 1 : m_nPenWidth;
    if (m_bNullPen) {
        pPen->CreatePen(PS_NULL, nWidth, m_crPenColor);
    } else {
        LOGBRUSH logBrush = {BS_SOLID, m_crPenColor, 0};
        pPen->CreatePen(m_nPenStyle | kGeometricPenBits, nWidth, &logBrush);
    }
    m_pPen = pPen;
    return m_pPen;
}

void CQYBaseEndObject::ReleaseBrush()
{
    delete m_pBrush;
    m_pBrush = nullptr;
}

void CQYBaseEndObject::ReleasePen()
{
    delete m_pPen;
    m_pPen = nullptr;
}

void CQYBaseEndObject::SetPenStyle(int nStyle)
{
    ReleasePen();
    if (nStyle >= PS_SOLID && nStyle <= PS_DASHDOTDOT)
        m_nPenStyle = nStyle;
}

void CQYBaseEndObject::SetPenWidth(int nWidth)
{
    ReleasePen();
    m_nPenWidth = nWidth;
}

void CQYBaseEndObject::SetPenColor(COLORREF crColor)
{
    ReleasePen();
    m_crPenColor = crColor;
}

void CQYBaseEndObject::PrepareDC(CDC* pDC)
{
    pDC->SaveDC();
    if (m_bTransparent)
        pDC->SetBkMode(TRANSPARENT);
    if (CBrush* pBrush = GetBrush(pDC))
        pDC->SelectObject(pBrush);
    pDC->SelectObject(GetPen(pDC));
    pDC->SetBkColor(m_crFillColor);
}

void CQYBaseEndObject::ClearDC(CDC* pDC)
{
    pDC->RestoreDC(-1);
}

void CQYBaseEndObject::OnDraw(CDC* pDC)
{
    PrepareDC(pDC);
    DrawLineEnd(pDC);
    ClearDC(pDC);
}

void CQYBaseEndObject::DrawLineEnd(CDC* pDC)
{
    if (m_lpCompPoints != nullptr && m_nCompPtCount > 0)
        pDC->Polygon(m_lpCompPoints, m_nCompPtCount);
}

void CQYBaseEndObject::Stroke(CDC* pDC, int a, int b)
{
    if (a >= m_nCompPtCount || b >= m_nCompPtCount)
        return;
    pDC->MoveTo(m_lpCompPoints[a]);
    pDC->LineTo(m_lpCompPoints[b]);
}

void CQYBaseEndObject::Outline(CDC* pDC, std::initializer_list<int> indexes, BOOL bClose)
{
    for (int i : indexes) {
        if (i >= m_nCompPtCount)
            return;
    }
    const int first = *indexes.begin();
    pDC->MoveTo(m_lpCompPoints[first]);
    for (auto it = indexes.begin() + 1; it != indexes.end(); ++it)
        pDC->LineTo(m_lpCompPoints[*it]);
    if (bClose)
        pDC->LineTo(m_lpCompPoints[first]);
}

void CQYBaseEndObject::FillFirst(CDC* pDC, int nCount)
{
    if (nCount <= m_nCompPtCount)
        pDC->Polygon(m_lpCompPoints, nCount);
}

void CQYBaseEndObject::Circle(CDC* pDC, int nIndex, int nRadius, BOOL bFill)
{
    if (nIndex >= m_nCompPtCount)
        return;
    const POINT c = m_lpCompPoints[nIndex];
    // A radius read from a document may be anything: the box is held inside
    // the int range.
    auto clamp = [](long long v) { return static_cast<int>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v); };
    const int left = clamp(static_cast<long long>(c.x) - nRadius);
    const int top = clamp(static_cast<long long>(c.y) - nRadius);
    const int right = clamp(static_cast<long long>(c.x) + nRadius);
    const int bottom = clamp(static_cast<long long>(c.y) + nRadius);
    if (bFill) {
        // The disc inside the circle in the brush, without an outline of its
        // own: the circle below is the outline.
        const int nSaved = pDC->SaveDC();
        pDC->SelectStockObject(NULL_PEN);
        pDC->Ellipse(left, top, clamp(right + 1LL), clamp(bottom + 1LL));
        pDC->RestoreDC(nSaved);
    }
    pDC->MoveTo(right, c.y);
    pDC->AngleArc(c.x, c.y, nRadius, 0.0f, 360.0f);
}
