// Data exchange: every DDX_ and DDV_ function in both directions, the
// framework's failure messages, and a failed exchange keeping the dialog
// open with the focus on the failing control.
#include "ControlTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class CExchangeDialog : public CRecordingDialog {
public:
    CString m_strName = "Plexo";
    int m_nCount = 7;
    int m_nBold = BST_CHECKED;
    int m_nAlign = 2;
    int m_nMaxCount = 100;
    int m_nNameChars = 10;
    CEdit m_notes;

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, m_nNameChars);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 0, m_nMaxCount);
        DDX_Check(pDX, IDC_BOLD, m_nBold);
        DDX_Radio(pDX, IDC_LEFT, m_nAlign);
        DDX_Control(pDX, IDC_NOTES, m_notes);
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowSampleDialog(dialog)); }
    HWND Item(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }

    MessageBoxRecorder recorder;
    CExchangeDialog dialog;
};

TEST_F(DataExchangeTest, InitialisingMovesTheMembersIntoTheControls)
{
    EXPECT_STREQ(TextOf(Item(IDC_NAME)), "Plexo");
    EXPECT_STREQ(TextOf(Item(IDC_COUNT)), "7");
    EXPECT_EQ(::SendMessage(Item(IDC_BOLD), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessage(Item(IDC_RIGHT), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessage(Item(IDC_LEFT), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // DDV_MaxChars limits the edit when loading.
    EXPECT_EQ(::SendMessage(Item(IDC_NAME), EM_GETLIMITTEXT, 0, 0), 10);
    // DDX_Control subclassed the control with the member.
    EXPECT_EQ(dialog.m_notes.m_hWnd, Item(IDC_NOTES));
    EXPECT_EQ(CWnd::FromHandlePermanent(Item(IDC_NOTES)), &dialog.m_notes);
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(DataExchangeTest, SavingReadsTheControlsBack)
{
    ::SetWindowText(Item(IDC_NAME), "Orchard");
    ::SetWindowText(Item(IDC_COUNT), "  -12 ");
    dialog.m_nMaxCount = 100;
    ::CheckRadioButton(dialog.m_hWnd, IDC_LEFT, IDC_RIGHT, IDC_LEFT);
    ::SendMessage(Item(IDC_BOLD), BM_SETCHECK, BST_UNCHECKED, 0);
    ::SetWindowText(Item(IDC_COUNT), "12");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_STREQ(dialog.m_strName, "Orchard");
    EXPECT_EQ(dialog.m_nCount, 12);
    EXPECT_EQ(dialog.m_nBold, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_nAlign, 0);
    // No radio button checked: -1.
    for (int id : {IDC_LEFT, IDC_CENTRE, IDC_RIGHT})
        ::SendMessage(Item(id), BM_SETCHECK, BST_UNCHECKED, 0);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_nAlign, -1);
}

TEST_F(DataExchangeTest, EachFailureShowsItsMessageAndFocusesTheFailingControl)
{
    struct Case {
        const char *name;
        const char *count;
        int maxCount;
        const char *nameText;
        const char *message;
        int control;
    } cases[] = {
        {"not a number", "12a", 100, "x", "Please enter an integer.", IDC_COUNT},
        {"empty", "", 100, "x", "Please enter an integer.", IDC_COUNT},
        {"too large for int", "99999999999", INT_MAX, "x", "Please enter an integer.", IDC_COUNT},
        {"out of range", "101", 100, "x", "Please enter an integer between 0 and 100.", IDC_COUNT},
        {"too long", "5", 100, "abcdefghijk", "Please enter no more than 10 characters.", IDC_NAME},
    };
    for (const Case &c : cases) {
        recorder.Messages().clear();
        dialog.m_nMaxCount = c.maxCount;
        ::SendMessage(Item(IDC_NAME), EM_LIMITTEXT, 0, 0);
        ::SetWindowText(Item(IDC_NAME), c.nameText);
        ::SetWindowText(Item(IDC_COUNT), c.count);
        dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_BOLD));
        EXPECT_FALSE(dialog.UpdateData(TRUE)) << c.name;
        ASSERT_EQ(recorder.Messages().size(), 1u) << c.name;
        EXPECT_EQ(recorder.Messages()[0], c.message) << c.name;
        EXPECT_EQ(FocusId(), c.control) << c.name;
        DWORD start = 1, end = 0;
        ::SendMessage(Item(c.control), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << c.name;
        EXPECT_EQ(end, static_cast<DWORD>(TextOf(Item(c.control)).GetLength())) << c.name;
    }
}

class CNumbersDialog : public CRecordingDialog {
public:
    UINT m_nUnsigned = 5;
    long m_lSigned = -5;
    DWORD m_dwValue = 9;

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_nUnsigned);
        DDX_Text(pDX, IDC_COUNT, m_lSigned);
        DDX_Text(pDX, IDC_NOTES, m_dwValue);
    }
};

TEST(DataExchangeNumbers, UnsignedAndLongValuesAndTheirMessages)
{
    RegisterSampleTemplates();
    MessageBoxRecorder recorder;
    CNumbersDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    HWND name = ::GetDlgItem(dialog.m_hWnd, IDC_NAME);
    HWND count = ::GetDlgItem(dialog.m_hWnd, IDC_COUNT);
    HWND notes = ::GetDlgItem(dialog.m_hWnd, IDC_NOTES);
    EXPECT_STREQ(TextOf(name), "5");
    EXPECT_STREQ(TextOf(count), "-5");
    EXPECT_STREQ(TextOf(notes), "9");

    ::SetWindowText(name, "4294967295");
    ::SetWindowText(count, "-2147483648");
    ::SetWindowText(notes, "+17");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_nUnsigned, 4294967295u);
    EXPECT_EQ(dialog.m_lSigned, -2147483648L);
    EXPECT_EQ(dialog.m_dwValue, 17u);

    ::SetWindowText(name, "-1");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0], "Please enter a positive integer.");
    ::SetWindowText(name, "1");
    ::SetWindowText(count, "2147483648");
    recorder.Messages().clear();
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0], "Please enter an integer.");
}

class CUnsignedRangeDialog : public CRecordingDialog {
public:
    UINT m_nWidth = 5;

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_nWidth);
        DDV_MinMaxUInt(pDX, m_nWidth, 1, 3000000000u);
    }
};

// The bounds go past the largest int: the range is checked and shown
// unsigned.
TEST(DataExchangeNumbers, UnsignedRangeCheck)
{
    RegisterSampleTemplates();
    MessageBoxRecorder recorder;
    CUnsignedRangeDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    HWND name = ::GetDlgItem(dialog.m_hWnd, IDC_NAME);
    const struct {
        const char *text;
        bool ok;
        UINT value;
    } cases[] = {{"1", true, 1u}, {"3000000000", true, 3000000000u}, {"0", false, 0u}, {"3000000001", false, 0u}};
    for (const auto &c : cases) {
        recorder.Messages().clear();
        ::SetWindowText(name, c.text);
        EXPECT_EQ(dialog.UpdateData(TRUE), c.ok ? TRUE : FALSE) << c.text;
        if (c.ok) {
            EXPECT_EQ(dialog.m_nWidth, c.value) << c.text;
            EXPECT_TRUE(recorder.Messages().empty()) << c.text;
        } else {
            ASSERT_EQ(recorder.Messages().size(), 1u) << c.text;
            EXPECT_EQ(recorder.Messages()[0], "Please enter an integer between 1 and 3000000000.") << c.text;
        }
    }
}

} // namespace
