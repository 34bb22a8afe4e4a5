{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////
class «Class» : public CQYMultiPageModel
{
protected:
	DECLARE_SERIAL(«Class»);
public:

	«Class»();
	virtual ~«Class»();
	virtual void ClearAll();

	virtual CQYSubFormModel* AddNewModel(CString strCaption = "");

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
