#if !defined(AFC_MYSINGLESUBDATAMODEL1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYSINGLESUBDATAMODEL1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Sub data model
///////////////////////////////////////
class CMySingleSubDataModel1 : public CQYSubFormModel
{
protected:
	DECLARE_SERIAL(CMySingleSubDataModel1);
public:

	CMySingleSubDataModel1();
	virtual ~CMySingleSubDataModel1();

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
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
};


#endif // !defined(AFC_MYSINGLESUBDATAMODEL1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
