{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

IMPLEMENT_SERIAL(«Class», CQYBaseProperties,1)

//mfunc | «Class» | «Class» | Constructor.

«Class»::«Class»(int nCurID) : CQYBaseProperties(nCurID)
{
}

«Class»::«Class»(const «Class»& propComp) 
	: CQYBaseProperties(propComp.GetPropId())
{
//	strName = propComp.GetObjectName();
}

//mfunc Destructor.
«Class»::~«Class»()
{
}

//The property to copy.
«Class»& «Class»::operator=(const «Class»& propComp)
{
	m_nPropId = propComp.GetPropId();
//	strName = propComp.GetObjectName();
	
	return *this;
}


BOOL «Class»::operator==(const «Class» propEdit) const
{
	return (GetPropId() == propEdit.GetPropId());
}

////////////////////////////////////////////////////////////////////////////
// «Class» serialization
void «Class»::Serialize(CArchive& ar)
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
// «Class» diagnostics

{Diagnostics definitions}
