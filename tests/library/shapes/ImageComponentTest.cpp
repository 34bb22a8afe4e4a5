#include "ImageTestFiles.h"
#include "ShapeTestUtil.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYImageComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

std::string WriteTemp(const std::string& name, const Bytes& bytes)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("plexo_imgcomp_" + name)).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

Held<CQYImageComponent> MakeImage(const CRect& rect)
{
    Held<CQYImageComponent> image;
    CRect rc = rect;
    image->Create(rc, "Image1");
    return image;
}

// A 32-bit page filled with the back colour, the component drawn on it.
class Page {
public:
    Page(int cx, int cy, COLORREF crBack)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(cx, cy, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, crBack);
    }
    ~Page() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y) & 0xFFFFFF; }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
};

// Red on the left half, green on the right half.
BmpFields TwoColours(int cx, int cy)
{
    BmpFields spec;
    spec.width = cx;
    spec.height = cy;
    spec.bits = 24;
    spec.pixel = [cx](int x, int) { return x < cx / 2 ? 0xFF0000u : 0x00FF00u; };
    return spec;
}

TEST(ImageComponent, CreateMakesNinePortsInTheirOrder)
{
    auto image = MakeImage(CRect(0, 0, 40, 20));
    const double expected[9][2] = {{0.5, 0.5}, {1, 1}, {1, 0}, {0, 1}, {0, 0}, {0, 0.5}, {0.5, 1}, {1, 0.5}, {0.5, 0}};
    ASSERT_EQ(image->GetPortCount(), 9);
    int i = 0;
    for (POSITION pos = image->GetPortList()->GetHeadPosition(); pos != nullptr; ++i) {
        auto* pPort = static_cast<CQYPortComponent*>(image->GetPortList()->GetNext(pos));
        EXPECT_DOUBLE_EQ(pPort->GetRelativeX(), expected[i][0]) << i;
        EXPECT_DOUBLE_EQ(pPort->GetRelativeY(), expected[i][1]) << i;
    }
    CQYCompProperties* pProp = image->GetDefaultProperty();
    ASSERT_NE(pProp, nullptr);
    EXPECT_EQ(pProp->GetType(), 22);
    EXPECT_TRUE(pProp->m_bNullPen);
    EXPECT_TRUE(pProp->m_bTransparent);
    EXPECT_EQ(pProp->m_nBrushType, 0);
    EXPECT_FALSE(image->m_bTransparent);
}

TEST(ImageComponent, LoadingSizesTheRectangleAtItsCornerAndMovesThePorts)
{
    auto image = MakeImage(CRect(10, 20, 30, 40));
    ASSERT_TRUE(image->LoadImageFile(WriteTemp("100x50.bmp", MakeBmp(TwoColours(100, 50))).c_str()));
    EXPECT_EQ(PointsOf(image.get()), (PointList{{10, 20}, {110, 20}, {110, 70}, {10, 70}}));
    EXPECT_EQ(image->GetRect(), CRect(10, 20, 110, 70));
    CQYPortComponent* pCorner = image->FindPort(1, 1);
    ASSERT_NE(pCorner, nullptr);
    EXPECT_EQ(pCorner->GetLinkPoint(), CPoint(110, 70));
    EXPECT_EQ(image->FindPort(0.5, 0.5)->GetLinkPoint(), CPoint(60, 45));
}

TEST(ImageComponent, UnreadableFilesKeepTheRectangleAndRaiseNothing)
{
    auto image = MakeImage(CRect(10, 20, 30, 40));
    EXPECT_FALSE(image->LoadImageFile("/nonexistent/plexo/picture.bmp"));
    BmpFields rle = TwoColours(4, 4);
    rle.compression = 1;
    EXPECT_FALSE(image->LoadImageFile(WriteTemp("rle.bmp", MakeBmp(rle)).c_str()));
    EXPECT_EQ(image->GetRect(), CRect(10, 20, 30, 40));
    EXPECT_TRUE(image->m_pImage->IsEmpty());
}

TEST(ImageComponent, EmptyPictureDrawsTheCross)
{
    auto image = MakeImage(CRect(0, 0, 20, 20));
    Page page(24, 24, RGB(255, 255, 255));
    // With the device context's pen (the component's own set has none).
    image->OnDrawFlat(page.DC());
    EXPECT_EQ(page.At(5, 5), 0u);
    EXPECT_EQ(page.At(15, 5), 0u);
    EXPECT_EQ(page.At(10, 3), 0xFFFFFFu);
}

TEST(ImageComponent, DrawsStretchedOpaqueAndTransparent)
{
    auto image = MakeImage(CRect(0, 0, 1, 1));
    ASSERT_TRUE(image->LoadImageFile(WriteTemp("two.bmp", MakeBmp(TwoColours(4, 2))).c_str()));
    CRect big(0, 0, 40, 20);
    image->PositionComponent(&big);
    const COLORREF blue = RGB(0, 0, 255);
    {
        Page page(40, 20, blue);
        image->OnDraw(page.DC());
        EXPECT_EQ(page.At(5, 10), RGB(255, 0, 0));
        EXPECT_EQ(page.At(35, 10), RGB(0, 255, 0));
    }
    // A colour the picture does not hold: drawn as if opaque.
    image->SetTransparentColor(RGB(1, 2, 3));
    image->SetTransparent(TRUE);
    {
        Page page(40, 20, blue);
        image->OnDraw(page.DC());
        EXPECT_EQ(page.At(5, 10), RGB(255, 0, 0));
        EXPECT_EQ(page.At(35, 10), RGB(0, 255, 0));
        EXPECT_NE(image->m_pMaskImage, nullptr);
    }
    // Red made transparent: the page shows through there; masks rebuilt.
    image->SetTransparentColor(RGB(255, 0, 0));
    EXPECT_EQ(image->m_pMaskImage, nullptr);
    EXPECT_EQ(image->m_pMaskedImage, nullptr);
    {
        Page page(40, 20, blue);
        image->OnDraw(page.DC());
        EXPECT_EQ(page.At(5, 10), blue);
        EXPECT_EQ(page.At(35, 10), RGB(0, 255, 0));
    }
}

// The record in a document: the picture, flag and colour come back, and a
// component stored after an image without a picture reads from the right
// place.
TEST(ImageComponent, RecordsRoundTripWithAndWithoutAPicture)
{
    auto full = MakeImage(CRect(0, 0, 1, 1));
    ASSERT_TRUE(full->LoadImageFile(WriteTemp("rec.bmp", MakeBmp(TwoColours(6, 3))).c_str()));
    full->SetTransparent(TRUE);
    full->SetTransparentColor(RGB(9, 8, 7));
    auto empty = MakeImage(CRect(5, 5, 25, 15));
    Held<CQYRectComponent> rect;
    CRect rc(1, 2, 3, 4);
    rect->Create(rc);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<CObject*>(full.get()) << static_cast<CObject*>(empty.get())
           << static_cast<CObject*>(rect.get());
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CObject *pFull = nullptr, *pEmpty = nullptr, *pRect = nullptr;
    ar >> pFull >> pEmpty >> pRect;
    Held<CQYImageComponent> fullBack(dynamic_cast<CQYImageComponent*>(pFull));
    Held<CQYImageComponent> emptyBack(dynamic_cast<CQYImageComponent*>(pEmpty));
    Held<CQYRectComponent> rectBack(dynamic_cast<CQYRectComponent*>(pRect));
    ASSERT_NE(fullBack.get(), nullptr);
    ASSERT_NE(emptyBack.get(), nullptr);
    ASSERT_NE(rectBack.get(), nullptr);
    EXPECT_EQ(fullBack->m_pImage->GetWidth(), 6);
    EXPECT_TRUE(fullBack->m_bTransparent);
    EXPECT_EQ(fullBack->m_crTransparent, RGB(9, 8, 7));
    EXPECT_EQ(Bytes(StoreRecord(*fullBack->m_pImage)), Bytes(StoreRecord(*full->m_pImage)));
    EXPECT_TRUE(emptyBack->m_pImage->IsEmpty());
    EXPECT_EQ(PointsOf(emptyBack.get()), PointsOf(empty.get()));
    EXPECT_EQ(PointsOf(rectBack.get()), PointsOf(rect.get()));
}

TEST(ImageComponent, CopiesShowTheSamePictureAfterTheSourceIsGone)
{
    auto source = MakeImage(CRect(0, 0, 1, 1));
    ASSERT_TRUE(source->LoadImageFile(WriteTemp("copy.bmp", MakeBmp(TwoColours(4, 2))).c_str()));
    source->SetTransparent(TRUE);
    source->SetTransparentColor(RGB(255, 0, 0));
    Held<CQYImageComponent> copy(static_cast<CQYImageComponent*>(source->Copy()));
    auto emptyCopy = MakeImage(CRect(0, 0, 4, 4));
    Held<CQYImageComponent> emptyCopied(static_cast<CQYImageComponent*>(emptyCopy->Copy()));
    EXPECT_TRUE(emptyCopied->m_pImage->IsEmpty());
    source->m_pImage->Release();
    EXPECT_TRUE(copy->m_bTransparent);
    EXPECT_EQ(copy->m_crTransparent, RGB(255, 0, 0));
    CRect big(0, 0, 40, 20);
    copy->PositionComponent(&big);
    Page page(40, 20, RGB(0, 0, 255));
    copy->OnDraw(page.DC());
    EXPECT_EQ(page.At(5, 10), RGB(0, 0, 255));
    EXPECT_EQ(page.At(35, 10), RGB(0, 255, 0));
}

} // namespace
