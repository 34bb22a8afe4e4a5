// Printing to the PDF printer in the print loop's order: pagination by the
// body's lines and width (tabs measured with the print stops), the page
// count, the header's shortened title, the footer's page number, and a page
// too small to print on refused before any page goes out.
#include "EditViewTestSupport.h"

#include "editor/view/SECEditPrintState.h"

#include "framework/app/AppIds.h"
#include "framework/app/Document.h"
#include "framework/controls/CommonDialog.h"
#include "framework/app/Printers.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/resources/Resources.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class CTitledDocument : public CDocument {};

class EditViewPrintTest : public ::testing::Test {
protected:
    void Open(const std::string &text)
    {
        buffer = MakeBuffer(language.get(), text);
        harness = std::make_unique<ViewHarness>(buffer.get(), 300, 200);
        ASSERT_NE(harness->view, nullptr);
        path = (std::filesystem::temp_directory_path() / ("plexo-editor-print-" + std::to_string(::getpid()) + ".pdf"))
                   .string();
        hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
        ASSERT_TRUE(printer.CreatePrinterDC(hNames, nullptr, path.c_str()));
    }
    void TearDown() override
    {
        if (harness && harness->view)
            harness->view->EndPrint();
        printer.DeleteDC();
        if (hNames)
            GlobalFree(hNames);
        std::filesystem::remove(path);
    }
    CTestEditView *View() { return harness->view; }
    SECEditPrintState *State() { return View()->GetPrintState(); }
    // The whole job as the print loop runs it; the number of pages written.
    int PrintAll()
    {
        const UINT nPages = View()->BeginPrint(&printer);
        if (nPages > 0) {
            EXPECT_GT(printer.StartDoc("Editor"), 0);
            for (UINT nPage = 1; nPage <= nPages; ++nPage) {
                EXPECT_GT(printer.StartPage(), 0);
                View()->PrintPageNumber(&printer, nullptr, nPage);
                EXPECT_GT(printer.EndPage(), 0);
            }
            EXPECT_GT(printer.EndDoc(), 0);
        }
        View()->EndPrint();
        return static_cast<int>(nPages);
    }
    std::string Pdf()
    {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    std::unique_ptr<ViewHarness> harness;
    CPrinterDC printer;
    HGLOBAL hNames = nullptr;
    std::string path;
};

std::string ShortLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "l" + std::to_string(i) + "\n";
    text.pop_back(); // no empty line after the last
    return text;
}

// Printing text on the PDF printer changes how the same font measures on
// the screen later in the process (the framework's font resolution on a
// high-resolution printer), so the tests that compare drawings come first.
// The pixels a text drawn by draw(dc) leaves on a white strip.
template <typename Draw>
std::vector<COLORREF> Strip(CFont *pFont, int width, int height, Draw draw)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(width, height, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    CFont *pOldFont = dc.SelectObject(pFont);
    draw(dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    dc.SelectObject(pOldFont);
    dc.SelectObject(pOld);
    return pixels;
}

TEST_F(EditViewPrintTest, TheFooterCarriesThePageNumberAndTheHeaderAShortenedTitle)
{
    Open(ShortLines(30));
    View()->m_nPageLines = 10;
    ASSERT_EQ(View()->BeginPrint(&printer), 3u);
    // Drawn on the screen in the editor's font, at the print line height.
    CFont *pFont = buffer->GetDisplayMetrics()->GetFont(0);
    const int lineHeight = State()->m_metrics.GetLineHeight();
    const CRect footer(0, 0, 600, 2 * lineHeight);
    State()->m_nCurrentPage = 2; // the page the footer tells
    const auto drawn = Strip(pFont, 600, footer.Height(), [&](CDC &dc) { View()->PrintFooter(&dc, nullptr, footer); });
    const auto expected = Strip(pFont, 600, footer.Height(), [&](CDC &dc) {
        dc.MoveTo(0, lineHeight / 2);
        dc.LineTo(600, lineHeight / 2);
        dc.TextOut(0, lineHeight / 2 + lineHeight / 2, "Page: 2", 7);
    });
    EXPECT_EQ(drawn, expected);

    auto *pDoc = new CTitledDocument;
    pDoc->m_bAutoDelete = FALSE;
    pDoc->AddView(View());
    const char *title = "/home/someone/projects/a/very/long/folder/name/that/goes/on/and/on/source.cpp";
    pDoc->SetTitle(title);
    const CRect header(0, 0, 300, 2 * lineHeight);
    const auto headed = Strip(pFont, 300, header.Height(), [&](CDC &dc) { View()->PrintHeader(&dc, nullptr, header); });
    const auto shortened = Strip(pFont, 300, header.Height(), [&](CDC &dc) {
        CRect line(0, 0, 300, lineHeight);
        dc.DrawText(title, &line, DT_SINGLELINE | DT_PATH_ELLIPSIS);
        dc.MoveTo(0, lineHeight + lineHeight / 2);
        dc.LineTo(300, lineHeight + lineHeight / 2);
    });
    const auto cut = Strip(pFont, 300, header.Height(), [&](CDC &dc) {
        CRect line(0, 0, 300, lineHeight);
        dc.DrawText(title, &line, DT_SINGLELINE);
        dc.MoveTo(0, lineHeight + lineHeight / 2);
        dc.LineTo(300, lineHeight + lineHeight / 2);
    });
    EXPECT_EQ(headed, shortened);
    EXPECT_NE(headed, cut);
    pDoc->RemoveView(View());
    delete pDoc;
}

TEST_F(EditViewPrintTest, LinesFillPagesOfTheBodysHeight)
{
    Open(ShortLines(130));
    View()->m_nPageLines = 60;
    ASSERT_EQ(View()->BeginPrint(&printer), 3u);
    EXPECT_EQ(State()->m_nLinesPerPage, 60);
    EXPECT_EQ(State()->m_lines.size(), 130u);
    View()->EndPrint();
    EXPECT_EQ(State(), nullptr);
    EXPECT_EQ(PrintAll(), 3);
    EXPECT_NE(Pdf().find("/Count 3"), std::string::npos);
}

TEST_F(EditViewPrintTest, TheFontIsTheEditorsScaledToThePrinter)
{
    Open("x");
    ASSERT_EQ(View()->BeginPrint(&printer), 1u);
    LOGFONT lf{};
    State()->m_metrics.GetFont(0)->GetLogFont(&lf);
    const int points = buffer->GetDisplayMetrics()->GetPointSize();
    EXPECT_EQ(lf.lfHeight, points * printer.GetDeviceCaps(LOGPIXELSY) / -72);
    const int dpi = printer.GetDeviceCaps(LOGPIXELSX);
    EXPECT_EQ(State()->m_rectHeader.left, dpi / 2);
    EXPECT_EQ(State()->m_rectHeader.Height(), 2 * State()->m_metrics.GetLineHeight());
    EXPECT_EQ(State()->m_rectBody.top, State()->m_rectHeader.bottom);
    EXPECT_EQ(State()->m_rectFooter.bottom, printer.GetDeviceCaps(VERTRES) - printer.GetDeviceCaps(LOGPIXELSY) / 2);
}

// The largest character boundary of text whose tabbed extent on the
// printer, in the print font, fits width.
int Fitting(CDC &printer, SECEditPrintState *pState, const std::string &text, int tabSize)
{
    CFont *pOld = printer.SelectObject(pState->m_metrics.GetFont(0));
    INT stop = tabSize * pState->m_metrics.GetSpaceWidth();
    int fit = 0;
    for (int n = 1; n <= static_cast<int>(text.size()); ++n)
        if (printer.GetTabbedTextExtent(text.data(), n, 1, &stop).cx <= pState->m_rectBody.Width())
            fit = n;
    printer.SelectObject(pOld);
    return fit;
}

TEST_F(EditViewPrintTest, ALineTwiceAsWideAsTheBodyWrapsWhereItStopsFitting)
{
    const std::string line = std::string(36, 'a') + "\t" + std::string(40, 'b') + "\tc";
    Open(line + "\nshort");
    View()->m_nPageColumns = 40;
    View()->m_nPageLines = 10;
    ASSERT_EQ(View()->BeginPrint(&printer), 1u);
    const std::vector<SECEditPrintLine> &lines = State()->m_lines;
    // Each piece starts at the first character that did not fit, and its
    // tabs are measured from the piece's own start with the print stops.
    std::vector<int> starts;
    for (int at = 0; at < static_cast<int>(line.size());) {
        starts.push_back(at);
        const int fit = Fitting(printer, State(), line.substr(static_cast<size_t>(at)), 4);
        ASSERT_GT(fit, 0);
        at += fit;
    }
    ASSERT_GE(starts.size(), 2u);
    ASSERT_EQ(lines.size(), starts.size() + 1);
    for (size_t i = 0; i < starts.size(); ++i) {
        EXPECT_EQ(lines[i].m_nLine, 0);
        EXPECT_EQ(lines[i].m_nColumn, starts[i]);
    }
    EXPECT_EQ(lines.back().m_nLine, 1);
    EXPECT_EQ(lines.back().m_nColumn, 0);
}

TEST_F(EditViewPrintTest, APageTooSmallToPrintOnIsRefusedBeforeAnyPage)
{
    Open(ShortLines(5));
    struct Case {
        int lines;
        int columns;
    };
    // A body shorter than a line, then one narrower than a character.
    for (const Case &c : {Case{-3, 0}, Case{10, -1}}) {
        MessageRecorder messages;
        MessageRecorder::Messages().clear();
        View()->m_nPageLines = c.lines;
        View()->m_nPageColumns = c.columns;
        EXPECT_EQ(PrintAll(), 0); // no pages: the print loop starts no job
        ASSERT_EQ(MessageRecorder::Messages().size(), 1u);
        EXPECT_EQ(MessageRecorder::Messages()[0], "The page is too small to print on.");
        EXPECT_EQ(View()->GetPrintState(), nullptr);
    }
}

TEST_F(EditViewPrintTest, AViewWithoutBufferPrintsNothing)
{
    Open("x");
    View()->m_pBuffer = nullptr;
    EXPECT_EQ(View()->BeginPrint(&printer), 0u);
    EXPECT_EQ(View()->GetPrintState(), nullptr);
    View()->m_pBuffer = buffer.get();
}

} // namespace

namespace {

// The whole job through the framework's print loop and print dialog, the
// dialog answered with the PDF printer and an output file.
TEST_F(EditViewPrintTest, ThePrintCommandPrintsEveryPageThroughThePrintLoop)
{
    Open(ShortLines(130));
    View()->m_nPageLines = 60;
    printer.DeleteDC();
    std::filesystem::remove(path);
    PlexoSetCommonDialogHook([this](QDialog *d) {
        auto *pDialog = static_cast<QPrintDialog *>(d);
        pDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        pDialog->printer()->setOutputFileName(QString::fromStdString(path));
        if (auto *file = d->findChild<QLineEdit *>(QStringLiteral("filename")))
            file->setText(QString::fromStdString(path));
        d->accept();
    });
    MessageRecorder messages;
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    PlexoSetCommonDialogHook(PlexoCommonDialogHook());
    EXPECT_TRUE(MessageRecorder::Messages().empty());
    EXPECT_EQ(View()->GetPrintState(), nullptr); // the job ended
    EXPECT_NE(Pdf().find("/Count 3"), std::string::npos);
}

} // namespace
