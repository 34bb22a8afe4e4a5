{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////


#include "QYHyLinkComponent.h"

class «Class» : public CQYToolBoxItem
{
protected:
	DECLARE_SERIAL(«Class»);
public:
	«Class»();
	virtual ~«Class»();
	virtual void Serialize(CArchive &ar);

public:
	//virtual void Serialize(CArchive &ar);
	virtual BOOL SaveDocument(LPCTSTR lpszPathName);
	virtual BOOL OpenDocument(LPCTSTR lpszPathName);
	CFile *GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
	CFileException* pError);
	virtual void ReleaseFile(CFile* pFile, BOOL bAbort);
};
{GuardClose}
