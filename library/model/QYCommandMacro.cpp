#include "library/model/QYCommandMacro.h"

#include "library/model/QYCommandStrings.h"

IMPLEMENT_DYNAMIC(CQYCommandMacro, CQYBaseCommandMacro)

CQYCommandMacro::CQYCommandMacro(CQYDataModel* pModel) : m_pModel(pModel) {}

void CQYCommandMacro::SetModel(CQYDataModel* pModel)
{
    m_pModel = pModel;
}

CQYDataModel* CQYCommandMacro::GetModel()
{
    return m_pModel;
}

CQYBaseCommandMacro* CQYCommandMacro::NewEmptyMacro() const
{
    return new CQYCommandMacro(m_pModel);
}

void CQYCommandMacro::Sprint(CString& strText) const
{
    if (m_listCommands.IsEmpty()) {
        strText = QYLoadCommandString(IDS_QY_CMD_UNKNOWN);
        return;
    }
    static_cast<const CQYBaseCommand*>(m_listCommands.GetHead())->Sprint(strText);
}
