#include "editor/text/SECEditColorRuns.h"

#include "framework/object/Archive.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_SERIAL(SECEditColorRuns, CObject, 1)

SECEditColorRuns::~SECEditColorRuns()
{
    delete[] m_pHeap;
}

void SECEditColorRuns::Grow()
{
    const int capacity = m_nCapacity < 16 ? 16 : m_nCapacity * 2;
    auto *data = new DWORD[static_cast<size_t>(capacity)];
    std::memcpy(data, Data(), static_cast<size_t>(m_nSize) * sizeof(DWORD));
    delete[] m_pHeap;
    m_pHeap = data;
    m_nCapacity = capacity;
}

void SECEditColorRuns::AddRaw(DWORD run)
{
    if (m_nSize == m_nCapacity)
        Grow();
    Data()[m_nSize++] = run;
}

void SECEditColorRuns::Add(int length, WORD group)
{
    while (length > 0xFFFF) {
        AddRaw(SECEditMakeRun(0xFFFF, group));
        length -= 0xFFFF;
    }
    AddRaw(SECEditMakeRun(std::max(length, 0), group));
}

void SECEditColorRuns::FreeExtra()
{
    if (!m_pHeap || m_nCapacity == m_nSize)
        return;
    if (m_nSize <= kInline) {
        std::memcpy(m_inline, m_pHeap, static_cast<size_t>(m_nSize) * sizeof(DWORD));
        delete[] m_pHeap;
        m_pHeap = nullptr;
        m_nCapacity = kInline;
        return;
    }
    auto *data = new DWORD[static_cast<size_t>(m_nSize)];
    std::memcpy(data, m_pHeap, static_cast<size_t>(m_nSize) * sizeof(DWORD));
    delete[] m_pHeap;
    m_pHeap = data;
    m_nCapacity = m_nSize;
}

void SECEditColorRuns::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << m_nSize;
        for (int i = 0; i < m_nSize; ++i)
            ar << static_cast<UINT>(Data()[i]);
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
    return m_nSize == other.m_nSize &&
           std::equal(Data(), Data() + m_nSize, other.Data());
}
