#include "kilnsmith/wizard/AppResources.h"
#include "kilnsmith/wizard/ClassDialogs.h"
#include "kilnsmith/wizard/ClassNameRule.h"
#include "kilnsmith/wizard/KilnsmithAppIds.h"

#include "WizardTestSupport.h"

#include "../../support/ModalDriver.h"

#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassNameRuleTest, AcceptsAsciiLettersDigitsAndUnderscoresOnly)
{
    const struct {
        const char *name;
        BOOL bValid;
    } kCases[] = {
        {"My_Class2", TRUE}, {"2Leading", TRUE},      {"_", TRUE},    {"", TRUE}, {"My-Class", FALSE},
        {"My Class", FALSE}, {"Kl\xC3\xA4ss", FALSE}, {"a/b", FALSE},
    };
    for (const auto &c : kCases)
        EXPECT_EQ(IsWizardClassName(c.name), c.bValid) << c.name;
}

class ClassDialogsTest : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        KilnsmithRegisterAppResources();
    }
    static CString Text(CWnd *pDialog, int nID)
    {
        CString strText;
        pDialog->GetDlgItemText(nID, strText);
        return strText;
    }
    static BOOL OkEnabled(CWnd *pDialog) { return pDialog->GetDlgItem(IDOK)->IsWindowEnabled(); }
    static void PressOk(CWnd *pDialog) { pDialog->SendMessage(WM_COMMAND, IDOK, 0); }
};

TEST_F(ClassDialogsTest, NewClassDialogShowsItsFieldsAndEnablesOkOnlyWithAName)
{
    CNewClassDlg dialog(m_pFrame);
    dialog.m_strClassName = "CMyDoc";
    dialog.m_strDescription = "Document";
    bool bChecked = false;
    ModalDriver driver("New Class", [&](CWnd *pDialog) {
        EXPECT_STREQ(Text(pDialog, IDC_CLASS_NAME), "CMyDoc");
        EXPECT_STREQ(Text(pDialog, IDC_CLASS_SECOND_FIELD), "Document");
        EXPECT_TRUE(OkEnabled(pDialog));
        pDialog->SetDlgItemText(IDC_CLASS_NAME, "");
        EXPECT_FALSE(OkEnabled(pDialog));
        pDialog->SetDlgItemText(IDC_CLASS_NAME, "CNext");
        EXPECT_TRUE(OkEnabled(pDialog));
        pDialog->SetDlgItemText(IDC_CLASS_SECOND_FIELD, "Changed");
        bChecked = true;
        PressOk(pDialog);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(bChecked);
    EXPECT_STREQ(dialog.m_strClassName, "CNext");
    EXPECT_STREQ(dialog.m_strDescription, "Changed");
}

TEST_F(ClassDialogsTest, AnIncorrectClassNameKeepsTheCheckedDialogsOpen)
{
    for (const char *pszBad : {"My-Class", "My Class", "Kl\xC3\xA4ss"}) {
        m_boxes.Clear();
        CViewClassDlg dialog(m_pFrame);
        dialog.m_strClassName = pszBad;
        dialog.m_strDocumentClass = "CMyDoc";
        ModalDriver driver("Dialog", [&](CWnd *pDialog) {
            PressOk(pDialog);
            // Still open, the message shown and the focus on the name.
            EXPECT_TRUE(::IsWindow(pDialog->GetSafeHwnd()));
            EXPECT_EQ(::GetFocus(), pDialog->GetDlgItem(IDC_CLASS_NAME)->GetSafeHwnd());
            pDialog->SetDlgItemText(IDC_CLASS_NAME, "My_Class2");
            PressOk(pDialog);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK) << pszBad;
        ASSERT_EQ(m_boxes.Shown().size(), 1u) << pszBad;
        EXPECT_EQ(m_boxes.Shown()[0].text, "Sorry,The class name isn't correct.Please change it and try again!");
        EXPECT_EQ(m_boxes.Shown()[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_STREQ(dialog.m_strClassName, "My_Class2");
        EXPECT_STREQ(dialog.m_strDocumentClass, "CMyDoc");
    }
}

TEST_F(ClassDialogsTest, NormalClassDialogAcceptsAnyText)
{
    CNormalClassDlg dialog(m_pFrame);
    dialog.m_strClassName = "CMyNewClass";
    dialog.m_strBaseClass = "CMyBaseClass";
    ModalDriver driver("Dialog", [&](CWnd *pDialog) {
        EXPECT_STREQ(Text(pDialog, IDC_CLASS_SECOND_FIELD), "CMyBaseClass");
        pDialog->SetDlgItemText(IDC_CLASS_NAME, "");
        EXPECT_TRUE(OkEnabled(pDialog));
        pDialog->SetDlgItemText(IDC_CLASS_DESCRIPTION_3, "any - text");
        PressOk(pDialog);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_STREQ(dialog.m_strClassName, "");
    EXPECT_STREQ(dialog.m_strDescription, "any - text");
}

TEST_F(ClassDialogsTest, CancelLeavesTheFieldsAsTheyWere)
{
    CNewClassDlg dialog(m_pFrame);
    dialog.m_strClassName = "CMyDoc";
    ModalDriver driver("New Class", [&](CWnd *pDialog) {
        pDialog->SetDlgItemText(IDC_CLASS_NAME, "COther");
        pDialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(dialog.m_strClassName, "CMyDoc");
}

} // namespace
