// MySingleDataModel1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MySingleDataModel1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMySingleDataModel1 construction/destruction

IMPLEMENT_SERIAL(CMySingleDataModel1, CQYDataModel, 0)
CMySingleDataModel1::CMySingleDataModel1()
{
	//QYTO:Add you code here.
}

CMySingleDataModel1::~CMySingleDataModel1()
{
	//QYTO:Add you code here.

}

void CMySingleDataModel1::DoInitData()
{
	CQYDataModel::DoInitData();
	/*CQYFormProperties *pProp = GetDefaultProperty();
	m_rcPrintPage = GetPrintPageSize();
	CRect rc = m_rcPrintPage;
	if(m_bFormDesignMode)
	{
		rc = CRect(0,0,450,400);
		pProp->SetBkColor(::GetSysColor(COLOR_BTNFACE));
		pProp->Set3DBorder(TRUE);
		pProp->SetCloseButton(TRUE);
		pProp->ShowTitleBar(TRUE);
		pProp->ShowIcon(TRUE);
		pProp->ShowGrid(TRUE);
		pProp->ShowMargin(TRUE);
		pProp->SetPageBkColor(RGB(255,255,255));
	}
	SetPagePosition(rc);
	pProp->SetObjectCaption("Caption");
	pProp->SetMarginXStart(14);
	pProp->SetMarginYStart(14);
	pProp->SetMarginXEnd(14);
	pProp->SetMarginYEnd(14);*/
	//QYTO:Add you code here.

}
CString CMySingleDataModel1::GetUniqueName(UINT nType)
{
//  Sample:
	/*CString strReturn;
	strReturn = "nLine";
	if(nType == MY_LINE_TYPE)
	{
		return strReturn;
	}
	else
	{
		return CQYDataModel::GetUniqueName(nType);
	}*/
	return CQYDataModel::GetUniqueName(nType);
}

CString CMySingleDataModel1::GetUniqueCaption(UINT nType)
{
// Sample:
/*	CString strReturn;
	strReturn = "Line";
	if(nType == MY_LINE_TYPE)
	{
		return strReturn;
	}
	else
	{
		return CQYDataModel::GetUniqueCaption(nType);
	}*/
	return CQYDataModel::GetUniqueCaption(nType);
}

CQYDrawComponent *CMySingleDataModel1::GetComponentByType(UINT m_drawshape,CRect &rcCreate,CString strFileName)
{
	/*CQYDrawComponent *pReturn = NULL;
	CString strCaption;
	CString strName;
	strCaption = "";
	strName = "";
	CPoint ptTrack = rcCreate.TopLeft();
	if(m_drawshape != QY_COMP_NONE)
	{
		CRect rc(rcCreate);
		rc.NormalizeRect();
		if(rc.IsRectEmpty()||(rc.Width()<=10 && rc.Height()<20))
		{
			if(m_drawshape == MY_DRAW_LINE)
			{
				rc = CRect(ptTrack.x-70,ptTrack.y-70,ptTrack.x+70,ptTrack.y+70);
			}
		}
		if(m_drawshape == MY_DRAW_LINE)
		{
			pReturn = new CMyCorsssLineComponent;
			pReturn->AddRef();
			pReturn->Create(rc,"");
			strCaption = GetUniqueCaption(pReturn->GetType());
			strName = GetUniqueName(pReturn->GetType());
			pReturn->SetObjectCaption(strCaption);
			pReturn->SetObjectName(strName);
		}
		else
		{
			pReturn = CQYDataModel::GetComponentByType(m_drawshape,rcCreate,strFileName);
		}
	}
	return pReturn;*/
	return CQYDataModel::GetComponentByType(m_drawshape,rcCreate,strFileName);

}
// @@ added override (optional as long as you never call this member)
void CMySingleDataModel1::SetModifiedFlag(BOOL b)
{
	CQYDataModel::SetModifiedFlag(b);
	//QYTO:Add you code here.
}

// @@ added override
BOOL CMySingleDataModel1::IsModified()
{
	
	return CQYDataModel::IsModified();
}
void CMySingleDataModel1::Serialize(CArchive& ar)
{
	CQYDataModel::Serialize(ar);
	if(ar.IsStoring())
	{
		//QYTO:Add you code here.

	}
	else
	{
		//QYTO:Add you code here.

	}
}
/////////////////////////////////////////////////////////////////////////////
// CPrintBaseJob serialization
CFile* CMySingleDataModel1::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
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
void CMySingleDataModel1::ReleaseFile(CFile* pFile, BOOL bAbort)
{
	ASSERT_KINDOF(CFile, pFile);
	if (bAbort)
		pFile->Abort(); // will not throw an exception
	else
		pFile->Close();
	delete pFile;
}
BOOL CMySingleDataModel1::OpenDocument(LPCTSTR lpszPathName)
{
	CFileException fe;
	CFile* pFile = GetFile(lpszPathName,
		CFile::modeRead|CFile::shareDenyWrite, &fe);
	if (pFile == NULL)
	{
		return FALSE;
	}
	strCurOpenFormFile = CString(lpszPathName);
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
BOOL CMySingleDataModel1::SaveDocument(LPCTSTR lpszPathName)
{
	CFileException fe;
	CFile* pFile = NULL;
	pFile = GetFile(lpszPathName, CFile::modeCreate |
		CFile::modeReadWrite | CFile::shareExclusive, &fe);
	
	if (pFile == NULL)
	{
		
		return FALSE;
	}
	strCurOpenFormFile = CString(lpszPathName);
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

void CMySingleDataModel1::OnDraw(CDC *pDC)
{
	CQYDataModel::OnDraw(pDC);
	//QYTO:Add you code here.

}

void CMySingleDataModel1::OnDrawBack(CDC *pDC)
{
	CQYDataModel::OnDrawBack(pDC);
	//QYTO:Add you code here.

}

void CMySingleDataModel1::OnDrawTabOrder(CDC *pDC)
{
	CQYDataModel::OnDrawTabOrder(pDC);
	//QYTO:Add you code here.

}
/////////////////////////////////////////////////////////////////////////////
// CMySingleDataModel1 diagnostics

#ifdef _DEBUG
void CMySingleDataModel1::AssertValid() const
{
	CQYDataModel::AssertValid();
}

void CMySingleDataModel1::Dump(CDumpContext& dc) const
{
	CQYDataModel::Dump(dc);
}
#endif //_DEBUG
