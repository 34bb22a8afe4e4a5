// MyMultiDataModel1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyMultiDataModel1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyMultiDataModel1 construction/destruction

IMPLEMENT_SERIAL(CMyMultiDataModel1, CQYMultiPageModel, 0)
CMyMultiDataModel1::CMyMultiDataModel1()
{
	//QYTO:Add you code here.
}

CMyMultiDataModel1::~CMyMultiDataModel1()
{
	//QYTO:Add you code here.

}

void CMyMultiDataModel1::ClearAll()
{
	CQYMultiPageModel::ClearAll();
	//QYTO:Add you code here.

}

void CMyMultiDataModel1::Serialize(CArchive& ar)
{
	CQYMultiPageModel::Serialize(ar);
	if(ar.IsStoring())
	{
		//QYTO:Add you code here.

	}
	else
	{
		//QYTO:Add you code here.

	}
}
CQYSubFormModel *CMyMultiDataModel1::AddNewModel(CString strCaption)
{
	//int nPageNumber = GetUniquePageNumber();
	//if(strCaption.IsEmpty())
	//{
	//	strCaption = GetUniquePageCaption();
	//}
	//CMyExtDataModel *pModel = new CMyExtDataModel;
	//pModel->SetPageCaption(strCaption);
	//pModel->SetPageNumber( nPageNumber );
	//pModel->SetPageSelected(TRUE);
	//m_ModelList.AddTail(pModel);
	//ChangeModel(pModel->GetPageNumber());
	//GetDocument()->SetModifiedFlag();
	//return pModel;
	return NULL;
}
/////////////////////////////////////////////////////////////////////////////
// Serialization
CFile* CMyMultiDataModel1::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
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
void CMyMultiDataModel1::ReleaseFile(CFile* pFile, BOOL bAbort)
{
	ASSERT_KINDOF(CFile, pFile);
	if (bAbort)
		pFile->Abort(); // will not throw an exception
	else
		pFile->Close();
	delete pFile;
}
BOOL CMyMultiDataModel1::OpenDocument(LPCTSTR lpszPathName)
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
BOOL CMyMultiDataModel1::SaveDocument(LPCTSTR lpszPathName)
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

/////////////////////////////////////////////////////////////////////////////
// CMyMultiDataModel1 diagnostics

#ifdef _DEBUG
void CMyMultiDataModel1::AssertValid() const
{
	CQYMultiPageModel::AssertValid();
}

void CMyMultiDataModel1::Dump(CDumpContext& dc) const
{
	CQYMultiPageModel::Dump(dc);
}
#endif //_DEBUG
