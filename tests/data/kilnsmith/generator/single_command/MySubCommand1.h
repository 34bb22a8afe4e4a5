#if !defined(AFC_MYSUBCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYSUBCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Command
///////////////////////////////////////
// #include "QYCommand.h"

class CMySubCommand1 : public CQYCommand
{
	DECLARE_COMMAND(CMySubCommand1)
public:
	
	// Constructor.
	CMySubCommand1(CQYDataModel* pModel,CQYDrawComponent *pComp);

	// Destructor.
	~CMySubCommand1();

public:

	// Execute the command.
	virtual BOOL Execute();

	// Return the inverse command of this one
	virtual CQYBaseCommand *GetUndoCommand() const;

	// Return a copy of this command.
	virtual CQYBaseCommand *GetRedoCommand() const;

	// Get the name of the command
	virtual void Sprint(CString &strLabel) const;

	// Add new component to the command.
	virtual void SetComponent(CQYDrawComponent *pComp);
	
	// Return the pointer of the component.
	virtual CQYDrawComponent *GetComponent();

	//TODO:Add your code here.

public:
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
protected:
	CQYDrawComponent *m_pComp;

	//TODO:Add your code here.

	friend class CQYBaseView;
};

inline void CMySubCommand1::SetComponent(CQYDrawComponent *pComp)
{
	pComp->AddRef();
	if (m_pComp != NULL)
		m_pComp->Release();
	m_pComp = pComp;
}
	
inline CQYDrawComponent *CMySubCommand1::GetComponent()
{
	return m_pComp;
}

#endif // !defined(AFC_MYSUBCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
