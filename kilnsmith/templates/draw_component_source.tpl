{Source opening A}

//////////////////////////////////////////////////////////////////////
// «Class» Class
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
IMPLEMENT_SERIAL(«Class», CQYDrawComponent, 0)
«Class»::«Class»()
{
	SetType(Your own ID);

}

«Class»::«Class»(const «Class»& src)
{
	*this = src;
}

«Class»::~«Class»()
{

}

/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

{Diagnostics definitions}

/////////////////////////////////////////////////////////////////////////////

void «Class»::Create(CRect &rcPos,CString strCaption)
{
	AllocMemory(4);

	m_lpCompPoints[0] = CPoint(rcPos.left,  rcPos.top);
	m_lpCompPoints[1] = CPoint(rcPos.right, rcPos.top);
	m_lpCompPoints[2] = CPoint(rcPos.right, rcPos.bottom);
	m_lpCompPoints[3] = CPoint(rcPos.left,  rcPos.bottom);
	CQYDrawComponent::Create(rcPos,strCaption);
	//QYDO:Add your own code here.

}

void «Class»::Serialize(CArchive& ar)
{
	CQYDrawComponent::Serialize(ar);
	if(ar.IsStoring())
	{
		//QYDO:Add your own code here.

	}
	else
	{
		//QYDO:Add your own code here.

	}
}

{Serialization block}


«Class»& «Class»::operator=(const «Class»& src)
{
	(*(CQYDrawComponent*)this) = src;
	return (*this);
}

CQYDrawComponent* «Class»::Copy() const
{
	return (new «Class»(*this));
}

void «Class»::PrepareDC(CDC* pDC)
{
	CQYDrawComponent::PrepareDC(pDC);
	//QYDO:Add your own code below.
	
}

void «Class»::OnDrawTrackCustom(CDC *pDC)
{
	CQYDrawComponent::OnDrawTrackCustom(pDC);
	// Add your own code here.

}

void «Class»::OnDrawShadow(CDC *pDC)
{
	CPoint ptOffset = CPoint(GetShadowOffsetX(),GetShadowOffsetY());
	//QYDO:Add your own code below.
	
}

void «Class»::OnDrawFlat(CDC *pDC)
{
	CQYDrawComponent::OnDrawFlat(pDC);
	//QYDO:Add your own code below.
	
}

void «Class»::OnDraw3d(CDC *pDC)
{
	CQYDrawComponent::OnDraw3d(pDC);
	//QYDO:Add your own code below.

}

void «Class»::ClearDC(CDC* pDC)
{
	CQYDrawComponent::ClearDC(pDC);
	//QYDO:Add your own code below.
}

void «Class»::OnCustomProperties()
{
	CQYDrawComponent::OnCustomProperties();
	//QYDO:Add your own code below.

}

void «Class»::GeometryUpdated(CQYArea* pRgn)
{
	if (m_lpCompPoints && pRgn)
	{
		m_lpCompPoints[0] = CPoint(GetRect().left,  GetRect().top);
		m_lpCompPoints[1] = CPoint(GetRect().right, GetRect().top);
		m_lpCompPoints[2] = CPoint(GetRect().right, GetRect().bottom);
		m_lpCompPoints[3] = CPoint(GetRect().left,  GetRect().bottom);
		pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
	}
}
