// MySubCommand1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MySubCommand1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMySubCommand1 construction/destruction

//////////////////////////////////////////////////////////////////////
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
IMPLEMENT_COMMAND(CMySubCommand1, CQYCommand, //COMMAND_BACK_TEXT_COLOR_CHANGE/*change this*/)
CMySubCommand1::CMySubCommand1(CQYDataModel* pModel,CQYDrawComponent *pComp): 
	CQYCommand(pModel)
{
	m_pComp = pComp; 
	pComp->AddRef();
	
}

CMySubCommand1::~CMySubCommand1()
{
	m_pComp->Release();
}

BOOL CMySubCommand1::Execute()
{
	ASSERT_VALID(m_pComp);
	//TODO:Add your code below.

	return TRUE;
}

CQYBaseCommand* CMySubCommand1::GetUndoCommand() const
{
	CMySubCommand1 *pCmd = new CMySubCommand1(m_pModel,m_pComp);
	//TODO:Add your code below.

	return pCmd;
}

CQYBaseCommand* CMySubCommand1::GetRedoCommand() const
{
	CMySubCommand1 *pCmd = new CMySubCommand1(m_pModel,m_pComp);
	//TODO:Add your code below.

	return pCmd;
}

void CMySubCommand1::Sprint(CString& strLabel) const
{ 
	//TODO:change the following line.
	strLabel = //_T("Text and back color command"); 
}
/////////////////////////////////////////////////////////////////////////////
// CMySubCommand1 diagnostics

#ifdef _DEBUG
void CMySubCommand1::AssertValid() const
{
	CObject::AssertValid();
}

void CMySubCommand1::Dump(CDumpContext& dc) const
{
	CObject::Dump(dc);
}
#endif //_DEBUG
