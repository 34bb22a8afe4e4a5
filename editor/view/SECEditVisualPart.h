// SECEditVisualPart: the drawable editor part that a view or a child control
// embeds. It has a rectangle in its owner window (bounds), a logical
// coordinate system (viewport) with mapping mode, extents and zoom, links to
// the text buffer and the controller it owns, and a list of event
// listeners. Its interfaces are found from one another by identifier.
//
// The window side is the host's: the host owns the window, supplies the
// buffer and the controller, keeps the scroll bars and reacts to buffer
// notices. The part paints (SECEditVisualPartDraw.cpp) and scrolls
// (SECEditVisualPartScroll.cpp) for it.
#pragma once

#include "editor/controller/ISECEventListener.h"
#include "editor/view/SECEditVisualInterfaces.h"

#include "framework/base/CRect.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/window/WinMessages.h"

#include <vector>

class CDC;
class CMenu;
class CScrollBar;
class SECEditColorRuns;
class SECEditDisplayMetrics;
class SECEditLangConfig;
struct AFX_CMDHANDLERINFO;
struct MSG;
struct SECEditColorGroup;

// What the part asks of the window that embeds it.
class SECEditVisualHost {
public:
    virtual CWnd *GetHostWindow() = 0;
    virtual SECEditTextBuffer *GetHostBuffer() = 0;
    // A new controller for the part to own (NULL: none can be made).
    virtual SECEditController *CreateHostController() = 0;
    // A buffer notice reached the part's observer.
    virtual void OnHostUpdate(void *pSender, SECEditHint *pHint) = 0;
    // The viewport origin was set (after snapping).
    virtual void OnHostOriginSet() {}
    // FALSE: a document that fits scrolls back to its start.
    virtual BOOL KeepsScrollPosition() { return FALSE; }
    // The scroll bar nBar moved this part by delta lines or columns.
    virtual void OnHostScrolled(int nBar, int delta) {}
    // A derived view's own line marker, drawn last in the marker cell.
    virtual void DrawHostMarker(CDC *pDC, int line, const CRect &cell) {}

protected:
    ~SECEditVisualHost() = default;
};

class SECEditVisualPart : public ISECVisual {
public:
    explicit SECEditVisualPart(SECEditVisualHost &host);
    virtual ~SECEditVisualPart();
    SECEditVisualPart(const SECEditVisualPart &) = delete;
    SECEditVisualPart &operator=(const SECEditVisualPart &) = delete;

    // ---- The viewport interface (ISECViewport plus the mapping state)
    class Viewport : public ISECViewport, public ISECVisualObject {
    public:
        explicit Viewport(SECEditVisualPart &part) : m_part(part) {}
        BOOL QueryInterface(const GUID &iid, void **ppv) override { return m_part.QueryInterface(iid, ppv); }
        int AddRef() override { return 1; }
        int Release() override { return 1; }
        CPoint GetOrigin() override { return m_part.m_origin; }
        // The bounds size, its cy multiplied by the y direction.
        CSize GetSize() override;
        CPoint GetVirtualOrigin() override { return CPoint(0, 0); }
        // Widest line x character width, line count x line height.
        CSize GetDocumentSize() override;
        // Snapped down to whole cells and clamped at 0; the host is told.
        CPoint SetOrigin(int x, int y) override;
        void DPtoLP(LPPOINT lpPoints, int nCount) override;
        void LPtoDP(LPPOINT lpPoints, int nCount) override;
        void UpdateScrollBars() override { m_part.UpdateScrollBars(); }
        int GetMapMode() const { return m_part.m_nMapMode; }
        int SetMapMode(int nMode);
        CSize GetViewportExtent() const { return m_part.m_viewportExtent; }
        CSize GetWindowExtent() const { return m_part.m_windowExtent; }
        // Unless the mapping is fixed; both return the old extent.
        CSize SetViewportExtent(int cx, int cy);
        CSize SetWindowExtent(int cx, int cy);
        int GetYDirection() const;
        BOOL IsFixedMapping() const;
        // Logical units per device unit per axis, zoom applied.
        void GetScale(float &x, float &y);
        // The size divided by the scale becomes the bounds size.
        CSize SetSize(int cx, int cy);
        void LPtoDP(CRect &rect) { LPtoDP(reinterpret_cast<LPPOINT>(&rect), 2); }
        void DPtoLP(CRect &rect) { DPtoLP(reinterpret_cast<LPPOINT>(&rect), 2); }
        // Scaled conversions: logical to device p' = b + (p - o) / f, and back.
        void ScaledLPtoDP(LPPOINT lpPoints, int nCount);
        void ScaledDPtoLP(LPPOINT lpPoints, int nCount);
        void ScaledLPtoDP(CRect &rect) { ScaledLPtoDP(reinterpret_cast<LPPOINT>(&rect), 2); }
        void ScaledDPtoLP(CRect &rect) { ScaledDPtoLP(reinterpret_cast<LPPOINT>(&rect), 2); }
        void ScaledLPtoDP(CSize &size);
        void ScaledDPtoLP(CSize &size);

    private:
        SECEditVisualPart &m_part;
    };

    // ---- ISECVisual and the identifier look-up
    BOOL QueryInterface(const GUID &iid, void **ppv) override;
    int AddRef() override { return 1; }
    int Release() override { return 1; }
    void Draw(CDC *pDC) override;
    void PrepareDC(CDC *pDC) override;
    void InvalidateRect(const CRect &rect, BOOL bErase, BOOL bUpdateNow) override;
    void ValidateRect(const CRect &rect) override;
    void InvalidateLines(int first, int last, BOOL bErase) override;
    SECEditController *GetController() override { return m_pController; }
    SECEditTextBuffer *GetBuffer() override { return m_pBuffer; }
    CWnd *GetOwnerWindow() override { return m_pOwner; }

    ISECBounds &GetBounds() { return m_boundsIf; }
    Viewport &GetViewport() { return m_viewport; }
    ISECZoom &GetZoom() { return m_zoom; }
    ISECEventListener &GetEventListener() { return m_listener; }
    ISECObserver &GetObserver() { return m_observer; }

    // ---- Creation and links
    void SetOwnerWindow(CWnd *pOwner) { m_pOwner = pOwner; }
    UINT GetModeWord() const { return m_nMode; }
    void SetModeWord(UINT nMode) { m_nMode = nMode; }
    // Sets the mode word and initialises.
    BOOL Create(UINT nMode);
    // Creates the controller (through the host), initialises it against the
    // owner window and this part, and makes the gutter brush; FALSE when no
    // controller could be made.
    BOOL Initialize();
    // Stores the buffer, moves the observer to it and tells the controller.
    void SetBuffer(SECEditTextBuffer *pBuffer);
    SECEditController *CreateController();
    // Replaces the controller (the old one is deleted when owned).
    void SetController(SECEditController *pController, BOOL bOwns);
    SECEditDisplayMetrics *GetDisplayMetrics();
    SECEditLangConfig *GetLangConfig();
    // The controller, whose selection the painter shows.
    SECEditController *GetSelectionInterface() { return m_pController; }
    CBrush *GetGutterBrush() { return m_pGutterBrush; }

    // ---- Generic operations
    void MoveBy(int dx, int dy);
    void ScaleSize(int numX, int denX, int numY, int denY, BOOL bKeepCentre);
    CRect GetMargins() { return CRect(0, 0, 0, 0); }
    void InvalidatePart(ISECVisualObject *pPart, BOOL bErase, BOOL bUpdateNow);
    void CenterOn(int x, int y);
    void SetScrollAmounts(int axis, int first, int second);
    void GetScrollAmounts(int axis, int &first, int &second) const;
    CSize SetScale(float x, float y);
    CSize MultiplyScale(float x, float y);
    void GetScaleFactors(float &x, float &y) const
    {
        x = m_fScaleX;
        y = m_fScaleY;
    }
    // Moves the viewport, kept inside the virtual area; returns the new
    // visible rectangle.
    CRect ScrollBy(int dx, int dy);
    CRect LineScroll(int axis, BOOL bForward);
    CRect PageScroll(int axis, BOOL bForward);
    // Scales size by the DC's resolution over the screen's; TRUE when it
    // differed (only in MM_TEXT, MM_ISOTROPIC and MM_ANISOTROPIC).
    BOOL AdjustForDevice(CDC *pDC, CSize &size);
    void SetRect(const CRect &rect);
    void InvalidateWindowRect(const CRect &rect, BOOL bErase);
    BOOL HitTest(CPoint point);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase);
    // The visible rectangle in logical units (origin and size).
    CRect GetVisibleRect();
    // Conversions through a DC of the owner window prepared by PrepareDC.
    void LPtoDP(LPPOINT lpPoints, int nCount);
    void DPtoLP(LPPOINT lpPoints, int nCount);
    void LPtoDP(CSize &size);
    void DPtoLP(CSize &size);

    // ---- Routing
    // A process-wide listener offered every message first (NULL: none).
    static ISECEventListener *SetHookListener(ISECEventListener *pListener);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo);
    BOOL PreTranslateMessage(MSG *pMsg);

    // ---- Cells (0 without display metrics)
    int GetLineHeight();
    int GetCharWidth();
    int GetGutterWidth();
    int GetTopLine();
    int GetLeftColumn();
    int GetVisibleLines();
    int GetVisibleColumns();
    int GetTotalLines();
    int GetTotalColumns();

    // ---- Scrolling and sizing (SECEditVisualPartScroll.cpp)
    void UpdateScrollBars();
    // Moves by delta lines (nBar SB_VERT) or columns (SB_HORZ) and scrolls
    // the window's pixels; the scroll bar follows.
    void ScrollStep(int nBar, int delta);
    // WM_VSCROLL / WM_HSCROLL.
    void OnScrollMessage(int nBar, UINT nSBCode, UINT nPos);
    // The drag auto-scroll: low byte horizontal, high byte vertical request.
    BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll);
    // WM_SIZE: invalidates only the strips that appeared or went while the
    // top-left corner stayed. lastClient is in screen coordinates.
    void OnSize(int cx, int cy, CRect &lastClient);
    BOOL IsScrolling() const { return m_bScrolling; }

    // ---- Buffer notices
    // What a notice repaints: the gutter, lines, or everything with the
    // scroll bars; the controller hears of it first. The host handles the
    // splitter's own notice before.
    void OnBufferHint(void *pSender, SECEditHint *pHint);

    // ---- Painting pieces (SECEditVisualPartDraw.cpp)
    // Draws one colour run; returns the width drawn.
    int DrawTextRun(CDC *pDC, int tabWidth, int x, int y, int gutterWidth, const char *text, int length, int startCol,
                    int line, SECEditColorGroup *pGroup, BOOL bShowWhitespace, BOOL bSelected, int selStart,
                    int selEnd);
    void DrawGutter(CDC *pDC);

private:
    friend class Viewport;
    class Bounds : public ISECBounds {
    public:
        explicit Bounds(SECEditVisualPart &part) : m_part(part) {}
        BOOL QueryInterface(const GUID &iid, void **ppv) override { return m_part.QueryInterface(iid, ppv); }
        int AddRef() override { return 1; }
        int Release() override { return 1; }
        CSize GetSize() override { return m_part.m_rcBounds.Size(); }
        CSize SetSize(int cx, int cy) override;
        CRect GetRect() override { return m_part.m_rcBounds; }
        CPoint GetOrigin() override { return m_part.m_rcBounds.TopLeft(); }
        CPoint SetOrigin(int x, int y) override;
        CPoint Offset(int dx, int dy) override;

    private:
        SECEditVisualPart &m_part;
    };
    class Zoom : public ISECZoom {
    public:
        explicit Zoom(SECEditVisualPart &part) : m_part(part) {}
        BOOL QueryInterface(const GUID &iid, void **ppv) override { return m_part.QueryInterface(iid, ppv); }
        int AddRef() override { return 1; }
        int Release() override { return 1; }
        CSize SetZoom(int percentX, int percentY) override;
        CSize GetZoom() override;
        CSize ZoomBy(int dx, int dy) override;
        CSize ZoomByNegative(int dx, int dy) override;
        void AdjustExtent(CSize &extent) override;

    private:
        SECEditVisualPart &m_part;
    };
    class Observer : public ISECObserver {
    public:
        explicit Observer(SECEditVisualPart &part) : m_part(part) {}
        BOOL QueryInterface(const GUID &iid, void **ppv) override { return m_part.QueryInterface(iid, ppv); }
        int AddRef() override { return 1; }
        int Release() override { return 1; }
        void OnUpdate(void *pSender, SECEditHint *pHint) override { m_part.m_host.OnHostUpdate(pSender, pHint); }

    private:
        SECEditVisualPart &m_part;
    };
    class Listener : public ISECEventListener {
    public:
        explicit Listener(SECEditVisualPart &part) : m_part(part) {}
        ~Listener() override = default;
        int AddRef() override { return 1; }
        int Release() override { return 1; }
        BOOL Dispatch(SECEditEvent *pEvent) override;
        BOOL AddListener(ISECEventListener *pListener) override;
        BOOL RemoveListener(ISECEventListener *pListener) override;

    private:
        SECEditVisualPart &m_part;
    };

    void ReleaseListeners();
    void CreateGutterBrush();
    // Painting helpers (SECEditVisualPartDraw.cpp).
    struct LinePaint;
    void DrawLine(CDC *pDC, LinePaint &paint, int line);
    void FillLineEnd(CDC *pDC, LinePaint &paint, int line, int x, int y, int length, WORD lastGroup);
    SECEditColorGroup *ResolveGroup(WORD group, SECEditColorGroup &scratch);
    int DrawPlain(CDC *pDC, int tabWidth, int x, int y, int gutterWidth, const char *text, int length,
                  SECEditColorGroup *pGroup, BOOL bSelected, int selStart, int selEnd, int startCol);
    int DrawColored(CDC *pDC, int tabWidth, int x, int y, int gutterWidth, const char *text, int length,
                    const SECEditColorGroup &colors);
    void DrawLineMarkers(CDC *pDC, int line, const CRect &cell);
    // Scrolling helpers (SECEditVisualPartScroll.cpp).
    void UpdateBar(int nBar, int visible, int total, int position);
    CScrollBar *GetBarControl(int nBar);
    int ScrollDelta(int nBar, UINT nSBCode, UINT nPos);

    SECEditVisualHost &m_host;
    Bounds m_boundsIf{*this};
    Viewport m_viewport{*this};
    Zoom m_zoom{*this};
    Observer m_observer{*this};
    Listener m_listener{*this};

    UINT m_nMode = 0;
    SECEditTextBuffer *m_pBuffer = nullptr;
    SECEditController *m_pController = nullptr;
    BOOL m_bOwnsController = FALSE;
    CWnd *m_pOwner = nullptr;
    CBrush *m_pGutterBrush = nullptr;
    CBitmap m_gutterBitmap;
    std::vector<ISECEventListener *> m_listeners;

    CRect m_rcBounds{0, 0, 0, 0};
    int m_scrollAmounts[2][2] = {{0, 0}, {0, 0}};
    float m_fScaleX = 1.0f;
    float m_fScaleY = 1.0f;
    int m_nMapMode = 8; // MM_ANISOTROPIC
    CPoint m_origin{0, 0};
    CSize m_windowExtent{1, 1};
    CSize m_viewportExtent{1, 1};
    BOOL m_bScrolling = FALSE;
};
