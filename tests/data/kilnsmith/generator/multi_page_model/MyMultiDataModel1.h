#if !defined(AFC_MYMULTIDATAMODEL1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYMULTIDATAMODEL1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Multi Page Data Model
///////////////////////////////////////
class CMyMultiDataModel1 : public CQYMultiPageModel
{
protected:
	DECLARE_SERIAL(CMyMultiDataModel1);
public:

	CMyMultiDataModel1();
	virtual ~CMyMultiDataModel1();
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
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
};

#endif // !defined(AFC_MYMULTIDATAMODEL1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
