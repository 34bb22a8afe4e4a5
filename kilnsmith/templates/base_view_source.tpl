// {SourceFile} : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include 'Ashgrove.h'//Need change.
#include "{DocumentHeader}"
#include "{HeaderFile}"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// «Class»

IMPLEMENT_DYNCREATE(«Class», CQYBaseView)

BEGIN_MESSAGE_MAP(«Class», CQYBaseView)
	//{{AFX_MSG_MAP(«Class»)
	//}}AFX_MSG_MAP
	// Standard printing commands
	ON_COMMAND(ID_FILE_PRINT, CQYBaseView::OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_DIRECT, CQYBaseView::OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_PREVIEW, CQYBaseView::OnFilePrintPreview)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

«Class»::«Class»()
{
	// TODO: add construction code here

}

«Class»::~«Class»()
{
}

BOOL «Class»::PreCreateWindow(CREATESTRUCT& cs)
{
	// TODO: Modify the Window class or styles here by modifying
	//  the CREATESTRUCT cs

	return CQYBaseView::PreCreateWindow(cs);
}

/////////////////////////////////////////////////////////////////////////////
// «Class» drawing

void «Class»::OnDraw(CDC* pDC)
{
	«Document»* pDoc = GetDocument();
	ASSERT_VALID(pDoc);
	// Plexo Library Add line.
	Draw(pDC);
	// TODO: add draw code for native data here
}

void «Class»::OnInitialUpdate()
{
	CQYBaseView::OnInitialUpdate();

	// Plexo Library Add line.
	SetCurrentModel(GetDocument()->m_pDataModel);

}

/////////////////////////////////////////////////////////////////////////////
// «Class» printing

BOOL «Class»::OnPreparePrinting(CPrintInfo* pInfo)
{
	// default preparation
	return DoPreparePrinting(pInfo);
}

void «Class»::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
	// TODO: add extra initialization before printing
	// Plexo Library Add line.
	CQYBaseView::OnBeginPrinting(pDC,pInfo);
}

void «Class»::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
	// TODO: add cleanup after printing
}

/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

#ifdef _DEBUG
void «Class»::AssertValid() const
{
	CQYBaseView::AssertValid();
}

void «Class»::Dump(CDumpContext& dc) const
{
	CQYBaseView::Dump(dc);
}

«Document»* «Class»::GetDocument() // non-debug version is inline
{
	ASSERT(m_pDocument->IsKindOf(RUNTIME_CLASS(«Document»)));
	return («Document»*)m_pDocument;
}
#endif //_DEBUG


void «Class»::OnPrint(CDC* pDC, CPrintInfo* pInfo) 
{
	// TODO: Add your specialized code here and/or call the base class
	
	CQYBaseView::OnPrint(pDC, pInfo);
}
