#include "ShapeTestUtil.h"

#include "framework/controls/ControlStyles.h"
#include "framework/controls/Edit.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/window/CursorApi.h"
#include "framework/window/WinStyles.h"
#include "framework/window/Wnd.h"
#include "library/shapes/QYStaticComponent.h"

#include <gtest/gtest.h>

namespace {

class LabelEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW));
        ASSERT_TRUE(
            m_view.CreateEx(0, lpszClass, "View", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        CRect rc(20, 30, 220, 110);
        m_label->Create(rc, "Caf\xC3\xA9\r\nline two");
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(400, 300, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
    }
    void TearDown() override
    {
        m_label->DestroyEdit();
        m_dc.SelectObject(m_pOld);
        m_view.DestroyWindow();
    }
    CRect EditRectInView()
    {
        CRect rect;
        m_label->GetEdit()->GetWindowRect(&rect);
        m_view.ScreenToClient(&rect);
        return rect;
    }

    CWnd m_view;
    Held<CQYStaticComponent> m_label;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

TEST_F(LabelEditTest, AttachesARealEditWindowWithTheCaptionSelected)
{
    ASSERT_TRUE(m_label->AttachEdit(&m_view));
    CEdit* pEdit = m_label->GetEdit();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetDlgCtrlID(), QY_LABEL_EDIT_ID);
    EXPECT_EQ(pEdit->GetParent(), &m_view);
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_STREQ(static_cast<const char*>(strText), "Caf\xC3\xA9\r\nline two");
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, strText.GetLength());
    const DWORD dwStyle = pEdit->GetStyle();
    EXPECT_TRUE(dwStyle & ES_MULTILINE);
    EXPECT_EQ(dwStyle & (ES_CENTER | ES_RIGHT), static_cast<DWORD>(ES_LEFT));
}

TEST_F(LabelEditTest, DrawingPlacesTheEditOverTheLabel)
{
    ASSERT_TRUE(m_label->AttachEdit(&m_view));
    m_label->OnDraw(&m_dc);
    const int nLine = m_label->GetDefaultProperty()->m_nLineWidth;
    EXPECT_EQ(EditRectInView(), CRect(20 + nLine, 30 + nLine, 220 - nLine, 110 - nLine));
    EXPECT_TRUE(m_label->GetEdit()->IsWindowVisible());

    // Single-line and centred: one text line high, in the middle.
    m_label->GetDefaultProperty()->m_bMultiLine = FALSE;
    m_label->OnDraw(&m_dc);
    const CRect single = EditRectInView();
    EXPECT_LT(single.Height(), 80 - 2 * nLine);
    EXPECT_NEAR((single.top + single.bottom) / 2, 70, 1);
}

TEST_F(LabelEditTest, RefreshFollowsTheAlignmentAndTextGoesBackToTheCaption)
{
    ASSERT_TRUE(m_label->AttachEdit(&m_view));
    m_label->GetDefaultProperty()->m_nTextHorzAlign = 2;
    m_label->RefreshEdit(FALSE);
    EXPECT_EQ(m_label->GetEdit()->GetStyle() & ES_RIGHT, 0u);
    m_label->RefreshEdit(TRUE);
    EXPECT_EQ(m_label->GetEdit()->GetStyle() & (ES_CENTER | ES_RIGHT), static_cast<DWORD>(ES_RIGHT));

    m_label->SetEditText("\xE6\x97\xA5\xE6\x9C\xAC\r\nmore text than before, quite a lot more");
    const CRect before = m_label->GetPointsRect();
    m_label->AutoSize(nullptr);
    EXPECT_GE(m_label->GetPointsRect().Width(), before.Width());
    m_label->ReadEditText();
    EXPECT_STREQ(static_cast<const char*>(m_label->GetObjectCaption()),
                 "\xE6\x97\xA5\xE6\x9C\xAC\r\nmore text than before, quite a lot more");
    m_label->DestroyEdit();
    EXPECT_EQ(m_label->GetEdit(), nullptr);
    EXPECT_EQ(m_label->m_pEditParent, nullptr);
    m_label->ReadEditText();
    EXPECT_STREQ(static_cast<const char*>(m_label->GetObjectCaption()),
                 "\xE6\x97\xA5\xE6\x9C\xAC\r\nmore text than before, quite a lot more");
}

TEST_F(LabelEditTest, FailedAttachLeavesNoEditWindow)
{
    EXPECT_FALSE(m_label->AttachEdit(nullptr));
    EXPECT_EQ(m_label->GetEdit(), nullptr);
    EXPECT_EQ(m_label->m_pEditParent, nullptr);
    m_label->SetEditText("ignored");
    m_label->ReadEditText();
    EXPECT_STREQ(static_cast<const char*>(m_label->GetObjectCaption()), "Caf\xC3\xA9\r\nline two");
}

} // namespace
