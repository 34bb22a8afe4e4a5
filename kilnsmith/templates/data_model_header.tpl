{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////
class «Class» : public {Base}
{
protected:
	DECLARE_SERIAL(«Class»);
public:

	«Class»();
	virtual ~«Class»();

public:

	virtual void DoInitData();
	virtual void SetModifiedFlag(BOOL bModified = TRUE);	// added override
	virtual BOOL IsModified();

	virtual CQYDrawComponent *GetComponentByType(UINT m_drawshape,CRect &rcCreate,CString strFileName = "");
	virtual CString GetUniqueName(UINT nType);
	virtual CString GetUniqueCaption(UINT nType);

public:

	virtual void OnDraw(CDC *pDC);
	virtual void OnDrawTabOrder(CDC *pDC);
	virtual void OnDrawBack(CDC *pDC);

public:

	virtual void Serialize(CArchive &ar);
	virtual BOOL SaveDocument(LPCTSTR lpszPathName);
	virtual BOOL OpenDocument(LPCTSTR lpszPathName);
	CFile *GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,CFileException* pError);
	virtual void ReleaseFile(CFile* pFile, BOOL bAbort);
// Implementation
public:
{Diagnostics declarations}
};
{GuardClose}
