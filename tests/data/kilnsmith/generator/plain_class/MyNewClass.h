#if !defined(AFC_MYNEWCLASS_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYNEWCLASS_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Normal class.
///////////////////////////////////////

class CMyNewClass : public CMyBaseClass
{
public:
	CMyNewClass();
	virtual ~CMyNewClass();

};

#endif // !defined(AFC_MYNEWCLASS_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
