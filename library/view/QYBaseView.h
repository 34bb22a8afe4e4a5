// The canvas view: the scrolling window that shows one data model, paints
// it double-buffered, prints it with its header and footer, exports it as a
// bitmap or an enhanced metafile, keeps its own selection (one component of
// it carries the main mark), takes the keyboard and runs the arrangement
// commands through the model's history.  The view never owns the model.
#pragma once

#include "framework/app/ScrollView.h"
#include "framework/base/CRect.h"
#include "framework/collections/Arrays.h"
#include "framework/gdi/Brush.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCompSelection.h"
#include "library/ui/QYToolBoxDropTarget.h"
#include "library/view/QYHitIndex.h"

class CFile;
class CMenu;
class CQYBaseCommand;
class CQYDataModel;
class CQYDrawComponent;
class CQYFormProperties;
class CQYHyLinkComponent;
class CQYImageBaseObj;
class CQYPortComponent;

class CQYBaseView : public CScrollView {
    DECLARE_DYNCREATE(CQYBaseView)
public:
    // The mouse tracking states held in m_nTrackState.  A creation tool has
    // an armed state (set by its command), a pressed state (button down, not
    // moved yet) and a dragging or collecting state; a press of the select
    // tool on a handle, a component or the form edge waits in a pending
    // state until the mouse moves, then drags.  The numbers are the values
    // the member has always held; 34 is unused.
    enum TrackState : int {
        Idle = 0,
        SelectPending = 1,
        RubberBandSelect = 2,
        DropEntered = 3,
        DropDragging = 4,
        ResizePending = 5,
        Resizing = 6,
        EllipseArmed = 7,
        EllipsePressed = 8,
        EllipseDragging = 9,
        FormResizePending = 10,
        FormResizing = 11,
        RectArmed = 12,
        RectPressed = 13,
        RectDragging = 14,
        LineArmed = 15,
        LinePressed = 16,
        LineDragging = 17,
        // The four point tools: armed, first point clicked, collecting.
        PolylineArmed = 18,
        PolylineFirstPoint = 19,
        PolylineCollecting = 20,
        PolygonArmed = 21,
        PolygonFirstPoint = 22,
        PolygonCollecting = 23,
        BezierArmed = 24,
        BezierFirstPoint = 25,
        BezierCollecting = 26,
        CloseBezierArmed = 27,
        CloseBezierFirstPoint = 28,
        CloseBezierCollecting = 29,
        PanArmed = 30,
        PanPressed = 31,
        Panning = 32,
        LinkArmed = 33,
        LinkCollecting = 35,
        LinkEndPending = 36,
        LinkEndDragging = 37,
        MovePending = 38,
        Moving = 39,
        PointDragPending = 40,
        PointDragging = 41,
        RotateArmed = 42,
        RotatePending = 43,
        Rotating = 44,
    };

    CQYBaseView();
    ~CQYBaseView() override;

    // ---- Scroll view overrides
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnInitialUpdate() override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // Empty: a derived view calls Draw.
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // ---- Model
    void SetCurrentModel(CQYDataModel* pModel);
    CQYDataModel* GetCurrentModel() const { return m_pModel; }
    // The design-mode switch of the model's form properties (FALSE without
    // a model).
    BOOL IsDesignMode() const;
    CQYFormProperties* GetFormProperties() const;

    // ---- Selection queries
    virtual BOOL IsSelectionVisible();
    virtual BOOL IsSelectionFlag1Set();
    virtual BOOL IsSelectionFlag2Set();
    virtual BOOL IsSelectionFlat();

    // ---- Coordinates (a client DC prepared as for painting converts them)
    virtual void LPtoDPPoint(POINT* pPoint);
    virtual void DPtoLPPoint(POINT* pPoint);
    virtual void LPtoDPRect(RECT* pRect);
    virtual void DPtoLPRect(RECT* pRect);
    virtual void ResetScrollBars();
    virtual void UpdateScrollSizes();
    virtual void UpdatePrintScrollSizes();
    // The model's page position and the form style value.
    void GetPagePosition(CRect& rect, int& nFormStyle);
    // The page rectangle, kept in logical pixels.
    virtual CRect GetCanvasRect();
    // Values of a mapping mode in screen pixels; FALSE (values unchanged)
    // for the two scaled modes.
    static BOOL LogicalToPixels(int nMapMode, int& x, int& y);
    // The screen resolution as read once for the process.
    static CSize ScreenPixelsPerInch();

    // ---- Selection
    virtual CRect GetSelectionBounds();
    virtual BOOL CanMoveTo(CPoint topLeft, CQYDrawComponent* pComp);
    virtual int CollectInsideRect(CQYCompList* pList, CRect rect);
    virtual CRect GetHandleRect(int x, int y);
    virtual int CopySelectionNoLinks(CQYCompList* pSource, CQYCompList* pTarget);
    virtual int GetSelectedCount();
    virtual void InvalidateComponents(CQYCompList* pList);
    virtual void SelectComponent(CQYDrawComponent* pComp);
    virtual void DeleteComponent(CQYDrawComponent* pComp);
    virtual void ClearSelection();
    virtual void SelectAll();
    virtual BOOL IsLineComponent(CQYDrawComponent* pComp);
    virtual BOOL TabOrderClick(CPoint point);
    virtual BOOL SelectAtPoint(UINT nFlags, CPoint point, int nKind);
    virtual BOOL BeginResize(CPoint point);
    virtual BOOL BeginFormResize(CPoint point);
    virtual CQYDrawComponent* HitTestHandle(CPoint point, int& nIndex);
    virtual CQYDrawComponent* HitTestFormHandle(CPoint point, int& nCode);
    virtual void OnButtonDownSelect(UINT nFlags, CPoint point, int nKind);
    // Sets the main mark on the first selected component only; returns it.
    CQYDrawComponent* MarkFirstAsMain();
    CQYDrawComponent* GetMainSelected();
    virtual CRect GetComponentsBounds();
    virtual CRect GetSelectionExtent();
    virtual BOOL CanMoveListBy(CQYCompList* pList, int dx, int dy);
    virtual BOOL ListHasLinkEnd(CQYCompList* pList, CQYDrawComponent* pLink);
    virtual void AddMoveOutlines(CQYCompList* pList);
    virtual void ResetTracking();
    CQYCompList& GetSelection() { return m_listSelected; }

    // ---- Mouse tracking helpers (client points unless named logical)
    // Whether new points snap to the grid (the form's grid switch).
    BOOL IsSnapOn() const;
    // (gx * (x / gx), gy * (y / gy)) with the form's grid spacings.
    CPoint SnapToGrid(int x, int y) const;
    CPoint SnapIfOn(CPoint point) const { return IsSnapOn() ? SnapToGrid(point.x, point.y) : point; }
    // Each clamps the points into its area and returns TRUE.
    virtual BOOL ClampToPage(LPPOINT lpPoints, int nCount);
    virtual BOOL ClampToFormIfDesign(LPPOINT lpPoints, int nCount);
    virtual BOOL ClampToForm(LPPOINT lpPoints, int nCount);
    virtual BOOL ClampToExtent(LPPOINT lpPoints, int nCount);
    // The segment from the reference to the point made horizontal or
    // vertical (ties vertical).
    static CPoint ConstrainToAxis(CPoint reference, CPoint point);
    // The drag from the button-down point made square.
    CPoint ConstrainToSquare(CPoint point) const;
    // Rubber bands drawn inverting: drawing one twice erases it.  Each
    // keeps its point in m_ptLast.
    void DrawLineBand(CPoint point);
    void DrawPointsBand(CPoint point);
    void DrawRectBand(CPoint point, BOOL bSolid);
    void DrawEllipseBand(CPoint point);
    void DrawSelectBand(CPoint point);

    // ---- Clipboard
    // Puts the list's components other than links on the clipboard;
    // FALSE (the clipboard unchanged) when there are none.
    virtual BOOL CopyToClipboard(CQYCompList* pList);
    // Removes the components as one undoable step that also cuts their
    // links from the ports (its undo ties them again).
    virtual CQYBaseCommand* DeleteComponents(CQYCompList* pList);
    // Adds the components read from the clipboard, moved by (7, 7) and
    // newly named, as one undoable step.
    virtual CQYBaseCommand* PasteComponents(CQYCompList* pList);
    // Adds one component brought in from outside, moved by (20, 20) and
    // given the page's next free name for its type, as one undoable step;
    // the command, or NULL when nothing was added.
    virtual CQYBaseCommand* AddPastedComponent(CQYDrawComponent* pComp);
    // Reads the clipboard's components; FALSE with the reason when its data
    // is not a component list (TRUE and nothing read when there is none).
    BOOL ReadClipboardComponents(CQYCompList& list, CString& strError);
    // The in-place label editor's window while it is open.
    CWnd* GetLabelEditWindow();

    // ---- In-place label editing
    // Opens the label's edit control (FALSE for anything but a text label,
    // or the label already being edited).
    virtual BOOL BeginLabelEdit(CQYDrawComponent* pComp);
    // Writes the edited text back as the caption and closes the editor.
    virtual void EndLabelEdit();

    // ---- Toolbox drops
    // The component of the dragged toolbox item (one reference for the
    // caller), or NULL when the data holds no readable item.
    virtual CQYDrawComponent* CreateFromToolBoxItem(COleDataObject* pDataObject);
    // The component a toolbox drag brings onto the page (one reference for
    // the caller, or NULL).  A derived view replaces it to read its own
    // item class; the default is CreateFromToolBoxItem.
    virtual CQYDrawComponent* CreateDropComponent(COleDataObject* pDataObject);
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    CQYToolBoxDropTarget& GetDropTarget() { return m_dropTarget; }

    // ---- Link tool endings
    virtual void EndLinkTracking(UINT nFlags, CPoint point);
    virtual void CancelLinkTracking();
    // Called before the finished link joins the page; empty here.
    virtual void OnBeforeLinkAdded(CQYDrawComponent* pLink, CQYPortComponent* pFrom);
    virtual void OnLinkAdded(CQYDrawComponent* pLink, CQYPortComponent* pPort);
    virtual void TrackLinkEnd(UINT nFlags, CPoint point);
    // Asks for an image file and adds an image (or a metafile picture for
    // ".wmf") in the rectangle; nothing on Cancel.
    virtual void AddImageFromFile(CRect rect);
    // The path the user chose in the image file dialog; FALSE on Cancel.
    virtual BOOL PromptImageFile(CString& strPath);

    // ---- Arrangement: each builds one command and runs it through the
    // history; the command, or NULL when nothing was built.
    virtual CQYBaseCommand* AlignLeft();
    virtual CQYBaseCommand* AlignRight();
    virtual CQYBaseCommand* AlignTop();
    virtual CQYBaseCommand* AlignBottom();
    virtual CQYBaseCommand* MakeSameWidth();
    virtual CQYBaseCommand* MakeSameHeight();
    virtual CQYBaseCommand* MakeSameSize();
    virtual CQYBaseCommand* SpaceAcross();
    virtual CQYBaseCommand* SpaceDown();
    virtual CQYBaseCommand* AlignMiddle();
    virtual CQYBaseCommand* AlignCenter();
    virtual CQYBaseCommand* MoveSelection(CQYCompList* pList, int dx, int dy);
    virtual CQYBaseCommand* GroupSelection(CQYCompList* pList);
    virtual CQYBaseCommand* UngroupComponent(CQYDrawComponent* pGroup);
    virtual CQYBaseCommand* MoveComponentPoint(int nPoint, int dx, int dy);
    virtual CQYBaseCommand* ResizeForm(int x, int y, int nAnchor);
    virtual CQYBaseCommand* OrderSelection(CQYCompList* pList, int nOrder);
    virtual CQYBaseCommand* ScaleSelection(CQYCompList* pList, float fScaleX, float fScaleY, int nAnchor);
    virtual CQYBaseCommand* RotateSelection(CQYCompList* pList, int nAngle);
    virtual CQYBaseCommand* ScaleActiveComponent(float fScaleX, float fScaleY, int nAnchor);
    virtual CQYBaseCommand* CenterHorizontal(const RECT& page);
    virtual CQYBaseCommand* CenterVertical(const RECT& page);

    // ---- Drawing, printing, export
    virtual void DrawFrameMark(CDC* pDC, CRect rect);
    virtual void DrawSelectionHandles(CDC* pDC);
    virtual void DrawBackground(CDC* pDC, CRect rect);
    virtual void DrawToDC(CDC* pDC);
    virtual BOOL RenderPageBitmap(CQYImageBaseObj* pImage, CDC* pDC);
    virtual void Draw(CDC* pDC);
    virtual void PrepareHeaderFooterDC(CDC* pDC);
    virtual void DrawHeaderFooter(CDC* pDC, CPrintInfo* pInfo);
    virtual void ClearDC(CDC* pDC);
    // The header texts above the page body and the footer texts below it;
    // without a body rectangle both bands span the whole paper.
    void DrawHeaderFooterBands(CDC* pDC, const CRect* pBody);
    virtual BOOL ExportToFile(CFile* pFile, LPCTSTR lpszDescription);
    virtual BOOL ExportBitmap(LPCTSTR lpszPathName);
    virtual BOOL ExportMetaFile(LPCTSTR lpszPathName);
    // Exports by the path's extension: ".emf" as a metafile, anything else
    // as a bitmap file; a path without extension gets ".bmp".
    BOOL ExportByExtension(CString strPathName);
    virtual void GetPageSetupInfo(CRect& rectMargins, CRect& rectPage, CSize& sizePage, CSize& sizePaper);
    virtual void RecalcPrintPage();
    virtual CRect ScaledPageRect(RECT rect);

    // ---- Cursors and invalidation
    virtual void SetHandleCursor(CPoint point);
    virtual BOOL SetFormEdgeCursor(CPoint point);
    virtual BOOL SetComponentCursor(CPoint point);
    virtual void SetHoverCursor(CPoint point);
    virtual void InvalidateComponent(CQYDrawComponent* pComp);
    virtual void InvalidateRectMargin(RECT rect);
    virtual void InvalidateTwoRects(RECT rectOld, RECT rectNew);
    void SetToolCursor(UINT nIDCursor);
    void SetStandardCursor(LPCTSTR lpszCursor);
    HCURSOR GetViewCursor() const { return m_hCursor; }
    virtual void SetHandleSize(SIZE size);

    // ---- Queries of the application
    virtual BOOL GetSelectionColors(COLORREF* pFill1, COLORREF* pFill2, COLORREF* pText);
    BOOL GetCurrentColors(COLORREF* pFill1, COLORREF* pFill2, COLORREF* pText);
    virtual CMenu* CreateContextMenu();
    // The status-pane texts from the current source (FALSE: no source).
    BOOL GetStatusTexts(CString& strPosition, CString& strSize);

    int m_nToolType = 0;
    BOOL m_bShowTabOrder = FALSE;
    int m_nTabOrderCounter = 0;
    CQYCompList m_listSelected;
    CString m_strCreateFile;
    int m_nFormEdge = -1;
    int m_nHitHandle = 0;
    CPoint m_ptLast;
    CQYCompSelection m_tracker;
    CQYCompList m_listTrack;
    CSize m_sizeMoveOffset;
    int m_nTrackState = 0;
    CPoint m_ptDownDevice;
    CPoint m_ptDown;
    CPoint m_ptDragLast;
    CQYDrawComponent* m_pActiveComp = nullptr;
    CQYPortComponent* m_pLinkFromPort = nullptr;
    CQYDrawComponent* m_pDropComp = nullptr;
    CQYDrawComponent* m_pLinkProto = nullptr;
    BOOL m_bDropActive = FALSE;
    BOOL m_bActive = FALSE;
    CQYCompList m_listDrag;
    CQYCompList m_listTrackAll;
    BOOL m_bReduceOnUp = FALSE;
    CBrush m_brushMainHandle;
    CBrush m_brushHandle;
    CSize m_sizeHandle{3, 3};
    CArray<CPoint, CPoint> m_arrPoints;
    CQYDataModel* m_pModel = nullptr;
    HCURSOR m_hCursor = nullptr;
    BOOL m_bLinkElbow = TRUE;
    BOOL m_bEditPoints = FALSE;
    CQYDrawComponent* m_pEditComp = nullptr;
    CMenu* m_pContextMenu = nullptr;
    // Finds the component under the mouse as it moves; stale after every
    // update the view receives.
    CQYHitIndex m_hitIndex;
    CQYToolBoxDropTarget m_dropTarget;
    // The in-place label editor while a label is being edited.
    CWnd* m_pLabelEdit = nullptr;
    // Gesture values: the size factors and anchor, the rotation centre and
    // angles, the size of the sized component at the start, the last form
    // size point and its anchor, the port a dragged link end left.
    float m_fScaleX = 1.0f;
    float m_fScaleY = 1.0f;
    int m_nSizeMode = 8;
    CPoint m_ptRotateCentre;
    int m_nStartAngle = 0;
    int m_nLastAngle = 0;
    CSize m_sizeDragStart;
    CPoint m_ptFormLast;
    int m_nFormAnchor = 8;
    CQYPortComponent* m_pLinkToPort = nullptr;
    CQYPortComponent* m_pNotedPort = nullptr;

protected:
    // The handle points shown and hit for a component: its points for
    // lines (and polygons in Edit Points mode), else its eight handles.
    void GetHandlePoints(CQYDrawComponent* pComp, CArray<CPoint, CPoint>& points);
    // Runs a command through the history; the command, or NULL when the
    // history dropped it.
    CQYBaseCommand* RunCommand(CQYBaseCommand* pCommand);
    CQYBaseCommand* AlignSelection(int nAlign);
    CQYBaseCommand* SizeSelection(int nSize);
    CQYBaseCommand* SpaceSelection(int nSpacing);
    // Reacts to one executed command: selection and repaint.
    void UpdateForCommand(CQYBaseCommand* pCommand);
    // Shift+arrows: grows or shrinks the one selected component or the form.
    void SizeByKey(UINT nChar);
    void NudgeSelection(int dx, int dy);
    // The hyperlink label under the point, or the one selected alone, with
    // the view as its host; NULL when there is none.
    CQYHyLinkComponent* HyperlinkAt(CPoint ptLogical);
    CQYHyLinkComponent* SelectedHyperlink();
    // Places the dropped component at the point and adds it (an image
    // without a picture asks for its file); takes over the reference.
    void DropComponent(CQYDrawComponent* pComp, CPoint point);
    void ReleaseDropComponent();
    // Tracking by state (design mode only): each handler hands the state's
    // gesture its message.
    void TrackButtonDown(UINT nFlags, CPoint point);
    void TrackMouseMove(UINT nFlags, CPoint point);
    void TrackButtonUp(UINT nFlags, CPoint point);
    void TrackDoubleClick(UINT nFlags, CPoint point);
    // The first move of a pending press: it starts the press's drag.
    void PendingMove(UINT nFlags, CPoint point);
    void BeginDragStep(UINT nFlags, CPoint point);

    // Gestures of the select tool.  Each drag begins on the first move, steps
    // with every move after it and ends on the button-up.
    void RubberBandMove(UINT nFlags, CPoint point);
    void EndRubberBand(UINT nFlags, CPoint point);
    void BeginSizeDrag(CPoint point);
    void SizeDrag(CPoint point);
    void EndSizeDrag();
    void BeginFormSizeDrag(CPoint point);
    void FormSizeDrag(CPoint point);
    void EndFormSizeDrag();
    void BeginLinkEndDrag(UINT nFlags, CPoint point);
    void EndLinkEndDrag(UINT nFlags, CPoint point);
    void BeginMoveDrag(UINT nFlags, CPoint point);
    void MoveDrag(UINT nFlags, CPoint point);
    void EndMoveDrag();
    void BeginPointDrag(CPoint point);
    void PointDrag(CPoint point);
    void EndPointDrag();
    void BeginRotateDrag(UINT nFlags, CPoint point);
    void RotateDrag(UINT nFlags, CPoint point);
    void EndRotateDrag();

    // Gestures of the armed tools.
    // The ellipse and rectangle-shaped tools: the band of the tool's figure.
    void ShapeToolMove(UINT nFlags, CPoint point);
    void DrawShapeBand(CPoint point);
    CRect ToolGestureRect(UINT nFlags, CPoint point, BOOL bDragged);
    void FinishRectTool(UINT nFlags, CPoint point, BOOL bDragged);
    void FinishEllipseTool(UINT nFlags, CPoint point, BOOL bDragged);
    void LineToolMove(UINT nFlags, CPoint point);
    void FinishLineTool(UINT nFlags, CPoint point);
    void StartPointTool(CPoint point);
    void CollectPoint(UINT nFlags, CPoint point);
    void PointToolMove(UINT nFlags, CPoint point);
    void FinishPointTool(int nStartState);
    void CancelPointTool(int nStartState);
    void LinkButtonDown(CPoint point);
    void LinkMouseMove(CPoint point);
    void BeginPan(CPoint point);
    void PanMove(CPoint point);
    void EndPan();
    // Ends a press that never became a drag.
    void EndClickAction();
    // Back to the select tool after an action.
    void EndAction();
    // A creation tool: its type, start state and cursor.
    void ArmTool(int nType, int nState, UINT nIDCursor);
    void ArmLinkTool(BOOL bElbow);
    // Loads one of the application's cursors, or the standard shape when
    // the application has none.
    void SetTrackCursor(UINT nIDCursor, LPCTSTR lpszFallback);
    // The scroll position as a logical point (the device origin).
    CPoint ScrollOrigin();
    // The left, centre and right texts from nFirst on, in the band.
    void DrawBandTexts(CDC* pDC, const CRect& band, int nFirst);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnToolBoxItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaletteColors(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdatePositionPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSizePane(CCmdUI* pCmdUI);

    afx_msg void OnToolSelect();
    afx_msg void OnToolStatic();
    afx_msg void OnToolImage();
    afx_msg void OnToolEllipse();
    afx_msg void OnToolLine();
    afx_msg void OnToolArrowLine();
    afx_msg void OnToolPolyline();
    afx_msg void OnToolPolygon();
    afx_msg void OnToolBezierLine();
    afx_msg void OnToolCloseBezier();
    afx_msg void OnToolRectangle();
    afx_msg void OnToolHyLink();
    afx_msg void OnToolLinkElbow();
    afx_msg void OnToolLinkFree();
    afx_msg void OnToolHand();
    afx_msg void OnUpdateToolSelect(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolStatic(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolImage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolEllipse(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolLine(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolArrowLine(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolPolyline(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolPolygon(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolBezierLine(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolCloseBezier(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolRectangle(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolHyLink(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolLinkElbow(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolLinkFree(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolHand(CCmdUI* pCmdUI);

    afx_msg void OnLabelEditReturn(NMHDR* pHeader, LRESULT* pResult);
    afx_msg void OnLabelEditChange();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditClear(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnEditClearAll();
    afx_msg void OnUpdateEditClearAll(CCmdUI* pCmdUI);
    afx_msg void OnAlignLeft();
    afx_msg void OnAlignCenter();
    afx_msg void OnAlignRight();
    afx_msg void OnAlignTop();
    afx_msg void OnAlignMiddle();
    afx_msg void OnAlignBottom();
    afx_msg void OnMakeSameWidth();
    afx_msg void OnMakeSameHeight();
    afx_msg void OnMakeSameSize();
    afx_msg void OnUpdateNeedsTwo(CCmdUI* pCmdUI);
    afx_msg void OnCenterHorizontal();
    afx_msg void OnCenterVertical();
    afx_msg void OnUpdateCenter(CCmdUI* pCmdUI);
    afx_msg void OnSpaceAcross();
    afx_msg void OnSpaceDown();
    afx_msg void OnUpdateSpace(CCmdUI* pCmdUI);
    afx_msg void OnBringToFront();
    afx_msg void OnSendToBack();
    afx_msg void OnBringForward();
    afx_msg void OnSendBackward();
    afx_msg void OnFlipHorizontal();
    afx_msg void OnFlipVertical();
    afx_msg void OnRotateLeft();
    afx_msg void OnRotateRight();
    afx_msg void OnUpdateNeedsOne(CCmdUI* pCmdUI);
    afx_msg void OnFreeRotate();
    afx_msg void OnUpdateFreeRotate(CCmdUI* pCmdUI);
    afx_msg void OnGroup();
    afx_msg void OnUnGroup();
    afx_msg void OnUpdateUnGroup(CCmdUI* pCmdUI);
    afx_msg void OnNudgeLeft();
    afx_msg void OnNudgeRight();
    afx_msg void OnNudgeTop();
    afx_msg void OnNudgeBottom();
    afx_msg void OnUpdateNudge(CCmdUI* pCmdUI);
    afx_msg void OnTabOrder();
    afx_msg void OnUpdateTabOrder(CCmdUI* pCmdUI);
    afx_msg void OnDesignMode();
    afx_msg void OnUpdateDesignMode(CCmdUI* pCmdUI);
    afx_msg void OnSnapToGrid();
    afx_msg void OnUpdateSnapToGrid(CCmdUI* pCmdUI);
    afx_msg void OnShowMargin();
    afx_msg void OnUpdateShowMargin(CCmdUI* pCmdUI);
    afx_msg void OnEditPoints();
    afx_msg void OnUpdateEditPoints(CCmdUI* pCmdUI);
    afx_msg void OnFilePageSetup();
    afx_msg void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
