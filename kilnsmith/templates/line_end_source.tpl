{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class»

IMPLEMENT_SERIAL(«Class», CQYBaseEndObject, 0)
«Class»::«Class»()
{
	m_nArrowLength = 15;
}

«Class»::«Class»(const «Class»& src)
	: CQYBaseEndObject(src)
{
}

«Class»::~«Class»()
{
}

/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

{Diagnostics definitions}

/////////////////////////////////////////////////////////////////////////////

void «Class»::Serialize(CArchive& ar)
{
	CQYBaseEndObject::Serialize(ar);
	if(ar.IsStoring())
	{
	}
	else
	{
	}
}

«Class»& «Class»::operator=(const «Class»& src)
{
	if (this != &src)
	{
		ReleasePen();
		ReleaseBrush();
		m_nArrowLength = src.m_nArrowLength;
		m_nArrowWidth = src.m_nArrowWidth;
		m_crFillColor = src.m_crFillColor;
		m_bTransparent = src.m_bTransparent;
		m_nPenWidth = src.m_nPenWidth;
		m_crPenColor = src.m_crPenColor;
		m_bNullPen = src.m_bNullPen;
		m_nPenStyle = src.m_nPenStyle;
		m_nBrushType = src.m_nBrushType;
		m_nHatchStyle = src.m_nHatchStyle;
		m_crHatchColor = src.m_crHatchColor;
	}
	return (*this);
}

CQYBaseEndObject* «Class»::Copy() const
{
	return (new «Class»(*this));
}

void «Class»::PrepareDC(CDC* pDC)
{
	
	CQYBaseEndObject::PrepareDC(pDC);
}

void «Class»::OnDraw(CDC *pDC)
{
	CQYBaseEndObject::OnDraw(pDC);
}

void «Class»::ClearDC(CDC* pDC)
{
	CQYBaseEndObject::ClearDC(pDC);
}	

void «Class»::OnTextEditProperties()
{
	CQYBaseEndObject::OnCustomProperties();
}

void «Class»::BuildLineEnd()
{
	AllocMemory(3);

	double slopy , cosy , siny;
	double Par = m_nArrowLength;
	slopy = atan2( ( m_ptLineStart.y - m_ptLineEnd.y ),
		( m_ptLineStart.x - m_ptLineEnd.x ) );
	cosy = cos( slopy );
	siny = sin( slopy );

	//draw a line between the 2 endpoint

	m_lpCompPoints[0] = m_ptLineStart;

	m_lpCompPoints[1] = CPoint(MoreNear((float)(m_ptLineStart.x + int( - Par * cosy - ( Par / 2.0 * siny ) ))),
		MoreNear((float)(m_ptLineStart.y + int( - Par * siny + ( Par / 2.0 * cosy ) ))));

	m_lpCompPoints[2] = CPoint(MoreNear((float)(m_ptLineStart.x + int( - Par * cosy + ( Par / 2.0 * siny ) ))),
		MoreNear((float)(m_ptLineStart.y - int( Par / 2.0 * cosy + Par * siny ))));

}

int «Class»::MoreNear(float fRound) const
{
	int nRound = (int)fabs(fRound);
	nRound = (fabs(fRound) - (float)nRound >= 0.5) ? nRound+1 : nRound;
	return (fRound < 0) ? -nRound : nRound;
}

int «Class»::ComputeAngle(CPoint pt0,CPoint pt1)
{
	float fAngle;

    float dx = float(pt1.x - pt0.x);
    float dy = float(pt1.y - pt0.y);

    if (dx != 0)
	{
        fAngle = 180.0f/3.14159f * (float)atan(dy/dx);
    } 
	else if (dy < 0) 
	{
        fAngle = -90.0f;
    } 
	else 
	{
        fAngle = 90.0f;
    }
    
	if (dx < 0) 
	{
        fAngle += 180;
    }
    
	int nRound = (int)fabs(fAngle * 10);
	nRound = (fabs(fAngle * 10) - (float)nRound >= 0.5) ? nRound+1 : nRound;
	return (fAngle * 10 < 0) ? -nRound : nRound;
}
