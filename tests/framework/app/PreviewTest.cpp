#include "AppTestSupport.h"
#include "BarsSample.h"

#include "framework/appui/PreviewView.h"
#include "framework/controls/CommonDialog.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/MetaFileDC.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QWidget>

namespace {

class PreviewTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        RegisterSampleResources();
        AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(CSampleFrame), RUNTIME_CLASS(CPagesView)));
        m_pApp->OnFileNew();
        m_pFrame = static_cast<CSampleFrame *>(m_pApp->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->MoveWindow(0, 0, 800, 600);
        m_pFrame->ShowWindow(SW_SHOW);
        m_pView = static_cast<CPagesView *>(m_pFrame->GetActiveView());
    }
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID, 0); }
    void Idle()
    {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
        m_pApp->OnIdle(0);
    }
    CPreviewView *Preview() const { return dynamic_cast<CPreviewView *>(m_pFrame->GetActiveView()); }
    // Draws the preview as it paints itself; the colour at probe.
    COLORREF DrawPreview(CPoint probe = CPoint(0, 0))
    {
        CRect client;
        Preview()->GetClientRect(&client);
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateBitmap(client.Width(), client.Height(), 1, 32, nullptr);
        CBitmap *pOld = memory.SelectObject(&bitmap);
        Preview()->OnDraw(&memory);
        const COLORREF colour = memory.GetPixel(probe);
        memory.SelectObject(pOld);
        return colour;
    }
    BOOL ButtonEnabled(UINT nID) const
    {
        CWnd *pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
        return pBar != nullptr && ::IsWindowEnabled(::GetDlgItem(pBar->GetSafeHwnd(), static_cast<int>(nID)));
    }
    void ClickButton(UINT nID)
    {
        CWnd *pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
        ASSERT_NE(pBar, nullptr);
        QTest::mouseClick(WindowCore::Widget(::GetDlgItem(pBar->GetSafeHwnd(), static_cast<int>(nID))), Qt::LeftButton,
                          Qt::NoModifier, QPoint(4, 4));
    }
    std::string Message() const { return static_cast<LPCTSTR>(m_pFrame->GetMessageText()); }

    CSampleFrame *m_pFrame = nullptr;
    CPagesView *m_pView = nullptr;
};

TEST_F(PreviewTest, TakesTheViewsPlaceAndGivesItBack)
{
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_FALSE(m_pView->IsWindowVisible());
    EXPECT_FALSE(m_pFrame->m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(m_pView->m_calls, (std::vector<std::string>{"prepare", "begin"}));
    EXPECT_EQ(Message(), "Page 1");
    EXPECT_TRUE(m_pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_EQ(std::string(m_pFrame->m_wndStatusBar.GetPaneText(0)), "Page 1");
    ClickButton(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(m_pFrame->GetActiveView(), m_pView);
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_TRUE(m_pFrame->m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(m_pView->m_calls.back(), "end");
    EXPECT_EQ(m_pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
}

TEST_F(PreviewTest, PagesThroughTheDocumentWithTheBarsButtons)
{
    m_pView->m_nPages = 3;
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    Idle();
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_PREV));
    EXPECT_TRUE(ButtonEnabled(AFX_ID_PREVIEW_NEXT));
    ClickButton(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(Preview()->GetCurrentPage(), 2u);
    EXPECT_EQ(Message(), "Page 2");
    ClickButton(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(Message(), "Pages 2-3");
    Idle();
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_NEXT)); // page 3 is shown
    ClickButton(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(Message(), "Pages 1-2");
}

TEST_F(PreviewTest, DrawsThePagesPrintWouldPrintMeasuredOnThePrinter)
{
    m_pView->m_nPages = 3;
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    Command(AFX_ID_PREVIEW_NUMPAGE);
    DrawPreview();
    EXPECT_EQ(m_pView->m_printed, (std::vector<UINT>{1, 2}));
    Command(AFX_ID_PREVIEW_NEXT);
    DrawPreview(); // page 2 is recorded once and played back again
    EXPECT_EQ(m_pView->m_printed, (std::vector<UINT>{1, 2, 3}));
    for (int nDpi : m_pView->m_dpis)
        EXPECT_EQ(nDpi, 600);
    ASSERT_FALSE(m_pView->m_drawRects.empty());
    EXPECT_NEAR(m_pView->m_drawRects[0].Width(), 210 / 25.4 * 600, 6);
    EXPECT_NEAR(m_pView->m_drawRects[0].Height(), 297 / 25.4 * 600, 6);
    // Scaled as a whole: the lines stay on the sheet.
    const CRect page = Preview()->GetPageRect(1);
    EXPECT_EQ(DrawPreview(CPoint(page.right + 12, page.top + 20)), GetSysColor(COLOR_APPWORKSPACE));
}

TEST_F(PreviewTest, APageRecordedOnThePrinterKeepsThePapersSize)
{
    CPrinterInfoDC printer;
    ASSERT_TRUE(printer.CreateIC(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", nullptr));
    CMetaFileDC dc;
    const CRect frame(0, 0, 21000, 29700);
    ASSERT_TRUE(dc.CreateEnhanced(&printer, nullptr, &frame, nullptr));
    dc.Rectangle(0, 0, 100, 100);
    HENHMETAFILE hPage = dc.CloseEnhanced();
    ASSERT_NE(hPage, nullptr);
    ENHMETAHEADER header{};
    ASSERT_GT(GetEnhMetaFileHeader(hPage, sizeof(header), &header), 0u);
    EXPECT_NEAR(header.szlMillimeters.cx, 210, 1);
    EXPECT_NEAR(header.szlMillimeters.cy, 297, 1);
    DeleteEnhMetaFile(hPage);
}

TEST_F(PreviewTest, ZoomShowsOnePageLarger)
{
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    const CRect one = Preview()->GetPageRect(0);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_NEAR(Preview()->GetPageRect(0).Width(), 2 * one.Width(), 1);
    Command(AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(Preview()->GetPageRect(0), one);
    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(Preview()->GetPagesShown(), 2u);
    EXPECT_LE(Preview()->GetPageRect(0).Width(), one.Width());
    Command(AFX_ID_PREVIEW_ZOOMIN); // zoomed: one page
    EXPECT_EQ(Preview()->GetPagesShown(), 1u);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    Command(AFX_ID_PREVIEW_ZOOMIN); // no further than the last step
    EXPECT_EQ(Preview()->GetZoom(), CPreviewView::kMaxZoom);
    // Zoomed pages are the same pages.
    DrawPreview();
    EXPECT_EQ(m_pView->m_printed, (std::vector<UINT>{1}));
}

TEST_F(PreviewTest, PrintClosesThePreviewAndPrintsTheDocument)
{
    m_pView->m_nPages = 2;
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    const std::string output = PathOf("preview.pdf");
    PlexoSetCommonDialogHook([output](QDialog *d) {
        if (auto *file = d->findChild<QLineEdit *>(QStringLiteral("filename")))
            file->setText(QString::fromStdString(output));
        static_cast<QPrintDialog *>(d)->printer()->setOutputFileName(QString::fromStdString(output));
        d->accept();
    });
    Command(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(m_pFrame->GetActiveView(), m_pView); // closed at once, printed next
    EXPECT_TRUE(m_pView->m_printed.empty());
    Idle();
    PlexoSetCommonDialogHook(PlexoCommonDialogHook());
    EXPECT_EQ(m_pFrame->GetActiveView(), m_pView);
    EXPECT_EQ(m_pView->m_printed, (std::vector<UINT>{1, 2}));
    EXPECT_TRUE(std::filesystem::exists(output));
}

TEST_F(PreviewTest, ClosingTheFrameDuringPreviewEndsThePrinting)
{
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    std::vector<std::string> calls;
    m_pView->m_pCallsAtEnd = &calls;
    m_pFrame->DestroyWindow();
    EXPECT_EQ(calls, (std::vector<std::string>{"prepare", "begin", "end"}));
}

TEST_F(PreviewTest, ADocumentWithoutPagesShowsNoPages)
{
    m_pView->m_nPages = 0;
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(Message(), "no pages");
    DrawPreview();
    EXPECT_TRUE(m_pView->m_printed.empty());
    Idle();
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_NEXT));
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_ZOOMIN));
    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(m_pFrame->GetActiveView(), m_pView);
}

} // namespace
