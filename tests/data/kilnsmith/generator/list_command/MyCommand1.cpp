// MyCommand1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyCommand1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyCommand1 construction/destruction

/////////////////////////////////////////////////////////
IMPLEMENT_COMMAND(CMyCommand1, CQYCommand, //COMMAND_MOVECOMPONENTS)/*Change ThisCommand ID*/

CMyCommand1::CMyCommand1(CQYDataModel* pModel, const CQYDrawComponentList& list)
: CQYCommand(pModel), m_list(list.GetCount())
{
	m_list.AddTail((CQYDrawComponentList*)&list);
}

BOOL CMyCommand1::Execute()
{
	// QYDO:Add code below.

	return TRUE;
}

CQYBaseCommand* CMyCommand1::GetUndoCommand() const
{
	CMyCommand1 *pCmd = new CMyCommand1(m_pModel,m_list);
	//QYDO:Add your code below.

	return pCmd;
}

CQYBaseCommand* CMyCommand1::GetRedoCommand() const
{
	CMyCommand1 *pCmd = new CMyCommand1(m_pModel,m_list);
	//QYDO:Add your code below.

	return pCmd;
}

void CMyCommand1::AddComponent(CQYDrawComponent* pComp)
{
	ASSERT_VALID(pComp);
	if (pComp && (m_list.Find(pComp) == NULL))
	{
		m_list.AddTail(pComp);
		pComp->AddRef();
	}
}

void CMyCommand1::AddComponents(CQYDrawComponentList &list)
{
	m_list.AddTail(&list);
}

void CMyCommand1::RemoveComponent(CQYDrawComponent* pComp)
{
	POSITION pos = m_list.Find(pComp);
	if (pos == NULL)
	{
		return;
	}
	m_list.RemoveAt(pos);
}

void CMyCommand1::RemoveAllComponents()
{
	m_list.RemoveAllWithoutRelease();
}

void CMyCommand1::Sprint(CString& strLabel) const
{ 
	// QYDO:Change this line.
	strLabel = //_T("Move current components"); 
}

/////////////////////////////////////////////////////////////////////////////
// CMyCommand1 diagnostics

#ifdef _DEBUG
void CMyCommand1::AssertValid() const
{
	CObject::AssertValid();
}

void CMyCommand1::Dump(CDumpContext& dc) const
{
	CObject::Dump(dc);
}
#endif //_DEBUG
