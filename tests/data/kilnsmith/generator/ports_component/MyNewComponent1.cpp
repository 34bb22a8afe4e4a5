// MyNewComponent1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyNewComponent1.h"
#include <afxpriv.h>

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif


//////////////////////////////////////////////////////////////////////
// CMyNewComponent1 Class
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
IMPLEMENT_SERIAL(CMyNewComponent1, CQYDrawPortsComponent, 0)
CMyNewComponent1::CMyNewComponent1()
{
	SetType(QY_COMP_RECTANGLE);
	SetBkColor(RGB(187,224,227));
	SetOver4ResizeHandles(TRUE);
}

CMyNewComponent1::CMyNewComponent1(const CMyNewComponent1& src)
{
	SetOver4ResizeHandles(TRUE);
	*this = src;
}

CMyNewComponent1::~CMyNewComponent1()
{

}

/////////////////////////////////////////////////////////////////////////////
// CMyNewComponent1 diagnostics

#ifdef _DEBUG
void CMyNewComponent1::AssertValid() const
{
	CQYDrawPortsComponent::AssertValid();
}

void CMyNewComponent1::Dump(CDumpContext& dc) const
{
	CQYDrawPortsComponent::Dump(dc);
}
#endif //_DEBUG

/////////////////////////////////////////////////////////////////////////////

void CMyNewComponent1::Create(CRect &rcPos,CString strCaption)
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

void CMyNewComponent1::Serialize(CArchive& ar)
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

/////////////////////////////////////////////////////////////////////////////
// CPrintBaseJob serialization
CFile* CMyNewComponent1::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
								 CFileException* pError)
{
	CMirrorFile* pFile = new CMirrorFile;
	ASSERT(pFile != NULL);
	if (!pFile->Open(lpszFileName, nOpenFlags, pError))
	{
		delete pFile;
		pFile = NULL;
	}
	return pFile;
}
void CMyNewComponent1::ReleaseFile(CFile* pFile, BOOL bAbort)
{
	ASSERT_KINDOF(CFile, pFile);
	if (bAbort)
		pFile->Abort(); // will not throw an exception
	else
		pFile->Close();
	delete pFile;
}
BOOL CMyNewComponent1::OpenDocument(LPCTSTR lpszPathName)
{
	
	CFileException fe;
	CFile* pFile = GetFile(lpszPathName,
		CFile::modeRead|CFile::shareDenyWrite, &fe);
	if (pFile == NULL)
	{
		return FALSE;
	}
	
	CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
	loadArchive.m_bForceFlat = FALSE;
	TRY
	{
		CWaitCursor wait;
		if (pFile->GetLength() != 0)
			Serialize(loadArchive);     // load me
		loadArchive.Close();
		ReleaseFile(pFile, FALSE);
	}
	CATCH_ALL(e)
	{
		ReleaseFile(pFile, TRUE);
		
		return FALSE;
	}
	END_CATCH_ALL
		
		
		return TRUE;
}
BOOL CMyNewComponent1::SaveDocument(LPCTSTR lpszPathName)
{
	
	CFileException fe;
	CFile* pFile = NULL;
	pFile = GetFile(lpszPathName, CFile::modeCreate |
		CFile::modeReadWrite | CFile::shareExclusive, &fe);
	
	if (pFile == NULL)
	{
		
		return FALSE;
	}
	
	CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
	saveArchive.m_bForceFlat = FALSE;
	TRY
	{
		CWaitCursor wait;
		Serialize(saveArchive);     // save me
		saveArchive.Close();
		ReleaseFile(pFile, FALSE);
	}
	CATCH_ALL(e)
	{
		ReleaseFile(pFile, TRUE);
		
		return FALSE;
	}
	END_CATCH_ALL
		
		
		return TRUE;        // success
}


CMyNewComponent1& CMyNewComponent1::operator=(const CMyNewComponent1& src)
{
	(*(CQYDrawPortsComponent*)this) = src;
	return (*this);
}

CQYDrawComponent* CMyNewComponent1::Copy() const
{
	return (new CMyNewComponent1(*this));
}

void CMyNewComponent1::PrepareDC(CDC* pDC)
{
	CQYDrawPortsComponent::PrepareDC(pDC);
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnDrawTrackCustom(CDC *pDC)
{
	CQYDrawPortsComponent::OnDrawTrackCustom(pDC);
	// Add your own code here.
}

void CMyNewComponent1::OnDrawFlat(CDC *pDC)
{
	CQYDrawPortsComponent::OnDrawFlat(pDC);
	//QYDO:Add your own code below.
	FillPoly(pDC,m_lpCompPoints, m_nCompPtCount,GetBkColor(),GetPatternColor(),GetBrushType());
	OnDrawPorts(pDC,TRUE);
}

void CMyNewComponent1::OnDrawShadow(CDC *pDC)
{
	FillShadowPoly(pDC,m_lpCompPoints, m_nCompPtCount);
}

void CMyNewComponent1::OnDraw3d(CDC *pDC)
{
	CQYDrawPortsComponent::OnDraw3d(pDC);
	FillPoly(pDC,m_lpCompPoints, m_nCompPtCount,GetBkColor(),GetPatternColor(),GetBrushType());
	OnDrawPorts(pDC,TRUE);
}

void CMyNewComponent1::ClearDC(CDC* pDC)
{
	CQYDrawPortsComponent::ClearDC(pDC);
	//QYDO:Add your own code below.
}

void CMyNewComponent1::RotateComponent(int nAngle, float fOriginX, float fOriginY)
{
	CQYDrawPortsComponent::RotateComponent(nAngle,fOriginX,fOriginY);
}

void CMyNewComponent1::RotateTrackComponent(int nAngle, float fOriginX, float fOriginY)
{
	CQYDrawPortsComponent::RotateTrackComponent(nAngle,fOriginX,fOriginY);
}


void CMyNewComponent1::GeometryUpdated(CQYArea* pRgn)
{
	if (m_lpCompPoints && pRgn)
	{
		pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
		m_rectPosition = pRgn->GetRect();
	}
}

//下面定义组件类的基本操作
void CMyNewComponent1::GetNormalSpotLocation(CArray<CPoint,CPoint>* parSpot)
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

CRect CMyNewComponent1::GetRect()
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
