#include "framework/app/Document.h"
#include "framework/app/Printers.h"
#include "framework/object/GlobalMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

HGLOBAL Block(const void *pData, size_t nSize)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, nSize);
    std::memcpy(GlobalLock(h), pData, nSize);
    GlobalUnlock(h);
    return h;
}

TEST(DevNames, StringsRoundTripAndHostileOffsetsFail)
{
    HGLOBAL h = PlexoCreateDevNames("drv", "My Printer", "out.pdf", TRUE);
    CString strDriver, strDevice, strOutput;
    ASSERT_TRUE(PlexoReadDevNames(h, strDriver, strDevice, strOutput));
    EXPECT_STREQ(strDriver, "drv");
    EXPECT_STREQ(strDevice, "My Printer");
    EXPECT_STREQ(strOutput, "out.pdf");
    GlobalFree(h);

    struct Case {
        const char *name;
        std::vector<BYTE> bytes;
    };
    const Case cases[] = {
        {"too short", {8, 0}},
        {"offset past the end", {8, 0, 9, 0, 200, 0, 0, 0, 'a', 0}},
        {"offset into the header", {2, 0, 8, 0, 8, 0, 0, 0, 'a', 0}},
        {"no terminator", {8, 0, 8, 0, 8, 0, 0, 0, 'a', 'b'}},
    };
    for (const Case &c : cases) {
        HGLOBAL hBad = Block(c.bytes.data(), c.bytes.size());
        EXPECT_FALSE(PlexoReadDevNames(hBad, strDriver, strDevice, strOutput)) << c.name;
        GlobalFree(hBad);
    }
    EXPECT_FALSE(PlexoReadDevNames(nullptr, strDriver, strDevice, strOutput));
}

// The figures below hold for the built-in PDF printer, which stands in when
// the machine has no printers.
class PdfPrinter : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PlexoIsPrinterAvailable(PLEXO_PDF_PRINTER_NAME))
            GTEST_SKIP() << "the machine has printers of its own";
    }
};

TEST_F(PdfPrinter, DefaultsAndDocumentProperties)
{
    HGLOBAL hNames = nullptr, hMode = nullptr;
    ASSERT_TRUE(PlexoGetDefaultPrinter(&hNames, &hMode));
    CString strDriver, strDevice, strOutput;
    ASSERT_TRUE(PlexoReadDevNames(hNames, strDriver, strDevice, strOutput));
    EXPECT_STREQ(strDevice, PLEXO_PDF_PRINTER_NAME);
    const auto *pMode = static_cast<const DEVMODE *>(GlobalLock(hMode));
    EXPECT_EQ(pMode->dmPaperSize, DMPAPER_A4);
    EXPECT_EQ(pMode->dmOrientation, DMORIENT_PORTRAIT);
    EXPECT_TRUE(pMode->dmFields & DM_PAPERSIZE);
    GlobalUnlock(hMode);
    GlobalFree(hNames);
    GlobalFree(hMode);

    HANDLE hPrinter = nullptr;
    EXPECT_FALSE(OpenPrinter("No such printer", &hPrinter, nullptr));
    EXPECT_EQ(hPrinter, nullptr);
    ASSERT_TRUE(OpenPrinter(PLEXO_PDF_PRINTER_NAME, &hPrinter, nullptr));
    EXPECT_EQ(DocumentProperties(nullptr, hPrinter, PLEXO_PDF_PRINTER_NAME, nullptr, nullptr, 0),
              static_cast<LONG>(sizeof(DEVMODE)));
    DEVMODE in = {};
    in.dmFields = DM_ORIENTATION;
    in.dmOrientation = DMORIENT_LANDSCAPE;
    DEVMODE out = {};
    DocumentProperties(nullptr, hPrinter, PLEXO_PDF_PRINTER_NAME, &out, &in, DM_OUT_BUFFER | DM_IN_BUFFER);
    EXPECT_EQ(out.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(out.dmPaperSize, DMPAPER_A4);
    EXPECT_TRUE(ClosePrinter(hPrinter));
    EXPECT_EQ(DocumentProperties(nullptr, nullptr, "x", nullptr, nullptr, 0), -1);
}

TEST_F(PdfPrinter, InformationContextReportsThePage)
{
    struct Case {
        const char *name;
        DWORD dwFields;
        short nPaper, nOrientation, nWidth, nLength;
        int nWidthMm, nHeightMm;
    };
    const Case cases[] = {
        {"A4 portrait", DM_PAPERSIZE | DM_ORIENTATION, DMPAPER_A4, DMORIENT_PORTRAIT, 0, 0, 210, 297},
        {"A4 landscape", DM_PAPERSIZE | DM_ORIENTATION, DMPAPER_A4, DMORIENT_LANDSCAPE, 0, 0, 297, 210},
        {"own size", DM_PAPERWIDTH | DM_PAPERLENGTH, 0, 0, 1000, 1500, 100, 150},
        // Every paper code gives its own sheet, also where the printer's
        // page sizes know it under another size or not at all.
        {"Statement", DM_PAPERSIZE | DM_ORIENTATION, 6, DMORIENT_PORTRAIT, 0, 0, 140, 216},
        {"Folio", DM_PAPERSIZE | DM_ORIENTATION, 14, DMORIENT_PORTRAIT, 0, 0, 216, 330},
        {"B4", DM_PAPERSIZE | DM_ORIENTATION, 12, DMORIENT_PORTRAIT, 0, 0, 250, 354},
        {"C sheet", DM_PAPERSIZE | DM_ORIENTATION, 24, DMORIENT_PORTRAIT, 0, 0, 432, 559},
        {"Envelope B6, wider than tall", DM_PAPERSIZE | DM_ORIENTATION, 35, DMORIENT_PORTRAIT, 0, 0, 176, 125},
        {"US Std Fanfold", DM_PAPERSIZE | DM_ORIENTATION, 39, DMORIENT_PORTRAIT, 0, 0, 378, 254},
        {"Monarch landscape", DM_PAPERSIZE | DM_ORIENTATION, 37, DMORIENT_LANDSCAPE, 0, 0, 191, 98},
    };
    for (const Case &c : cases) {
        DEVMODE dm = {};
        dm.dmFields = c.dwFields;
        dm.dmPaperSize = c.nPaper;
        dm.dmOrientation = c.nOrientation;
        dm.dmPaperWidth = c.nWidth;
        dm.dmPaperLength = c.nLength;
        CPrinterInfoDC dc;
        ASSERT_TRUE(dc.CreateIC(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", &dm)) << c.name;
        EXPECT_TRUE(dc.IsPrinting());
        // Page sizes are kept in whole points: within a millimetre.
        const double dpmm = dc.GetDeviceCaps(LOGPIXELSX) / 25.4;
        EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALWIDTH), c.nWidthMm * dpmm, dpmm) << c.name;
        EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALHEIGHT), c.nHeightMm * dpmm, dpmm) << c.name;
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 0) << c.name;
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(PHYSICALWIDTH)) << c.name;
    }
    CPrinterInfoDC dc;
    EXPECT_FALSE(dc.CreateIC("x", "No such printer", "", nullptr));
}

TEST_F(PdfPrinter, PrintsPagesIntoTheOutputFile)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("plexo-print-" + std::to_string(::getpid()) + ".pdf")).string();
    HGLOBAL hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
    {
        CPrinterDC dc;
        EXPECT_FALSE(dc.CreatePrinterDC(hNames, nullptr)); // no output file
        ASSERT_TRUE(dc.CreatePrinterDC(hNames, nullptr, path.c_str()));
        EXPECT_TRUE(dc.IsPrinting());
        ASSERT_GT(dc.StartDoc("Pages"), 0);
        for (int nPage = 0; nPage < 2; ++nPage) {
            ASSERT_GT(dc.StartPage(), 0);
            dc.Rectangle(100, 100, 1000, 800);
            ASSERT_GT(dc.EndPage(), 0);
        }
        ASSERT_GT(dc.EndDoc(), 0);
    }
    GlobalFree(hNames);
    std::ifstream in(path, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
    std::filesystem::remove(path);

    CPrinterDC dc;
    HGLOBAL hOther = PlexoCreateDevNames("x", "No such printer", "", FALSE);
    EXPECT_FALSE(dc.CreatePrinterDC(hOther, nullptr, path.c_str()));
    GlobalFree(hOther);
}

TEST_F(PdfPrinter, ApplicationPrinterIsReplacedBySelect)
{
    PRINTDLG pd = {};
    ASSERT_TRUE(AfxGetPrinterDeviceDefaults(&pd));
    ASSERT_NE(pd.hDevNames, nullptr);
    HGLOBAL hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
    AfxSelectPrinter(hNames, nullptr);
    PRINTDLG after = {};
    ASSERT_TRUE(AfxGetPrinterDeviceDefaults(&after));
    EXPECT_EQ(after.hDevNames, hNames);
    EXPECT_EQ(after.hDevMode, nullptr);
    CPrinterInfoDC dc;
    EXPECT_TRUE(AfxCreatePrinterDC(dc));
}

// ---------------------------------------------------------------------------
// Documents and views

class RecordingView : public CView {
public:
    void OnUpdate(CView *pSender, LPARAM lHint, CObject *pHint) override { calls.push_back({pSender, lHint, pHint}); }
    void OnDraw(CDC *) override {}
    struct Call {
        CView *pSender;
        LPARAM lHint;
        CObject *pHint;
    };
    std::vector<Call> calls;
};

TEST(Document, UpdateAllViewsSkipsTheSender)
{
    CDocument doc;
    doc.m_bAutoDelete = FALSE; // on the stack
    RecordingView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    EXPECT_EQ(a.GetDocument(), &doc);
    CDocument hint; // any object serves as a hint
    doc.UpdateAllViews(&a, 7, &hint);
    EXPECT_TRUE(a.calls.empty());
    ASSERT_EQ(b.calls.size(), 1u);
    EXPECT_EQ(b.calls[0].lHint, 7);
    EXPECT_EQ(b.calls[0].pHint, &hint);
    doc.RemoveView(&a);
    EXPECT_EQ(a.GetDocument(), nullptr);
    doc.UpdateAllViews(nullptr);
    EXPECT_TRUE(a.calls.empty());
    EXPECT_EQ(b.calls.size(), 2u);
}

TEST(Document, ViewsAndDocumentForgetEachOther)
{
    auto *pDoc = new CDocument;
    pDoc->m_bAutoDelete = FALSE; // it outlives its views here
    {
        RecordingView view;
        pDoc->AddView(&view);
    } // the view leaves the document's list
    EXPECT_EQ(pDoc->GetFirstViewPosition(), nullptr);
    RecordingView view;
    pDoc->AddView(&view);
    pDoc->SetTitle("Title");
    EXPECT_STREQ(pDoc->GetTitle(), "Title");
    pDoc->SetModifiedFlag();
    EXPECT_TRUE(pDoc->IsModified());
    delete pDoc;
    EXPECT_EQ(view.GetDocument(), nullptr);
}

class CountedDocument : public CDocument {
public:
    explicit CountedDocument(int &nDeleted) : m_nDeleted(nDeleted) {}
    ~CountedDocument() override { ++m_nDeleted; }
    int &m_nDeleted;
};

TEST(Document, AutoDeletingDocumentGoesWithItsLastView)
{
    int nDeleted = 0;
    auto *pDoc = new CountedDocument(nDeleted);
    RecordingView a, b;
    pDoc->AddView(&a);
    pDoc->AddView(&b);
    pDoc->RemoveView(&a);
    EXPECT_EQ(nDeleted, 0);
    pDoc->RemoveView(&b);
    EXPECT_EQ(nDeleted, 1);
    EXPECT_EQ(b.GetDocument(), nullptr);
}

} // namespace
