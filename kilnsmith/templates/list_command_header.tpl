{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////
#include "QYCommand.h"

class «Class» : public CQYCommand
{
	DECLARE_COMMAND(«Class»)

public:
	
	// Constructor.
	«Class»(CQYDataModel* pModel, const CQYDrawComponentList& list);

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
{Diagnostics declarations}
// Attributes
protected:

	CQYDrawComponentList m_list;

	// QYDO:Add your code here.

	friend class CQYBaseView;
};

inline CQYDrawComponentList* «Class»::GetComponentList()
{
	return &m_list;
}
{GuardClose}
