// A hyperlink label that opens a document through a document template: an
// open document with the link's title is brought forward, anything else is
// opened from its path and takes the title.
#include "../../framework/app/AppTestSupport.h"

#include "framework/app/MDIFrameWnd.h"
#include "framework/window/InputApi.h"
#include "library/shapes/QYHyLinkComponent.h"

namespace {

class HyLinkDocumentTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        m_pTemplate = new CMultiDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(CScribbleView));
        m_pApp->AddDocTemplate(m_pTemplate);
        m_pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME));
        m_pApp->m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pLink = new CQYHyLinkComponent;
        m_pLink->AddRef(); // the test holds the first reference
    }
    void TearDown() override
    {
        m_pLink->Release();
        AppTestBase::TearDown();
    }
    int OpenDocuments() const
    {
        int nCount = 0;
        for (POSITION pos = m_pTemplate->GetFirstDocPosition(); pos != nullptr; m_pTemplate->GetNextDoc(pos))
            ++nCount;
        return nCount;
    }

    CMultiDocTemplate* m_pTemplate = nullptr;
    CMDIFrameWnd* m_pFrame = nullptr;
    CQYHyLinkComponent* m_pLink = nullptr;
};

TEST_F(HyLinkDocumentTest, OpensThePathAndGivesTheDocumentTheTitle)
{
    const std::string path = PathOf("first.scb");
    WriteScribble(path, {{CPoint(1, 1), CPoint(5, 5)}});
    EXPECT_FALSE(m_pLink->OpenDocumentTarget(nullptr, path.c_str(), "Plan"));
    ASSERT_TRUE(m_pLink->OpenDocumentTarget(m_pTemplate, path.c_str(), "Plan"));
    ASSERT_EQ(OpenDocuments(), 1);
    POSITION pos = m_pTemplate->GetFirstDocPosition();
    EXPECT_STREQ(m_pTemplate->GetNextDoc(pos)->GetTitle(), "Plan");
}

TEST_F(HyLinkDocumentTest, AnOpenDocumentWithTheTitleIsBroughtForwardNotOpenedAgain)
{
    const std::string first = PathOf("first.scb");
    const std::string second = PathOf("second.scb");
    WriteScribble(first, {});
    WriteScribble(second, {});
    ASSERT_TRUE(m_pLink->OpenDocumentTarget(m_pTemplate, first.c_str(), "Plan"));
    CMDIChildWnd* pPlanFrame = m_pFrame->MDIGetActive();
    ASSERT_TRUE(m_pLink->OpenDocumentTarget(m_pTemplate, second.c_str(), ""));
    ASSERT_EQ(OpenDocuments(), 2);
    ASSERT_NE(m_pFrame->MDIGetActive(), pPlanFrame);

    // The path does not matter once a document carries the title.
    ASSERT_TRUE(m_pLink->OpenDocumentTarget(m_pTemplate, "/no/such/file.scb", "Plan"));
    EXPECT_EQ(OpenDocuments(), 2);
    CView* pPlanView = pPlanFrame->GetActiveView();
    ASSERT_NE(pPlanView, nullptr);
    EXPECT_EQ(::GetFocus(), pPlanView->GetSafeHwnd());
}

TEST_F(HyLinkDocumentTest, AMissingFileOpensNothing)
{
    m_boxes.Queue(IDOK);
    EXPECT_FALSE(m_pLink->OpenDocumentTarget(m_pTemplate, PathOf("missing.scb").c_str(), "Plan"));
    EXPECT_EQ(OpenDocuments(), 0);
}

} // namespace
