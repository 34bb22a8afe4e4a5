{Source opening A}


//////////////////////////////////////////////////////////////////////
// «Class» Class
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
IMPLEMENT_SERIAL(«Class», CQYDrawPortsComponent, 0)
«Class»::«Class»()
{
	SetType(QY_COMP_RECTANGLE);
	SetBkColor(RGB(187,224,227));
	SetOver4ResizeHandles(TRUE);
}

«Class»::«Class»(const «Class»& src)
{
	SetOver4ResizeHandles(TRUE);
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
	SetObjectCaption(strCaption);
	UpdateComp();
	UpdatePosition();
	CreateDefaultPort(0.5,0.5);
	CreateDefaultPort(0,0.5);
	CreateDefaultPort(0.5,1);
	CreateDefaultPort(1,0.5);
	CreateDefaultPort(0.5,0);
}

void «Class»::Serialize(CArchive& ar)
{
	CQYDrawPortsComponent::Serialize(ar);
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
	(*(CQYDrawPortsComponent*)this) = src;
	return (*this);
}

CQYDrawComponent* «Class»::Copy() const
{
	return (new «Class»(*this));
}

void «Class»::PrepareDC(CDC* pDC)
{
	CQYDrawPortsComponent::PrepareDC(pDC);
	//QYDO:Add your own code below.
	
}

void «Class»::OnDrawTrackCustom(CDC *pDC)
{
	CQYDrawPortsComponent::OnDrawTrackCustom(pDC);
	// Add your own code here.
}

void «Class»::OnDrawFlat(CDC *pDC)
{
	CQYDrawPortsComponent::OnDrawFlat(pDC);
	//QYDO:Add your own code below.
	FillPoly(pDC,m_lpCompPoints, m_nCompPtCount,GetBkColor(),GetPatternColor(),GetBrushType());
	OnDrawPorts(pDC,TRUE);
}

void «Class»::OnDrawShadow(CDC *pDC)
{
	FillShadowPoly(pDC,m_lpCompPoints, m_nCompPtCount);
}

void «Class»::OnDraw3d(CDC *pDC)
{
	CQYDrawPortsComponent::OnDraw3d(pDC);
	FillPoly(pDC,m_lpCompPoints, m_nCompPtCount,GetBkColor(),GetPatternColor(),GetBrushType());
	OnDrawPorts(pDC,TRUE);
}

void «Class»::ClearDC(CDC* pDC)
{
	CQYDrawPortsComponent::ClearDC(pDC);
	//QYDO:Add your own code below.
}

void «Class»::RotateComponent(int nAngle, float fOriginX, float fOriginY)
{
	CQYDrawPortsComponent::RotateComponent(nAngle,fOriginX,fOriginY);
}

void «Class»::RotateTrackComponent(int nAngle, float fOriginX, float fOriginY)
{
	CQYDrawPortsComponent::RotateTrackComponent(nAngle,fOriginX,fOriginY);
}


void «Class»::GeometryUpdated(CQYArea* pRgn)
{
	if (m_lpCompPoints && pRgn)
	{
		pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
		m_rectPosition = pRgn->GetRect();
	}
}

//下面定义组件类的基本操作
void «Class»::GetNormalSpotLocation(CArray<CPoint,CPoint>* parSpot)
{
	// Clear the list
	parSpot->RemoveAll();

	CRect rcPos = m_CompArea.GetRect();
	CPoint ptCenter = rcPos.CenterPoint();

	// By default, a component has eight handles
	parSpot->SetSize(8);
	parSpot->SetAt(0, rcPos.TopLeft());
	parSpot->SetAt(1, CPoint(ptCenter.x, rcPos.top));
	parSpot->SetAt(2, CPoint(rcPos.right, rcPos.top));
	parSpot->SetAt(3, CPoint(rcPos.right, ptCenter.y));
	parSpot->SetAt(4, rcPos.BottomRight());
	parSpot->SetAt(5, CPoint(ptCenter.x, rcPos.bottom));
	parSpot->SetAt(6, CPoint(rcPos.left, rcPos.bottom));
	parSpot->SetAt(7, CPoint(rcPos.left, ptCenter.y));
}

CRect «Class»::GetRect()
{
	//m_rectPosition = GetCompRgn().GetRect();
	CRect rcBounds;

	if (m_nCompPtCount > 0)
	{
		rcBounds.left = rcBounds.right  = m_lpCompPoints[0].x;
		rcBounds.top  = rcBounds.bottom = m_lpCompPoints[0].y;
		
		for (int i=1; i<m_nCompPtCount; i++)
		{
			rcBounds.left   = min(rcBounds.left,   m_lpCompPoints[i].x);
			rcBounds.top    = min(rcBounds.top,    m_lpCompPoints[i].y);
			rcBounds.right  = max(rcBounds.right,  m_lpCompPoints[i].x);
			rcBounds.bottom = max(rcBounds.bottom, m_lpCompPoints[i].y);
		}
	}
	m_rectPosition = rcBounds;
	return m_rectPosition;
}
