{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class»

IMPLEMENT_DYNCREATE(«Class», CQYDoc)

BEGIN_MESSAGE_MAP(«Class», CQYDoc)
	//{{AFX_MSG_MAP(«Class»)
		// NOTE - the Kilnsmith will add and remove mapping macros here.
		//    DO NOT EDIT what you see in these blocks of generated code!
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

«Class»::«Class»()
{
	// TODO: add one-time construction code here

}

«Class»::~«Class»()
{
}

BOOL «Class»::OnNewDocument()
{
	if (!CQYDoc::OnNewDocument())
		return FALSE;

	// TODO: add reinitialization code here
	// (SDI documents will reuse this document)

	return TRUE;
}



/////////////////////////////////////////////////////////////////////////////
// «Class» serialization

void «Class»::Serialize(CArchive& ar)
{
	CQYDoc::Serialize(ar);
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
