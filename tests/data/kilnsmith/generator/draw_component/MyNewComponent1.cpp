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
IMPLEMENT_SERIAL(CMyNewComponent1, CQYDrawComponent, 0)
CMyNewComponent1::CMyNewComponent1()
{
	SetType(Your own ID);

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
	CQYDrawComponent::AssertValid();
}

void CMyNewComponent1::Dump(CDumpContext& dc) const
{
	CQYDrawComponent::Dump(dc);
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
	CQYDrawComponent::Create(rcPos,strCaption);
	//QYDO:Add your own code here.

}

void CMyNewComponent1::Serialize(CArchive& ar)
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
	(*(CQYDrawComponent*)this) = src;
	return (*this);
}

CQYDrawComponent* CMyNewComponent1::Copy() const
{
	return (new CMyNewComponent1(*this));
}

void CMyNewComponent1::PrepareDC(CDC* pDC)
{
	CQYDrawComponent::PrepareDC(pDC);
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnDrawTrackCustom(CDC *pDC)
{
	CQYDrawComponent::OnDrawTrackCustom(pDC);
	// Add your own code here.

}

void CMyNewComponent1::OnDrawShadow(CDC *pDC)
{
	CPoint ptOffset = CPoint(GetShadowOffsetX(),GetShadowOffsetY());
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnDrawFlat(CDC *pDC)
{
	CQYDrawComponent::OnDrawFlat(pDC);
	//QYDO:Add your own code below.
	
}

void CMyNewComponent1::OnDraw3d(CDC *pDC)
{
	CQYDrawComponent::OnDraw3d(pDC);
	//QYDO:Add your own code below.

}

void CMyNewComponent1::ClearDC(CDC* pDC)
{
	CQYDrawComponent::ClearDC(pDC);
	//QYDO:Add your own code below.
}

void CMyNewComponent1::OnCustomProperties()
{
	CQYDrawComponent::OnCustomProperties();
	//QYDO:Add your own code below.

}

void CMyNewComponent1::GeometryUpdated(CQYArea* pRgn)
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
