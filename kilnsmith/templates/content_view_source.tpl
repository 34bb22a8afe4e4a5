// {SourceFile} : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include 'Thornlake.h'//change this line
#include "{DocumentHeader}"
#include "{HeaderFile}"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// «Class»

IMPLEMENT_DYNCREATE(«Class», CQYContentView)

«Class»::«Class»()
{
}

«Class»::~«Class»()
{
}


BEGIN_MESSAGE_MAP(«Class», CQYContentView)
	//{{AFX_MSG_MAP(«Class»)
	ON_WM_CREATE()
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// «Class» drawing

void «Class»::OnInitialUpdate()
{
	CQYContentView::OnInitialUpdate();
}

void «Class»::OnDraw(CDC* pDC)
{
	CDocument* pDoc = GetDocument();
	// TODO: add draw code here
	DrawItem(pDC);
}

/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

#ifdef _DEBUG
void «Class»::AssertValid() const
{
	CQYContentView::AssertValid();
}

void «Class»::Dump(CDumpContext& dc) const
{
	CQYContentView::Dump(dc);
}

«Document»* «Class»::GetDocument() // non-debug version is inline
{
	ASSERT(m_pDocument->IsKindOf(RUNTIME_CLASS(«Document»)));
	return («Document»*)m_pDocument;
}
#endif //_DEBUG

/////////////////////////////////////////////////////////////////////////////
// «Class» message handlers

int «Class»::OnCreate(LPCREATESTRUCT lpCreateStruct) 
{
	if (CQYContentView::OnCreate(lpCreateStruct) == -1)
		return -1;
	
	// TODO: Add your specialized creation code here
	SetMultiModel(GetDocument()->m_pMultiModel);

	return 0;
}
