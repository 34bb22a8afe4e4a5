#if !defined(AFC_MYLINEENDOBJECT_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYLINEENDOBJECT_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Create Line end object.
///////////////////////////////////////

#include "QYBaseEndObject.h"

class CMyLineEndObject : public CQYBaseEndObject  
{
protected:
	DECLARE_SERIAL(CMyLineEndObject);
public:

	// constructor
	CMyLineEndObject();

	// Copy constructor.
	CMyLineEndObject(const CMyLineEndObject& src);

	// Destructor.
	virtual ~CMyLineEndObject();

public:

	// Assignment operator.
	CMyLineEndObject& operator=(const CMyLineEndObject& src);

	// Creates a copy of this component.
	virtual CQYBaseEndObject* Copy() const;

public:
	// Get near.
	int MoreNear(float fNumber) const;

	int ComputeAngle(CPoint ptStart,CPoint ptEnd);
public:

	// Serializes the data.
	virtual void Serialize(CArchive &ar);
	
public:

	//Draw flat status.

	// Creates GDI objects and sets up the device context for drawing. 
	virtual void PrepareDC(CDC* pDC);

	// Draws the 3D status of the component.
	virtual void OnDraw(CDC *pDC);

	// Frees GDI objects and restores the state of the device context.
	virtual void ClearDC(CDC* pDC);

	// Create arrow.
	virtual void BuildLineEnd();

public:

#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
	// Set the properties of the component.
	virtual void OnTextEditProperties();

};

#endif // !defined(AFC_MYLINEENDOBJECT_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
