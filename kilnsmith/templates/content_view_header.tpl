{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

class «Class» : public CQYContentView
{
protected:
	«Class»();           // protected constructor used by dynamic creation
	DECLARE_DYNCREATE(«Class»)

// Attributes
public:
	«Document»* GetDocument();
// Operations
public:

// Overrides
	// Kilnsmith generated virtual function overrides
	//{{AFX_VIRTUAL(«Class»)
	protected:
	virtual void OnDraw(CDC* pDC);      // overridden to draw this view
	virtual void OnInitialUpdate();     // first time after construct
	//}}AFX_VIRTUAL

// Implementation
protected:
	virtual ~«Class»();
{Diagnostics declarations}

	// Generated message map functions
	//{{AFX_MSG(«Class»)
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};
#ifndef _DEBUG  // debug version in ThornlakeView.cpp
inline «Document»* «Class»::GetDocument()
   { return («Document»*)m_pDocument; }
#endif
/////////////////////////////////////////////////////////////////////////////
{GuardClose}
