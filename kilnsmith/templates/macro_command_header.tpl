{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

// #include "QYCommandMacro.h"

class «Class» : public CQYCommandMacro
{
	DECLARE_COMMAND(«Class»)

public:

	// Constructor.
	«Class»(CQYDataModel* pModel);
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
{Diagnostics declarations}
	// Attributes
protected:

	CQYDrawComponentList m_list;

	friend class CQYBaseView;
};
{GuardClose}
