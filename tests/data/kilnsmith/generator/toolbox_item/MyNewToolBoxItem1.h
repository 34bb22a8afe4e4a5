#if !defined(AFC_MYNEWTOOLBOXITEM1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYNEWTOOLBOXITEM1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// New toolbox item class.
///////////////////////////////////////


#include "QYHyLinkComponent.h"

class CMyNewToolBoxItem1 : public CQYToolBoxItem
{
protected:
	DECLARE_SERIAL(CMyNewToolBoxItem1);
public:
	CMyNewToolBoxItem1();
	virtual ~CMyNewToolBoxItem1();
	virtual void Serialize(CArchive &ar);

public:
	//virtual void Serialize(CArchive &ar);
	virtual BOOL SaveDocument(LPCTSTR lpszPathName);
	virtual BOOL OpenDocument(LPCTSTR lpszPathName);
	CFile *GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,
	CFileException* pError);
	virtual void ReleaseFile(CFile* pFile, BOOL bAbort);
};

#endif // !defined(AFC_MYNEWTOOLBOXITEM1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
