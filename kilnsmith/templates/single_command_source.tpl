{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

//////////////////////////////////////////////////////////////////////
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
IMPLEMENT_COMMAND(«Class», CQYCommand, //COMMAND_BACK_TEXT_COLOR_CHANGE/*change this*/)
«Class»::«Class»(CQYDataModel* pModel,CQYDrawComponent *pComp): 
	CQYCommand(pModel)
{
	m_pComp = pComp; 
	pComp->AddRef();
	
}

«Class»::~«Class»()
{
	m_pComp->Release();
}

BOOL «Class»::Execute()
{
	ASSERT_VALID(m_pComp);
	//TODO:Add your code below.

	return TRUE;
}

CQYBaseCommand* «Class»::GetUndoCommand() const
{
	«Class» *pCmd = new «Class»(m_pModel,m_pComp);
	//TODO:Add your code below.

	return pCmd;
}

CQYBaseCommand* «Class»::GetRedoCommand() const
{
	«Class» *pCmd = new «Class»(m_pModel,m_pComp);
	//TODO:Add your code below.

	return pCmd;
}

void «Class»::Sprint(CString& strLabel) const
{ 
	//TODO:change the following line.
	strLabel = //_T("Text and back color command"); 
}
/////////////////////////////////////////////////////////////////////////////
// «Class» diagnostics

{Diagnostics definitions}
