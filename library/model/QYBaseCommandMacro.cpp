#include "library/model/QYBaseCommandMacro.h"

#include <memory>

IMPLEMENT_DYNAMIC(CQYBaseCommandMacro, CQYBaseCommand)

CQYBaseCommandMacro::~CQYBaseCommandMacro()
{
    while (!m_listCommands.IsEmpty())
        delete m_listCommands.RemoveHead();
}

int CQYBaseCommandMacro::GetCommandID()
{
    return QY_CMD_MACRO;
}

BOOL CQYBaseCommandMacro::Execute()
{
    if (m_listCommands.IsEmpty())
        return FALSE;
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        static_cast<CQYBaseCommand*>(m_listCommands.GetNext(pos))->Execute();
    return TRUE;
}

CQYBaseCommand* CQYBaseCommandMacro::GetUndoCommand() const
{
    std::unique_ptr<CQYBaseCommandMacro> pMacro(NewEmptyMacro());
    if (!pMacro)
        return nullptr;
    for (POSITION pos = m_listCommands.GetTailPosition(); pos != nullptr;)
        pMacro->AddCommand(static_cast<CQYBaseCommand*>(m_listCommands.GetPrev(pos))->GetUndoCommand());
    return pMacro.release();
}

CQYBaseCommand* CQYBaseCommandMacro::GetRedoCommand() const
{
    std::unique_ptr<CQYBaseCommandMacro> pMacro(NewEmptyMacro());
    if (!pMacro)
        return nullptr;
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        pMacro->AddCommand(static_cast<CQYBaseCommand*>(m_listCommands.GetNext(pos))->GetRedoCommand());
    return pMacro.release();
}

CObList* CQYBaseCommandMacro::GetCommandList()
{
    return &m_listCommands;
}

void CQYBaseCommandMacro::AddCommand(CQYBaseCommand* pCommand)
{
    if (pCommand == nullptr)
        return;
    try {
        m_listCommands.AddTail(pCommand);
    } catch (...) {
        delete pCommand;
        throw;
    }
}
