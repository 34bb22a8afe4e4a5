#include "library/model/QYCommand.h"

IMPLEMENT_DYNAMIC(CQYCommand, CQYBaseCommand)

CQYCommand::CQYCommand(CQYDataModel* pModel) : m_pModel(pModel) {}

BOOL CQYCommand::Execute()
{
    return TRUE;
}

void CQYCommand::SetModel(CQYDataModel* pModel)
{
    m_pModel = pModel;
}

CQYDataModel* CQYCommand::GetModel()
{
    return m_pModel;
}
