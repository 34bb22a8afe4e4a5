// Printer-like targets: a PDF writer drawn through a context.
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "GdiTestSupport.h"

TEST(PrintTarget, PdfContextReportsItsOwnResolution)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString path = dir.filePath("out.pdf");
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        CDC dc;
        ASSERT_TRUE(dc.CreatePaintDeviceDC(&writer, TRUE));
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 300);
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
        EXPECT_GT(dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(HORZRES));
        EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALOFFSETX), MulDiv(10, 300 * 10, 254), 2);
        EXPECT_NEAR(dc.GetDeviceCaps(PHYSICALWIDTH), MulDiv(210, 300 * 10, 254), 2);

        EXPECT_GT(dc.StartDoc("test"), 0);
        EXPECT_GT(dc.StartPage(), 0);
        dc.SetMapMode(MM_LOMETRIC);
        CPoint p(254, -254);
        dc.LPtoDP(&p);
        EXPECT_EQ(p, CPoint(300, 300)); // one inch on a 300-dpi device
        CBrush hatch(HS_CROSS, RGB(200, 0, 0));
        dc.SelectObject(&hatch);
        dc.Rectangle(100, -100, 1000, -600);
        dc.Ellipse(100, -700, 1000, -1200);
        dc.TextOut(100, -1300, "Printed text");
        CRect box(100, -1400, 1500, -1600);
        dc.DrawText("Centred", -1, &box, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        EXPECT_EQ(dc.GetPixel(1, 1), CLR_INVALID); // paper cannot be read back
        EXPECT_GT(dc.EndPage(), 0);
        EXPECT_GT(dc.StartPage(), 0);
        dc.TextOut(0, 0, "Second page");
        EXPECT_GT(dc.EndPage(), 0);
        EXPECT_GT(dc.EndDoc(), 0);
        dc.SelectStockObject(WHITE_BRUSH);
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
}

TEST(PrintTarget, JobCallsFailOnScreenContexts)
{
    Canvas c;
    EXPECT_EQ(c.dc.StartDoc("x"), SP_ERROR);
    EXPECT_EQ(c.dc.StartPage(), SP_ERROR);
    EXPECT_EQ(c.dc.EndDoc(), SP_ERROR);
    CDC none;
    EXPECT_FALSE(none.CreatePaintDeviceDC(nullptr, TRUE));
    EXPECT_FALSE(none.CreateImageDC(nullptr));
}
