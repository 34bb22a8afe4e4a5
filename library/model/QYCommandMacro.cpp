#include "library/model/QYCommandMacro.h"

IMPLEMENT_DYNAMIC(CQYCommandMacro, CQYBaseCommandMacro)

CQYCommandMacro::CQYCommandMacro(CQYDataModel* pModel) : m_pModel(pModel)
{
}

void CQYCommandMacro::SetModel(CQYDataModel* pModel)
{
    m_pModel = pModel;
}

CQYDataModel* CQYCommandMacro::GetModel()
{
    return m_pModel;
}
