#include "editor/text/SECEditCompositeCommand.h"

#include <algorithm>

SECEditCompositeCommand::~SECEditCompositeCommand()
{
    for (SECEditCommand *record : m_records)
        delete record;
}

BOOL SECEditCompositeCommand::Execute()
{
    for (SECEditCommand *record : m_records)
        if (!record->Execute())
            return FALSE;
    return TRUE;
}

BOOL SECEditCompositeCommand::Unexecute()
{
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it)
        if (!(*it)->Unexecute())
            return FALSE;
    return TRUE;
}

BOOL SECEditCompositeCommand::AllSucceeded()
{
    return std::all_of(m_records.begin(), m_records.end(),
                       [](SECEditCommand *record) { return record->IsEffective() != FALSE; });
}

void SECEditCompositeCommand::ForEach(void *pArgument, SECEditObserver *pObserver)
{
    if (!pObserver)
        return;
    for (SECEditCommand *record : m_records)
        pObserver->OnUpdate(pArgument, record);
}

BOOL SECEditCompositeCommand::Holds(const SECEditCommand *pCommand)
{
    if (pCommand == this)
        return TRUE;
    for (SECEditCommand *record : m_records) {
        if (record == pCommand)
            return TRUE;
        if (record->GetTypeId() == kCompositeCommandId &&
            static_cast<SECEditCompositeCommand *>(record)->Holds(pCommand))
            return TRUE;
    }
    return FALSE;
}

BOOL SECEditCompositeCommand::CanAdd(SECEditCommand *pCommand)
{
    if (!pCommand || Holds(pCommand))
        return FALSE;
    // A composite that holds this one cannot go inside it either.
    if (pCommand->GetTypeId() == kCompositeCommandId && static_cast<SECEditCompositeCommand *>(pCommand)->Holds(this))
        return FALSE;
    return TRUE;
}

BOOL SECEditCompositeCommand::Add(SECEditCommand *pCommand)
{
    if (!CanAdd(pCommand))
        return FALSE;
    m_records.push_back(pCommand);
    return TRUE;
}
