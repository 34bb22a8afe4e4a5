// The program's own windows as a user sees them after start: the frame and
// the document frames show the program's icons, and the status bar's
// position pane follows the caret of the active document.
#include "kilnsmith/app/MDIApp.h"
#include "kilnsmith/frame/MainFrm.h"
#include "kilnsmith/frame/ResourceIds.h"

#include "EndProgram.h"
#include "ProgramHomeTest.h"

#include "framework/app/AppIds.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/app/StatusBar.h"
#include "framework/app/View.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Icon.h"
#include "framework/window/CursorApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The program started with a profile whose welcome box was seen, in
// folders of the test's own.
class ProgramWindowsTest : public ProgramHomeTest {
protected:
    ProgramWindowsTest()
    {
        TempFolder::Write(m_folder.File("config/kilnsmith/kilnsmith.ini"), "[]\nFirst tyne=dword:00000000\n");
    }
    void TearDown() override { EndProgram(m_pApp); }
    BOOL Start()
    {
        m_pApp = new CMDIApp;
        static char szProgram[] = "kilnsmith";
        static char *argv[] = {szProgram, nullptr};
        m_pApp->__argc = 1;
        m_pApp->__argv = argv;
        m_pApp->SetProgramPaths(m_folder.File("bin/kilnsmith").c_str());
        m_pApp->InitApplication();
        return m_pApp->InitInstance();
    }

    CMDIApp *m_pApp = nullptr;
};

// The icon drawn at size by size pixels over white.
QImage DrawnIcon(HICON hIcon, int size)
{
    QImage target(size, size, QImage::Format_RGB32);
    target.fill(Qt::white);
    HDC hdc = ::CreateImageDC(&target);
    EXPECT_NE(hdc, nullptr);
    EXPECT_TRUE(::DrawIconEx(hdc, 0, 0, hIcon, size, size, 0, nullptr, DI_NORMAL));
    ::DeleteDC(hdc);
    return target;
}

TEST_F(ProgramWindowsTest, TheFrameAndTheDocumentFramesShowTheirOwnIcons)
{
    ASSERT_TRUE(Start());
    const auto hFrameIcon = reinterpret_cast<HICON>(::GetClassLongPtr(m_pApp->m_pMainWnd->GetSafeHwnd(), GCL_HICON));
    ASSERT_NE(hFrameIcon, nullptr);
    EXPECT_NE(hFrameIcon, ::LoadIcon(nullptr, IDI_APPLICATION));
    // The kiln: its fire in the middle, the corner clear, at both sizes.
    const QImage large = DrawnIcon(hFrameIcon, 32);
    EXPECT_EQ(large.pixel(13, 15), qRgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(large.pixel(12, 2), qRgb(0, 0, 0));
    EXPECT_EQ(large.pixel(0, 0), qRgb(255, 255, 255));
    const QImage small = DrawnIcon(hFrameIcon, 16);
    EXPECT_EQ(small.pixel(6, 7), qRgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(small.pixel(0, 0), qRgb(255, 255, 255));

    // The empty document's frame shows the page of source lines.
    auto *pFrame = static_cast<CMDIFrameWnd *>(m_pApp->m_pMainWnd);
    CMDIChildWnd *pChild = pFrame->MDIGetActive();
    ASSERT_NE(pChild, nullptr);
    const auto hDocumentIcon = reinterpret_cast<HICON>(::GetClassLongPtr(pChild->GetSafeHwnd(), GCL_HICON));
    ASSERT_NE(hDocumentIcon, nullptr);
    EXPECT_NE(hDocumentIcon, hFrameIcon);
    const QImage page = DrawnIcon(hDocumentIcon, 16);
    EXPECT_EQ(page.pixel(3, 4), qRgb(255, 255, 255)) << "the page";
    EXPECT_EQ(page.pixel(4, 3), qRgb(0, 0, 0x80)) << "a line of source";
    EXPECT_EQ(page.pixel(2, 5), qRgb(0, 0, 0)) << "the page's edge";
    EXPECT_EQ(page.pixel(0, 5), qRgb(255, 255, 255)) << "clear beside the page";
}

TEST_F(ProgramWindowsTest, ThePositionPaneShowsTheCaretOfTheActiveDocument)
{
    ASSERT_TRUE(Start());
    auto *pFrame = static_cast<CMainFrame *>(m_pApp->m_pMainWnd);
    CView *pView = pFrame->MDIGetActive()->GetActiveView();
    ASSERT_NE(pView, nullptr);
    pView->SendMessage(WM_CHAR, 'a', 0);
    pView->SendMessage(WM_CHAR, 'b', 0);
    pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    CStatusBar &bar = pFrame->GetStatusBar();
    ASSERT_EQ(bar.GetItemID(1), static_cast<UINT>(ID_INDICATOR_POSITION));
    EXPECT_STREQ(bar.GetPaneText(1), "Ln 1, Col 3");
    EXPECT_EQ(bar.GetPaneStyle(1) & SBPS_DISABLED, 0u) << "a disabled pane shows no text";
}

} // namespace
