#include "library/model/QYMPtArea.h"

#include "library/model/QYAreaGeometry.h"
#include "library/model/QYGeometry.h"

#include <algorithm>
#include <climits>

IMPLEMENT_SERIAL(CQYMPtArea, CObject, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYMPtArea)

CQYMPtArea::CQYMPtArea() = default;

CQYMPtArea::CQYMPtArea(const POINT* lpPoints, int nCount)
{
    CopyPoints(lpPoints, nCount);
}

CQYMPtArea::CQYMPtArea(const CQYMPtArea& src) : CObject()
{
    CopyPoints(src.m_lpPoints, src.m_nCount);
}

CQYMPtArea::CQYMPtArea(CQYMPtArea&& src) noexcept
    : CObject(), m_rect(src.m_rect), m_lpPoints(src.m_lpPoints), m_nCount(src.m_nCount)
{
    src.m_lpPoints = nullptr;
    src.m_nCount = 0;
    src.m_rect.SetRectEmpty();
}

CQYMPtArea& CQYMPtArea::operator=(CQYMPtArea&& src) noexcept
{
    if (this != &src) {
        delete[] m_lpPoints;
        m_rect = src.m_rect;
        m_lpPoints = src.m_lpPoints;
        m_nCount = src.m_nCount;
        src.m_lpPoints = nullptr;
        src.m_nCount = 0;
        src.m_rect.SetRectEmpty();
    }
    return *this;
}

CQYMPtArea::~CQYMPtArea()
{
    delete[] m_lpPoints;
}

void CQYMPtArea::Serialize(CArchive&)
{
    // An area is never stored: it is rebuilt from its component's points.
}

CQYMPtArea& CQYMPtArea::operator=(const CQYMPtArea& src)
{
    if (this != &src)
        CopyPoints(src.m_lpPoints, src.m_nCount);
    return *this;
}

void CQYMPtArea::CopyPoints(const POINT* lpPoints, int nCount)
{
    LPPOINT lpCopy = nullptr;
    if (lpPoints != nullptr && nCount > 0) {
        lpCopy = new POINT[nCount];
        std::copy(lpPoints, lpPoints + nCount, lpCopy);
    } else {
        nCount = 0;
    }
    delete[] m_lpPoints;
    m_lpPoints = lpCopy;
    m_nCount = nCount;
    UpdateRect();
}

CPoint CQYMPtArea::GetPointAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return CPoint(0, 0);
    return m_lpPoints[nIndex];
}

void CQYMPtArea::UpdateRect()
{
    m_rect = QYBoundRect(m_lpPoints, m_nCount);
}

BOOL CQYMPtArea::PtInPolygon(int x, int y, int nTolerance) const
{
    if (m_nCount == 0)
        return FALSE;
    if (m_nCount == 2 && nTolerance > 0)
        return PtInSegmentBand(x, y, nTolerance);
    if (x < m_rect.left || x > m_rect.right || y < m_rect.top || y > m_rect.bottom)
        return FALSE;
    return CrossingTest(m_lpPoints, m_nCount, x, y, nTolerance);
}

BOOL CQYMPtArea::PtInSegmentBand(int x, int y, int nTolerance) const
{
    const long long tol = nTolerance;
    if (x < m_rect.left - tol || x > m_rect.right + tol || y < m_rect.top - tol || y > m_rect.bottom + tol)
        return FALSE;

    // Turn the segment horizontal, build the band around it there, and turn
    // the band's corners back.
    const int nAngle = QYSegmentAngle(m_lpPoints[0], m_lpPoints[1]);
    const POINT start = QYRotatePointAboutOrigin(m_lpPoints[0], -nAngle);
    const POINT end = QYRotatePointAboutOrigin(m_lpPoints[1], -nAngle);
    // Corners past the int range are held at its ends.
    const auto shifted = [](LONG y, long long d) {
        return static_cast<LONG>(std::clamp<long long>(y + d, INT_MIN, INT_MAX));
    };
    const POINT flatBand[4] = {
        {start.x, shifted(start.y, -tol)},
        {end.x, shifted(end.y, -tol)},
        {end.x, shifted(end.y, tol)},
        {start.x, shifted(start.y, tol)},
    };
    POINT band[4];
    for (int i = 0; i < 4; ++i)
        band[i] = QYRotatePointAboutOrigin(flatBand[i], nAngle);
    return CrossingTest(band, 4, x, y, nTolerance);
}

BOOL CQYMPtArea::CrossingTest(const POINT* lpPoints, int nCount, int x, int y, int nTolerance) const
{
    // The ray ends well right of the polygon; kept inside the int range.
    const long long rayEnd = static_cast<long long>(m_rect.right) + nTolerance + 50;
    const POINT from = {x, y};
    const POINT to = {static_cast<LONG>(std::min<long long>(rayEnd, 2147483647LL)), y};
    int nCrossings = 0;
    for (int i = 0; i < nCount; ++i) {
        const POINT& a = lpPoints[i];
        const POINT& b = lpPoints[(i + 1) % nCount];
        if (QYSegmentsIntersect(a, b, from, to))
            ++nCrossings;
    }
    return (nCrossings & 1) != 0;
}
