// MyNewProperties.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyNewProperties.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyNewProperties construction/destruction

IMPLEMENT_SERIAL(CMyNewProperties, CQYBaseProperties,1)

//mfunc | CMyNewProperties | CMyNewProperties | Constructor.

CMyNewProperties::CMyNewProperties(int nCurID) : CQYBaseProperties(nCurID)
{
}

CMyNewProperties::CMyNewProperties(const CMyNewProperties& propComp) 
	: CQYBaseProperties(propComp.GetPropId())
{
//	strName = propComp.GetObjectName();
}

//mfunc Destructor.
CMyNewProperties::~CMyNewProperties()
{
}

//The property to copy.
CMyNewProperties& CMyNewProperties::operator=(const CMyNewProperties& propComp)
{
	m_nPropId = propComp.GetPropId();
//	strName = propComp.GetObjectName();
	
	return *this;
}


BOOL CMyNewProperties::operator==(const CMyNewProperties propEdit) const
{
	return (GetPropId() == propEdit.GetPropId());
}

////////////////////////////////////////////////////////////////////////////
// CMyNewProperties serialization
void CMyNewProperties::Serialize(CArchive& ar)
{
	CQYBaseProperties::Serialize(ar);

	if (ar.IsStoring())
	{
		
	}
	else
	{
		
	}
}


/////////////////////////////////////////////////////////////////////////////
// CMyNewProperties diagnostics

#ifdef _DEBUG
void CMyNewProperties::AssertValid() const
{
	CQYBaseProperties::AssertValid();
}

void CMyNewProperties::Dump(CDumpContext& dc) const
{
	CQYBaseProperties::Dump(dc);
}
#endif //_DEBUG
