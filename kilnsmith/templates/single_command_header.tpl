{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////
// #include "QYCommand.h"

class «Class» : public CQYCommand
{
	DECLARE_COMMAND(«Class»)
public:
	
	// Constructor.
	«Class»(CQYDataModel* pModel,CQYDrawComponent *pComp);

	// Destructor.
	~«Class»();

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
{Diagnostics declarations}
protected:
	CQYDrawComponent *m_pComp;

	//TODO:Add your code here.

	friend class CQYBaseView;
};

inline void «Class»::SetComponent(CQYDrawComponent *pComp)
{
	pComp->AddRef();
	if (m_pComp != NULL)
		m_pComp->Release();
	m_pComp = pComp;
}
	
inline CQYDrawComponent *«Class»::GetComponent()
{
	return m_pComp;
}
{GuardClose}
