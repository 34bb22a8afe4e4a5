// Image lists: pictures and masks cut from bitmaps, drawn through the
// block transfer engine.
#include "framework/gdi/ImageList.h"

#include "framework/gdi/Blit.h"
#include "framework/gdi/CDC.h"
#include "framework/resources/ResourceTypes.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr int kMaxSide = 4096;
constexpr size_t kMaxImages = 1 << 16;

struct Picture {
    QImage colour; // black under the mask when the list has masks
    QImage mask;   // white (1) where the target shows through
};

} // namespace

struct HIMAGELIST__ {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    COLORREF bkColor = CLR_NONE;
    std::vector<Picture> pictures;

    bool Masked() const { return (flags & ILC_MASK) != 0; }
};

namespace {

std::mutex &Mutex()
{
    static std::mutex *m = new std::mutex;
    return *m;
}

std::map<HIMAGELIST, std::unique_ptr<HIMAGELIST__>> &Lists()
{
    static auto *lists = new std::map<HIMAGELIST, std::unique_ptr<HIMAGELIST__>>;
    return *lists;
}

// The live list behind a handle, or NULL for a stale or foreign handle.
HIMAGELIST Live(HIMAGELIST h)
{
    std::lock_guard<std::mutex> lock(Mutex());
    return Lists().count(h) ? h : nullptr;
}

QImage BitmapImage(HBITMAP h)
{
    auto bm = GdiHandles::LookupAs<BitmapData>(h, GdiObjectKind::Bitmap);
    return bm ? bm->Current() : QImage();
}

// Cuts image (and mask) into pictures of the list's size; -1 when none fits.
int AddPictures(HIMAGELIST list, const QImage &image, const QImage &mask)
{
    if (image.isNull() || image.width() < list->cx)
        return -1;
    int count = image.width() / list->cx;
    if (list->pictures.size() + static_cast<size_t>(count) > kMaxImages)
        return -1;
    int first = static_cast<int>(list->pictures.size());
    for (int i = 0; i < count; ++i) {
        Picture p;
        p.colour = QImage(list->cx, list->cy, QImage::Format_RGB32);
        p.colour.fill(0xFF000000u);
        p.mask = QImage(list->cx, list->cy, QImage::Format_RGB32);
        p.mask.fill(0xFF000000u);
        for (int y = 0; y < std::min(list->cy, image.height()); ++y)
            for (int x = 0; x < list->cx; ++x) {
                int sx = i * list->cx + x;
                bool clear = !mask.isNull() && sx < mask.width() && y < mask.height() &&
                             (mask.pixel(sx, y) & 0xFFFFFF) == 0xFFFFFF;
                if (list->Masked() && clear)
                    p.mask.setPixel(x, y, 0xFFFFFFFFu);
                else
                    p.colour.setPixel(x, y, image.pixel(sx, y) | 0xFF000000u);
            }
        list->pictures.push_back(std::move(p));
    }
    return first;
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow)
{
    if (cx <= 0 || cy <= 0 || cx > kMaxSide || cy > kMaxSide || cInitial < 0 || cGrow < 0)
        return nullptr;
    auto list = std::make_unique<HIMAGELIST__>();
    list->cx = cx;
    list->cy = cy;
    list->flags = flags;
    HIMAGELIST h = list.get();
    std::lock_guard<std::mutex> lock(Mutex());
    Lists()[h] = std::move(list);
    return h;
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    std::lock_guard<std::mutex> lock(Mutex());
    return Lists().erase(himl) ? TRUE : FALSE;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    HIMAGELIST list = Live(himl);
    return list ? static_cast<int>(list->pictures.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int *cx, int *cy)
{
    HIMAGELIST list = Live(himl);
    if (!list || !cx || !cy)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask)
{
    HIMAGELIST list = Live(himl);
    return list ? AddPictures(list, BitmapImage(hbmImage), BitmapImage(hbmMask)) : -1;
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask)
{
    HIMAGELIST list = Live(himl);
    QImage image = BitmapImage(hbmImage);
    if (!list || image.isNull())
        return -1;
    QImage mask(image.size(), QImage::Format_RGB32);
    uint32_t key = Paints::ToPixel(crMask);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mask.setPixel(x, y, (image.pixel(x, y) & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u);
    return AddPictures(list, image, crMask == CLR_NONE ? QImage() : mask);
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon)
{
    HIMAGELIST list = Live(himl);
    ICONINFO info{};
    if (!list || i < -1 || i >= static_cast<int>(list->pictures.size()) || !GetIconInfo(hicon, &info))
        return -1;
    // The icon is drawn at the list's size on black, and its mask likewise.
    QImage colour(list->cx, list->cy, QImage::Format_RGB32), mask(list->cx, list->cy, QImage::Format_RGB32);
    colour.fill(0xFF000000u);
    mask.fill(0xFF000000u);
    HDC dc = CreateImageDC(&colour);
    BOOL drawn = dc && DrawIconEx(dc, 0, 0, hicon, list->cx, list->cy, 0, nullptr, DI_IMAGE);
    DeleteDC(dc);
    dc = CreateImageDC(&mask);
    drawn = drawn && dc && DrawIconEx(dc, 0, 0, hicon, list->cx, list->cy, 0, nullptr, DI_MASK);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    if (!drawn)
        return -1;
    Picture p{colour, list->Masked() ? mask : QImage()};
    if (!list->Masked()) {
        p.mask = QImage(list->cx, list->cy, QImage::Format_RGB32);
        p.mask.fill(0xFF000000u);
    }
    if (i == -1) {
        if (list->pictures.size() >= kMaxImages)
            return -1;
        list->pictures.push_back(std::move(p));
        return static_cast<int>(list->pictures.size()) - 1;
    }
    list->pictures[static_cast<size_t>(i)] = std::move(p);
    return i;
}

int ImageList_AddIcon(HIMAGELIST himl, HICON hicon)
{
    return ImageList_ReplaceIcon(himl, -1, hicon);
}

BOOL ImageList_Remove(HIMAGELIST himl, int i)
{
    HIMAGELIST list = Live(himl);
    if (!list || i < -1 || i >= static_cast<int>(list->pictures.size()))
        return FALSE;
    if (i == -1)
        list->pictures.clear();
    else
        list->pictures.erase(list->pictures.begin() + i);
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk)
{
    HIMAGELIST list = Live(himl);
    if (!list)
        return CLR_NONE;
    COLORREF previous = list->bkColor;
    list->bkColor = clrBk;
    return previous;
}

COLORREF ImageList_GetBkColor(HIMAGELIST himl)
{
    HIMAGELIST list = Live(himl);
    return list ? list->bkColor : CLR_NONE;
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle)
{
    HIMAGELIST list = Live(himl);
    if (!list || !hdcDst || i < 0 || i >= static_cast<int>(list->pictures.size()))
        return FALSE;
    const Picture &p = list->pictures[static_cast<size_t>(i)];
    Blit::Rect target = Blit::DeviceRect(hdcDst, x, y, list->cx, list->cy);
    if (fStyle & ILD_MASK)
        return Blit::RunImage(hdcDst, target, p.mask, SRCCOPY);
    if (!list->Masked())
        return Blit::RunImage(hdcDst, target, p.colour, SRCCOPY);
    bool transparent = (fStyle & ILD_TRANSPARENT) || list->bkColor == CLR_NONE;
    if (transparent)
        return Blit::RunImage(hdcDst, target, p.mask, SRCAND) && Blit::RunImage(hdcDst, target, p.colour, SRCINVERT);
    // The background colour shows where the mask is set.
    QImage filled = p.colour.copy();
    uint32_t bk = Paints::ToPixel(list->bkColor) | 0xFF000000u;
    for (int yy = 0; yy < filled.height(); ++yy)
        for (int xx = 0; xx < filled.width(); ++xx)
            if ((p.mask.pixel(xx, yy) & 0xFFFFFF) == 0xFFFFFF)
                filled.setPixel(xx, yy, bk);
    return Blit::RunImage(hdcDst, target, filled, SRCCOPY);
}

HICON ImageList_GetIcon(HIMAGELIST himl, int i, UINT)
{
    HIMAGELIST list = Live(himl);
    if (!list || i < 0 || i >= static_cast<int>(list->pictures.size()))
        return nullptr;
    const Picture &p = list->pictures[static_cast<size_t>(i)];
    auto colour = std::make_shared<BitmapData>();
    colour->image = p.colour;
    auto mask = std::make_shared<BitmapData>();
    mask->image = p.mask;
    mask->bitsPixel = 1;
    ICONINFO info{TRUE, 0, 0, GdiHandles::Insert(mask), GdiHandles::Insert(colour)};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return icon;
}

HIMAGELIST ImageList_LoadBitmap(HINSTANCE hi, LPCTSTR lpbmp, int cx, int cGrow, COLORREF crMask)
{
    HBITMAP bitmap = LoadBitmap(hi, lpbmp);
    QImage image = BitmapImage(bitmap);
    if (image.isNull())
        return nullptr;
    if (cx <= 0)
        cx = image.width();
    UINT flags = ILC_COLOR | (crMask != CLR_NONE ? ILC_MASK : 0u);
    HIMAGELIST list = ImageList_Create(cx, image.height(), flags, image.width() / cx, cGrow);
    int added = list ? ImageList_AddMasked(list, bitmap, crMask) : -1;
    DeleteObject(bitmap);
    if (added < 0) {
        ImageList_Destroy(list);
        return nullptr;
    }
    return list;
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (!Live(hImageList))
        return FALSE;
    DeleteImageList();
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    BOOL ok = ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return ok;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    HIMAGELIST h = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return h ? Attach(h) : FALSE;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HIMAGELIST h = ImageList_LoadBitmap(nullptr, lpszBitmapID, cx, nGrow, crMask);
    return h ? Attach(h) : FALSE;
}

int CImageList::Add(CBitmap *pbmImage, CBitmap *pbmMask)
{
    return pbmImage ? ImageList_Add(m_hImageList, pbmImage->m_hObject, pbmMask ? pbmMask->m_hObject : nullptr) : -1;
}

int CImageList::Add(CBitmap *pbmImage, COLORREF crMask)
{
    return pbmImage ? ImageList_AddMasked(m_hImageList, pbmImage->m_hObject, crMask) : -1;
}

BOOL CImageList::Draw(CDC *pDC, int nImage, POINT pt, UINT nStyle)
{
    return pDC ? ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle) : FALSE;
}
