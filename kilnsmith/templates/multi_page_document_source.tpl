{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class»

IMPLEMENT_DYNCREATE(«Class», CDocument)

BEGIN_MESSAGE_MAP(«Class», CDocument)
	//{{AFX_MSG_MAP(«Class»)
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

«Class»::«Class»()
{
	// TODO: add one-time construction code here
	m_pMultiModel = new CQYMultiPageModel;
}

«Class»::~«Class»()
{
	if(m_pMultiModel != NULL)
		delete m_pMultiModel;
	
}

BOOL «Class»::OnNewDocument()
{
	m_pMultiModel->SetDocument(this);
	if (!CDocument::OnNewDocument())
		return FALSE;
	
	// TODO: add reinitialization code here
	// (SDI documents will reuse this document)
	m_pMultiModel->OnNewDocument();

	return TRUE;
}



/////////////////////////////////////////////////////////////////////////////
// «Class» serialization

void «Class»::Serialize(CArchive& ar)
{
	m_pMultiModel->Serialize(ar);
	if (ar.IsStoring())
	{
		// TODO: add storing code here
	}
	else
	{
		// TODO: add loading code here
	}
}

/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

{Diagnostics definitions}

/////////////////////////////////////////////////////////////////////////////
// «Class» commands

void «Class»::DeleteContents() 
{
	// TODO: Add your specialized code here and/or call the base class
	m_pMultiModel->ResetContent();
	CDocument::DeleteContents();
}


BOOL «Class»::OnOpenDocument(LPCTSTR lpszPathName) 
{
	m_pMultiModel->SetDocument(this);
	if (!CDocument::OnOpenDocument(lpszPathName))
		return FALSE;
	
	// TODO: Add your specialized creation code here
	m_pMultiModel->OnOpenDocument();
	return TRUE;
}

BOOL «Class»::OnSaveDocument(LPCTSTR lpszPathName) 
{
	// TODO: Add your specialized code here and/or call the base class
	m_pMultiModel->SetDocument(this);
	return CDocument::OnSaveDocument(lpszPathName);
}
