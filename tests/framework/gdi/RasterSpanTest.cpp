#include "framework/gdi/Raster.h"
#include "framework/gdi/Rop2.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Words with every mix of bits, the top byte included.
std::vector<uint32_t> RandomWords(size_t count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<uint32_t> words(count);
    for (uint32_t &w : words)
        w = static_cast<uint32_t>(rng());
    return words;
}

// The pen word fixed, each of the sixteen operations is the same function
// of the destination as the general one.
TEST(RasterSpanTest, FixedPenCombinesAsTheGeneralOperation)
{
    const std::vector<uint32_t> pens = RandomWords(40, 3), targets = RandomWords(200, 4);
    for (int rop2 = R2_BLACK; rop2 <= R2_WHITE; ++rop2)
        for (uint32_t pen : pens) {
            const Rop2::FixedPen fixed(rop2, pen);
            for (uint32_t dst : targets)
                ASSERT_EQ(fixed(dst), Rop2::Apply(rop2, pen, dst)) << "rop2 " << rop2;
        }
}

// A solid polygon fill over random pixel words, with every operation and
// every pixel store, changes each covered pixel to the stored combination
// of pen and target and leaves the others alone.
TEST(RasterSpanTest, SolidFillsCombineEachCoveredPixelOnce)
{
    const struct {
        const char *name;
        PixelStore store;
    } stores[] = {
        {"bitmap", PixelStore::Bitmap()}, {"monochrome", PixelStore::Monochrome()}, {"screen", PixelStore::Screen()}};
    const std::vector<std::vector<QPointF>> triangle{{QPointF(-5, 2), QPointF(70, 9), QPointF(20, 45)}};
    // The pixels the triangle covers: those a copy of white turns white on black.
    QImage covered(64, 40, QImage::Format_RGB32);
    covered.fill(0);
    FillPaint white;
    white.none = false;
    white.color = 0xFFFFFFFFu;
    RasterTarget(covered, nullptr).FillPolygons(triangle, false, white);
    ASSERT_EQ(covered.pixel(20, 20) & 0xFFFFFFu, 0xFFFFFFu);
    for (const auto &[name, store] : stores)
        for (int rop2 = R2_BLACK; rop2 <= R2_WHITE; ++rop2) {
            QImage image(64, 40, QImage::Format_RGB32);
            const std::vector<uint32_t> words = RandomWords(64 * 40, static_cast<unsigned>(rop2));
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 64; ++x)
                    reinterpret_cast<uint32_t *>(image.scanLine(y))[x] = words[static_cast<size_t>(y * 64 + x)];
            FillPaint paint;
            paint.none = false;
            paint.color = 0x00A5C3E1u;
            paint.rop2 = rop2;
            RasterTarget(image, nullptr, store).FillPolygons(triangle, false, paint);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 64; ++x) {
                    const uint32_t before = words[static_cast<size_t>(y * 64 + x)];
                    const bool inside = (covered.pixel(x, y) & 0xFFFFFFu) != 0;
                    const uint32_t expected = inside ? store.Store(Rop2::Apply(rop2, paint.color, before)) : before;
                    ASSERT_EQ(reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x], expected)
                        << name << " rop2 " << rop2 << " at " << x << "," << y;
                }
        }
}

// Random pixel words in a 64 x 40 image.
QImage RandomImage(unsigned seed)
{
    QImage image(64, 40, QImage::Format_RGB32);
    const std::vector<uint32_t> words = RandomWords(64 * 40, seed);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
            reinterpret_cast<uint32_t *>(image.scanLine(y))[x] = words[static_cast<size_t>(y * 64 + x)];
    return image;
}

uint32_t Word(const QImage &image, int x, int y)
{
    return reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x];
}

// A fill inside one clip rectangle works out only its rows and columns;
// with a second, separate rectangle in the clip it takes the general path
// through each.  Random figures and box shapes (inside, across and outside
// the rectangle, with holes, with every raster operation) change the same
// pixels of the first rectangle either way, and none outside the clip.
TEST(RasterSpanTest, OneClipRectangleFillsAsTheGeneralPath)
{
    const QRect clip(7, 5, 40, 27), apart(58, 35, 5, 4);
    const QRegion single(clip);
    const QRegion both = QRegion(clip) + QRegion(apart);
    ASSERT_EQ(both.rectCount(), 2);
    std::mt19937 rng(29);
    std::uniform_real_distribution<double> coordinate(-30, 90);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::vector<QPointF>> polygons(1);
        for (int k = 3 + round % 6; k > 0; --k)
            polygons[0].emplace_back(coordinate(rng), coordinate(rng) * 0.7);
        BoxShape shape;
        shape.kind = static_cast<BoxShape::Kind>(round % 3);
        shape.left = coordinate(rng), shape.top = coordinate(rng) * 0.5;
        shape.right = shape.left + coordinate(rng) + 30, shape.bottom = shape.top + coordinate(rng) * 0.5 + 15;
        shape.cornerWidth = 12, shape.cornerHeight = 9;
        const BoxShape hole = shape.Deflated(3.5, 2);
        FillPaint paint;
        paint.none = false;
        paint.color = static_cast<uint32_t>(rng()) & 0xFFFFFFu;
        paint.rop2 = R2_BLACK + round % 16;
        QImage one = RandomImage(static_cast<unsigned>(round)), general = one;
        const QImage before = one;
        RasterTarget oneTarget(one, &single), generalTarget(general, &both);
        if (round % 3 == 0) {
            oneTarget.FillPolygons(polygons, round % 2 == 0, paint);
            generalTarget.FillPolygons(polygons, round % 2 == 0, paint);
        } else {
            oneTarget.FillShape(shape, round % 2 ? &hole : nullptr, paint);
            generalTarget.FillShape(shape, round % 2 ? &hole : nullptr, paint);
        }
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_EQ(Word(one, x, y), clip.contains(x, y) ? Word(general, x, y) : Word(before, x, y))
                    << "round " << round << " at " << x << "," << y;
    }
}

} // namespace
