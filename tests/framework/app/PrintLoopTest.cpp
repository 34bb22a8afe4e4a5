#include "AppTestSupport.h"
#include "BarsSample.h"

#include "framework/appui/PrintStatusDlg.h"
#include "framework/app/Printers.h"
#include "framework/controls/CommonDialog.h"
#include "framework/controls/PrintDialogs.h"
#include "framework/object/GlobalMemory.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <fstream>
#include <cstdlib>

namespace {

// Answers the print dialog: an output file and, when nFrom is not 0, a
// page range. Counts the dialogs shown.
class PrintDialogAnswer {
public:
    PrintDialogAnswer(std::string path, int nFrom = 0, int nTo = 0, bool bAccept = true)
    {
        PlexoSetCommonDialogHook([this, path, nFrom, nTo, bAccept](QDialog *d) {
            ++m_nShown;
            if (nFrom != 0) {
                d->findChild<QRadioButton *>(QStringLiteral("printRange"))->setChecked(true);
                d->findChild<QSpinBox *>(QStringLiteral("from"))->setValue(nFrom);
                d->findChild<QSpinBox *>(QStringLiteral("to"))->setValue(nTo);
            }
            if (auto *file = d->findChild<QLineEdit *>(QStringLiteral("filename")))
                file->setText(QString::fromStdString(path));
            static_cast<QPrintDialog *>(d)->printer()->setOutputFileName(QString::fromStdString(path));
            if (bAccept)
                d->accept();
            else
                d->reject();
        });
    }
    ~PrintDialogAnswer() { PlexoSetCommonDialogHook(PlexoCommonDialogHook()); }
    int Shown() const { return m_nShown; }

private:
    int m_nShown = 0;
};

struct PdfFacts {
    bool bExists = false;
    int nPages = 0;
    double cxPoints = 0;
    double cyPoints = 0;
};

PdfFacts ReadPdf(const std::string &path)
{
    PdfFacts facts;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return facts;
    const std::string pdf((std::istreambuf_iterator<char>(in)), {});
    facts.bExists = pdf.rfind("%PDF", 0) == 0;
    if (size_t at = pdf.find("/Count "); at != std::string::npos)
        facts.nPages = std::atoi(pdf.c_str() + at + 7);
    if (size_t at = pdf.find("/MediaBox [0 0 "); at != std::string::npos) {
        char *pEnd = nullptr;
        facts.cxPoints = std::strtod(pdf.c_str() + at + 15, &pEnd);
        facts.cyPoints = std::strtod(pEnd, nullptr);
    }
    return facts;
}

class PrintLoopTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        RegisterSampleResources();
        // The built-in PDF printer, whatever the machine has.
        AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(CSampleFrame), RUNTIME_CLASS(CPagesView)));
        m_pApp->OnFileNew();
        m_pFrame = static_cast<CSampleFrame *>(m_pApp->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pView = static_cast<CPagesView *>(m_pFrame->GetActiveView());
        ASSERT_NE(m_pView, nullptr);
        m_output = PathOf("out.pdf");
    }
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID, 0); }

    CSampleFrame *m_pFrame = nullptr;
    CPagesView *m_pView = nullptr;
    std::string m_output;
};

struct RangeCase {
    const char *name;
    UINT nPages;
    int nFrom, nTo; // 0: all pages
    std::vector<UINT> printed;
};

TEST_F(PrintLoopTest, PrintsThePagesOfTheChosenRange)
{
    const RangeCase cases[] = {
        {"all", 5, 0, 0, {1, 2, 3, 4, 5}},
        {"from-to", 5, 2, 4, {2, 3, 4}},
        {"clamped to the last page", 3, 2, 9, {2, 3}},
        {"one page", 5, 5, 5, {5}},
        {"range beyond the document", 3, 7, 9, {}},
        {"no pages", 0, 0, 0, {}},
    };
    // A view that knows before the dialog that it has no pages.
    {
        m_pView->m_nRangeFrom = 0;
        PrintDialogAnswer answer(m_output);
        CPrintInfo info;
        info.SetMaxPage(0);
        EXPECT_TRUE(m_pView->DoPreparePrinting(&info));
        EXPECT_TRUE(info.m_pPD->m_pd.Flags & PD_NOPAGENUMS);
    }
    for (const RangeCase &c : cases) {
        std::filesystem::remove(m_output);
        m_pView->m_nPages = c.nPages;
        m_pView->m_printed.clear();
        PrintDialogAnswer answer(m_output, c.nFrom, c.nTo);
        Command(ID_FILE_PRINT);
        EXPECT_EQ(answer.Shown(), 1) << c.name;
        EXPECT_EQ(m_pView->m_printed, c.printed) << c.name;
        const PdfFacts pdf = ReadPdf(m_output);
        EXPECT_EQ(pdf.bExists, !c.printed.empty()) << c.name;
        EXPECT_EQ(pdf.nPages, static_cast<int>(c.printed.size())) << c.name;
        EXPECT_TRUE(m_boxes.Shown().empty())
            << c.name << ": " << (m_boxes.Shown().empty() ? "" : m_boxes.Shown()[0].text);
    }
    // Nothing is left beside the output file.
    for (const auto &entry : std::filesystem::directory_iterator(m_folder))
        EXPECT_EQ(entry.path().filename().string().find(".out"), std::string::npos) << entry.path();
}

TEST_F(PrintLoopTest, CallsTheViewInOrderAndPrintsOnTheWholePrintableArea)
{
    m_pView->m_nPages = 2;
    PrintDialogAnswer answer(m_output);
    Command(ID_FILE_PRINT);
    const std::vector<std::string> expected = {"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "end"};
    EXPECT_EQ(m_pView->m_calls, expected);
    ASSERT_EQ(m_pView->m_drawRects.size(), 2u);
    // A4 at 600 dots per inch, no margins on the PDF printer.
    EXPECT_EQ(m_pView->m_drawRects[0].left, 0);
    EXPECT_NEAR(m_pView->m_drawRects[0].Width(), 210 / 25.4 * 600, 6);
    EXPECT_NEAR(m_pView->m_drawRects[0].Height(), 297 / 25.4 * 600, 6);
    const PdfFacts pdf = ReadPdf(m_output);
    EXPECT_EQ(pdf.nPages, 2);
    EXPECT_NEAR(pdf.cxPoints, 595.3, 1.0);
    EXPECT_NEAR(pdf.cyPoints, 841.9, 1.0);
}

TEST_F(PrintLoopTest, TheViewEndsTheJobThroughContinuePrinting)
{
    struct Case {
        const char *name;
        UINT nPages;
        UINT nStopAt;
        std::vector<UINT> printed;
    };
    const Case cases[] = {
        {"stops at page 3", 5, 3, {1, 2}},
        {"length unknown, stops at page 4", PLEXO_PRINT_PAGE_UNKNOWN, 4, {1, 2, 3}},
    };
    for (const Case &c : cases) {
        m_pView->m_nPages = c.nPages;
        m_pView->m_nStopAt = c.nStopAt;
        m_pView->m_printed.clear();
        PrintDialogAnswer answer(m_output);
        Command(ID_FILE_PRINT);
        EXPECT_EQ(m_pView->m_printed, c.printed) << c.name;
        EXPECT_EQ(ReadPdf(m_output).nPages, static_cast<int>(c.printed.size())) << c.name;
    }
}

TEST_F(PrintLoopTest, DirectPrintAsksNoDialogButTheFileOfThePdfPrinter)
{
    m_pView->m_nPages = 3;
    PrintDialogAnswer answer(m_output);
    m_paths.Queue(m_output);
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(answer.Shown(), 0);
    EXPECT_EQ(m_paths.Asked(), 1);
    EXPECT_EQ(ReadPdf(m_output).nPages, 3);

    // No file given: nothing is printed.
    m_pView->m_calls.clear();
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(m_pView->m_calls, std::vector<std::string>{"prepare"});
}

// Copies chosen in print setup reach a direct print, copies chosen in the
// print dialog its own job; either way as whole sets or page by page.
TEST_F(PrintLoopTest, CopiesPrintAsOftenAsAskedAndCollatedAsAsked)
{
    struct Case {
        const char *name;
        UINT nCommand;
        int nCopies;
        bool bCollate;
        std::vector<UINT> printed;
    };
    const Case cases[] = {
        {"direct, two sets", ID_FILE_PRINT_DIRECT, 2, true, {1, 2, 3, 1, 2, 3}},
        {"direct, each page twice", ID_FILE_PRINT_DIRECT, 2, false, {1, 1, 2, 2, 3, 3}},
        {"dialog, three sets", ID_FILE_PRINT, 3, true, {1, 2, 3, 1, 2, 3, 1, 2, 3}},
        {"dialog, each page three times", ID_FILE_PRINT, 3, false, {1, 1, 1, 2, 2, 2, 3, 3, 3}},
        {"direct, one copy", ID_FILE_PRINT_DIRECT, 1, true, {1, 2, 3}},
    };
    m_pView->m_nPages = 3;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_output);
        m_pView->m_printed.clear();
        const auto chooseCopies = [&c, this](QDialog *d) {
            // The dialog's own fields, which it hands to the printer on OK.
            if (auto *copies = d->findChild<QSpinBox *>(QStringLiteral("copies")))
                copies->setValue(c.nCopies);
            if (auto *collate = d->findChild<QCheckBox *>(QStringLiteral("collate")))
                collate->setChecked(c.bCollate);
            if (auto *file = d->findChild<QLineEdit *>(QStringLiteral("filename")))
                file->setText(QString::fromStdString(m_output));
            QPrinter *printer = static_cast<QPrintDialog *>(d)->printer();
            printer->setCopyCount(c.nCopies);
            printer->setCollateCopies(c.bCollate);
            printer->setOutputFileName(QString::fromStdString(m_output));
            d->accept();
        };
        if (c.nCommand == ID_FILE_PRINT_DIRECT) {
            PlexoSetCommonDialogHook(chooseCopies);
            m_pApp->OnFilePrintSetup();
            PlexoSetCommonDialogHook(PlexoCommonDialogHook());
            m_paths.Queue(m_output);
            Command(ID_FILE_PRINT_DIRECT);
        } else {
            PlexoSetCommonDialogHook(chooseCopies);
            Command(ID_FILE_PRINT);
            PlexoSetCommonDialogHook(PlexoCommonDialogHook());
        }
        EXPECT_EQ(m_pView->m_printed, c.printed);
        EXPECT_EQ(ReadPdf(m_output).nPages, static_cast<int>(c.printed.size()));
        EXPECT_TRUE(m_boxes.Shown().empty());
    }
}

TEST_F(PrintLoopTest, CancellingTheDialogOrAReversedRangePrintsNothing)
{
    {
        PrintDialogAnswer answer(m_output, 0, 0, false);
        Command(ID_FILE_PRINT);
    }
    EXPECT_EQ(m_pView->m_calls, std::vector<std::string>{"prepare"});
    EXPECT_TRUE(m_boxes.Shown().empty());
    // The dialog keeps its own range in order; a view's own range need not be.
    m_pView->m_calls.clear();
    m_pView->m_nRangeFrom = 4;
    m_pView->m_nRangeTo = 2;
    m_paths.Queue(m_output);
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(m_pView->m_calls, std::vector<std::string>{"prepare"});
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("first page"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_output));
}

// The "Printing" window's Cancel, clicked while page 2 prints.
void ClickCancelOfThePrintingWindow(UINT nPage)
{
    if (nPage != 2)
        return;
    HWND hStatus = ::GetActiveWindow();
    char szCaption[64] = {};
    ::GetWindowText(hStatus, szCaption, sizeof(szCaption));
    ASSERT_STREQ(szCaption, "Printing");
    char szPage[64] = {};
    ::GetWindowText(::GetDlgItem(hStatus, PLEXO_PRINT_STATUS_PAGE), szPage, sizeof(szPage));
    EXPECT_STREQ(szPage, "Page 2");
    HWND hCancel = ::GetDlgItem(hStatus, IDCANCEL);
    ASSERT_NE(hCancel, nullptr);
    QTest::mouseClick(WindowCore::Widget(hCancel), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

TEST_F(PrintLoopTest, CancelEndsTheJobAndLeavesAnExistingFileAlone)
{
    WriteBytes(m_output, "the earlier file");
    m_pView->m_nPages = 5;
    m_pView->m_pfnOnPage = &ClickCancelOfThePrintingWindow;
    PrintDialogAnswer answer(m_output);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(m_pView->m_printed, (std::vector<UINT>{1, 2}));
    EXPECT_EQ(m_pView->m_calls.back(), "end");
    EXPECT_EQ(ReadBytes(m_output), "the earlier file");
    EXPECT_TRUE(m_boxes.Shown().empty()); // cancelled, not failed
    EXPECT_EQ(::GetActiveWindow(), m_pFrame->GetSafeHwnd());
}

TEST_F(PrintLoopTest, PrintSetupMakesTheChoiceTheApplicationsPrinter)
{
    PlexoSetCommonDialogHook([](QDialog *d) {
        QPrinter *printer = static_cast<QPrintDialog *>(d)->printer();
        printer->setPageOrientation(QPageLayout::Landscape);
        d->accept();
    });
    m_pApp->OnFilePrintSetup();
    PlexoSetCommonDialogHook(PlexoCommonDialogHook());
    PRINTDLG pd{};
    ASSERT_TRUE(AfxGetPrinterDeviceDefaults(&pd));
    ASSERT_NE(pd.hDevMode, nullptr);
    auto *dm = static_cast<DEVMODE *>(GlobalLock(pd.hDevMode));
    EXPECT_EQ(dm->dmOrientation, DMORIENT_LANDSCAPE);
    GlobalUnlock(pd.hDevMode);

    // The next job prints on landscape sheets.
    m_pView->m_nPages = 1;
    PrintDialogAnswer answer(m_output);
    Command(ID_FILE_PRINT);
    const PdfFacts pdf = ReadPdf(m_output);
    EXPECT_GT(pdf.cxPoints, pdf.cyPoints);
}

} // namespace
