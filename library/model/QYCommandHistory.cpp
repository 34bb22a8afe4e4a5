#include "library/model/QYCommandHistory.h"

#include "library/model/QYBaseCommandMacro.h"

#include <algorithm>
#include <memory>

CQYCommandHistory::CQYCommandHistory() : m_arrCommands(QY_HISTORY_LEVELS, nullptr) {}

CQYCommandHistory::~CQYCommandHistory()
{
    CQYCommandHistory::DeleteAll();
}

int CQYCommandHistory::NextIndex(int nIndex)
{
    return (nIndex + 1) % GetLevels();
}

int CQYCommandHistory::PrevIndex(int nIndex)
{
    return (GetLevels() + nIndex - 1) % GetLevels();
}

int CQYCommandHistory::IncrementCount(int nCount)
{
    return std::min(nCount + 1, GetLevels());
}

int CQYCommandHistory::DecrementCount(int nCount)
{
    return std::max(nCount - 1, -GetLevels());
}

int CQYCommandHistory::IncrementSavePoint(int nDistance)
{
    return std::min(nDistance + 1, GetLevels() + 1);
}

int CQYCommandHistory::DecrementSavePoint(int nDistance)
{
    return std::max(nDistance - 1, -(GetLevels() + 1));
}

void CQYCommandHistory::DeleteAll()
{
    for (auto it = m_arrCommands.rbegin(); it != m_arrCommands.rend(); ++it) {
        delete *it;
        *it = nullptr;
    }
}

void CQYCommandHistory::NotifyExecuted(CQYBaseCommand* pCommand)
{
    auto* pMacro = DYNAMIC_DOWNCAST(CQYBaseCommandMacro, pCommand);
    if (pMacro == nullptr) {
        OnCommandExecuted(pCommand);
        return;
    }
    CObList* pList = pMacro->GetCommandList();
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        OnCommandExecuted(static_cast<CQYBaseCommand*>(pList->GetNext(pos)));
}

BOOL CQYCommandHistory::Execute(CQYBaseCommand* pCommand, BOOL bRecord)
{
    if (pCommand == nullptr)
        return FALSE;
    // Owned here until it is recorded, so nothing leaks when a step throws.
    std::unique_ptr<CQYBaseCommand> pOwned(pCommand);
    if (!pCommand->Execute())
        return FALSE;
    NotifyExecuted(pCommand);
    if (bRecord)
        AddCommand(pOwned.release());
    return TRUE;
}

void CQYCommandHistory::AddCommand(CQYBaseCommand* pCommand)
{
    if (pCommand == nullptr)
        return;
    delete m_arrCommands[static_cast<size_t>(m_nCurrentIndex)];
    m_arrCommands[static_cast<size_t>(m_nCurrentIndex)] = pCommand;
    m_nCurrentIndex = NextIndex(m_nCurrentIndex);
    m_nUndoCount = IncrementCount(m_nUndoCount);
    // A save point among the abandoned redo commands cannot be reached again.
    if (m_nSavePoint < 0 && m_nRedoCount > 0)
        m_nSavePoint = GetLevels() + 1;
    else
        m_nSavePoint = IncrementSavePoint(m_nSavePoint);
    m_nRedoCount = 0;
    OnHistoryChanged();
}

void CQYCommandHistory::Reset()
{
    DeleteAll();
    m_nCurrentIndex = 0;
    m_nUndoCount = 0;
    m_nRedoCount = 0;
    m_nSavePoint = 0;
    OnHistoryChanged();
}

void CQYCommandHistory::SetLevels(int nLevels)
{
    if (nLevels < 1)
        return;
    // Emptied before the resize: no command is lost in a removed slot and no
    // index points past the new end.
    DeleteAll();
    m_arrCommands.assign(static_cast<size_t>(nLevels), nullptr);
    Reset();
}

BOOL CQYCommandHistory::RunTransient(CQYBaseCommand* pCommand, void (CQYCommandHistory::*pfnCommit)())
{
    if (pCommand == nullptr)
        return FALSE;
    std::unique_ptr<CQYBaseCommand> pOwned(pCommand);
    if (!pCommand->Execute())
        return FALSE;
    (this->*pfnCommit)();
    NotifyExecuted(pCommand);
    pOwned.reset();
    OnHistoryChanged();
    return TRUE;
}

void CQYCommandHistory::CommitUndo()
{
    m_nRedoCount = IncrementCount(m_nRedoCount);
    m_nUndoCount = DecrementCount(m_nUndoCount);
    m_nSavePoint = DecrementSavePoint(m_nSavePoint);
    m_nCurrentIndex = PrevIndex(m_nCurrentIndex);
}

void CQYCommandHistory::CommitRedo()
{
    m_nCurrentIndex = NextIndex(m_nCurrentIndex);
    m_nRedoCount = DecrementCount(m_nRedoCount);
    m_nUndoCount = IncrementCount(m_nUndoCount);
    m_nSavePoint = IncrementSavePoint(m_nSavePoint);
}

BOOL CQYCommandHistory::Undo()
{
    CQYBaseCommand* pStored = GetUndoCommand();
    if (pStored == nullptr)
        return FALSE;
    return RunTransient(pStored->GetUndoCommand(), &CQYCommandHistory::CommitUndo);
}

BOOL CQYCommandHistory::Redo()
{
    CQYBaseCommand* pStored = GetRedoCommand();
    if (pStored == nullptr)
        return FALSE;
    return RunTransient(pStored->GetRedoCommand(), &CQYCommandHistory::CommitRedo);
}

BOOL CQYCommandHistory::CanUndo()
{
    return m_nUndoCount != 0;
}

BOOL CQYCommandHistory::CanRedo()
{
    return m_nRedoCount != 0;
}

CQYBaseCommand* CQYCommandHistory::GetUndoCommand()
{
    if (!CanUndo())
        return nullptr;
    return m_arrCommands[static_cast<size_t>(PrevIndex(m_nCurrentIndex))];
}

CQYBaseCommand* CQYCommandHistory::GetRedoCommand()
{
    if (!CanRedo())
        return nullptr;
    return m_arrCommands[static_cast<size_t>(m_nCurrentIndex)];
}

void CQYCommandHistory::SetSavePoint()
{
    m_nSavePoint = 0;
    OnHistoryChanged();
}

BOOL CQYCommandHistory::IsAtSavePoint()
{
    return m_nSavePoint == 0;
}

BOOL CQYCommandHistory::IsDirty()
{
    return m_nSavePoint != 0;
}

void CQYCommandHistory::OnHistoryChanged() {}

void CQYCommandHistory::OnCommandExecuted(CQYBaseCommand*) {}
