#if !defined(AFC_MYMACROCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYMACROCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// Macro Command for multi components
///////////////////////////////////////

// #include "QYCommandMacro.h"

class CMyMacroCommand1 : public CQYCommandMacro
{
	DECLARE_COMMAND(CMyMacroCommand1)

public:

	// Constructor.
	CMyMacroCommand1(CQYDataModel* pModel);
	// Attributes

	// Get the main component.
	CQYDrawComponent *GetMainComponent();

	// Find the correct command.
	CQYBaseCommand *FindCommandByComp(CQYDrawComponent *pComp);

// Overrides
public:

	// Execute the command.
	virtual BOOL Execute();

	// Return the inverse command of this one.
	virtual CQYBaseCommand* GetUndoCommand() const;

	// Return a copy of this command
	virtual CQYBaseCommand* GetRedoCommand() const;

	// Get the name of the command.
	virtual void Sprint(CString& strLabel) const;

public:

	// Add component to the list.
	virtual void AddComponent(CQYDrawComponent *pObj);

	// Add components to the list.
	virtual void AddComponents(CQYDrawComponentList &list);

	// QYDO: Add your code below.

public:
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
	// Attributes
protected:

	CQYDrawComponentList m_list;

	friend class CQYBaseView;
};

#endif // !defined(AFC_MYMACROCOMMAND1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
