// The canvas view's cursors: every cursor id the view loads is a picture of
// the library's own, 32 by 32 pixels, with its hot spot where the pointer
// aims; the tool commands show them.
#include "ViewTestSupport.h"

#include "framework/window/CursorApi.h"
#include "framework/window/CursorHandles.h"
#include "library/view/QYViewIds.h"
#include "library/view/QYViewResources.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>

#include <map>
#include <set>

namespace {

// The cursors, by what they are used for.  Cross-hairs aim with the centre
// of their cross; the hover cursors over a component with the arrow's tip.
enum class Aim { CrossHair, ArrowTip, Centre };

struct ExpectedCursor {
    UINT nID;
    int xHotSpot, yHotSpot;
    Aim aim;
};

const ExpectedCursor kExpected[] = {
    {IDC_QY_COMPONENT, 0, 0, Aim::ArrowTip}, {IDC_QY_MOVE, 15, 15, Aim::Centre},
    {IDC_QY_CROSS, 15, 15, Aim::CrossHair},  {IDC_QY_RECTANGLE, 8, 8, Aim::CrossHair},
    {IDC_QY_ROTATING, 15, 15, Aim::Centre},  {IDC_QY_STATIC, 8, 8, Aim::CrossHair},
    {IDC_QY_LINK, 8, 8, Aim::CrossHair},     {IDC_QY_ELLIPSE, 8, 8, Aim::CrossHair},
    {IDC_QY_POLYGON, 8, 8, Aim::CrossHair},  {IDC_QY_CLOSE_BEZIER, 8, 8, Aim::CrossHair},
    {IDC_QY_LINE, 8, 8, Aim::CrossHair},     {IDC_QY_BEZIER, 8, 8, Aim::CrossHair},
    {IDC_QY_POLYLINE, 8, 8, Aim::CrossHair}, {IDC_QY_ON_PORT, 15, 15, Aim::CrossHair},
    {IDC_QY_HAND, 15, 15, Aim::Centre},      {IDC_QY_HAND_GRAB, 15, 15, Aim::Centre},
    {IDC_QY_ROTATE, 0, 0, Aim::ArrowTip},
};

QImage CursorImage(const QCursor& cursor)
{
    return cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool IsBlack(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return qAlpha(pixel) == 255 && qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0;
}

} // namespace

TEST(ViewCursors, EveryIdTheViewLoadsIsItsOwnPictureWithItsHotSpot)
{
    int nCount = 0;
    const QY_VIEW_CURSOR* pCursors = QYGetViewCursors(&nCount);
    ASSERT_EQ(nCount, static_cast<int>(std::size(kExpected)));
    std::map<UINT, QImage> images;
    for (const ExpectedCursor& expected : kExpected) {
        SCOPED_TRACE(expected.nID);
        HCURSOR hCursor = ::LoadCursor(nullptr, MAKEINTRESOURCE(expected.nID));
        ASSERT_NE(hCursor, nullptr);
        const QCursor cursor = PlexoCursorFromHandle(hCursor);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor); // not a standard shape
        EXPECT_EQ(cursor.hotSpot(), QPoint(expected.xHotSpot, expected.yHotSpot));
        const QImage image = CursorImage(cursor);
        ASSERT_EQ(image.size(), QSize(32, 32));
        // Black strokes on a white edge, clear around them.
        int nBlack = 0, nWhite = 0, nClear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    ++nClear;
                else if (IsBlack(image, x, y))
                    ++nBlack;
                else if (pixel == qRgb(255, 255, 255))
                    ++nWhite;
            }
        EXPECT_GT(nBlack, 20);
        EXPECT_GT(nWhite, 20);
        EXPECT_GT(nClear, 32 * 32 / 2);
        EXPECT_EQ(nBlack + nWhite + nClear, 32 * 32);
        // The hot spot is where the picture aims.
        const int x = expected.xHotSpot, y = expected.yHotSpot;
        switch (expected.aim) {
        case Aim::CrossHair:
            EXPECT_TRUE(IsBlack(image, x + 5, y) && IsBlack(image, x - 5, y));
            EXPECT_TRUE(IsBlack(image, x, y + 5) && IsBlack(image, x, y - 5));
            break;
        case Aim::ArrowTip: EXPECT_TRUE(IsBlack(image, 0, 0)); break;
        case Aim::Centre: EXPECT_NE(qAlpha(image.pixel(x, y)), 0); break;
        }
        images[expected.nID] = image;
    }
    // The table the library registers holds the same ids.
    std::set<UINT> registered;
    for (int i = 0; i < nCount; ++i)
        registered.insert(pCursors[i].nID);
    EXPECT_EQ(registered.size(), images.size());
    for (const auto& [nID, image] : images)
        EXPECT_EQ(registered.count(nID), 1u) << nID;
    // No two cursors look alike.
    for (auto a = images.begin(); a != images.end(); ++a)
        for (auto b = std::next(a); b != images.end(); ++b)
            EXPECT_NE(a->second, b->second) << a->first << " and " << b->first;
}

class ViewToolCursors : public ViewFixture {};

TEST_F(ViewToolCursors, EachToolCommandShowsItsCursor)
{
    const struct {
        UINT nCommand;
        UINT nCursor;
    } tools[] = {
        {ID_QY_TOOL_STATIC, IDC_QY_STATIC},
        {ID_QY_TOOL_IMAGE, IDC_QY_CROSS},
        {ID_QY_TOOL_ELLIPSE, IDC_QY_ELLIPSE},
        {ID_QY_TOOL_LINE, IDC_QY_LINE},
        {ID_QY_TOOL_ARROW_LINE, IDC_QY_LINE},
        {ID_QY_TOOL_POLYLINE, IDC_QY_POLYLINE},
        {ID_QY_TOOL_POLYGON, IDC_QY_POLYGON},
        {ID_QY_TOOL_BEZIER_LINE, IDC_QY_BEZIER},
        {ID_QY_TOOL_CLOSE_BEZIER, IDC_QY_CLOSE_BEZIER},
        {ID_QY_TOOL_RECTANGLE, IDC_QY_RECTANGLE},
        {ID_QY_TOOL_HYLINK, IDC_QY_CROSS},
        {ID_QY_TOOL_LINK_ELBOW, IDC_QY_LINK},
        {ID_QY_TOOL_LINK_FREE, IDC_QY_LINK},
        {ID_QY_TOOL_HAND, IDC_QY_HAND},
    };
    const QImage arrow = QCursor(Qt::ArrowCursor).pixmap().toImage();
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.nCommand);
        Command(tool.nCommand);
        HCURSOR hExpected = ::LoadCursor(nullptr, MAKEINTRESOURCE(tool.nCursor));
        ASSERT_NE(hExpected, nullptr);
        EXPECT_EQ(m_pView->GetViewCursor(), hExpected);
        EXPECT_EQ(PlexoCursorFromHandle(m_pView->GetViewCursor()).shape(), Qt::BitmapCursor);
        Command(ID_QY_TOOL_SELECT);
        EXPECT_EQ(m_pView->GetViewCursor(), ::LoadCursor(nullptr, IDC_ARROW));
    }
}
