{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

class «Class» : public CQYDoc
{
protected: // create from serialization only
	«Class»();
	DECLARE_DYNCREATE(«Class»)

// Attributes
public:

// Operations
public:

// Overrides
	// Kilnsmith generated virtual function overrides
	//{{AFX_VIRTUAL(«Class»)
	public:
	virtual BOOL OnNewDocument();
	virtual void Serialize(CArchive& ar);
	//}}AFX_VIRTUAL

// Implementation
public:
	virtual ~«Class»();
{Diagnostics declarations}

protected:

// Generated message map functions
protected:
	//{{AFX_MSG(«Class»)
		// NOTE - the Kilnsmith will add and remove member functions here.
		//    DO NOT EDIT what you see in these blocks of generated code !
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};
{GuardClose}
