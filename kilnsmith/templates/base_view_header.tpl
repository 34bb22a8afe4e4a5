{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

class «Class» : public CQYBaseView
{
protected: // create from serialization only
	«Class»();
	DECLARE_DYNCREATE(«Class»)

// Attributes
public:
	«Document»* GetDocument();

// Operations
public:

// Overrides
	// Kilnsmith generated virtual function overrides
	//{{AFX_VIRTUAL(«Class»)
	public:
	virtual void OnDraw(CDC* pDC);  // overridden to draw this view
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	protected:
	virtual void OnInitialUpdate(); // called first time after construct
	virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
	virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
	//}}AFX_VIRTUAL

// Implementation
public:
	virtual ~«Class»();
{Diagnostics declarations}

protected:

// Generated message map functions
protected:
	//{{AFX_MSG(«Class»)
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};

#ifndef _DEBUG  // debug version in AshgroveView.cpp
inline «Document»* «Class»::GetDocument()
   { return («Document»*)m_pDocument; }
#endif
{GuardClose}
