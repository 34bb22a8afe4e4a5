#include "editor/text/SECEditColorRuns.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

SECEditColorRuns::~SECEditColorRuns()
{
    if (m_pData != Own())
        delete[] m_pData;
}

void SECEditColorRuns::Grow()
{
    const int capacity = std::max(16, m_nCapacity * 2);
    auto *data = new DWORD[static_cast<size_t>(capacity)];
    std::memcpy(data, m_pData, static_cast<size_t>(m_nSize) * sizeof(DWORD));
    if (m_pData != Own())
        delete[] m_pData;
    m_pData = data;
    m_nCapacity = capacity;
}

void SECEditColorRuns::AddRaw(DWORD run)
{
    if (m_nSize == m_nCapacity)
        Grow();
    m_pData[m_nSize++] = run;
}

void SECEditColorRuns::Add(int length, WORD group)
{
    while (length > 0xFFFF) {
        AddRaw(SECEditMakeRun(0xFFFF, group));
        length -= 0xFFFF;
    }
    AddRaw(SECEditMakeRun(std::max(length, 0), group));
}

void SECEditColorRuns::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << m_nSize;
        for (int i = 0; i < m_nSize; ++i)
            ar << static_cast<UINT>(m_pData[i]);
        return;
    }
    int count = 0;
    ar >> count;
    if (count < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    RemoveAll();
    for (int i = 0; i < count; ++i) {
        UINT run = 0;
        ar >> run;
        AddRaw(run);
    }
}

bool SECEditColorRuns::operator==(const SECEditColorRuns &other) const
{
    return m_nSize == other.m_nSize && std::equal(m_pData, m_pData + m_nSize, other.m_pData);
}
