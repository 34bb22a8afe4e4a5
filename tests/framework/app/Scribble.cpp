#include "Scribble.h"

#include "framework/app/CommandLineInfo.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/resources/Resources.h"
#include "framework/window/WinMessages.h"

IMPLEMENT_DYNCREATE(CScribbleDoc, CDocument)
IMPLEMENT_DYNCREATE(CScribbleView, CScrollView)
IMPLEMENT_DYNCREATE(CSplitChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CScribbleDoc, CDocument)
ON_COMMAND(ID_SCRIBBLE_CLEAR, OnClear)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CScribbleView, CScrollView)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

bool CScribbleDoc::s_bFailNextSave = false;

void CScribbleDoc::AddStroke(std::vector<CPoint> points)
{
    m_strokes.push_back(std::move(points));
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

void CScribbleDoc::DeleteContents()
{
    m_strokes.clear();
}

void CScribbleDoc::OnClear()
{
    ++m_nCleared;
    DeleteContents();
    SetModifiedFlag();
}

void CScribbleDoc::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_strokes.size());
        for (const auto &stroke : m_strokes) {
            if (s_bFailNextSave) {
                s_bFailNextSave = false;
                AfxThrowFileException(CFileException::diskFull, -1, nullptr);
            }
            ar << static_cast<DWORD>(stroke.size());
            for (const CPoint &point : stroke)
                ar << static_cast<LONG>(point.x) << static_cast<LONG>(point.y);
        }
        return;
    }
    DWORD nStrokes = 0;
    ar >> nStrokes;
    for (DWORD i = 0; i < nStrokes; ++i) {
        DWORD nPoints = 0;
        ar >> nPoints;
        std::vector<CPoint> stroke;
        for (DWORD j = 0; j < nPoints; ++j) {
            LONG x = 0;
            LONG y = 0;
            ar >> x >> y;
            stroke.emplace_back(x, y);
        }
        // Strokes appear as they are read: a truncated file leaves a part.
        m_strokes.push_back(std::move(stroke));
    }
}

void CScribbleView::OnDraw(CDC *pDC)
{
    for (const auto &stroke : GetDocument()->m_strokes) {
        if (stroke.empty())
            continue;
        pDC->MoveTo(stroke.front());
        for (const CPoint &point : stroke)
            pDC->LineTo(point);
    }
}

void CScribbleView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    SetScrollSizes(MM_TEXT, CSize(kPageWidth, kPageHeight));
    CScrollView::OnInitialUpdate();
}

void CScribbleView::OnActivateView(BOOL bActivate, CView *pActivateView, CView *pDeactiveView)
{
    m_activations.push_back({bActivate, pActivateView, pDeactiveView});
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CScribbleView::OnLButtonDown(UINT, CPoint point)
{
    SetCapture();
    m_stroke.assign(1, point + GetScrollPosition());
}

void CScribbleView::OnMouseMove(UINT, CPoint point)
{
    if (GetCapture() == this && !m_stroke.empty())
        m_stroke.push_back(point + GetScrollPosition());
}

void CScribbleView::OnLButtonUp(UINT, CPoint point)
{
    if (GetCapture() != this)
        return;
    ReleaseCapture();
    m_stroke.push_back(point + GetScrollPosition());
    GetDocument()->AddStroke(std::move(m_stroke));
    m_stroke.clear();
}

BOOL CScribbleApp::InitInstance()
{
    RegisterScribbleResources();
    SetRegistryKey("Plexo Samples");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CMultiDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc), RUNTIME_CLASS(CSplitChildFrame),
                                         RUNTIME_CLASS(CScribbleView)));
    auto *pMainFrame = new CMDIFrameWnd;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = pMainFrame;
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();
    return TRUE;
}

BOOL CSplitChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext)
{
    return m_wndSplitter.Create(this, 2, 2, CSize(10, 10), pContext);
}

namespace {

const RESOURCE_STRING g_strings[] = {
    {AFX_IDS_APP_TITLE, "Scribble"},
    {IDR_MAINFRAME, "Scribble"},
    {IDR_SCRIBBLE, "Scribble\nScribble\nScribble\nScribble Files (*.scb)\n.scb\nScribble.Document\nScribble Document"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_SCRIBBLE_CLEAR, "Clear the drawing\nClear"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
};

const RESOURCE_MENU_ITEM g_menu[] = {
    {MF_POPUP, 0, "&File"},
    {MF_STRING, ID_FILE_NEW, "&New\tCtrl+N"},
    {MF_STRING, ID_FILE_OPEN, "&Open...\tCtrl+O"},
    {MF_STRING, ID_FILE_SAVE, "&Save\tCtrl+S"},
    {MF_STRING, ID_FILE_SAVE_AS, "Save &As..."},
    {MF_STRING, ID_FILE_CLOSE, "&Close"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_FILE_MRU_FILE1, "Recent File"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING | MF_END, ID_APP_EXIT, "E&xit"},
    {MF_POPUP, 0, "&Edit"},
    {MF_STRING, ID_SCRIBBLE_CLEAR, "C&lear All"},
    {MF_STRING | MF_END, 32772, "&Unhandled"},
    {MF_POPUP | MF_END, 0, "&Window"},
    {MF_STRING, ID_WINDOW_NEW, "&New Window"},
    {MF_STRING, ID_WINDOW_CASCADE, "&Cascade"},
    {MF_STRING, ID_WINDOW_TILE_HORZ, "&Tile"},
    {MF_STRING | MF_END, ID_WINDOW_ARRANGE, "&Arrange Icons"},
};

// The MDI frame's own menu, while no document window is open.
const RESOURCE_MENU_ITEM g_mainMenu[] = {
    {MF_POPUP | MF_END, 0, "&File"},
    {MF_STRING, ID_FILE_NEW, "&New\tCtrl+N"},
    {MF_STRING, ID_FILE_OPEN, "&Open...\tCtrl+O"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING, ID_FILE_MRU_FILE1, "Recent File"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING | MF_END, ID_APP_EXIT, "E&xit"},
};

const ACCEL g_accelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
};

} // namespace

void RegisterScribbleResources()
{
    static const bool bRegistered = []() {
        PlexoRegisterStrings(g_strings, static_cast<int>(sizeof(g_strings) / sizeof(g_strings[0])));
        PlexoRegisterMenu(IDR_SCRIBBLE, g_menu, static_cast<int>(sizeof(g_menu) / sizeof(g_menu[0])));
        PlexoRegisterMenu(IDR_MAINFRAME, g_mainMenu, static_cast<int>(sizeof(g_mainMenu) / sizeof(g_mainMenu[0])));
        PlexoRegisterAccelerators(IDR_MAINFRAME, g_accelerators,
                                  static_cast<int>(sizeof(g_accelerators) / sizeof(g_accelerators[0])));
        PlexoRegisterAccelerators(IDR_SCRIBBLE, g_accelerators,
                                  static_cast<int>(sizeof(g_accelerators) / sizeof(g_accelerators[0])));
        return true;
    }();
    (void)bRegistered;
}
