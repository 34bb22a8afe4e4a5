// MyLineEndObject.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyLineEndObject.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyLineEndObject

IMPLEMENT_SERIAL(CMyLineEndObject, CQYBaseEndObject, 0)
CMyLineEndObject::CMyLineEndObject()
{
	m_nArrowLength = 15;
}

CMyLineEndObject::CMyLineEndObject(const CMyLineEndObject& src)
	: CQYBaseEndObject(src)
{
}

CMyLineEndObject::~CMyLineEndObject()
{
}

/////////////////////////////////////////////////////////////////////////////
// CMyLineEndObject diagnostics

#ifdef _DEBUG
void CMyLineEndObject::AssertValid() const
{
	CQYBaseEndObject::AssertValid();
}

void CMyLineEndObject::Dump(CDumpContext& dc) const
{
	CQYBaseEndObject::Dump(dc);
}
#endif //_DEBUG

/////////////////////////////////////////////////////////////////////////////

void CMyLineEndObject::Serialize(CArchive& ar)
{
	CQYBaseEndObject::Serialize(ar);
	if(ar.IsStoring())
	{
	}
	else
	{
	}
}

CMyLineEndObject& CMyLineEndObject::operator=(const CMyLineEndObject& src)
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

CQYBaseEndObject* CMyLineEndObject::Copy() const
{
	return (new CMyLineEndObject(*this));
}

void CMyLineEndObject::PrepareDC(CDC* pDC)
{
	
	CQYBaseEndObject::PrepareDC(pDC);
}

void CMyLineEndObject::OnDraw(CDC *pDC)
{
	CQYBaseEndObject::OnDraw(pDC);
}

void CMyLineEndObject::ClearDC(CDC* pDC)
{
	CQYBaseEndObject::ClearDC(pDC);
}	

void CMyLineEndObject::OnTextEditProperties()
{
	CQYBaseEndObject::OnCustomProperties();
}

void CMyLineEndObject::BuildLineEnd()
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

int CMyLineEndObject::MoreNear(float fRound) const
{
	int nRound = (int)fabs(fRound);
	nRound = (fabs(fRound) - (float)nRound >= 0.5) ? nRound+1 : nRound;
	return (fRound < 0) ? -nRound : nRound;
}

int CMyLineEndObject::ComputeAngle(CPoint pt0,CPoint pt1)
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
