// MyMacroCommand1.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyMacroCommand1.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

/////////////////////////////////////////////////////////////////////////////
// CMyMacroCommand1 construction/destruction

///////////////////////////////////////////////////////

IMPLEMENT_COMMAND(CMyMacroCommand1, CQYCommandMacro, //COMMAND_SIZECOMPONENTS/*change this*/)

CMyMacroCommand1::CMyMacroCommand1(CQYDataModel* pModel)
: CQYCommandMacro(pModel)
{
	m_nSizement = SizeNone;
}
CQYDrawComponent *CMyMacroCommand1::GetMainComponent()
{
	CQYDrawComponent *pComp;
	CQYCompProperties *pProp;
	POSITION pos = m_list.GetHeadPosition();
	while(pos != NULL)
	{
		pComp = (CQYDrawComponent *)m_list.GetNext(pos);
		pProp = pComp->GetDefaultProperty();
		if(pProp->IsMainObj())
		{
			return pComp;
		}
	}
	
	return NULL;
}

CQYBaseCommand *CMyMacroCommand1::FindCommandByComp(CQYDrawComponent *pComp)
{	
	// Example:
	//		CQYScaleCommand *pCmd;
	//		pCmd = NULL;
	//		POSITION pos =m_listCommands.GetTailPosition();
	//		while(pos != NULL)
	//		{
	//			pCmd=(CQYScaleCommand*)m_listCommands.GetPrev(pos);
	//			if(pCmd->GetComponent() == pComp)
	//			{
	//				return pCmd;
	//			}
	//		}
	return NULL;
}

BOOL CMyMacroCommand1::Execute()
{
	if(m_list.GetCount() > 0)
	{
		//QYDO:Add your command below.
		
		// Example:
		//			int nOffsetX=0, nOffsetY=0;
		//		
		//			CQYScaleCommand* pCmd;
		//			CQYDrawComponent *pComp, *pAnchor = GetMainComponent();
		//			CRect rcBounds, rcAnchor = pAnchor->GetRect();
		//			CPoint ptCenterBounds, ptCenterAnchor = rcAnchor.CenterPoint();
		//			POSITION pos = m_list.GetTailPosition();
		//			while(pos != NULL)
		//			{
		//				pComp = (CQYDrawComponent *)m_list.GetPrev(pos);
		//				pCmd = (CQYScaleCommand*)FindCommandByComp(pComp);
		//				nOffsetX = pCmd->GetCurrentPos().Width();
		//				nOffsetY = pCmd->GetCurrentPos().Height();
		//			
		//				rcBounds = pComp->GetRect();
		//				ptCenterBounds = rcBounds.CenterPoint();
		
		//				switch (m_nSizement)
		//				{
		//				case SizeHor:
		//					nOffsetX = rcAnchor.Width();
		//					nOffsetY = rcBounds.Height();
		//					break;
		//				case SizeVer:
		//					nOffsetX = rcBounds.Width();
		//					nOffsetY = rcAnchor.Height();
		//					break;
		//				case SizeAll:
		//					nOffsetX = rcAnchor.Width();
		//					nOffsetY = rcAnchor.Height();
		//					break;
		//				}
		//			
		//				if (nOffsetX != 0 || nOffsetY != 0)
		//					pCmd->SetCurrentPos(CRect(rcBounds.left,rcBounds.top,rcBounds.left+nOffsetX,rcBounds.top+nOffsetY));
		//			
		//			}
		CQYCommandMacro::Execute();
	}
	return TRUE;
	
}

void CMyMacroCommand1::Sprint(CString& strLabel) const
{
	CString str;
	//QYDO:Add your code below.
	//Example:
	//		switch (m_nSizement) 
	//		{
	//		case SizeHor:
	//			str = "Size Horizontal";
	//			break;
	//		case SizeVer:
	//			str = "Size Vertical";
	//			break;
	//		case SizeAll:
	//			str = "Size all";
	//			break;
	//		default:
	//			str = "*Unknown";
	//			break;
	//		}
	//	    strLabel = str;

}

void CMyMacroCommand1::AddComponent(CQYDrawComponent *pComp)
{
	ASSERT_VALID(pComp);
	
	if (pComp && m_list.Find(pComp) ==NULL)
	{
		m_list.AddTail(pComp);
		pComp->AddRef();
		
		//QYDO: Add your code below.
		// Example:
		//	CRect rcNewPos = CRect(0,0,0,0);
		//	CQYScaleCommand* pCmd = new CQYScaleCommand(m_pModel,pComp,rcNewPos);
		//	m_listCommands.AddTail(pCmd);

	}
}

CQYBaseCommand* CMyMacroCommand1::GetUndoCommand() const
{
	CMyMacroCommand1* pCmd = new CMyMacroCommand1(m_pModel);
	CQYBaseCommand *pCmdTemp;
	CQYDrawComponent *pComp;
	POSITION pos = m_listCommands.GetTailPosition();
	POSITION pos1 = m_list.GetTailPosition();
	while(pos != NULL && pos1 != NULL)
	{
		pCmdTemp = (CQYBaseCommand *)m_listCommands.GetPrev(pos);
		pComp = (CQYDrawComponent *)m_list.GetPrev(pos1);
		if(pCmdTemp != NULL)
		{
			pCmd->m_listCommands.AddTail(pCmdTemp->GetUndoCommand());
			pCmd->m_list.AddTail(pComp);
		}
	}
	return pCmd;
}

CQYBaseCommand* CMyMacroCommand1::GetRedoCommand() const
{
	CMyMacroCommand1* pCmd = new CMyMacroCommand1(m_pModel);
	CQYBaseCommand *pCmdTemp;
	CQYDrawComponent *pComp;
	POSITION pos = m_listCommands.GetTailPosition();
	POSITION pos1 = m_list.GetTailPosition();
	while(pos != NULL && pos1 != NULL)
	{
		pCmdTemp = (CQYBaseCommand *)m_listCommands.GetPrev(pos);
		pComp = (CQYDrawComponent *)m_list.GetPrev(pos1);
		if(pCmdTemp != NULL)
		{
			pCmd->m_listCommands.AddTail(pCmdTemp->GetRedoCommand());
			pCmd->m_list.AddTail(pComp);
		}
	}
	return pCmd;
}

void CMyMacroCommand1::AddComponents(CQYDrawComponentList &list)
{
	CQYDrawComponent *pComp;
	POSITION pos = list.GetHeadPosition();
	while(pos != NULL)
	{
		pComp = (CQYDrawComponent *)list.GetNext(pos);
		AddComponent(pComp);
	}
}
/////////////////////////////////////////////////////////////////////////////
// CMyMacroCommand1 diagnostics

#ifdef _DEBUG
void CMyMacroCommand1::AssertValid() const
{
	CObject::AssertValid();
}

void CMyMacroCommand1::Dump(CDumpContext& dc) const
{
	CObject::Dump(dc);
}
#endif //_DEBUG
