// The file and colour dialogs with Qt's dialogs driven by the program: the
// records going in and coming out, filter conversion, multiple selection,
// and a type change rewriting the name through controls 1152 and 1136.
#include "ControlTestSupport.h"

#include "framework/controls/ColorDialog.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/controls/FileDialog.h"
#include "tests/support/TempFolder.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// Installs a hook for one dialog and removes it afterwards.
class HookScope {
public:
    explicit HookScope(PlexoCommonDialogHook hook) { PlexoSetCommonDialogHook(std::move(hook)); }
    ~HookScope() { PlexoSetCommonDialogHook(PlexoCommonDialogHook()); }
};

QLineEdit *NameField(QDialog *d)
{
    return d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

TEST(FileDialogFilters, ConvertToQtPatternsThatIgnoreCase)
{
    std::vector<CString> filters = CFileDialog::PlexoQtFilters("Bitmap File (*.bmp)\0*.bmp;*.dib\0All Files\0*.*\0\0");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_STREQ(filters[0], "Bitmap File (*.bmp) (*.[bB][mM][pP] *.[dD][iI][bB])");
    EXPECT_STREQ(filters[1], "All Files (*)");
    TempFolder folder;
    TempFolder::Write(folder.File("A.BMP"), "x");
    TempFolder::Write(folder.File("b.txt"), "x");
    QDir dir(QString::fromStdString(folder.Path()));
    EXPECT_EQ(dir.entryList(QStringList{QStringLiteral("*.[bB][mM][pP]")}, QDir::Files), QStringList{"A.BMP"});
    // A description without patterns ends the list; none at all is empty.
    EXPECT_EQ(CFileDialog::PlexoQtFilters("Lonely\0\0").size(), 0u);
    EXPECT_EQ(CFileDialog::PlexoQtFilters(nullptr).size(), 0u);
}

TEST(FileDialog, OpensAFileAndAnswersItsParts)
{
    TempFolder folder;
    std::string path = folder.File("A.BMP");
    TempFolder::Write(path, "x");
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "Bitmaps|*.bmp|All|*.*||");
    dialog.m_ofn.nFilterIndex = 2;
    bool confirmOverwrite = true;
    QString chosenFilter;
    HookScope hook([&](QDialog *d) {
        auto *fd = static_cast<QFileDialog *>(d);
        confirmOverwrite = !fd->testOption(QFileDialog::DontConfirmOverwrite);
        chosenFilter = fd->selectedNameFilter();
        fd->setDirectory(QString::fromStdString(folder.Path()));
        fd->selectFile(QString::fromStdString(path));
        static_cast<QDialog *>(fd)->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(confirmOverwrite); // an open dialog never asks
    EXPECT_EQ(chosenFilter, QStringLiteral("All (*)"));
    EXPECT_STREQ(dialog.GetPathName(), path.c_str());
    EXPECT_STREQ(dialog.GetFileName(), "A.BMP");
    EXPECT_STREQ(dialog.GetFileExt(), "BMP");
    EXPECT_STREQ(dialog.GetFileTitle(), "A");
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(FileDialog, SavingAsksBeforeOverwritingAndCancelKeepsTheBuffer)
{
    CFileDialog dialog(FALSE, "emf", "drawing.emf", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Metafiles|*.emf||");
    bool confirmOverwrite = false;
    QString defaultSuffix;
    HookScope hook([&](QDialog *d) {
        auto *fd = static_cast<QFileDialog *>(d);
        confirmOverwrite = !fd->testOption(QFileDialog::DontConfirmOverwrite);
        defaultSuffix = fd->defaultSuffix();
        fd->reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(confirmOverwrite);
    EXPECT_EQ(defaultSuffix, QStringLiteral("emf"));
    EXPECT_STREQ(dialog.m_ofn.lpstrFile, "drawing.emf");
}

TEST(FileDialog, MultipleSelectionListsEveryPath)
{
    TempFolder folder;
    TempFolder::Write(folder.File("a.txt"), "x");
    TempFolder::Write(folder.File("b.txt"), "x");
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY, "Text|*.txt||");
    HookScope hook([&](QDialog *d) {
        auto *fd = static_cast<QFileDialog *>(d);
        fd->setDirectory(QString::fromStdString(folder.Path()));
        NameField(d)->setText(QStringLiteral("\"a.txt\" \"b.txt\""));
        static_cast<QDialog *>(fd)->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    std::vector<std::string> paths;
    for (POSITION pos = dialog.GetStartPosition(); pos;)
        paths.emplace_back(static_cast<LPCTSTR>(dialog.GetNextPathName(pos)));
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{folder.File("a.txt"), folder.File("b.txt")}));
}

// The export dialog's way: the type change rewrites the name's extension.
class CExportDialog : public CFileDialog {
public:
    CExportDialog() : CFileDialog(FALSE, "", "a.b.bmp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr)
    {
        static const char filter[] = "Bitmap File (*.bmp)\0*.bmp\0Dib File (*.dib)\0*.dib\0\0";
        m_ofn.lpstrFilter = filter;
    }
    CString typeSeen;
    bool otherIdsMissing = false;

protected:
    void OnTypeChange() override
    {
        CString name, type;
        GetDlgItem(PLEXO_FILE_NAME_ID)->GetWindowText(name);
        GetDlgItem(PLEXO_FILE_TYPE_ID)->GetWindowText(type);
        typeSeen = type;
        otherIdsMissing = GetDlgItem(1148) == nullptr;
        int star = type.Find('*');
        CString ext = type.Mid(star + 1);
        ext = ext.Left(ext.Find(')'));
        int dot = name.Find('.');
        GetDlgItem(PLEXO_FILE_NAME_ID)->SetWindowText(dot < 0 ? name + ext : name.Left(dot) + ext);
    }
};

TEST(FileDialog, ATypeChangeRewritesTheNameThroughTheStandInControls)
{
    CExportDialog dialog;
    QString nameAfter;
    HookScope hook([&](QDialog *d) {
        d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->setCurrentIndex(1);
        nameAfter = NameField(d)->text();
        d->reject();
    });
    dialog.DoModal();
    EXPECT_STREQ(dialog.typeSeen, "Dib File (*.dib)");
    EXPECT_EQ(nameAfter, QStringLiteral("a.dib"));
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
    EXPECT_TRUE(dialog.otherIdsMissing);
}

TEST(ColorDialog, StartsAtTheColourAndReturnsTheChoiceAndCustomColours)
{
    COLORREF custom[16];
    for (int i = 0; i < 16; ++i)
        custom[i] = RGB(i, i, i);
    CColorDialog dialog(RGB(10, 20, 30), CC_FULLOPEN | CC_ANYCOLOR);
    EXPECT_TRUE(dialog.m_cc.Flags & CC_RGBINIT);
    dialog.m_cc.lpCustColors = custom;
    QColor seen;
    QColor customSeen;
    HookScope hook([&](QDialog *d) {
        auto *cd = static_cast<QColorDialog *>(d);
        seen = cd->currentColor();
        customSeen = QColorDialog::customColor(5);
        QColorDialog::setCustomColor(3, QColor(200, 100, 50));
        cd->setCurrentColor(QColor(1, 2, 3));
        cd->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen, QColor(10, 20, 30));
    EXPECT_EQ(customSeen, QColor(5, 5, 5));
    EXPECT_EQ(dialog.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(custom[3], RGB(200, 100, 50));
    EXPECT_EQ(custom[6], RGB(6, 6, 6));
}

// The owner is disabled while a common dialog runs, but the dialog itself
// must stay usable: on a desktop a disabled dialog takes no clicks or keys.
TEST(ColorDialog, StaysEnabledWhileItsOwnerIsDisabled)
{
    CWnd owner;
    ASSERT_TRUE(
        owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP | WS_VISIBLE, RECT{40, 40, 440, 340}, nullptr, 0));
    CColorDialog dialog(RGB(9, 9, 9), 0, &owner);
    bool dialogEnabled = false;
    bool ownerEnabled = true;
    HookScope hook([&](QDialog *d) {
        dialogEnabled = d->isEnabled();
        ownerEnabled = owner.IsWindowEnabled() != FALSE;
        d->reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialogEnabled);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST(ColorDialog, CancelKeepsTheColour)
{
    CColorDialog dialog(RGB(9, 9, 9));
    HookScope hook([](QDialog *d) { d->reject(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetColor(), RGB(9, 9, 9));
}

} // namespace

#include "framework/controls/FontDialog.h"

#include <QFontDialog>

namespace {

LOGFONT SansLogFont()
{
    LOGFONT lf{};
    lf.lfHeight = -16; // 12 points at 96 pixels an inch
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    return lf;
}

TEST(FontDialog, EffectsAddTheColourAndTheLogFontComesBack)
{
    LOGFONT initial = SansLogFont();
    CFontDialog dialog(&initial, CF_EFFECTS | CF_SCREENFONTS | CF_FORCEFONTEXIST | CF_NOVERTFONTS);
    dialog.m_cf.rgbColors = RGB(0, 0, 128);
    QFont seen;
    QString colourSeen;
    HookScope hook([&](QDialog *d) {
        auto *chooser = d->findChild<QFontDialog *>();
        auto *colours = d->findChild<QComboBox *>(QStringLiteral("plexoFontColor"));
        ASSERT_NE(chooser, nullptr);
        ASSERT_NE(colours, nullptr);
        seen = chooser->currentFont();
        colourSeen = colours->currentText();
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setPointSize(9);
        mono.setBold(true);
        mono.setItalic(true);
        mono.setUnderline(true);
        chooser->setCurrentFont(mono);
        colours->setCurrentIndex(colours->findText(QStringLiteral("Red")));
        d->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_DOUBLE_EQ(seen.pointSizeF(), 12.0);
    EXPECT_EQ(colourSeen, QStringLiteral("Navy"));
    EXPECT_STREQ(dialog.GetFaceName(), "DejaVu Sans Mono");
    EXPECT_EQ(dialog.GetSize(), 90);
    EXPECT_EQ(dialog.m_lf.lfHeight, -12);
    EXPECT_TRUE(dialog.IsBold());
    EXPECT_TRUE(dialog.IsItalic());
    EXPECT_TRUE(dialog.IsUnderline());
    EXPECT_EQ(dialog.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(dialog.m_lf.lfPitchAndFamily & 3, FIXED_PITCH);
    LOGFONT out{};
    dialog.GetCurrentFont(&out);
    EXPECT_STREQ(out.lfFaceName, "DejaVu Sans Mono");
}

TEST(FontDialog, WithoutEffectsThereIsNoUnderlineAndFixedPitchOnlyAsksQtForMonospacedFaces)
{
    LOGFONT initial = SansLogFont();
    CFontDialog dialog(&initial, CF_SCREENFONTS | CF_FIXEDPITCHONLY);
    bool monospacedOnly = false;
    HookScope hook([&](QDialog *d) {
        auto *chooser = qobject_cast<QFontDialog *>(d);
        ASSERT_NE(chooser, nullptr);
        monospacedOnly = chooser->testOption(QFontDialog::MonospacedFonts);
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setPointSize(10);
        mono.setUnderline(true);
        chooser->setCurrentFont(mono);
        d->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(monospacedOnly);
    EXPECT_FALSE(dialog.IsUnderline());
    EXPECT_EQ(dialog.GetSize(), 100);
}

} // namespace

#include "framework/app/Printers.h"
#include "framework/controls/PrintDialogs.h"
#include "framework/object/GlobalMemory.h"

#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {

TEST(PageSetupDialog, MarginsAndOrientationGoInAndComeBackInTheRecordsUnits)
{
    CPageSetupDialog dialog(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS);
    dialog.m_psd.rtMargin = RECT{1000, 1500, 2000, 2500};
    double topSeen = -1;
    HookScope hook([&](QDialog *d) {
        auto *top = d->findChild<QDoubleSpinBox *>(QStringLiteral("topMargin"));
        auto *landscape = d->findChild<QRadioButton *>(QStringLiteral("landscape"));
        ASSERT_NE(top, nullptr);
        ASSERT_NE(landscape, nullptr);
        topSeen = top->value();
        landscape->click();
        d->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_GT(topSeen, 0);
    LPDEVMODE dm = dialog.GetDevMode();
    ASSERT_NE(dm, nullptr);
    EXPECT_EQ(dm->dmOrientation, DMORIENT_LANDSCAPE);
    GlobalUnlock(dialog.m_psd.hDevMode);
    CSize paper = dialog.GetPaperSize();
    EXPECT_GT(paper.cx, paper.cy); // landscape
    RECT margins, minimum;
    dialog.GetMargins(&margins, &minimum);
    EXPECT_GT(margins.left, 0);
    EXPECT_FALSE(dialog.GetDeviceName().IsEmpty());
    GlobalFree(dialog.m_psd.hDevMode);
    GlobalFree(dialog.m_psd.hDevNames);
}

TEST(PageSetupDialog, TheDefaultWithoutAskingAndTheUnitOfInches)
{
    CPageSetupDialog dialog(PSD_RETURNDEFAULT | PSD_INTHOUSANDTHSOFINCHES);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    LPDEVMODE dm = dialog.GetDevMode();
    ASSERT_NE(dm, nullptr);
    bool a4 = (dm->dmFields & DM_PAPERSIZE) && dm->dmPaperSize == DMPAPER_A4;
    GlobalUnlock(dialog.m_psd.hDevMode);
    if (a4) {
        EXPECT_NEAR(dialog.GetPaperSize().cx, 8268, 2); // 210 mm in thousandths of an inch
        EXPECT_NEAR(dialog.GetPaperSize().cy, 11693, 2);
    }
    GlobalFree(dialog.m_psd.hDevMode);
    GlobalFree(dialog.m_psd.hDevNames);
}

TEST(PrintDialog, PageRangeAndCopiesComeBack)
{
    CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_NOSELECTION | PD_HIDEPRINTTOFILE);
    dialog.m_pd.nMinPage = 1;
    dialog.m_pd.nMaxPage = 9;
    HookScope hook([&](QDialog *d) {
        auto *range = d->findChild<QRadioButton *>(QStringLiteral("printRange"));
        auto *from = d->findChild<QSpinBox *>(QStringLiteral("from"));
        auto *to = d->findChild<QSpinBox *>(QStringLiteral("to"));
        auto *copies = d->findChild<QSpinBox *>(QStringLiteral("copies"));
        ASSERT_NE(range, nullptr);
        ASSERT_NE(from, nullptr);
        ASSERT_NE(to, nullptr);
        ASSERT_NE(copies, nullptr);
        range->setChecked(true);
        from->setValue(2);
        to->setValue(4);
        copies->setValue(3);
        d->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.PrintRange());
    EXPECT_FALSE(dialog.PrintAll());
    EXPECT_EQ(dialog.GetFromPage(), 2);
    EXPECT_EQ(dialog.GetToPage(), 4);
    EXPECT_EQ(dialog.GetCopies(), 3);
    EXPECT_FALSE(dialog.GetDeviceName().IsEmpty());
    GlobalFree(dialog.m_pd.hDevMode);
    GlobalFree(dialog.m_pd.hDevNames);
}

TEST(PrintDialog, GetDefaultsFillsTheBlocksWithoutADialog)
{
    CPrintDialog dialog(TRUE);
    ASSERT_TRUE(dialog.GetDefaults());
    EXPECT_NE(dialog.m_pd.hDevMode, nullptr);
    EXPECT_NE(dialog.m_pd.hDevNames, nullptr);
    EXPECT_FALSE(dialog.GetDriverName().IsEmpty());
    GlobalFree(dialog.m_pd.hDevMode);
    GlobalFree(dialog.m_pd.hDevNames);
}

} // namespace

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>

namespace {

TEST(PrintDialog, ReturnsAPrintingContextForTheChoice)
{
    TempFolder folder;
    std::string output = folder.File("out.pdf");
    CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_NOSELECTION | PD_NOPAGENUMS | PD_RETURNDC);
    HookScope hook([&](QDialog *d) {
        if (auto *file = d->findChild<QLineEdit *>(QStringLiteral("filename")))
            file->setText(QString::fromStdString(output));
        static_cast<QPrintDialog *>(d)->printer()->setOutputFileName(QString::fromStdString(output));
        d->accept();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_NE(dialog.GetPrinterDC(), nullptr);
    CDC *dc = CDC::FromHandle(dialog.GetPrinterDC());
    EXPECT_GT(dc->GetDeviceCaps(HORZRES), 0);
    EXPECT_GT(dc->GetDeviceCaps(LOGPIXELSX), 96);
    GlobalFree(dialog.m_pd.hDevMode);
    GlobalFree(dialog.m_pd.hDevNames);
}

} // namespace
