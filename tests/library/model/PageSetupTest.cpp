#include "framework/app/Printers.h"
#include "framework/base/CTime.h"
#include "framework/gdi/Font.h"
#include "framework/object/GlobalMemory.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPaperSizes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

HGLOBAL DevModeBlock(DWORD dwFields, short nPaper, short nOrientation, short nWidth = 0, short nLength = 0)
{
    DEVMODE dm;
    std::memset(&dm, 0, sizeof(dm));
    std::strcpy(dm.dmDeviceName, PLEXO_PDF_PRINTER_NAME);
    dm.dmSize = sizeof(dm);
    dm.dmFields = dwFields;
    dm.dmPaperSize = nPaper;
    dm.dmOrientation = nOrientation;
    dm.dmPaperWidth = nWidth;
    dm.dmPaperLength = nLength;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, sizeof(dm));
    std::memcpy(GlobalLock(h), &dm, sizeof(dm));
    GlobalUnlock(h);
    return h;
}

std::string BlockBytes(HGLOBAL h)
{
    const auto* p = static_cast<const char*>(GlobalLock(h));
    std::string bytes(p, GlobalSize(h));
    GlobalUnlock(h);
    return bytes;
}

// Every test starts with the built-in PDF printer on A4 as the
// application's printer, so that the figures do not depend on the machine.
class PageSetup : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE),
                         DevModeBlock(DM_PAPERSIZE | DM_ORIENTATION, DMPAPER_A4, DMORIENT_PORTRAIT));
    }
    void SetRecord(CQYDataModel& model, DWORD dwUnit, POINT ptPaper, RECT rtMargin)
    {
        PAGESETUPDLG psd{};
        model.GetPageSetup(psd);
        psd.Flags = (psd.Flags & ~DWORD(PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS)) | dwUnit;
        psd.ptPaperSize = ptPaper;
        psd.rtMargin = rtMargin;
        model.SetPageSetup(psd);
        GlobalFree(psd.hDevNames);
        GlobalFree(psd.hDevMode);
    }
};

TEST(PaperSizes, TableRowsAndUnits)
{
    struct Case {
        int nCode;
        int nWidth, nHeight;
        DWORD dwUnit;
    };
    const Case cases[] = {
        {1, 8500, 11000, PSD_INTHOUSANDTHSOFINCHES},
        {4, 17000, 11000, PSD_INTHOUSANDTHSOFINCHES},
        {9, 21000, 29700, PSD_INHUNDREDTHSOFMILLIMETERS},
        {35, 17600, 12500, PSD_INHUNDREDTHSOFMILLIMETERS},
        {41, 8500, 13000, PSD_INTHOUSANDTHSOFINCHES},
        {0, 0, 0, 0},
        {42, 0, 0, 0},
    };
    for (const Case& c : cases) {
        QYPaperSize size;
        EXPECT_EQ(QYGetPaperSize(c.nCode, size), c.dwUnit != 0) << c.nCode;
        EXPECT_EQ(size.nWidth, c.nWidth) << c.nCode;
        EXPECT_EQ(size.nHeight, c.nHeight) << c.nCode;
        EXPECT_EQ(size.dwUnit, c.dwUnit) << c.nCode;
    }
}

TEST_F(PageSetup, ReadPaperSizeFromDeviceModes)
{
    struct Case {
        const char* name;
        HGLOBAL hDevMode;
        BOOL bFound;
        DWORD dwUnit;
        POINT ptSize;
    };
    const Case cases[] = {
        {"A4 landscape",
         DevModeBlock(DM_PAPERSIZE, 9, DMORIENT_LANDSCAPE),
         TRUE,
         PSD_INHUNDREDTHSOFMILLIMETERS,
         {29700, 21000}},
        {"Letter portrait",
         DevModeBlock(DM_PAPERSIZE, 1, DMORIENT_PORTRAIT),
         TRUE,
         PSD_INTHOUSANDTHSOFINCHES,
         {8500, 11000}},
        {"own size, landscape",
         DevModeBlock(DM_PAPERWIDTH | DM_PAPERLENGTH | DM_PAPERSIZE, 1, 2, 2100, 2970),
         TRUE,
         PSD_INHUNDREDTHSOFMILLIMETERS,
         {21000, 29700}},
        {"odd orientation", DevModeBlock(DM_PAPERSIZE, 5, 3), FALSE, PSD_INTHOUSANDTHSOFINCHES, {-1, -1}},
        {"no paper fields", DevModeBlock(DM_ORIENTATION, 9, 1), FALSE, 0, {-1, -1}},
        {"no device mode", nullptr, FALSE, 0, {-1, -1}},
    };
    CQYDataModel model;
    for (const Case& c : cases) {
        DWORD dwUnit = 0;
        POINT pt = {-1, -1};
        EXPECT_EQ(model.ReadPaperSize(c.hDevMode, dwUnit, pt), c.bFound) << c.name;
        EXPECT_EQ(dwUnit, c.dwUnit) << c.name;
        EXPECT_EQ(pt.x, c.ptSize.x) << c.name;
        EXPECT_EQ(pt.y, c.ptSize.y) << c.name;
        if (c.hDevMode != nullptr)
            GlobalFree(c.hDevMode);
    }
}

TEST_F(PageSetup, NewModelTakesTheApplicationPrinter)
{
    CQYDataModel model;
    PAGESETUPDLG psd{};
    model.GetPageSetup(psd);
    EXPECT_EQ(psd.Flags, DWORD(PSD_INHUNDREDTHSOFMILLIMETERS | PSD_MINMARGINS | PSD_MARGINS));
    EXPECT_EQ(psd.ptPaperSize.x, 21000);
    EXPECT_EQ(psd.ptPaperSize.y, 29700);
    // The record's blocks are copies.
    PRINTDLG pd{};
    model.GetPrinterHandles(pd);
    ASSERT_NE(psd.hDevNames, nullptr);
    EXPECT_NE(psd.hDevNames, pd.hDevNames);
    EXPECT_EQ(BlockBytes(psd.hDevNames), BlockBytes(pd.hDevNames));
    GlobalFree(psd.hDevNames);
    GlobalFree(psd.hDevMode);
    // A4 without margins: 210 mm and 297 mm at 96 pixels per inch.
    EXPECT_EQ(model.GetPrintPageRect(), CRect(0, 0, 793, 1122));
    EXPECT_EQ(model.GetPagePosition(), CRect(0, 0, 793, 1122));
}

TEST_F(PageSetup, PrintPageConvertsByTheRecordsUnit)
{
    struct Case {
        const char* name;
        DWORD dwUnit;
        POINT ptPaper;
        RECT rtMargin;
        CRect expected;
    };
    const Case cases[] = {
        {"A4, 10 mm margins",
         PSD_INHUNDREDTHSOFMILLIMETERS,
         {21000, 29700},
         {1000, 1000, 1000, 1000},
         CRect(0, 0, 718, 1046)},
        {"Letter", PSD_INTHOUSANDTHSOFINCHES, {8500, 11000}, {0, 0, 0, 0}, CRect(0, 0, 816, 1056)},
        {"Letter, 1 inch margins",
         PSD_INTHOUSANDTHSOFINCHES,
         {8500, 11000},
         {1000, 1000, 1000, 1000},
         CRect(0, 0, 624, 864)},
        {"nothing left", PSD_INHUNDREDTHSOFMILLIMETERS, {2000, 2000}, {1000, 1000, 1000, 1000}, CRect(0, 0, 767, 1059)},
        {"zero paper", PSD_INHUNDREDTHSOFMILLIMETERS, {0, 29700}, {0, 0, 0, 0}, CRect(0, 0, 767, 1059)},
        {"negative paper", PSD_INTHOUSANDTHSOFINCHES, {-8500, -11000}, {0, 0, 0, 0}, CRect(0, 0, 767, 1059)},
    };
    for (const Case& c : cases) {
        CQYDataModel model;
        SetRecord(model, c.dwUnit, c.ptPaper, c.rtMargin);
        EXPECT_EQ(model.GetPrintPageSize(), c.expected) << c.name;
        model.RecalcPrintPage();
        EXPECT_EQ(model.GetPagePosition(), c.expected) << c.name;
    }
}

TEST_F(PageSetup, RecalcKeepsTheFormPageInFormDesignMode)
{
    CQYDataModel model;
    model.SetFormDesignMode(TRUE);
    model.SetPagePosition(CRect(0, 0, 450, 400));
    SetRecord(model, PSD_INTHOUSANDTHSOFINCHES, {8500, 11000}, {0, 0, 0, 0});
    model.RecalcPrintPage();
    EXPECT_EQ(model.GetPrintPageRect(), CRect(0, 0, 816, 1056));
    EXPECT_EQ(model.GetPagePosition(), CRect(0, 0, 450, 400));
    model.SetPageSize(100, 50);
    EXPECT_EQ(model.GetPagePosition(), CRect(0, 0, 100, 50));
}

TEST_F(PageSetup, StoredPrinterUsableOrReplaced)
{
    CQYDataModel model;
    EXPECT_TRUE(model.CreatePrinterDC());

    // A printer that is gone: the default printer takes its place and the
    // paper choice carries over.
    PAGESETUPDLG psd{};
    psd.Flags = PSD_MARGINS;
    psd.hDevNames = PlexoCreateDevNames("CUPS", "No such printer", "", FALSE);
    psd.hDevMode = DevModeBlock(DM_PAPERSIZE | DM_ORIENTATION, DMPAPER_LETTER, DMORIENT_LANDSCAPE);
    model.SetPageSetup(psd);
    GlobalFree(psd.hDevNames);
    GlobalFree(psd.hDevMode);
    EXPECT_FALSE(model.CreatePrinterDC());
    PRINTDLG pd{};
    model.GetPrinterHandles(pd);
    CString strDriver, strDevice, strOutput;
    ASSERT_TRUE(PlexoReadDevNames(pd.hDevNames, strDriver, strDevice, strOutput));
    EXPECT_STREQ(strDevice, PLEXO_PDF_PRINTER_NAME);
    DWORD dwUnit = 0;
    POINT pt = {};
    EXPECT_TRUE(model.ReadPaperSize(pd.hDevMode, dwUnit, pt));
    EXPECT_EQ(pt.x, 11000);
    EXPECT_EQ(pt.y, 8500);
    EXPECT_TRUE(model.CreatePrinterDC());

    // Without any device names the page setup starts over.
    psd = PAGESETUPDLG{};
    model.SetPageSetup(psd);
    model.SetModifiedFlag(FALSE);
    PAGESETUPDLG out{};
    model.GetPageSetup(out); // the printer changed: the document is modified
    EXPECT_TRUE(model.IsModified());
    EXPECT_NE(out.hDevNames, nullptr);
    GlobalFree(out.hDevNames);
    GlobalFree(out.hDevMode);
}

TEST_F(PageSetup, ApplicationPrinterTakesCopiesAndPdfHasNoUnprintableMargins)
{
    CQYDataModel model;
    model.SelectAppPrinter();
    PRINTDLG app{}, own{};
    ASSERT_TRUE(AfxGetPrinterDeviceDefaults(&app));
    model.GetPrinterHandles(own);
    EXPECT_NE(app.hDevNames, own.hDevNames);
    EXPECT_NE(app.hDevMode, own.hDevMode);
    EXPECT_EQ(BlockBytes(app.hDevNames), BlockBytes(own.hDevNames));
    EXPECT_EQ(BlockBytes(app.hDevMode), BlockBytes(own.hDevMode));
    if (PlexoIsPrinterAvailable(PLEXO_PDF_PRINTER_NAME)) {
        EXPECT_EQ(QYGetPrinterOffsets(PSD_INHUNDREDTHSOFMILLIMETERS), CRect(0, 0, 0, 0));
        EXPECT_EQ(QYGetPrinterOffsets(PSD_INTHOUSANDTHSOFINCHES), CRect(0, 0, 0, 0));
    }
    // No usable application printer: no margins either.
    AfxSelectPrinter(PlexoCreateDevNames("x", "No such printer", "", FALSE), nullptr);
    EXPECT_EQ(QYGetPrinterOffsets(PSD_INHUNDREDTHSOFMILLIMETERS), CRect(0, 0, 0, 0));
    model.DeleteBackComponent(FALSE);
    EXPECT_NE(model.GetBackComponent(), nullptr);
    model.DeleteBackComponent(TRUE);
    EXPECT_EQ(model.GetBackComponent(), nullptr);
}

// ---------------------------------------------------------------------------
// Header and footer

class FixedClockModel : public CQYDataModel {
public:
    CString GetFieldTime() override { return "9:5:3"; }
    CString GetFieldDate() override { return "2001/3/2"; }
};

TEST_F(PageSetup, FieldCodesExpand)
{
    FixedClockModel model;
    ASSERT_TRUE(model.SaveDocument("/nonexistent-dir/plans/report.pln") == FALSE);
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"Page &p of &P", "Page 1 of 1"},
        {"&&p", "&p"},
        {"&x", "x"},
        {"a&xb", "axb"},
        {"end&", "end"},
        {"", ""},
        {"&n", "Page"},
        {"&t &d &D", "9:5:3 2001/3/2 2001/3/2"},
        {"&f&e", "report.pln"},
        {"[&f] [&e]", "[report] [.pln]"},
        {"&&&&", "&&"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(model.ExpandHeaderFooter(c.text), c.expected) << c.text;
    model.SetPrintingPage(3, 5);
    EXPECT_STREQ(model.ExpandHeaderFooter("&p/&P"), "3/5");
    EXPECT_STREQ(model.GetFieldFileNameExt(), "report.pln");
}

TEST_F(PageSetup, TimeAndDateFieldsReadTheClock)
{
    CQYDataModel model;
    const CTime before = CTime::GetCurrentTime();
    const CString strDate = model.GetFieldDate();
    CString strExpected;
    strExpected.Format("%d/%d/%d", before.GetYear(), before.GetMonth(), before.GetDay());
    EXPECT_STREQ(strDate, strExpected);
    EXPECT_STREQ(model.GetFieldLongDate(), strDate);
    int h = -1, m = -1, s = -1;
    EXPECT_EQ(std::sscanf(model.GetFieldTime(), "%d:%d:%d", &h, &m, &s), 3);
    EXPECT_TRUE(h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 61);
}

TEST_F(PageSetup, UnsavedDocumentShowsItsTitleAsFileName)
{
    CQYDataModel model;
    model.SetTitle("Untitled");
    EXPECT_STREQ(model.ExpandHeaderFooter("&f|&e"), "Untitled|");
}

TEST_F(PageSetup, HeaderFontSetters)
{
    CQYDataModel model;
    model.SetHeaderPointSize(1);
    EXPECT_EQ(model.m_nHFPointSize, 10);
    model.SetHeaderFontWeight(1200);
    EXPECT_EQ(model.m_nHFWeight, 400);
    model.SetHeaderFontWeight(0);
    EXPECT_EQ(model.m_nHFWeight, 0);
    model.SetHeaderPointSize(12);
    EXPECT_EQ(model.m_nHFFontHeight, 16);
    model.SetHeaderFontHeight(32);
    EXPECT_EQ(model.m_nHFPointSize, 24);
    model.SetHeaderFontFace(nullptr);
    EXPECT_STREQ(model.m_strHFFaceName, "Times New Roman");

    CFont* pFont = model.GetHeaderFont(nullptr);
    EXPECT_EQ(model.GetHeaderFont(nullptr), pFont);
    LOGFONT logFont = {};
    pFont->GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -32);
    EXPECT_EQ(logFont.lfWeight, 0);
    model.SetHeaderTextColor(RGB(1, 2, 3)); // drops the cached font
    EXPECT_EQ(model.m_pHeaderFont, nullptr);
}

} // namespace
