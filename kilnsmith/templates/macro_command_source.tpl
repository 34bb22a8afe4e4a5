{Source opening B}

/////////////////////////////////////////////////////////////////////////////
// «Class» construction/destruction

///////////////////////////////////////////////////////

IMPLEMENT_COMMAND(«Class», CQYCommandMacro, //COMMAND_SIZECOMPONENTS/*change this*/)

«Class»::«Class»(CQYDataModel* pModel)
: CQYCommandMacro(pModel)
{
	m_nSizement = SizeNone;
}
CQYDrawComponent *«Class»::GetMainComponent()
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

CQYBaseCommand *«Class»::FindCommandByComp(CQYDrawComponent *pComp)
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

BOOL «Class»::Execute()
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

void «Class»::Sprint(CString& strLabel) const
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

void «Class»::AddComponent(CQYDrawComponent *pComp)
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

CQYBaseCommand* «Class»::GetUndoCommand() const
{
	«Class»* pCmd = new «Class»(m_pModel);
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

CQYBaseCommand* «Class»::GetRedoCommand() const
{
	«Class»* pCmd = new «Class»(m_pModel);
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

void «Class»::AddComponents(CQYDrawComponentList &list)
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
// «Class» diagnostics

{Diagnostics definitions}
