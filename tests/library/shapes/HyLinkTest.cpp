#include "../model/ArchiveBytes.h"
#include "ShapeTestUtil.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/CursorApi.h"
#include "framework/window/WinStyles.h"
#include "framework/window/Wnd.h"
#include "library/shapes/QYHyLinkComponent.h"
#include "library/shapes/QYLinkShell.h"
#include "framework/resources/ResourceImages.h"
#include "ImageTestFiles.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What reached the shell: one entry per call, the arguments as given.
struct ShellRecord {
    std::vector<std::vector<std::string>> calls;
    INT_PTR shellResult = 42;
    const char* browser = nullptr;
    bool startSucceeds = true;
};
ShellRecord g_record;

HINSTANCE RecordShellExecute(LPCTSTR lpOperation, LPCTSTR lpFile, INT nShowCmd)
{
    g_record.calls.push_back({"ShellExecute", lpOperation, lpFile, std::to_string(nShowCmd)});
    return reinterpret_cast<HINSTANCE>(g_record.shellResult);
}

BOOL RecordShellExecuteEx(LPSHELLEXECUTEINFO pInfo)
{
    g_record.calls.push_back({"ShellExecuteEx", pInfo->lpFile, std::to_string(pInfo->fMask),
                              std::to_string(pInfo->nShow), pInfo->lpVerb == nullptr ? "(default)" : pInfo->lpVerb});
    return TRUE;
}

BOOL RecordStart(const std::vector<CString>& argv)
{
    std::vector<std::string> call{"Start"};
    for (const CString& arg : argv)
        call.emplace_back(static_cast<const char*>(arg));
    g_record.calls.push_back(call);
    return g_record.startSucceeds;
}

const char* RecordGetEnv(const char* pszName)
{
    return std::string(pszName) == "BROWSER" ? g_record.browser : nullptr;
}

const QYLinkShell kRecorder = {RecordShellExecute, RecordShellExecuteEx, RecordStart, RecordGetEnv};

class HyLinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_record = ShellRecord();
        QYSetLinkShell(&kRecorder);
        CRect rc(10, 10, 110, 40);
        m_link->Create(rc, "Click");
    }
    void TearDown() override { QYSetLinkShell(nullptr); }
    Held<CQYHyLinkComponent> m_link;
};

TEST_F(HyLinkTest, PressMoveReleaseStates)
{
    m_link->SetLinkType(QY_LINK_INTERNET);
    m_link->SetLinkAddress("https://example.org/");
    struct Step {
        const char* event;
        CPoint point;
        BOOL pressed;
        BOOL tracking;
        size_t calls;
    };
    const Step steps[] = {
        {"move", {50, 20}, FALSE, FALSE, 0}, {"down", {50, 20}, TRUE, TRUE, 0}, {"move", {200, 20}, FALSE, TRUE, 0},
        {"move", {60, 25}, TRUE, TRUE, 0},   {"move", {5, 5}, FALSE, TRUE, 0},  {"up", {5, 5}, FALSE, FALSE, 1},
        {"down", {50, 20}, TRUE, TRUE, 1},   {"cancel", {}, FALSE, FALSE, 1},   {"move", {50, 20}, FALSE, FALSE, 1},
        {"up", {50, 20}, FALSE, FALSE, 2},
    };
    for (const Step& step : steps) {
        const std::string event = step.event;
        if (event == "move")
            m_link->OnMouseMove(0, step.point);
        else if (event == "down")
            m_link->OnLButtonDown(0, step.point);
        else if (event == "up")
            m_link->OnLButtonUp(0, step.point);
        else
            m_link->OnCancelMode();
        SCOPED_TRACE(event + " at " + std::to_string(step.point.x) + "," + std::to_string(step.point.y));
        EXPECT_EQ(m_link->m_bPressed, step.pressed);
        EXPECT_EQ(m_link->m_bTracking, step.tracking);
        EXPECT_EQ(g_record.calls.size(), step.calls);
    }
}

TEST_F(HyLinkTest, SpaceBarShowsThePressedLookOnly)
{
    m_link->SetLinkType(QY_LINK_FILE);
    m_link->SetLinkAddress("/tmp/file.txt");
    m_link->OnKeyDown('A', 1, 0);
    EXPECT_FALSE(m_link->m_bPressed);
    m_link->OnKeyDown(VK_SPACE, 1, 0);
    EXPECT_TRUE(m_link->m_bPressed);
    m_link->OnKeyUp('A', 1, 0);
    EXPECT_TRUE(m_link->m_bPressed);
    m_link->OnKeyUp(VK_SPACE, 1, 0);
    EXPECT_FALSE(m_link->m_bPressed);
    EXPECT_TRUE(g_record.calls.empty());
}

TEST_F(HyLinkTest, EachLinkTypeReachesTheShellWithTheAddressAsOneArgument)
{
    const std::string hostile = "https://x.org/a b\";rm -rf ~;' --flag";
    struct Case {
        int type;
        const char* address;
        INT_PTR shellResult;
        const char* browser;
        bool startSucceeds;
        std::vector<std::vector<std::string>> expected;
    };
    const std::string show = std::to_string(SW_SHOW);
    const Case cases[] = {
        {QY_LINK_MAIL, "mailto:a@b.org", 42, nullptr, true, {{"ShellExecute", "open", "mailto:a@b.org", show}}},
        {QY_LINK_INTERNET, hostile.c_str(), 42, nullptr, true, {{"ShellExecute", "open", hostile, show}}},
        {QY_LINK_INTERNET,
         hostile.c_str(),
         31,
         "mybrowser --new-tab",
         true,
         {{"ShellExecute", "open", hostile, show}, {"Start", "mybrowser", "--new-tab", hostile}}},
        {QY_LINK_INTERNET,
         hostile.c_str(),
         31,
         "open-in %s:other",
         true,
         {{"ShellExecute", "open", hostile, show}, {"Start", "open-in", hostile}}},
        {QY_LINK_INTERNET,
         hostile.c_str(),
         31,
         nullptr,
         true,
         {{"ShellExecute", "open", hostile, show}, {"Start", "xdg-open", hostile}}},
        {QY_LINK_MAIL,
         "mailto:a@b.org",
         2,
         "broken",
         false,
         {{"ShellExecute", "open", "mailto:a@b.org", show},
          {"Start", "broken", "mailto:a@b.org"},
          {"Start", "xdg-open", "mailto:a@b.org"}}},
        // An address that looks like an option reaches the browser as a
        // path in the current folder; the desktop's handler has it whole.
        {QY_LINK_INTERNET,
         "-rf",
         31,
         "mybrowser --new-tab",
         true,
         {{"ShellExecute", "open", "-rf", show}, {"Start", "mybrowser", "--new-tab", "./-rf"}}},
        {QY_LINK_MAIL,
         "--version",
         31,
         "open-in --url=%s",
         false,
         {{"ShellExecute", "open", "--version", show},
          {"Start", "open-in", "--url=./--version"},
          {"Start", "xdg-open", "./--version"}}},
        {QY_LINK_FILE,
         "/tmp/a file.txt",
         42,
         nullptr,
         true,
         {{"ShellExecuteEx", "/tmp/a file.txt", "12", show, "(default)"}}},
        {QY_LINK_PROGRAM,
         "/usr/bin/true",
         42,
         nullptr,
         true,
         {{"ShellExecuteEx", "/usr/bin/true", "12", show, "(default)"}}},
        {QY_LINK_INTERNET, "", 42, nullptr, true, {}},
        {QY_LINK_NONE, "https://x.org", 42, nullptr, true, {}},
        {5, "https://x.org", 42, nullptr, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.address);
        g_record = ShellRecord();
        g_record.shellResult = c.shellResult;
        g_record.browser = c.browser;
        g_record.startSucceeds = c.startSucceeds;
        m_link->SetLinkType(c.type);
        m_link->SetLinkAddress(c.address);
        m_link->OnLButtonDown(0, CPoint(50, 20));
        m_link->OnLButtonUp(0, CPoint(50, 20));
        EXPECT_EQ(g_record.calls, c.expected);
    }
}

TEST_F(HyLinkTest, RecordRoundTripsAfterTheLabelRecord)
{
    m_link->SetLinkType(QY_LINK_PROGRAM);
    m_link->SetLinkAddress("caf\xC3\xA9 program");
    m_link->SetCursorType(3);
    const Bytes record = StoreRecord(*m_link.get());
    // The label's own record comes first.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        m_link->CQYStaticComponent::Serialize(ar);
        ar.Close();
    }
    Bytes labelPart(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(labelPart.data(), static_cast<UINT>(labelPart.size()));
    RecordBuilder tail;
    tail.Int(QY_LINK_PROGRAM).Str("caf\xC3\xA9 program").Int(3);
    Bytes expected = labelPart;
    expected.insert(expected.end(), tail.Get().begin(), tail.Get().end());
    EXPECT_EQ(record, expected);

    Held<CQYHyLinkComponent> back;
    ASSERT_EQ(LoadRecord(*back.get(), record), -1);
    EXPECT_EQ(back->m_nLinkType, QY_LINK_PROGRAM);
    EXPECT_STREQ(static_cast<const char*>(back->GetLinkAddress()), "caf\xC3\xA9 program");
    EXPECT_EQ(back->GetCursorType(), 3);
    Held<CQYHyLinkComponent> copy(static_cast<CQYHyLinkComponent*>(m_link->Copy()));
    EXPECT_EQ(copy->m_nLinkType, QY_LINK_PROGRAM);
    EXPECT_EQ(copy->GetCursorType(), 3);
}

TEST_F(HyLinkTest, CursorTypeOutsideTheTableKeepsTheCursor)
{
    m_link->SetCursorType(0);
    HCURSOR hArrow = m_link->m_hLinkCursor;
    EXPECT_NE(hArrow, nullptr);
    m_link->SetCursorType(7);
    EXPECT_EQ(m_link->GetCursorType(), 7);
    EXPECT_EQ(m_link->m_hLinkCursor, hArrow);
}

TEST_F(HyLinkTest, LoadingARecordLoadsItsCursor)
{
    BmpFields spec;
    spec.width = 16;
    spec.height = 16;
    const Bytes bmp = MakeBmp(spec);
    const std::string path = (std::filesystem::temp_directory_path() / "plexo_link_cursor.bmp").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    PlexoRegisterCursor(26065, path.c_str(), 0, 0);
    m_link->SetCursorType(2);
    const Bytes record = StoreRecord(*m_link.get());
    Held<CQYHyLinkComponent> back;
    ASSERT_EQ(LoadRecord(*back.get(), record), -1);
    EXPECT_NE(back->m_hLinkCursor, nullptr);
    EXPECT_EQ(back->m_hLinkCursor, LoadCursor(nullptr, MAKEINTRESOURCE(26065)));
}

// Presses invalidate the label (grown by 2) on its host window unless
// m_bRedraw is clear; cancelling always does.
TEST_F(HyLinkTest, PressesInvalidateTheHostUnlessRedrawIsOff)
{
    CWnd host;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW));
    ASSERT_TRUE(
        host.CreateEx(0, lpszClass, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    m_link->m_pHostWnd = &host;
    const auto Dirty = [&host] {
        CRect rect;
        const BOOL bDirty = host.GetUpdateRect(&rect);
        host.ValidateRect(nullptr);
        return bDirty ? rect : CRect();
    };
    Dirty();
    m_link->OnLButtonDown(0, CPoint(50, 20));
    EXPECT_EQ(Dirty(), CRect(8, 8, 112, 42));
    m_link->OnLButtonUp(0, CPoint(50, 20));
    EXPECT_EQ(Dirty(), CRect(8, 8, 112, 42));
    m_link->m_bRedraw = FALSE;
    m_link->OnLButtonDown(0, CPoint(50, 20));
    EXPECT_EQ(Dirty(), CRect());
    m_link->OnCancelMode();
    EXPECT_EQ(Dirty(), CRect(8, 8, 112, 42));
    m_link->OnCancelMode();
    EXPECT_EQ(Dirty(), CRect());
    m_link->m_pHostWnd = nullptr;
    host.DestroyWindow();
}

TEST_F(HyLinkTest, DefaultsAndDrawing)
{
    CQYCompProperties* pProp = m_link->GetDefaultProperty();
    EXPECT_EQ(pProp->GetType(), 32);
    EXPECT_EQ(pProp->m_nPointSize, 12);
    EXPECT_EQ(pProp->m_crFontColor, 0xFF0000u);
    EXPECT_FALSE(pProp->m_bMultiLine);
    EXPECT_EQ(pProp->m_nTextHorzAlign, 1);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(130, 60, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 130, 60, RGB(0, 128, 0));
    m_link->OnDraw(&dc);
    // Raised: white top-left, black bottom-right edges.
    EXPECT_EQ(dc.GetPixel(50, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(dc.GetPixel(50, 39) & 0xFFFFFF, 0u);
    m_link->OnLButtonDown(0, CPoint(50, 20));
    m_link->OnDraw(&dc);
    EXPECT_EQ(dc.GetPixel(50, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(dc.GetPixel(50, 39) & 0xFFFFFF, 0xFFFFFFu);
    dc.SelectObject(pOld);
    m_link->OnCancelMode();
}

// The hooks a derived link class calls: the label's own text drawing and
// the host window's cursor message.
TEST_F(HyLinkTest, TextDrawingAndCursorHooksForDerivedClasses)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(130, 60, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    const COLORREF kGreen = RGB(0, 128, 0);
    dc.FillSolidRect(0, 0, 130, 60, kGreen);
    m_link->OnDrawText(&dc);
    // The blue caption inside the label, and neither face nor frame.
    int nCaption = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 130; ++x) {
            const COLORREF pixel = dc.GetPixel(x, y) & 0xFFFFFF;
            if (pixel == kGreen)
                continue;
            EXPECT_TRUE(CRect(10, 10, 110, 40).PtInRect(CPoint(x, y))) << x << "," << y;
            nCaption += pixel == 0xFF0000u;
        }
    EXPECT_GT(nCaption, 0);
    EXPECT_EQ(dc.GetPixel(50, 10) & 0xFFFFFF, kGreen);
    EXPECT_EQ(dc.GetPixel(50, 39) & 0xFFFFFF, kGreen);
    dc.SelectObject(pOld);

    m_link->SetCursorType(0);
    ::SetCursor(nullptr);
    CWnd* pNoWindow = nullptr;
    EXPECT_TRUE(m_link->OnSetCursor(pNoWindow, HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), m_link->m_hLinkCursor);
}

TEST(LinkShell, BrowserArgumentLists)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"firefox", {"firefox", "ADDR"}},
        {"  firefox   --new-window ", {"firefox", "--new-window", "ADDR"}},
        {"browse --url=%s --x", {"browse", "--url=ADDR", "--x"}},
        {"first:second", {"first", "ADDR"}},
        {"", {}},
        {":second", {}},
    };
    for (const auto& [entry, expected] : cases) {
        std::vector<std::string> got;
        for (const CString& arg : QYBrowserArguments(entry, "ADDR"))
            got.emplace_back(static_cast<const char*>(arg));
        EXPECT_EQ(got, expected) << entry;
    }
}

} // namespace
