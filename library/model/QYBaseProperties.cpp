#include "library/model/QYBaseProperties.h"

#include "framework/object/Archive.h"

IMPLEMENT_SERIAL(CQYBaseProperties, CObject, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYBaseProperties)

CQYBaseProperties::CQYBaseProperties() : m_nPropId(QY_COMP_PROP_ID) {}

CQYBaseProperties::CQYBaseProperties(int nCurID) : m_nPropId(nCurID) {}

void CQYBaseProperties::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nPropId;
    else
        ar >> m_nPropId;
}

CQYBaseProperties* CQYBaseProperties::Copy()
{
    return new CQYBaseProperties(m_nPropId);
}
