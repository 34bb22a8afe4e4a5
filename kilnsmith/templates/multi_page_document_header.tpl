{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

class «Class» : public CDocument
{
protected: // create from serialization only
	«Class»();
	DECLARE_DYNCREATE(«Class»)

// Operations
public:
	CQYMultiPageModel *m_pMultiModel;
// Overrides
	// Kilnsmith generated virtual function overrides
	//{{AFX_VIRTUAL(«Class»)
	public:
	virtual BOOL OnNewDocument();
	virtual void Serialize(CArchive& ar);
	virtual void DeleteContents();
	virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
	virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
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
{GuardClose}
