// MyNewComponent1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include <afxpriv.h>
#include "MyNewComponent1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif


//////////////////////////////////////////////////////////////////////
// CMyNewComponent1 Class
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
IMPLEMENT_SERIAL(CMyNewComponent1, CQYHyLinkComponent, 0)
CMyNewComponent1::CMyNewComponent1()
{
	SetType(QY_COMP_DIAMOND);
	SetLineWidth(1);
	SetBrushType(1);
	SetNullPen(FALSE);
}

CMyNewComponent1::CMyNewComponent1(const CMyNewComponent1& src)
{
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
	CQYHyLinkComponent::AssertValid();
}

void CMyNewComponent1::Dump(CDumpContext& dc) const
{
	CQYHyLinkComponent::Dump(dc);
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
	CQYDrawPortsComponent::Create(rcPos,strCaption);
	//QYDO:Add your own code here.
	CreateDefaultPort(0.5,0.5);
	CreateDefaultPort(0,0.5);
	CreateDefaultPort(0.5,1);
	CreateDefaultPort(1,0.5);
	CreateDefaultPort(0.5,0);
}

void CMyNewComponent1::Serialize(CArchive& ar)
{
	CQYHyLinkComponent::Serialize(ar);
	if(ar.IsStoring())
	{
		
	}
	else
	{
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
	(*(CQYHyLinkComponent*)this) = src;
	return (*this);
}

CQYDrawComponent* CMyNewComponent1::Copy() const
{
	return (new CMyNewComponent1(*this));
}

void CMyNewComponent1::PrepareDC(CDC* pDC)
{
	CQYHyLinkComponent::PrepareDC(pDC);
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnDrawFlat(CDC *pDC)
{
	CQYDrawPortsComponent::OnDrawFlat(pDC);
	CRect rcTemp = CRect(m_lpCompPoints[0],m_lpCompPoints[2]);
	CPoint ptCenter = rcTemp.CenterPoint();

	CPoint ptArray[5];

	ptArray[0] = CPoint(rcTemp.left,ptCenter.y);
	ptArray[1] = CPoint(ptCenter.x,rcTemp.bottom);
	ptArray[2] = CPoint(rcTemp.right,ptCenter.y);
	ptArray[3] = CPoint(ptCenter.x,rcTemp.top);
	ptArray[4] = CPoint(rcTemp.left,ptCenter.y);

	FillPoly(pDC,ptArray, 5,GetBkColor(),GetPatternColor(),GetBrushType());

	// Draw text.
	OnDrawText(pDC);
}

void CMyNewComponent1::OnDraw3d(CDC *pDC)
{
	CQYDrawPortsComponent::OnDraw3d(pDC);
	CRect rcTemp = CRect(m_lpCompPoints[0],m_lpCompPoints[2]);
	CPoint ptCenter = rcTemp.CenterPoint();

	CPoint ptArray[5];

	ptArray[0] = CPoint(rcTemp.left,ptCenter.y);
	ptArray[1] = CPoint(ptCenter.x,rcTemp.bottom);
	ptArray[2] = CPoint(rcTemp.right,ptCenter.y);
	ptArray[3] = CPoint(ptCenter.x,rcTemp.top);
	ptArray[4] = CPoint(rcTemp.left,ptCenter.y);

	FillPoly(pDC,ptArray, 5,GetBkColor(),GetPatternColor(),GetBrushType());

	// Draw text.
	OnDrawText(pDC);
}

void CMyNewComponent1::OnDrawShadow(CDC *pDC)
{
	CRect rcTemp = CRect(m_lpCompPoints[0],m_lpCompPoints[2]);
	CPoint ptCenter = rcTemp.CenterPoint();
	CPoint ptArray[5];

	ptArray[0] = CPoint(rcTemp.left,ptCenter.y);
	ptArray[1] = CPoint(ptCenter.x,rcTemp.bottom);
	ptArray[2] = CPoint(rcTemp.right,ptCenter.y);
	ptArray[3] = CPoint(ptCenter.x,rcTemp.top);
	ptArray[4] = CPoint(rcTemp.left,ptCenter.y);

	FillShadowPoly(pDC,ptArray, 5);
}

void CMyNewComponent1::OnDrawTrackCustom(CDC *pDC)
{
	if(m_nCompTrackPtCount == 4)
	{
		CRect rcTemp = CRect(m_lpCompTrackPoints[0],m_lpCompTrackPoints[2]);
		CPoint ptCenter = rcTemp.CenterPoint();
		
		CPoint ptArray[5];
		
		ptArray[0] = CPoint(rcTemp.left,ptCenter.y);
		ptArray[1] = CPoint(ptCenter.x,rcTemp.bottom);
		ptArray[2] = CPoint(rcTemp.right,ptCenter.y);
		ptArray[3] = CPoint(ptCenter.x,rcTemp.top);
		ptArray[4] = CPoint(rcTemp.left,ptCenter.y);
		
		pDC->Polygon(ptArray,5);
	}
	else
	{
		CQYHyLinkComponent::OnDrawTrackCustom(pDC);
	}

	OnDrawTrackPorts(pDC);
}

void CMyNewComponent1::OnDrawSelect(CDC *pDC,CRect rcTotal)
{
	pDC;
	rcTotal;
}

void CMyNewComponent1::ClearDC(CDC* pDC)
{
	CQYHyLinkComponent::ClearDC(pDC);
	//QYDO:Add your own code below.
}

void CMyNewComponent1::OnCancelMode()
{
	CQYHyLinkComponent::OnCancelMode();
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnCustomProperties()
{
	CQYHyLinkComponent::OnCustomProperties();

}

void CMyNewComponent1::OnLButtonDblClk(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnLButtonDblClk(nFlags,point);
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnLButtonDown(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnLButtonDown(nFlags,point);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnRButtonDown(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnRButtonDown(nFlags,point);
	//QYDO:Add your own code below.
	
}
void CMyNewComponent1::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) 
{
	CQYHyLinkComponent::OnChar(nChar,nRepCnt,nFlags);
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnLButtonUp(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnLButtonUp(nFlags,point);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnMouseMove(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnMouseMove(nFlags,point);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnRButtonDblClk(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnRButtonDblClk(nFlags,point);
	//QYDO:Add your own code below.

}


void CMyNewComponent1::OnRButtonUp(UINT nFlags, CPoint point) 
{
	CQYHyLinkComponent::OnRButtonUp(nFlags,point);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) 
{
	CQYHyLinkComponent::OnKeyDown(nChar,nRepCnt,nFlags);
	//QYDO:Add your own code below.

}

BOOL CMyNewComponent1::OnCommand(WPARAM wPar, LPARAM lPar)
{
	return CQYHyLinkComponent::OnCommand(wPar,lPar);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnKillFocus(CWnd* pNewWnd) 
{
	CQYHyLinkComponent::OnKillFocus(pNewWnd);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnSetFocus(CWnd* pOldWnd) 
{
	CQYHyLinkComponent::OnSetFocus(pOldWnd);
	//QYDO:Add your own code below.

}

BOOL CMyNewComponent1::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) 
{
	// TODO: Add your message handler code here and/or call default
	return CQYHyLinkComponent::OnSetCursor(pWnd,nHitTest,message);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) 
{
	CQYHyLinkComponent::OnKeyUp(nChar,nRepCnt,nFlags);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::DoEvent()
{
	CQYHyLinkComponent::DoEvent();
	//QYDO:Add your own code below.

}
