{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

IMPLEMENT_SERIAL(«Class», {Base}, 0)
«Class»::«Class»()
{
	//QYTO:Add you code here.
}

«Class»::~«Class»()
{
	//QYTO:Add you code here.

}

void «Class»::DoInitData()
{
	{Base}::DoInitData();
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
CString «Class»::GetUniqueName(UINT nType)
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
		return {Base}::GetUniqueName(nType);
	}*/
	return {Base}::GetUniqueName(nType);
}

CString «Class»::GetUniqueCaption(UINT nType)
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
		return {Base}::GetUniqueCaption(nType);
	}*/
	return {Base}::GetUniqueCaption(nType);
}

CQYDrawComponent *«Class»::GetComponentByType(UINT m_drawshape,CRect &rcCreate,CString strFileName)
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
			pReturn = {Base}::GetComponentByType(m_drawshape,rcCreate,strFileName);
		}
	}
	return pReturn;*/
	return {Base}::GetComponentByType(m_drawshape,rcCreate,strFileName);

}
// @@ added override (optional as long as you never call this member)
void «Class»::SetModifiedFlag(BOOL b)
{
	{Base}::SetModifiedFlag(b);
	//QYTO:Add you code here.
}

// @@ added override
BOOL «Class»::IsModified()
{
	
	return {Base}::IsModified();
}
void «Class»::Serialize(CArchive& ar)
{
	{Base}::Serialize(ar);
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

void «Class»::OnDraw(CDC *pDC)
{
	{Base}::OnDraw(pDC);
	//QYTO:Add you code here.

}

void «Class»::OnDrawBack(CDC *pDC)
{
	{Base}::OnDrawBack(pDC);
	//QYTO:Add you code here.

}

void «Class»::OnDrawTabOrder(CDC *pDC)
{
	{Base}::OnDrawTabOrder(pDC);
	//QYTO:Add you code here.

}
/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

{Diagnostics definitions}

