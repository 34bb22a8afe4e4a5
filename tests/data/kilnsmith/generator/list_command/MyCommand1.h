#if !defined(AFC_MYCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Command for multi components
///////////////////////////////////////
#include "QYCommand.h"

class CMyCommand1 : public CQYCommand
{
	DECLARE_COMMAND(CMyCommand1)

public:
	
	// Constructor.
	CMyCommand1(CQYDataModel* pModel, const CQYDrawComponentList& list);

// Overrides
public:
	
	// Execute the command.
	virtual BOOL Execute();

	// Return the inverse command of this one.
	virtual CQYBaseCommand* GetUndoCommand() const;

	// Return a copy of this command.
	virtual CQYBaseCommand* GetRedoCommand() const;

	// Get the name of the command.
	virtual void Sprint(CString& strLabel) const;

	// Get the list components.
	virtual CQYDrawComponentList* GetComponentList();

	// Add new component to the list.
	virtual void AddComponent(CQYDrawComponent* pComp);

	// Add components to the list.
	virtual void AddComponents(CQYDrawComponentList &list);

	// Remove component from the list.
	virtual void RemoveComponent(CQYDrawComponent* pComp);

	// Remove all components.
	virtual void RemoveAllComponents();

public:
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
// Attributes
protected:

	CQYDrawComponentList m_list;

	// QYDO:Add your code here.

	friend class CQYBaseView;
};

inline CQYDrawComponentList* CMyCommand1::GetComponentList()
{
	return &m_list;
}

#endif // !defined(AFC_MYCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
