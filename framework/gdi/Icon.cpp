// Icons: creation from bitmaps and icon images, copies, and drawing through
// the mask and the colour image.
#include "framework/gdi/Icon.h"
#include "framework/gdi/EmfHooks.h"

#include "framework/gdi/Blit.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/IconImageSource.h"
#include "framework/gdi/PackedDib.h"
#include "framework/gdi/SystemColors.h"

#include <map>
#include <memory>
#include <mutex>

namespace {

// Sizes an icon may be stretched to.
constexpr int kMaxSide = 4096;

struct IconData {
    QImage colour; // black where the mask is set, for the XOR step
    QImage mask;   // white (1): target shows through; black (0): the colour image
    bool colourless = false;
    bool fIcon = true;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
};

struct IconTable {
    std::mutex mutex;
    std::map<HICON, std::unique_ptr<IconData>> icons;
};

IconTable &Table()
{
    static IconTable *table = new IconTable; // outlives static objects that free icons
    return *table;
}

PlexoIconImageSource g_source = nullptr;

HICON Insert(std::unique_ptr<IconData> data)
{
    HICON h = reinterpret_cast<HICON>(data.get());
    std::lock_guard<std::mutex> lock(Table().mutex);
    Table().icons[h] = std::move(data);
    return h;
}

// A copy of an icon made here; false for any other handle.
bool Find(HICON h, IconData &out)
{
    std::lock_guard<std::mutex> lock(Table().mutex);
    auto it = Table().icons.find(h);
    if (it == Table().icons.end())
        return false;
    out = *it->second;
    return true;
}

// An icon picture from the window layer's source: the mask from alpha, the
// colour image black where the mask is set.
bool FromSource(HICON h, int cx, int cy, IconData &out)
{
    if (!g_source || !h)
        return false;
    QImage image = g_source(h, cx, cy);
    if (image.isNull())
        return false;
    image = image.convertToFormat(QImage::Format_ARGB32);
    out.colour = QImage(image.size(), QImage::Format_RGB32);
    out.mask = QImage(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y);
            bool clear = qAlpha(p) < 128;
            out.colour.setPixel(x, y, clear ? 0xFF000000u : (p | 0xFF000000u));
            out.mask.setPixel(x, y, clear ? 0xFFFFFFFFu : 0xFF000000u);
        }
    return true;
}

std::shared_ptr<BitmapData> BitmapOf(HBITMAP h)
{
    return GdiHandles::LookupAs<BitmapData>(h, GdiObjectKind::Bitmap);
}

HBITMAP BitmapFrom(const QImage &image, int bitsPixel)
{
    auto bm = std::make_shared<BitmapData>();
    bm->image = image.convertToFormat(QImage::Format_RGB32);
    bm->bitsPixel = bitsPixel;
    return GdiHandles::Insert(std::move(bm));
}

// Blacks out the colour image where the mask lets the target through.
void ClearUnderMask(IconData &icon)
{
    for (int y = 0; y < icon.colour.height(); ++y)
        for (int x = 0; x < icon.colour.width(); ++x)
            if ((icon.mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF && !icon.colourless)
                icon.colour.setPixel(x, y, 0xFF000000u);
}

// 32-bit icon images may mark transparency by alpha instead of (or as well
// as) the mask: pixels less than half opaque are treated as masked.
void ApplyAlpha(const BYTE *bytes, const PackedDib::Parsed &parsed, QImage &mask)
{
    if (parsed.header.biBitCount != 32)
        return;
    DWORD rowBytes = static_cast<DWORD>(parsed.width) * 4;
    bool topDown = parsed.header.biHeight < 0;
    bool anyAlpha = false;
    for (int scan = 0; scan < parsed.height && !anyAlpha; ++scan)
        for (int x = 0; x < parsed.width && !anyAlpha; ++x)
            anyAlpha = bytes[parsed.bitsOffset + static_cast<size_t>(scan) * rowBytes + 4 * x + 3] != 0;
    if (!anyAlpha)
        return;
    for (int scan = 0; scan < parsed.height; ++scan) {
        int y = topDown ? scan : parsed.height - 1 - scan;
        for (int x = 0; x < parsed.width; ++x)
            if (bytes[parsed.bitsOffset + static_cast<size_t>(scan) * rowBytes + 4 * x + 3] < 128)
                mask.setPixel(x, y, 0xFFFFFFFFu);
    }
}

} // namespace

void PlexoSetIconImageSource(PlexoIconImageSource source)
{
    g_source = source;
}

HICON CreateIconIndirect(PICONINFO piconinfo)
{
    if (!piconinfo)
        return nullptr;
    auto mask = BitmapOf(piconinfo->hbmMask);
    if (!mask)
        return nullptr;
    auto icon = std::make_unique<IconData>();
    icon->fIcon = piconinfo->fIcon;
    icon->xHotspot = piconinfo->xHotspot;
    icon->yHotspot = piconinfo->yHotspot;
    if (piconinfo->hbmColor) {
        auto colour = BitmapOf(piconinfo->hbmColor);
        if (!colour || colour->Current().size() != mask->Current().size())
            return nullptr;
        icon->colour = colour->image.copy();
        icon->mask = mask->image.copy();
    } else {
        // A monochrome icon: the AND mask above the XOR image.
        int h = mask->Current().height() / 2;
        if (h == 0)
            return nullptr;
        icon->mask = mask->image.copy(0, 0, mask->image.width(), h);
        icon->colour = mask->image.copy(0, h, mask->image.width(), h);
        icon->colourless = true;
    }
    if (icon->fIcon) {
        icon->xHotspot = static_cast<DWORD>(icon->mask.width() / 2);
        icon->yHotspot = static_cast<DWORD>(icon->mask.height() / 2);
    }
    return Insert(std::move(icon));
}

BOOL GetIconInfo(HICON hIcon, PICONINFO piconinfo)
{
    if (!piconinfo)
        return FALSE;
    IconData icon;
    if (!Find(hIcon, icon) && !FromSource(hIcon, 0, 0, icon))
        return FALSE;
    piconinfo->fIcon = icon.fIcon;
    piconinfo->xHotspot = icon.xHotspot;
    piconinfo->yHotspot = icon.yHotspot;
    if (icon.colourless) {
        QImage stacked(icon.mask.width(), icon.mask.height() * 2, QImage::Format_RGB32);
        for (int y = 0; y < icon.mask.height(); ++y)
            for (int x = 0; x < icon.mask.width(); ++x) {
                stacked.setPixel(x, y, icon.mask.pixel(x, y));
                stacked.setPixel(x, y + icon.mask.height(), icon.colour.pixel(x, y));
            }
        piconinfo->hbmMask = BitmapFrom(stacked, 1);
        piconinfo->hbmColor = nullptr;
    } else {
        piconinfo->hbmMask = BitmapFrom(icon.mask, 1);
        piconinfo->hbmColor = BitmapFrom(icon.colour, 32);
    }
    return TRUE;
}

HICON CopyIcon(HICON hIcon)
{
    IconData icon;
    if (Find(hIcon, icon))
        return Insert(std::make_unique<IconData>(icon));
    return hIcon;
}

HICON CreateIconFromResourceEx(LPBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer, int cxDesired, int cyDesired,
                               UINT)
{
    if (!presbits || (dwVer != 0x30000 && dwVer != 0x20000) || cxDesired < 0 || cyDesired < 0 || cxDesired > kMaxSide ||
        cyDesired > kMaxSide)
        return nullptr;
    const BYTE *bytes = presbits;
    size_t size = dwResSize;
    DWORD xHot = 0, yHot = 0;
    if (!fIcon) {
        // A cursor image starts with its hot spot (two WORDs).
        if (size < 4)
            return nullptr;
        xHot = static_cast<DWORD>(bytes[0] | bytes[1] << 8);
        yHot = static_cast<DWORD>(bytes[2] | bytes[3] << 8);
        bytes += 4;
        size -= 4;
    }
    PackedDib::Parsed parsed;
    QImage colour = PackedDib::Decode(bytes, size, 2, &parsed);
    if (colour.isNull())
        return nullptr;
    QImage mask = PackedDib::DecodeIconMask(bytes, size, parsed);
    if (mask.isNull())
        return nullptr;
    ApplyAlpha(bytes, parsed, mask); // the colour rows lie inside size: Decode checked them
    auto icon = std::make_unique<IconData>();
    icon->fIcon = fIcon;
    icon->colour = colour;
    icon->mask = mask;
    icon->xHotspot = fIcon ? static_cast<DWORD>(colour.width() / 2) : xHot;
    icon->yHotspot = fIcon ? static_cast<DWORD>(colour.height() / 2) : yHot;
    if (cxDesired > 0 && cyDesired > 0 && (cxDesired != colour.width() || cyDesired != colour.height())) {
        icon->colour = colour.scaled(cxDesired, cyDesired);
        icon->mask = mask.scaled(cxDesired, cyDesired);
    }
    ClearUnderMask(*icon);
    return Insert(std::move(icon));
}

HICON CreateIconFromResource(LPBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer)
{
    return CreateIconFromResourceEx(presbits, dwResSize, fIcon, dwVer, 0, 0, 0);
}

BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT, HBRUSH hbrFlickerFreeDraw,
                UINT diFlags)
{
    if (!hdc || cxWidth < 0 || cyWidth < 0 || cxWidth > kMaxSide || cyWidth > kMaxSide)
        return FALSE;
    IconData icon;
    if (!Find(hIcon, icon) && !FromSource(hIcon, cxWidth, cyWidth, icon))
        return FALSE;
    if (cxWidth == 0)
        cxWidth = (diFlags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CXICON) : icon.colour.width();
    if (cyWidth == 0)
        cyWidth = (diFlags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CYICON) : icon.colour.height();
    if ((diFlags & DI_NORMAL) == 0)
        return FALSE;
    // The icon's size is in logical units, like the position.
    Blit::Rect target = Blit::DeviceRect(hdc, xLeft, yTop, cxWidth, cyWidth);
    if (hbrFlickerFreeDraw) {
        RECT r{xLeft, yTop, xLeft + cxWidth, yTop + cyWidth};
        FillRect(hdc, &r, hbrFlickerFreeDraw);
    }
    if (EmfRecorder *recorder = RecorderOf(hdc)) {
        // A metafile gets the icon's two transfers with their pictures.
        const bool stretch = icon.colour.size() != QSize(cxWidth, cyWidth);
        if ((diFlags & DI_NORMAL) == DI_NORMAL) {
            recorder->Transfer(xLeft, yTop, cxWidth, cyWidth, icon.mask, SRCAND, stretch);
            recorder->Transfer(xLeft, yTop, cxWidth, cyWidth, icon.colour, SRCINVERT, stretch);
        } else {
            recorder->Transfer(xLeft, yTop, cxWidth, cyWidth, (diFlags & DI_MASK) ? icon.mask : icon.colour, SRCCOPY,
                               stretch);
        }
        return TRUE;
    }
    if ((diFlags & DI_NORMAL) == DI_NORMAL)
        return Blit::RunImage(hdc, target, icon.mask, SRCAND) && Blit::RunImage(hdc, target, icon.colour, SRCINVERT);
    return Blit::RunImage(hdc, target, (diFlags & DI_MASK) ? icon.mask : icon.colour, SRCCOPY);
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon)
{
    return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

BOOL PlexoDestroyGdiIcon(HICON hIcon)
{
    std::lock_guard<std::mutex> lock(Table().mutex);
    return Table().icons.erase(hIcon) ? TRUE : FALSE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
