#include "library/shapes/QYLineEndOwner.h"

#include "framework/object/Archive.h"

void QYLineEndSlots::SetStart(CQYBaseEndObject* pNew)
{
    if (pNew == pStart)
        return;
    delete pStart;
    pStart = pNew;
    if (pNew == nullptr)
        nStartType = 0;
}

void QYLineEndSlots::SetEnd(CQYBaseEndObject* pNew)
{
    if (pNew == pEnd)
        return;
    delete pEnd;
    pEnd = pNew;
    if (pNew == nullptr)
        nEndType = 0;
}

void QYLineEndSlots::RemoveStart()
{
    if (pStart != nullptr)
        SetStart(nullptr);
}

void QYLineEndSlots::RemoveEnd()
{
    if (pEnd != nullptr)
        SetEnd(nullptr);
}

void QYLineEndSlots::CreateStart(int nType)
{
    RemoveStart();
    QYReplaceLineEnd(&pStart, &nStartType, nType);
}

void QYLineEndSlots::CreateEnd(int nType)
{
    RemoveEnd();
    QYReplaceLineEnd(&pEnd, &nEndType, nType);
}

void QYLineEndSlots::Store(CArchive& ar) const
{
    ar << nStartType << nEndType;
    ar.WriteObject(pStart);
    ar.WriteObject(pEnd);
}

void QYLineEndSlots::Load(CArchive& ar)
{
    int nNewStartType = 0;
    int nNewEndType = 0;
    ar >> nNewStartType >> nNewEndType;
    CQYBaseEndObject* pNewStart = QYReadOwnedLineEnd(ar);
    CQYBaseEndObject* pNewEnd = nullptr;
    try {
        pNewEnd = QYReadOwnedLineEnd(ar);
    } catch (...) {
        ar.DeleteLoadedObject(pNewStart);
        throw;
    }
    DeleteBoth();
    pStart = pNewStart;
    pEnd = pNewEnd;
    nStartType = nNewStartType;
    nEndType = nNewEndType;
}

void QYLineEndSlots::CopyFrom(const CQYBaseEndObject* pSrcStart, const CQYBaseEndObject* pSrcEnd)
{
    DeleteBoth();
    pStart = pSrcStart != nullptr ? pSrcStart->Copy() : nullptr;
    pEnd = pSrcEnd != nullptr ? pSrcEnd->Copy() : nullptr;
}

void QYLineEndSlots::DeleteBoth()
{
    delete pStart;
    delete pEnd;
    pStart = nullptr;
    pEnd = nullptr;
}
