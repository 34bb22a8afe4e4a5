#include "editor/text/SECEditCommandHistory.h"

SECEditCommandRing::SECEditCommandRing(int nCapacity) : m_slots(static_cast<size_t>(nCapacity), nullptr) {}

SECEditCommand *SECEditCommandRing::Push(SECEditCommand *pCommand)
{
    m_nTop = (m_nTop + 1) % GetCapacity();
    SECEditCommand *displaced = m_slots[static_cast<size_t>(m_nTop)];
    m_slots[static_cast<size_t>(m_nTop)] = pCommand;
    if (m_nCount < GetCapacity())
        ++m_nCount;
    return displaced;
}

SECEditCommand *SECEditCommandRing::Top() const
{
    if (m_nCount == 0 || m_nTop < 0 || m_nTop >= GetCapacity())
        return nullptr;
    return m_slots[static_cast<size_t>(m_nTop)];
}

SECEditCommand *SECEditCommandRing::Pop()
{
    if (m_nCount == 0)
        return nullptr;
    SECEditCommand *top = m_slots[static_cast<size_t>(m_nTop)];
    m_slots[static_cast<size_t>(m_nTop)] = nullptr;
    m_nTop = m_nTop == 0 ? GetCapacity() - 1 : m_nTop - 1;
    --m_nCount;
    return top;
}

SECEditCommandHistory::SECEditCommandHistory() : m_undo(kCapacity), m_redo(kCapacity) {}

SECEditCommandHistory::~SECEditCommandHistory()
{
    ClearHistory();
}

void SECEditCommandHistory::DeleteAll(SECEditCommandRing &ring)
{
    while (ring.GetCount() > 0)
        delete ring.Pop();
}

BOOL SECEditCommandHistory::AddToHistory(SECEditCommand *pCommand)
{
    delete m_undo.Push(pCommand);
    DeleteAll(m_redo);
    return TRUE;
}

SECEditCommand *SECEditCommandHistory::Undo()
{
    while (SECEditCommand *record = m_undo.Pop()) {
        const BOOL effective = record->IsEffective();
        if (effective)
            record->Unexecute();
        delete m_redo.Push(record);
        if (effective)
            return record;
    }
    return nullptr;
}

SECEditCommand *SECEditCommandHistory::Redo()
{
    while (SECEditCommand *record = m_redo.Pop()) {
        const BOOL effective = record->IsEffective();
        if (effective)
            record->Execute();
        delete m_undo.Push(record);
        if (effective)
            return record;
    }
    return nullptr;
}

void SECEditCommandHistory::ClearHistory()
{
    DeleteAll(m_undo);
    DeleteAll(m_redo);
}

BOOL SECEditCommandHistory::ExecuteCommand(SECEditCommand *pCommand)
{
    if (!pCommand || !pCommand->Execute())
        return FALSE;
    return AddToHistory(pCommand);
}

ULONGLONG SECEditCommandHistory::GetUndoTopSerial() const
{
    const SECEditCommand *top = m_undo.Top();
    return top ? top->GetSerial() : 0;
}
