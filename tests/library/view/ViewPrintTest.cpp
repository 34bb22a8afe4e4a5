// Printing the page on the built-in PDF printer: the scaling from the
// screen to the printer, the page's origin and the header and footer bands,
// measured in the PDF file the printer writes.
#include "ViewTestSupport.h"

#include "framework/appui/PrintInfo.h"
#include "framework/appui/PreviewView.h"
#include "framework/app/Printers.h"
#include "framework/controls/CommonDialog.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYCompProperties.h"
#include "library/view/QYViewIds.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The page content of a PDF: every Flate stream, inflated, one after another.
std::string InflatedStreams(const std::string& pdf)
{
    std::string out;
    size_t pos = 0;
    while ((pos = pdf.find("stream", pos)) != std::string::npos) {
        size_t start = pos + 6;
        if (start < pdf.size() && pdf[start] == '\r')
            ++start;
        if (start < pdf.size() && pdf[start] == '\n')
            ++start;
        const size_t end = pdf.find("endstream", start);
        if (end == std::string::npos)
            break;
        std::string chunk(1 << 20, '\0');
        uLongf nSize = static_cast<uLongf>(chunk.size());
        if (uncompress(reinterpret_cast<Bytef*>(chunk.data()), &nSize,
                       reinterpret_cast<const Bytef*>(pdf.data() + start), static_cast<uLong>(end - start)) == Z_OK)
            out += chunk.substr(0, nSize) + "\n";
        pos = end + 9;
    }
    return out;
}

class ViewPrint : public ViewFixture {
protected:
    std::string Print(CPrintInfo* pInfo, CSize* pViewportExt = nullptr, CPoint* pViewportOrg = nullptr)
    {
        const std::string path =
            (std::filesystem::temp_directory_path() / ("plexo-view-print-" + std::to_string(::getpid()) + ".pdf"))
                .string();
        HGLOBAL hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
        {
            CPrinterDC dc;
            EXPECT_TRUE(dc.CreatePrinterDC(hNames, nullptr, path.c_str()));
            EXPECT_GT(dc.StartDoc("Page"), 0);
            EXPECT_GT(dc.StartPage(), 0);
            CPrintInfo info; // the page preparation only needs one
            m_pView->OnBeginPrinting(&dc, pInfo);
            m_pView->OnPrepareDC(&dc, pInfo != nullptr ? pInfo : &info);
            if (pViewportExt != nullptr)
                *pViewportExt = dc.GetViewportExt();
            if (pViewportOrg != nullptr)
                *pViewportOrg = dc.GetViewportOrg();
            m_pView->OnPrint(&dc, pInfo);
            m_pView->OnEndPrinting(&dc, pInfo);
            EXPECT_GT(dc.EndPage(), 0);
            EXPECT_GT(dc.EndDoc(), 0);
        }
        GlobalFree(hNames);
        std::ifstream in(path, std::ios::binary);
        std::string pdf((std::istreambuf_iterator<char>(in)), {});
        std::filesystem::remove(path);
        return pdf;
    }
};

// Where the texts were drawn: the translation before each text object, in
// printer pixels (600 per inch), in drawing order.
std::vector<CPoint> TextOrigins(const std::string& content)
{
    std::vector<CPoint> origins;
    const std::string prefix = "\n1 0 0 1 ";
    for (size_t pos = content.find(prefix); pos != std::string::npos; pos = content.find(prefix, pos + 1)) {
        const char* p = content.c_str() + pos + prefix.size();
        char* pEnd = nullptr;
        const double x = std::strtod(p, &pEnd);
        const double y = std::strtod(pEnd, &pEnd);
        if (std::string(pEnd, 4) != " cm\n")
            continue;
        const size_t after = static_cast<size_t>(pEnd - content.c_str()) + 4;
        const size_t bt = content.find("BT\n", after);
        const size_t next = content.find(" cm\n", after);
        if (bt != std::string::npos && (next == std::string::npos || bt < next))
            origins.emplace_back(static_cast<int>(x), static_cast<int>(y));
    }
    return origins;
}

TEST_F(ViewPrint, ScaledFromTheScreenWithTheBandsOverThePaper)
{
    Put(CRect(100, 100, 300, 200));
    Model().m_strHeaderFooter[QY_HEADER_LEFT] = "HL";
    Model().m_strHeaderFooter[QY_FOOTER_RIGHT] = "FR";
    CSize ext;
    CPoint org;
    const std::string content = InflatedStreams(Print(nullptr, &ext, &org));
    // 600 dpi over 96: 6.25 printer pixels a unit, from (17, 17).
    EXPECT_EQ(ext, CSize(6250, 6250));
    EXPECT_EQ(org, CPoint(17, 17));
    // The rectangle's corners: 17 + 100 * 6.25 and 17 + 300 * 6.25.
    EXPECT_NE(content.find("642.500000 642.500000 m"), std::string::npos);
    EXPECT_NE(content.find("1892.50000 1267.50000 l"), std::string::npos);
    // Without print information both bands span the paper: the header's
    // left text at its left edge, the footer's right one at its right
    // edge, both half way down.
    const std::vector<CPoint> texts = TextOrigins(content);
    ASSERT_EQ(texts.size(), 2u);
    CPrinterInfoDC ic;
    HGLOBAL hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
    ASSERT_TRUE(ic.CreateIC(hNames, nullptr));
    GlobalFree(hNames);
    const int cx = ic.GetDeviceCaps(HORZRES);
    const int cy = ic.GetDeviceCaps(VERTRES);
    EXPECT_LT(std::abs(texts[0].x), 20);
    EXPECT_GT(texts[1].x, cx - 200);
    EXPECT_LT(texts[1].x, cx);
    EXPECT_NEAR(texts[0].y, cy / 2, 80);
    EXPECT_NEAR(texts[0].y, texts[1].y, 13); // within two units: the glyphs differ
}

TEST_F(ViewPrint, PreparationTakesThePrintPageFromThePaper)
{
    Model().SetFormDesignMode(FALSE);
    Model().SetPrintPageRect(CRect(0, 0, 10, 10));
    CPrintInfo info;
    info.m_bPreview = TRUE; // prepares without asking
    EXPECT_TRUE(m_pView->OnPreparePrinting(&info));
    EXPECT_EQ(info.GetMaxPage(), 1u);
    EXPECT_EQ(Model().GetPrintPageRect(), Model().GetPrintPageSize());
    EXPECT_EQ(Model().GetPagePosition(), Model().GetPrintPageSize());
}

TEST_F(ViewPrint, ThePrintCommandPrintsThePageWithItsBands)
{
    Put(CRect(100, 100, 300, 200));
    Model().m_strHeaderFooter[QY_HEADER_CENTER] = "Head";
    Model().m_strHeaderFooter[QY_FOOTER_CENTER] = "Foot";
    // The built-in PDF printer, whatever the machine has.
    AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("plexo-view-loop-" + std::to_string(::getpid()) + ".pdf")).string();
    int nDialogs = 0;
    PlexoSetCommonDialogHook([&nDialogs, path](QDialog* pDialog) {
        ++nDialogs;
        if (auto* pFile = pDialog->findChild<QLineEdit*>(QStringLiteral("filename")))
            pFile->setText(QString::fromStdString(path));
        static_cast<QPrintDialog*>(pDialog)->printer()->setOutputFileName(QString::fromStdString(path));
        pDialog->accept();
    });
    static std::vector<std::string> boxes;
    boxes.clear();
    AfxMessageBoxHandler pfnOld = AfxSetMessageBoxHandler([](LPCTSTR lpszText, UINT, UINT) {
        boxes.emplace_back(lpszText);
        return IDOK;
    });
    Command(ID_FILE_PRINT);
    Pump();
    PlexoSetCommonDialogHook(PlexoCommonDialogHook());
    AfxSetMessageBoxHandler(pfnOld);
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    EXPECT_EQ(nDialogs, 1);
    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(path);
    ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos); // one sheet
    const std::string content = InflatedStreams(pdf);
    EXPECT_NE(content.find("642.500000 642.500000 m"), std::string::npos);
    // The loop's drawing rectangle is the printable area: the header band
    // ends at its top, so the header sits at the paper's top edge, centred,
    // and the footer at its bottom edge.
    const std::vector<CPoint> texts = TextOrigins(content);
    ASSERT_EQ(texts.size(), 2u);
    CPrinterInfoDC ic;
    HGLOBAL hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
    ASSERT_TRUE(ic.CreateIC(hNames, nullptr));
    GlobalFree(hNames);
    const int cx = ic.GetDeviceCaps(HORZRES);
    const int cy = ic.GetDeviceCaps(VERTRES);
    EXPECT_LT(texts[0].y, 200);
    EXPECT_GT(texts[1].y, cy - 300);
    EXPECT_NEAR(texts[0].x, cx / 2, 150);
    EXPECT_NEAR(texts[1].x, cx / 2, 150);
}

TEST_F(ViewPrint, PrintPreviewShowsThePageAndGivesTheViewBack)
{
    CQYDrawComponent* a = Put(CRect(100, 100, 300, 200));
    a->GetDefaultProperty()->SetBkColor(RGB(255, 0, 0));
    AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
    Command(ID_FILE_PRINT_PREVIEW);
    auto* pPreview = dynamic_cast<CPreviewView*>(m_pFrame->GetActiveView());
    ASSERT_NE(pPreview, nullptr);
    EXPECT_FALSE(m_pView->IsWindowVisible());
    EXPECT_EQ(pPreview->GetPrintView(), m_pView);
    // The preview draws the printed page: a's red fill is on it.
    CRect client;
    pPreview->GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(client.Width(), client.Height(), 1, 32, nullptr);
    CBitmap* pOld = memory.SelectObject(&bitmap);
    pPreview->OnDraw(&memory);
    int nRed = 0;
    for (int y = 0; y < client.Height(); y += 2)
        for (int x = 0; x < client.Width(); x += 2)
            nRed += memory.GetPixel(x, y) == RGB(255, 0, 0);
    memory.SelectObject(pOld);
    EXPECT_GT(nRed, 20);
    pPreview->ClosePreview();
    Pump();
    EXPECT_TRUE(m_pView->IsWindowVisible());
}

// The device name of a printer's names block.
CString DeviceOf(HGLOBAL hDevNames)
{
    CString strDriver, strDevice, strOutput;
    PlexoReadDevNames(hDevNames, strDriver, strDevice, strOutput);
    return strDevice;
}

TEST_F(ViewPrint, PageSetupTakesTheChoiceOrTellsThatThereIsNoPrinter)
{
    AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
    Model().SetFormDesignMode(FALSE);
    Model().SetPrintPageRect(CRect(0, 0, 10, 10)); // not yet worked out from the paper
    static std::vector<std::string> boxes;
    boxes.clear();
    AfxMessageBoxHandler pfnOld = AfxSetMessageBoxHandler([](LPCTSTR lpszText, UINT, UINT) {
        boxes.emplace_back(lpszText);
        return IDOK;
    });
    int nDialogs = 0;
    bool bAccept = false;
    PlexoSetCommonDialogHook([&](QDialog* pDialog) {
        ++nDialogs;
        if (!bAccept) {
            pDialog->reject();
            return;
        }
        auto* pTop = pDialog->findChild<QDoubleSpinBox*>(QStringLiteral("topMargin"));
        ASSERT_NE(pTop, nullptr);
        pTop->setValue(pTop->value() + 10);
        pDialog->accept();
    });

    // Cancel changes nothing.
    const CRect margins = Model().GetPageMargins();
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(nDialogs, 1);
    EXPECT_EQ(Model().GetPrintPageRect(), CRect(0, 0, 10, 10));
    EXPECT_EQ(Model().GetPageMargins(), margins);

    // OK: the model takes the choice and gives the application a copy of
    // its printer; the print page and the scroll sizes follow, and the whole
    // view repaints.
    bAccept = true;
    Validate();
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(nDialogs, 2);
    EXPECT_GT(Model().GetPageMargins().top, margins.top);
    const CRect page = Model().GetPrintPageRect();
    EXPECT_EQ(page, Model().GetPrintPageSize());
    EXPECT_EQ(m_pView->GetTotalSize(), CSize(page.Width() + 50, page.Height() + 50));
    CRect client;
    m_pView->GetClientRect(&client);
    EXPECT_EQ(UpdateRect(), client);
    PRINTDLG pd{};
    ASSERT_TRUE(AfxGetPrinterDeviceDefaults(&pd));
    PRINTDLG model{};
    Model().GetPrinterHandles(model);
    EXPECT_NE(pd.hDevNames, model.hDevNames);
    EXPECT_STREQ(DeviceOf(pd.hDevNames), DeviceOf(model.hDevNames));
    EXPECT_TRUE(boxes.empty());

    // Without a printer the dialog cannot run: the user is told so and the
    // model keeps its setup.
    AfxSelectPrinter(nullptr, nullptr, TRUE);
    const CRect chosen = Model().GetPageMargins();
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(nDialogs, 2);
    EXPECT_EQ(boxes, std::vector<std::string>{"No correct printer installed!"});
    EXPECT_EQ(Model().GetPageMargins(), chosen);

    PlexoSetCommonDialogHook(PlexoCommonDialogHook());
    AfxSetMessageBoxHandler(pfnOld);
    AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
}

TEST_F(ViewPrint, HandlesNeverPrint)
{
    CQYDrawComponent* a = Put(CRect(100, 100, 300, 200));
    const std::string without = InflatedStreams(Print(nullptr));
    Select({a});
    const std::string with = InflatedStreams(Print(nullptr));
    EXPECT_EQ(with, without);
}

} // namespace
