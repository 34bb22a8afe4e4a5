// MySingleSubDataModel1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MySingleSubDataModel1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMySingleSubDataModel1 construction/destruction

IMPLEMENT_SERIAL(CMySingleSubDataModel1, CQYSubFormModel, 0)
CMySingleSubDataModel1::CMySingleSubDataModel1()
{
	//QYTO:Add you code here.
}

CMySingleSubDataModel1::~CMySingleSubDataModel1()
{
	//QYTO:Add you code here.

}

void CMySingleSubDataModel1::DoInitData()
{
	CQYSubFormModel::DoInitData();
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
CString CMySingleSubDataModel1::GetUniqueName(UINT nType)
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
		return CQYSubFormModel::GetUniqueName(nType);
	}*/
	return CQYSubFormModel::GetUniqueName(nType);
}

CString CMySingleSubDataModel1::GetUniqueCaption(UINT nType)
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
		return CQYSubFormModel::GetUniqueCaption(nType);
	}*/
	return CQYSubFormModel::GetUniqueCaption(nType);
}

CQYDrawComponent *CMySingleSubDataModel1::GetComponentByType(UINT m_drawshape,CRect &rcCreate,CString strFileName)
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
			pReturn = CQYSubFormModel::GetComponentByType(m_drawshape,rcCreate,strFileName);
		}
	}
	return pReturn;*/
	return CQYSubFormModel::GetComponentByType(m_drawshape,rcCreate,strFileName);

}
// @@ added override (optional as long as you never call this member)
void CMySingleSubDataModel1::SetModifiedFlag(BOOL b)
{
	CQYSubFormModel::SetModifiedFlag(b);
	//QYTO:Add you code here.
}

// @@ added override
BOOL CMySingleSubDataModel1::IsModified()
{
	
	return CQYSubFormModel::IsModified();
}
void CMySingleSubDataModel1::Serialize(CArchive& ar)
{
	CQYSubFormModel::Serialize(ar);
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
CFile* CMySingleSubDataModel1::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
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
void CMySingleSubDataModel1::ReleaseFile(CFile* pFile, BOOL bAbort)
{
	ASSERT_KINDOF(CFile, pFile);
	if (bAbort)
		pFile->Abort(); // will not throw an exception
	else
		pFile->Close();
	delete pFile;
}
BOOL CMySingleSubDataModel1::OpenDocument(LPCTSTR lpszPathName)
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
BOOL CMySingleSubDataModel1::SaveDocument(LPCTSTR lpszPathName)
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

void CMySingleSubDataModel1::OnDraw(CDC *pDC)
{
	CQYSubFormModel::OnDraw(pDC);
	//QYTO:Add you code here.

}

void CMySingleSubDataModel1::OnDrawBack(CDC *pDC)
{
	CQYSubFormModel::OnDrawBack(pDC);
	//QYTO:Add you code here.

}

void CMySingleSubDataModel1::OnDrawTabOrder(CDC *pDC)
{
	CQYSubFormModel::OnDrawTabOrder(pDC);
	//QYTO:Add you code here.

}
/////////////////////////////////////////////////////////////////////////////
// CMySingleSubDataModel1 diagnostics

#ifdef _DEBUG
void CMySingleSubDataModel1::AssertValid() const
{
	CQYSubFormModel::AssertValid();
}

void CMySingleSubDataModel1::Dump(CDumpContext& dc) const
{
	CQYSubFormModel::Dump(dc);
}
#endif //_DEBUG
