// Modal and modeless dialogs: the modal loop with its idle messages and
// disabled owner, DoModal from inside another window's handler, the result
// of a missing template, and modeless dialogs that delete themselves.
#include "ControlTestSupport.h"

#include "framework/app/Document.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/MessageMap.h"
#include "framework/window/WindowApi.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A modal dialog driven by a script: each idle message runs the next step.
class CScriptedDialog : public CRecordingDialog {
public:
    explicit CScriptedDialog(UINT nID = IDD_SAMPLE, CWnd *pParent = nullptr) : CRecordingDialog(nID, pParent) {}
    std::vector<std::function<void(CScriptedDialog &)>> steps;
    size_t next = 0;
    int kickIdles = 0;
    bool ownerEnabledDuringLoop = true;
    HWND owner = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KICKIDLE) {
            ++kickIdles;
            if (owner)
                ownerEnabledDuringLoop = ::IsWindowEnabled(owner) != FALSE;
            if (next < steps.size())
                steps[next++](*this);
            else
                EndDialog(IDABORT); // a script that forgot to end still ends
            return TRUE;
        }
        return CRecordingDialog::WindowProc(message, wParam, lParam);
    }
};

class CFrameWindow : public CWnd {
public:
    BOOL Make()
    {
        LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS);
        return CreateEx(0, cls, "Owner", WS_POPUP | WS_VISIBLE, RECT{50, 50, 450, 350}, nullptr, 0);
    }
};

TEST(ModalLoop, AMissingTemplateGivesMinusOne)
{
    CDialog dialog(IDD_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(ModalLoop, TheLoopSendsIdleMessagesWithTheOwnerDisabledAndEndsWithTheResult)
{
    RegisterSampleTemplates();
    CFrameWindow frame;
    ASSERT_TRUE(frame.Make());
    CScriptedDialog dialog(IDD_SAMPLE, &frame);
    dialog.owner = frame.m_hWnd;
    dialog.steps.push_back([](CScriptedDialog &d) { ::SetWindowText(::GetDlgItem(d.m_hWnd, IDC_NAME), "x"); });
    dialog.steps.push_back([](CScriptedDialog &) { Press(GetFocus(), Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_GE(dialog.kickIdles, 2);
    EXPECT_FALSE(dialog.ownerEnabledDuringLoop);
    EXPECT_TRUE(frame.IsWindowEnabled());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(ModalLoop, ADialogWithoutParentIsOwnedByTheMainWindow)
{
    RegisterSampleTemplates();
    CFrameWindow frame;
    ASSERT_TRUE(frame.Make());
    AfxSetMainWnd(&frame);
    CScriptedDialog dialog;
    dialog.owner = frame.m_hWnd;
    HWND ownerSeen = nullptr;
    dialog.steps.push_back([&ownerSeen](CScriptedDialog &d) {
        ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    AfxSetMainWnd(nullptr);
    EXPECT_EQ(ownerSeen, frame.m_hWnd);
    EXPECT_FALSE(dialog.ownerEnabledDuringLoop);
}

TEST(ModalLoop, TheOwnerTakesTheActivationBackAlsoWhenTheDialogHadLostIt)
{
    RegisterSampleTemplates();
    for (bool bHideFirst : {false, true}) {
        CFrameWindow frame;
        ASSERT_TRUE(frame.Make());
        CScriptedDialog dialog(IDD_SAMPLE, &frame);
        HWND activeAtEnd = reinterpret_cast<HWND>(1);
        dialog.steps.push_back([&](CScriptedDialog &d) {
            if (bHideFirst)
                d.ShowWindow(SW_HIDE); // nothing is active afterwards
            activeAtEnd = ::GetActiveWindow();
            d.EndDialog(IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(activeAtEnd == nullptr, bHideFirst);
        EXPECT_EQ(::GetActiveWindow(), frame.m_hWnd) << bHideFirst;
        frame.DestroyWindow();
    }
}

TEST(ModalLoop, OKKeepsTheDialogOpenWhileTheExchangeFails)
{
    RegisterSampleTemplates();
    MessageBoxRecorder recorder;
    struct CCountDialog : CScriptedDialog {
        int m_nCount = 1;
        void DoDataExchange(CDataExchange *pDX) override
        {
            DDX_Text(pDX, IDC_COUNT, m_nCount);
            DDV_MinMaxInt(pDX, m_nCount, 1, 9);
        }
    } dialog;
    int focusAfterFailure = 0;
    dialog.steps.push_back([](CScriptedDialog &d) {
        ::SetWindowText(::GetDlgItem(d.m_hWnd, IDC_COUNT), "12");
        Press(d.m_hWnd, Qt::Key_Return);
    });
    dialog.steps.push_back([&focusAfterFailure](CScriptedDialog &d) {
        focusAfterFailure = FocusId();
        EXPECT_TRUE(d.IsWindowVisible());
        ::SetWindowText(::GetDlgItem(d.m_hWnd, IDC_COUNT), "8");
        Press(d.m_hWnd, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCount, 8);
    EXPECT_EQ(focusAfterFailure, IDC_COUNT);
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0], "Please enter an integer between 1 and 9.");
}

// A modeless find-style dialog whose button opens a modal dialog from
// inside its own BN_CLICKED handler.
class CFindDialog : public CDialog {
public:
    CFindDialog() : CDialog(IDD_FIND) {}
    INT_PTR innerResult = 0;
    CString textAfterInner;
    bool deleted = false;
    bool *deletedFlag = nullptr;

protected:
    afx_msg void OnFindNext()
    {
        CScriptedDialog inner;
        inner.steps.push_back([](CScriptedDialog &d) { d.EndDialog(IDRETRY); });
        innerResult = inner.DoModal();
        // Back in the handler: this dialog is as it was.
        GetDlgItemText(IDC_FIND_WHAT, textAfterInner);
    }
    void PostNcDestroy() override
    {
        if (deletedFlag)
            *deletedFlag = true;
        delete this;
    }
    void OnCancel() override { DestroyWindow(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFindDialog, CDialog)
ON_BN_CLICKED(IDOK, OnFindNext)
END_MESSAGE_MAP()

TEST(ModelessDialog, RunsAModalDialogFromItsHandlerAndDeletesItselfWhenClosed)
{
    RegisterSampleTemplates();
    bool deleted = false;
    auto *find = new CFindDialog;
    find->deletedFlag = &deleted;
    ASSERT_TRUE(find->Create(IDD_FIND));
    PumpEvents();
    EXPECT_TRUE(find->IsWindowVisible());
    EXPECT_EQ(FocusId(), IDC_FIND_WHAT);
    TypeText(find->m_hWnd, "needle");
    Press(find->m_hWnd, Qt::Key_Return);
    EXPECT_EQ(find->innerResult, IDRETRY);
    EXPECT_STREQ(find->textAfterInner, "needle");
    EXPECT_TRUE(find->IsWindowEnabled());
    // Keys of a modeless dialog go through its dialog manager too.
    Press(find->m_hWnd, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(find->IsDlgButtonChecked(IDC_MATCH_CASE), static_cast<UINT>(BST_CHECKED));
    Press(find->m_hWnd, Qt::Key_Escape);
    PumpEvents();
    EXPECT_TRUE(deleted);
}

TEST(ModalLoop, EndDialogDuringInitialisationEndsBeforeTheLoop)
{
    RegisterSampleTemplates();
    struct CQuickDialog : CDialog {
        CQuickDialog() : CDialog(IDD_SAMPLE) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            EndDialog(IDNO);
            return TRUE;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDNO);
}

} // namespace

namespace {

// A picker's pop-up whose click handler runs a modal dialog and then goes on.
class CPickerPopup : public CWnd {
public:
    INT_PTR result = 0;
    bool visibleAfter = false;
    bool aliveAfter = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN) {
            CScriptedDialog more;
            more.steps.push_back([](CScriptedDialog &d) { Press(d.m_hWnd, Qt::Key_Return); });
            result = more.DoModal();
            aliveAfter = ::IsWindow(m_hWnd) != FALSE;
            visibleAfter = IsWindowVisible() != FALSE;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(ModalLoop, DoModalFromAPopupsHandlerReturnsToIt)
{
    RegisterSampleTemplates();
    CPickerPopup popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(CS_DBLCLKS), "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                               RECT{300, 300, 380, 360}, nullptr, 0));
    PumpEvents();
    Click(popup.m_hWnd, 5, 5);
    EXPECT_EQ(popup.result, IDOK);
    EXPECT_TRUE(popup.aliveAfter);
    EXPECT_TRUE(popup.visibleAfter);
    popup.DestroyWindow();
}

// A control that keeps Tab for itself (DLGC_WANTTAB) and the arrows.
class CTabKeeper : public CWnd {
public:
    std::vector<WPARAM> keys;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETDLGCODE)
            return DLGC_WANTTAB | DLGC_WANTARROWS;
        if (message == WM_KEYDOWN)
            keys.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(DialogCodes, AControlWantingTabAndArrowsGetsThem)
{
    RegisterSampleTemplates();
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    dialog.ShowWindow(SW_SHOW);
    CTabKeeper keeper;
    ASSERT_TRUE(keeper.SubclassWindow(::GetDlgItem(dialog.m_hWnd, IDC_SWATCH)));
    keeper.SetFocus();
    Press(dialog.m_hWnd, Qt::Key_Tab);
    Press(dialog.m_hWnd, Qt::Key_Down);
    EXPECT_EQ(FocusId(), IDC_SWATCH);
    EXPECT_EQ(keeper.keys, (std::vector<WPARAM>{VK_TAB, VK_DOWN}));
    // Enter and Escape still belong to the dialog.
    Press(dialog.m_hWnd, Qt::Key_Escape);
    EXPECT_TRUE(dialog.Got(IDCANCEL, BN_CLICKED));
    keeper.UnsubclassWindow();
}

} // namespace
