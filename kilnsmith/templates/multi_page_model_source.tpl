{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

IMPLEMENT_SERIAL(«Class», CQYMultiPageModel, 0)
«Class»::«Class»()
{
	//QYTO:Add you code here.
}

«Class»::~«Class»()
{
	//QYTO:Add you code here.

}

void «Class»::ClearAll()
{
	CQYMultiPageModel::ClearAll();
	//QYTO:Add you code here.

}

void «Class»::Serialize(CArchive& ar)
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
CQYSubFormModel *«Class»::AddNewModel(CString strCaption)
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
CFile* «Class»::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
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
void «Class»::ReleaseFile(CFile* pFile, BOOL bAbort)
{
	ASSERT_KINDOF(CFile, pFile);
	if (bAbort)
		pFile->Abort(); // will not throw an exception
	else
		pFile->Close();
	delete pFile;
}
BOOL «Class»::OpenDocument(LPCTSTR lpszPathName)
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
BOOL «Class»::SaveDocument(LPCTSTR lpszPathName)
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
// «Class» diagnostics

{Diagnostics definitions}
