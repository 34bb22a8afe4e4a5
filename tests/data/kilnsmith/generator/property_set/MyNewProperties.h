#if !defined(AFC_MYNEWPROPERTIES_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYNEWPROPERTIES_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

//------------------------------------------------------
// Properties.
//------------------------------------------------------

#include "QYBaseProperties.h"

class CMyNewProperties : public CQYBaseProperties
{
	DECLARE_SERIAL(CMyNewProperties)

// Construction/Destruction
public:

	// Constructor with ID.
	CMyNewProperties(int nCurID = QY_CUSTOM_PROP_ID);
	
	// Copy constructor. 
	CMyNewProperties(const CMyNewProperties& propComp);
	
	// Destructor. 
	virtual ~CMyNewProperties();

	virtual CQYBaseProperties* Copy();

// Attributes
protected:
	// QYDO:Add your properties items below.

public:
	
	// Sets this set of font properties equal to another. 
	CMyNewProperties& operator=(const CMyNewProperties& propEdit);

	// Determines if another set of fill properties is equal to this one. 
	BOOL operator==(const CMyNewProperties propEdit) const;

	virtual void Serialize(CArchive& ar);

// Implementation
public:

#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

};
inline CQYBaseProperties* CMyNewProperties::Copy()
{
	return new CMyNewProperties(*this);
}


#endif // !defined(AFC_MYNEWPROPERTIES_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
