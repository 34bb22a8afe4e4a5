// The view's command table: handlers and update rules of the edit,
// arrangement and mode commands, page setup, the right button, the context
// menu and the two private messages.
#include "library/view/QYBaseView.h"

#include "framework/app/MessageBoxes.h"
#include "framework/app/Printers.h"
#include "framework/controls/ControlStyles.h"
#include "framework/controls/PrintDialogs.h"
#include "framework/window/InputApi.h"
#include "framework/window/Menu.h"
#include "framework/window/WinMessages.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYHyLinkComponent.h"
#include "library/shapes/QYPolygonComponent.h"
#include "library/view/QYLabelEdit.h"
#include "library/view/QYViewIds.h"
#include "library/shapes/QYStaticComponent.h"

BEGIN_MESSAGE_MAP(CQYBaseView, CScrollView)
ON_WM_CREATE()
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDBLCLK()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_CONTEXTMENU()
ON_WM_SETCURSOR()
ON_MESSAGE(WM_QY_TOOLBOX_ITEM, OnToolBoxItem)
ON_MESSAGE(WM_QY_PALETTE_COLORS, OnPaletteColors)
ON_UPDATE_COMMAND_UI(ID_QY_INDICATOR_POSITION, OnUpdatePositionPane)
ON_UPDATE_COMMAND_UI(ID_QY_INDICATOR_SIZE, OnUpdateSizePane)
ON_COMMAND(ID_QY_TOOL_SELECT, OnToolSelect)
ON_COMMAND(ID_QY_TOOL_STATIC, OnToolStatic)
ON_COMMAND(ID_QY_TOOL_IMAGE, OnToolImage)
ON_COMMAND(ID_QY_TOOL_ELLIPSE, OnToolEllipse)
ON_COMMAND(ID_QY_TOOL_LINE, OnToolLine)
ON_COMMAND(ID_QY_TOOL_ARROW_LINE, OnToolArrowLine)
ON_COMMAND(ID_QY_TOOL_POLYLINE, OnToolPolyline)
ON_COMMAND(ID_QY_TOOL_POLYGON, OnToolPolygon)
ON_COMMAND(ID_QY_TOOL_BEZIER_LINE, OnToolBezierLine)
ON_COMMAND(ID_QY_TOOL_CLOSE_BEZIER, OnToolCloseBezier)
ON_COMMAND(ID_QY_TOOL_RECTANGLE, OnToolRectangle)
ON_COMMAND(ID_QY_TOOL_HYLINK, OnToolHyLink)
ON_COMMAND(ID_QY_TOOL_LINK_ELBOW, OnToolLinkElbow)
ON_COMMAND(ID_QY_TOOL_LINK_FREE, OnToolLinkFree)
ON_COMMAND(ID_QY_TOOL_HAND, OnToolHand)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_SELECT, OnUpdateToolSelect)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_STATIC, OnUpdateToolStatic)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_IMAGE, OnUpdateToolImage)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_ELLIPSE, OnUpdateToolEllipse)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_LINE, OnUpdateToolLine)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_ARROW_LINE, OnUpdateToolArrowLine)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_POLYLINE, OnUpdateToolPolyline)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_POLYGON, OnUpdateToolPolygon)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_BEZIER_LINE, OnUpdateToolBezierLine)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_CLOSE_BEZIER, OnUpdateToolCloseBezier)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_RECTANGLE, OnUpdateToolRectangle)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_HYLINK, OnUpdateToolHyLink)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_LINK_ELBOW, OnUpdateToolLinkElbow)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_LINK_FREE, OnUpdateToolLinkFree)
ON_UPDATE_COMMAND_UI(ID_QY_TOOL_HAND, OnUpdateToolHand)
ON_NOTIFY(QY_LABEL_EDIT_RETURN, QY_LABEL_EDIT_ID, OnLabelEditReturn)
ON_EN_CHANGE(QY_LABEL_EDIT_ID, OnLabelEditChange)
ON_WM_CTLCOLOR()
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
ON_COMMAND(ID_EDIT_CLEAR_ALL, OnEditClearAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR_ALL, OnUpdateEditClearAll)
ON_COMMAND(ID_QY_ALIGN_LEFT, OnAlignLeft)
ON_COMMAND(ID_QY_ALIGN_CENTER, OnAlignCenter)
ON_COMMAND(ID_QY_ALIGN_RIGHT, OnAlignRight)
ON_COMMAND(ID_QY_ALIGN_TOP, OnAlignTop)
ON_COMMAND(ID_QY_ALIGN_MIDDLE, OnAlignMiddle)
ON_COMMAND(ID_QY_ALIGN_BOTTOM, OnAlignBottom)
ON_COMMAND(ID_QY_SAME_WIDTH, OnMakeSameWidth)
ON_COMMAND(ID_QY_SAME_HEIGHT, OnMakeSameHeight)
ON_COMMAND(ID_QY_SAME_SIZE, OnMakeSameSize)
ON_UPDATE_COMMAND_UI(ID_QY_ALIGN_LEFT, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_ALIGN_CENTER, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_ALIGN_RIGHT, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_ALIGN_TOP, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_ALIGN_MIDDLE, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_ALIGN_BOTTOM, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_SAME_WIDTH, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_SAME_HEIGHT, OnUpdateNeedsTwo)
ON_UPDATE_COMMAND_UI(ID_QY_SAME_SIZE, OnUpdateNeedsTwo)
ON_COMMAND(ID_QY_CENTER_HORIZONTAL, OnCenterHorizontal)
ON_COMMAND(ID_QY_CENTER_VERTICAL, OnCenterVertical)
ON_UPDATE_COMMAND_UI(ID_QY_CENTER_HORIZONTAL, OnUpdateCenter)
ON_UPDATE_COMMAND_UI(ID_QY_CENTER_VERTICAL, OnUpdateCenter)
ON_COMMAND(ID_QY_SPACE_ACROSS, OnSpaceAcross)
ON_COMMAND(ID_QY_SPACE_DOWN, OnSpaceDown)
ON_UPDATE_COMMAND_UI(ID_QY_SPACE_ACROSS, OnUpdateSpace)
ON_UPDATE_COMMAND_UI(ID_QY_SPACE_DOWN, OnUpdateSpace)
ON_COMMAND(ID_QY_BRING_TO_FRONT, OnBringToFront)
ON_COMMAND(ID_QY_SEND_TO_BACK, OnSendToBack)
ON_COMMAND(ID_QY_BRING_FORWARD, OnBringForward)
ON_COMMAND(ID_QY_SEND_BACKWARD, OnSendBackward)
ON_COMMAND(ID_QY_FLIP_HORIZONTAL, OnFlipHorizontal)
ON_COMMAND(ID_QY_FLIP_VERTICAL, OnFlipVertical)
ON_COMMAND(ID_QY_ROTATE_LEFT, OnRotateLeft)
ON_COMMAND(ID_QY_ROTATE_RIGHT, OnRotateRight)
ON_UPDATE_COMMAND_UI(ID_QY_BRING_TO_FRONT, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_SEND_TO_BACK, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_BRING_FORWARD, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_SEND_BACKWARD, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_FLIP_HORIZONTAL, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_FLIP_VERTICAL, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_ROTATE_LEFT, OnUpdateNeedsOne)
ON_UPDATE_COMMAND_UI(ID_QY_ROTATE_RIGHT, OnUpdateNeedsOne)
ON_COMMAND(ID_QY_FREE_ROTATE, OnFreeRotate)
ON_UPDATE_COMMAND_UI(ID_QY_FREE_ROTATE, OnUpdateFreeRotate)
ON_COMMAND(ID_QY_GROUP, OnGroup)
ON_UPDATE_COMMAND_UI(ID_QY_GROUP, OnUpdateNeedsTwo)
ON_COMMAND(ID_QY_UNGROUP, OnUnGroup)
ON_UPDATE_COMMAND_UI(ID_QY_UNGROUP, OnUpdateUnGroup)
ON_COMMAND(ID_QY_NUDGE_LEFT, OnNudgeLeft)
ON_COMMAND(ID_QY_NUDGE_RIGHT, OnNudgeRight)
ON_COMMAND(ID_QY_NUDGE_TOP, OnNudgeTop)
ON_COMMAND(ID_QY_NUDGE_BOTTOM, OnNudgeBottom)
ON_UPDATE_COMMAND_UI(ID_QY_NUDGE_LEFT, OnUpdateNudge)
ON_UPDATE_COMMAND_UI(ID_QY_NUDGE_RIGHT, OnUpdateNudge)
ON_UPDATE_COMMAND_UI(ID_QY_NUDGE_TOP, OnUpdateNudge)
ON_UPDATE_COMMAND_UI(ID_QY_NUDGE_BOTTOM, OnUpdateNudge)
ON_COMMAND(ID_QY_TAB_ORDER, OnTabOrder)
ON_UPDATE_COMMAND_UI(ID_QY_TAB_ORDER, OnUpdateTabOrder)
ON_COMMAND(ID_QY_DESIGN_MODE, OnDesignMode)
ON_UPDATE_COMMAND_UI(ID_QY_DESIGN_MODE, OnUpdateDesignMode)
ON_COMMAND(ID_QY_SNAP_TO_GRID, OnSnapToGrid)
ON_UPDATE_COMMAND_UI(ID_QY_SNAP_TO_GRID, OnUpdateSnapToGrid)
ON_COMMAND(ID_QY_SHOW_MARGIN, OnShowMargin)
ON_UPDATE_COMMAND_UI(ID_QY_SHOW_MARGIN, OnUpdateShowMargin)
ON_COMMAND(ID_QY_EDIT_POINTS, OnEditPoints)
ON_UPDATE_COMMAND_UI(ID_QY_EDIT_POINTS, OnUpdateEditPoints)
ON_COMMAND(ID_FILE_PAGE_SETUP, OnFilePageSetup)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
ON_UPDATE_COMMAND_UI(ID_FILE_PAGE_SETUP, OnUpdateAlwaysEnabled)
END_MESSAGE_MAP()

namespace {

bool IsShiftDown()
{
    return (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

} // namespace

// ---------------------------------------------------------------------------
// Edit

void CQYBaseView::OnEditUndo()
{
    // While a label is edited in place, undo is the editor's own: the
    // typing is taken back and the page's history is left alone.
    if (CWnd* pEdit = GetLabelEditWindow()) {
        if (pEdit->SendMessage(EM_CANUNDO) != 0)
            pEdit->SendMessage(EM_UNDO);
        return;
    }
    if (m_pModel != nullptr)
        m_pModel->Undo();
    // A label still marked as edited lost its editor window: close it.
    if (m_pEditComp != nullptr)
        EndLabelEdit();
}

void CQYBaseView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && m_pModel->CanUndo());
}

void CQYBaseView::OnEditRedo()
{
    if (m_pModel != nullptr)
        m_pModel->Redo();
}

void CQYBaseView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && m_pModel->CanRedo());
}

void CQYBaseView::OnEditSelectAll()
{
    if (IsDesignMode())
        SelectAll();
}

void CQYBaseView::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && !m_pModel->GetComponents().IsEmpty());
}

void CQYBaseView::OnEditClearAll()
{
    if (m_pModel != nullptr)
        m_pModel->DeleteAllComponents();
}

void CQYBaseView::OnUpdateEditClearAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && !m_pModel->GetComponents().IsEmpty());
}

// ---------------------------------------------------------------------------
// Arrangement

void CQYBaseView::OnAlignLeft()
{
    AlignLeft();
}

void CQYBaseView::OnAlignCenter()
{
    AlignCenter();
}

void CQYBaseView::OnAlignRight()
{
    AlignRight();
}

void CQYBaseView::OnAlignTop()
{
    AlignTop();
}

void CQYBaseView::OnAlignMiddle()
{
    AlignMiddle();
}

void CQYBaseView::OnAlignBottom()
{
    AlignBottom();
}

void CQYBaseView::OnMakeSameWidth()
{
    MakeSameWidth();
}

void CQYBaseView::OnMakeSameHeight()
{
    MakeSameHeight();
}

void CQYBaseView::OnMakeSameSize()
{
    MakeSameSize();
}

void CQYBaseView::OnUpdateNeedsTwo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && m_listSelected.GetCount() > 1);
}

void CQYBaseView::OnCenterHorizontal()
{
    if (m_pModel != nullptr)
        CenterHorizontal(m_pModel->GetPagePosition());
}

void CQYBaseView::OnCenterVertical()
{
    if (m_pModel != nullptr)
        CenterVertical(m_pModel->GetPagePosition());
}

void CQYBaseView::OnUpdateCenter(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && GetSelectedCount() > 0);
}

void CQYBaseView::OnSpaceAcross()
{
    SpaceAcross();
}

void CQYBaseView::OnSpaceDown()
{
    SpaceDown();
}

void CQYBaseView::OnUpdateSpace(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && GetSelectedCount() > 2);
}

void CQYBaseView::OnBringToFront()
{
    OrderSelection(&m_listSelected, 1);
}

void CQYBaseView::OnSendToBack()
{
    OrderSelection(&m_listSelected, 2);
}

void CQYBaseView::OnBringForward()
{
    OrderSelection(&m_listSelected, 3);
}

void CQYBaseView::OnSendBackward()
{
    OrderSelection(&m_listSelected, 4);
}

void CQYBaseView::OnFlipHorizontal()
{
    ScaleSelection(&m_listSelected, -1.0f, 1.0f, 8);
}

void CQYBaseView::OnFlipVertical()
{
    ScaleSelection(&m_listSelected, 1.0f, -1.0f, 8);
}

void CQYBaseView::OnRotateLeft()
{
    RotateSelection(&m_listSelected, -900);
}

void CQYBaseView::OnRotateRight()
{
    RotateSelection(&m_listSelected, 900);
}

void CQYBaseView::OnUpdateNeedsOne(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode() && m_listSelected.GetCount() > 0);
}

void CQYBaseView::OnFreeRotate()
{
    m_nTrackState = RotateArmed;
    SetStandardCursor(IDC_ARROW);
}

void CQYBaseView::OnUpdateFreeRotate(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode());
    pCmdUI->SetCheck(m_nTrackState == RotateArmed);
}

void CQYBaseView::OnGroup()
{
    CQYCompList list(m_listSelected);
    GroupSelection(&list);
}

void CQYBaseView::OnUnGroup()
{
    CQYDrawComponent* pFirst = m_listSelected.GetHead();
    if (pFirst != nullptr && pFirst->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)))
        UngroupComponent(pFirst);
}

void CQYBaseView::OnUpdateUnGroup(CCmdUI* pCmdUI)
{
    CQYDrawComponent* pFirst = m_listSelected.GetHead();
    pCmdUI->Enable(IsDesignMode() && pFirst != nullptr && pFirst->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)));
}

void CQYBaseView::NudgeSelection(int dx, int dy)
{
    // Five units while Shift is held.
    const int nStep = IsShiftDown() ? 5 : 1;
    MoveSelection(&m_listSelected, dx * nStep, dy * nStep);
}

void CQYBaseView::OnNudgeLeft()
{
    NudgeSelection(-1, 0);
}

void CQYBaseView::OnNudgeRight()
{
    NudgeSelection(1, 0);
}

void CQYBaseView::OnNudgeTop()
{
    NudgeSelection(0, -1);
}

void CQYBaseView::OnNudgeBottom()
{
    NudgeSelection(0, 1);
}

void CQYBaseView::OnUpdateNudge(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_listSelected.GetCount() > 0);
}

void CQYBaseView::OnTabOrder()
{
    m_bShowTabOrder = !m_bShowTabOrder;
    OnUpdate(nullptr, 4, nullptr);
}

void CQYBaseView::OnUpdateTabOrder(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsDesignMode());
    pCmdUI->SetCheck(m_bShowTabOrder);
}

// ---------------------------------------------------------------------------
// Mode switches

void CQYBaseView::OnDesignMode()
{
    if (CQYFormProperties* pForm = GetFormProperties())
        pForm->SetDesignMode(!pForm->IsDesignMode());
    m_pActiveComp = nullptr;
    Invalidate(FALSE);
}

void CQYBaseView::OnUpdateDesignMode(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(IsDesignMode());
}

void CQYBaseView::OnSnapToGrid()
{
    if (CQYFormProperties* pForm = GetFormProperties()) {
        pForm->ShowGrid(!pForm->IsShowGrid());
        m_pModel->SetModifiedFlag(TRUE);
    }
    Invalidate(FALSE);
}

void CQYBaseView::OnUpdateSnapToGrid(CCmdUI* pCmdUI)
{
    CQYFormProperties* pForm = GetFormProperties();
    pCmdUI->Enable(IsDesignMode());
    pCmdUI->SetCheck(pForm != nullptr && pForm->IsShowGrid());
}

void CQYBaseView::OnShowMargin()
{
    if (CQYFormProperties* pForm = GetFormProperties()) {
        pForm->ShowMargin(!pForm->IsShowMargin());
        m_pModel->SetModifiedFlag(TRUE);
    }
    Invalidate(FALSE);
}

void CQYBaseView::OnUpdateShowMargin(CCmdUI* pCmdUI)
{
    CQYFormProperties* pForm = GetFormProperties();
    pCmdUI->Enable(IsDesignMode());
    pCmdUI->SetCheck(pForm != nullptr && pForm->IsShowMargin());
}

void CQYBaseView::OnEditPoints()
{
    m_bEditPoints = !m_bEditPoints;
    CQYCompList list(m_listSelected);
    InvalidateComponents(&list);
}

void CQYBaseView::OnUpdateEditPoints(CCmdUI* pCmdUI)
{
    CQYDrawComponent* pFirst = m_listSelected.GetHead();
    const bool bFigure = m_listSelected.GetCount() == 1 && (pFirst->IsKindOf(RUNTIME_CLASS(CQYPolygonComponent)) ||
                                                            pFirst->IsKindOf(RUNTIME_CLASS(CQYCloseBezierComponent)));
    pCmdUI->Enable(IsDesignMode() && bFigure);
    pCmdUI->SetCheck(m_bEditPoints);
}

void CQYBaseView::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

// ---------------------------------------------------------------------------
// Page setup

void CQYBaseView::OnFilePageSetup()
{
    if (m_pModel == nullptr)
        return;
    // Without a printer the dialog cannot run.
    PRINTDLG pd{};
    if (!AfxGetPrinterDeviceDefaults(&pd)) {
        AfxMessageBox(IDS_QY_NO_PRINTER, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CPageSetupDialog dlg(PSD_MARGINS, this);
    m_pModel->GetPageSetup(dlg.m_psd);
    const INT_PTR nResult = dlg.DoModal();
    if (nResult == IDOK) {
        m_pModel->SetPageSetup(dlg.m_psd);
        m_pModel->SelectAppPrinter();
        RecalcPrintPage();
        UpdatePrintScrollSizes();
        Invalidate();
    } else if (nResult != IDCANCEL) {
        AfxMessageBox(IDS_QY_NO_PRINTER, MB_OK | MB_ICONINFORMATION);
    }
    // The dialog's record holds copies of the printer blocks.
    if (dlg.m_psd.hDevMode != nullptr)
        GlobalFree(dlg.m_psd.hDevMode);
    if (dlg.m_psd.hDevNames != nullptr)
        GlobalFree(dlg.m_psd.hDevNames);
}

// ---------------------------------------------------------------------------
// Right button, context menu, private messages

void CQYBaseView::OnRButtonUp(UINT nFlags, CPoint point)
{
    CPoint ptLogical = point;
    DPtoLPPoint(&ptLogical);
    if (!IsDesignMode()) {
        CScrollView::Default();
        if (m_pModel == nullptr)
            return;
        if (CQYHyLinkComponent* pLink = HyperlinkAt(ptLogical))
            pLink->OnRButtonUp(nFlags, point);
        return;
    }
    switch (m_nTrackState) {
    case Idle:
    case RotateArmed: {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetSafeHwnd()),
                    MAKELPARAM(static_cast<WORD>(ptScreen.x), static_cast<WORD>(ptScreen.y)));
        break;
    }
    case PolylineCollecting:
    case PolygonCollecting:
    case BezierCollecting:
    case CloseBezierCollecting: CancelPointTool(m_nTrackState - 2); break; // back to the armed state
    case LinkArmed:
        m_arrPoints.RemoveAll();
        CancelLinkTracking();
        break;
    case LinkCollecting: CancelLinkTracking(); break;
    default: break;
    }
}

CMenu* CQYBaseView::CreateContextMenu()
{
    delete m_pContextMenu;
    m_pContextMenu = new CMenu;
    if (!m_pContextMenu->LoadMenu(IDR_QY_CONTEXT_MENU)) {
        delete m_pContextMenu;
        m_pContextMenu = nullptr;
        return nullptr;
    }
    return m_pContextMenu->GetSubMenu(0);
}

void CQYBaseView::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!IsDesignMode())
        return;
    CWnd* pOwner = pWnd != nullptr ? pWnd : this;
    while (pOwner != nullptr && (pOwner->GetStyle() & WS_CHILD) != 0 && pOwner->GetParent() != nullptr)
        pOwner = pOwner->GetParent();
    if (point.x == -1 && point.y == -1) {
        point = CPoint(1, 1);
        (pWnd != nullptr ? pWnd : this)->ClientToScreen(&point);
    }
    CMenu* pPopup = CreateContextMenu();
    if (pPopup == nullptr)
        return;
    HCURSOR hOld = ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
    delete m_pContextMenu;
    m_pContextMenu = nullptr;
    ::SetCursor(hOld);
}

LRESULT CQYBaseView::OnToolBoxItem(WPARAM, LPARAM)
{
    ClearSelection();
    m_nToolType = 0;
    m_nTrackState = Idle;
    SetStandardCursor(IDC_ARROW);
    m_strCreateFile.Empty();
    return 0;
}

LRESULT CQYBaseView::OnPaletteColors(WPARAM wParam, LPARAM)
{
    // The record is the sender's heap block of three words; it is freed here
    // in every case.
    auto* pRecord = reinterpret_cast<DWORD*>(wParam);
    if (pRecord == nullptr || m_pModel == nullptr) {
        delete[] pRecord;
        return 0;
    }
    const COLORREF crText = pRecord[0];
    const COLORREF crBack = pRecord[1];
    if (m_listSelected.GetCount() == 1) {
        RunCommand(new CQYColorChangeCommand(m_pModel, m_listSelected.GetHead(), crBack, crText));
    } else if (m_listSelected.IsEmpty() && m_pModel->GetFormComponent() != nullptr) {
        RunCommand(new CQYFormColorChangeCommand(m_pModel, m_pModel->GetFormComponent(), crBack, crText));
    }
    delete[] pRecord;
    return 0;
}

BOOL CQYBaseView::GetSelectionColors(COLORREF* pFill1, COLORREF* pFill2, COLORREF* pText)
{
    COLORREF crBack = 0;
    COLORREF crText = 0;
    if (m_listSelected.GetCount() == 1 && m_listSelected.GetHead()->GetDefaultProperty() != nullptr) {
        CQYCompProperties* pProp = m_listSelected.GetHead()->GetDefaultProperty();
        crBack = pProp->GetBkColor();
        crText = pProp->m_crFontColor;
    } else if (CQYFormProperties* pForm = GetFormProperties()) {
        crBack = pForm->GetBkColor();
        crText = pForm->GetFontColor();
    }
    if (pFill1 != nullptr)
        *pFill1 = crBack;
    if (pFill2 != nullptr)
        *pFill2 = crBack;
    if (pText != nullptr)
        *pText = crText;
    return TRUE;
}

BOOL CQYBaseView::GetCurrentColors(COLORREF* pFill1, COLORREF* pFill2, COLORREF* pText)
{
    return GetSelectionColors(pFill1, pFill2, pText);
}
