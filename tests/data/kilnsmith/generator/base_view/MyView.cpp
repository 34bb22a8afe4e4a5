// MyView.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include 'Ashgrove.h'//Need change.
#include "MyDoc.h"
#include "MyView.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyView

IMPLEMENT_DYNCREATE(CMyView, CQYBaseView)

BEGIN_MESSAGE_MAP(CMyView, CQYBaseView)
	//{{AFX_MSG_MAP(CMyView)
	//}}AFX_MSG_MAP
	// Standard printing commands
	ON_COMMAND(ID_FILE_PRINT, CQYBaseView::OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_DIRECT, CQYBaseView::OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_PREVIEW, CQYBaseView::OnFilePrintPreview)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CMyView construction/destruction

CMyView::CMyView()
{
	// TODO: add construction code here

}

CMyView::~CMyView()
{
}

BOOL CMyView::PreCreateWindow(CREATESTRUCT& cs)
{
	// TODO: Modify the Window class or styles here by modifying
	//  the CREATESTRUCT cs

	return CQYBaseView::PreCreateWindow(cs);
}

/////////////////////////////////////////////////////////////////////////////
// CMyView drawing

void CMyView::OnDraw(CDC* pDC)
{
	CMyDoc* pDoc = GetDocument();
	ASSERT_VALID(pDoc);
	// Plexo Library Add line.
	Draw(pDC);
	// TODO: add draw code for native data here
}

void CMyView::OnInitialUpdate()
{
	CQYBaseView::OnInitialUpdate();

	// Plexo Library Add line.
	SetCurrentModel(GetDocument()->m_pDataModel);

}

/////////////////////////////////////////////////////////////////////////////
// CMyView printing

BOOL CMyView::OnPreparePrinting(CPrintInfo* pInfo)
{
	// default preparation
	return DoPreparePrinting(pInfo);
}

void CMyView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
	// TODO: add extra initialization before printing
	// Plexo Library Add line.
	CQYBaseView::OnBeginPrinting(pDC,pInfo);
}

void CMyView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
	// TODO: add cleanup after printing
}

/////////////////////////////////////////////////////////////////////////////
// CMyView diagnostics

#ifdef _DEBUG
void CMyView::AssertValid() const
{
	CQYBaseView::AssertValid();
}

void CMyView::Dump(CDumpContext& dc) const
{
	CQYBaseView::Dump(dc);
}

CMyDoc* CMyView::GetDocument() // non-debug version is inline
{
	ASSERT(m_pDocument->IsKindOf(RUNTIME_CLASS(CMyDoc)));
	return (CMyDoc*)m_pDocument;
}
#endif //_DEBUG


void CMyView::OnPrint(CDC* pDC, CPrintInfo* pInfo) 
{
	// TODO: Add your specialized code here and/or call the base class
	
	CQYBaseView::OnPrint(pDC, pInfo);
}
