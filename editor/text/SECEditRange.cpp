#include "editor/text/SECEditRange.h"

SECEditRange SECEditRange::Normalized() const
{
    if (m_end < m_start)
        return SECEditRange(m_end, m_start);
    return *this;
}

BOOL SECEditRange::Contains(const SECEditPosition &pos) const
{
    const SECEditRange r = Normalized();
    return r.m_start <= pos && pos <= r.m_end;
}

BOOL SECEditRange::Intersects(const SECEditRange &other) const
{
    return Contains(other.m_start) || Contains(other.m_end) || other.Contains(m_start) || other.Contains(m_end);
}

bool SECEditRange::operator==(const SECEditRange &other) const
{
    const SECEditRange a = Normalized();
    const SECEditRange b = other.Normalized();
    return a.m_start == b.m_start && a.m_end == b.m_end;
}

bool SECEditRange::operator>(const SECEditRange &other) const
{
    return Normalized().m_end > other.Normalized().m_end;
}

BOOL SECEditRange::AdjustForEdit(const SECEditRange &editRange, BOOL bInserted)
{
    const BOOL startMoved = m_start.AdjustForEdit(editRange, bInserted);
    const BOOL endMoved = m_end.AdjustForEdit(editRange, bInserted);
    return startMoved || endMoved;
}
