{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

/////////////////////////////////////////////////////////
IMPLEMENT_COMMAND(«Class», CQYCommand, //COMMAND_MOVECOMPONENTS)/*Change ThisCommand ID*/

«Class»::«Class»(CQYDataModel* pModel, const CQYDrawComponentList& list)
: CQYCommand(pModel), m_list(list.GetCount())
{
	m_list.AddTail((CQYDrawComponentList*)&list);
}

BOOL «Class»::Execute()
{
	// QYDO:Add code below.

	return TRUE;
}

CQYBaseCommand* «Class»::GetUndoCommand() const
{
	«Class» *pCmd = new «Class»(m_pModel,m_list);
	//QYDO:Add your code below.

	return pCmd;
}

CQYBaseCommand* «Class»::GetRedoCommand() const
{
	«Class» *pCmd = new «Class»(m_pModel,m_list);
	//QYDO:Add your code below.

	return pCmd;
}

void «Class»::AddComponent(CQYDrawComponent* pComp)
{
	ASSERT_VALID(pComp);
	if (pComp && (m_list.Find(pComp) == NULL))
	{
		m_list.AddTail(pComp);
		pComp->AddRef();
	}
}

void «Class»::AddComponents(CQYDrawComponentList &list)
{
	m_list.AddTail(&list);
}

void «Class»::RemoveComponent(CQYDrawComponent* pComp)
{
	POSITION pos = m_list.Find(pComp);
	if (pos == NULL)
	{
		return;
	}
	m_list.RemoveAt(pos);
}

void «Class»::RemoveAllComponents()
{
	m_list.RemoveAllWithoutRelease();
}

void «Class»::Sprint(CString& strLabel) const
{ 
	// QYDO:Change this line.
	strLabel = //_T("Move current components"); 
}

/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

{Diagnostics definitions}
