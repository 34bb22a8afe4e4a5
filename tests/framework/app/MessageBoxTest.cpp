#include "AppTestSupport.h"

#include "framework/app/MessageBoxes.h"
#include "framework/object/Exceptions.h"
#include "framework/resources/Resources.h"

namespace {

HWND g_hProbedOwner = nullptr;

int ProbeOwner(LPCTSTR, UINT, UINT)
{
    g_hProbedOwner = PlexoGetMessageBoxOwner();
    return IDOK;
}

class MessageBoxTest : public AppTestBase {};

TEST_F(MessageBoxTest, EveryButtonSetAnswersItsDefaultButton)
{
    struct Case {
        UINT nType;
        int nExpected;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OK | MB_DEFBUTTON2, IDOK}, // beyond the set: the first
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_ABORTRETRYIGNORE, IDABORT},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_YESNOCANCEL | MB_ICONQUESTION, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON2 | MB_ICONEXCLAMATION, IDNO},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_RETRYCANCEL | MB_DEFBUTTON2, IDCANCEL},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nType);
        EXPECT_EQ(AfxMessageBox("Question", c.nType), c.nExpected);
        EXPECT_EQ(m_boxes.Shown().back().nType, c.nType);
    }
}

TEST_F(MessageBoxTest, ButtonsOfEachSetInOrder)
{
    int anIDs[3];
    ASSERT_EQ(PlexoMessageBoxButtons(MB_YESNOCANCEL, anIDs), 3);
    EXPECT_EQ(anIDs[0], IDYES);
    EXPECT_EQ(anIDs[1], IDNO);
    EXPECT_EQ(anIDs[2], IDCANCEL);
    ASSERT_EQ(PlexoMessageBoxButtons(MB_ABORTRETRYIGNORE, anIDs), 3);
    EXPECT_EQ(anIDs[2], IDIGNORE);
    ASSERT_EQ(PlexoMessageBoxButtons(MB_OK, anIDs), 1);
}

TEST_F(MessageBoxTest, CaptionIsTheApplicationTitleAndTheHandlerAnswers)
{
    m_boxes.Queue(IDNO);
    EXPECT_EQ(AfxMessageBox("Save it?", MB_YESNO), IDNO);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].caption, "Scribble");
    EXPECT_EQ(m_boxes.Shown()[0].text, "Save it?");
    EXPECT_STREQ(AfxGetAppName(), "Scribble");
}

TEST_F(MessageBoxTest, StringPromptTakesItsIdAsHelpId)
{
    AfxMessageBox(ID_FILE_NEW, MB_OK);
    AfxMessageBox(ID_FILE_OPEN, MB_OK, 77);
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_EQ(m_boxes.Shown()[0].text, "Create a new document\nNew");
    EXPECT_EQ(m_boxes.Shown()[0].nIDHelp, static_cast<UINT>(ID_FILE_NEW));
    EXPECT_EQ(m_boxes.Shown()[1].nIDHelp, 77u);
}

TEST_F(MessageBoxTest, WindowAndPlainBoxesNameTheirCaption)
{
    ::MessageBox(nullptr, "Plain", nullptr, MB_OK);
    ::MessageBox(nullptr, "Named", "Mine", MB_OK);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    wnd.MessageBox("Owned");
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&ProbeOwner);
    wnd.MessageBox("Owned");
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(g_hProbedOwner, wnd.GetSafeHwnd());
    ASSERT_EQ(m_boxes.Shown().size(), 3u);
    EXPECT_EQ(m_boxes.Shown()[0].caption, "Error");
    EXPECT_EQ(m_boxes.Shown()[1].caption, "Mine");
    EXPECT_EQ(m_boxes.Shown()[2].caption, "Scribble");
    // After the box, handlers see no box context any more.
    EXPECT_STREQ(PlexoGetMessageBoxCaption(), "Scribble");
    wnd.DestroyWindow();
}

TEST_F(MessageBoxTest, ExceptionsReportThroughTheSameHandler)
{
    CFileException e(CFileException::fileNotFound, -1, "/tmp/none.scb");
    e.ReportError();
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, "/tmp/none.scb was not found.");
}

TEST_F(MessageBoxTest, BeepSucceeds)
{
    EXPECT_TRUE(MessageBeep(MB_ICONASTERISK));
}

} // namespace
