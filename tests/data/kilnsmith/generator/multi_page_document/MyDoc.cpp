// MyDoc.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyDoc.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyDoc

IMPLEMENT_DYNCREATE(CMyDoc, CDocument)

BEGIN_MESSAGE_MAP(CMyDoc, CDocument)
	//{{AFX_MSG_MAP(CMyDoc)
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CMyDoc construction/destruction

CMyDoc::CMyDoc()
{
	// TODO: add one-time construction code here
	m_pMultiModel = new CQYMultiPageModel;
}

CMyDoc::~CMyDoc()
{
	if(m_pMultiModel != NULL)
		delete m_pMultiModel;
	
}

BOOL CMyDoc::OnNewDocument()
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
// CMyDoc serialization

void CMyDoc::Serialize(CArchive& ar)
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
// CMyDoc diagnostics

#ifdef _DEBUG
void CMyDoc::AssertValid() const
{
	CDocument::AssertValid();
}

void CMyDoc::Dump(CDumpContext& dc) const
{
	CDocument::Dump(dc);
}
#endif //_DEBUG

/////////////////////////////////////////////////////////////////////////////
// CMyDoc commands

void CMyDoc::DeleteContents() 
{
	// TODO: Add your specialized code here and/or call the base class
	m_pMultiModel->ResetContent();
	CDocument::DeleteContents();
}


BOOL CMyDoc::OnOpenDocument(LPCTSTR lpszPathName) 
{
	m_pMultiModel->SetDocument(this);
	if (!CDocument::OnOpenDocument(lpszPathName))
		return FALSE;
	
	// TODO: Add your specialized creation code here
	m_pMultiModel->OnOpenDocument();
	return TRUE;
}

BOOL CMyDoc::OnSaveDocument(LPCTSTR lpszPathName) 
{
	// TODO: Add your specialized code here and/or call the base class
	m_pMultiModel->SetDocument(this);
	return CDocument::OnSaveDocument(lpszPathName);
}
