// Device contexts: creation for each kind of target, object selection and
// the saved-state stack.
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintDevice>

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/EmfRecorder.h"

#include "framework/gdi/DibSection.h"
#include "framework/gdi/RegionUtil.h"

namespace {

template <typename T>
std::shared_ptr<T> StockData(int index, GdiObjectKind kind, HGDIOBJ &handle)
{
    handle = GdiHandles::Stock(index);
    return GdiHandles::LookupAs<T>(handle, kind);
}

void InitialiseState(HDC__ &dc)
{
    DCState &s = dc.state;
    s.pen = StockData<PenData>(BLACK_PEN, GdiObjectKind::Pen, s.hPen);
    s.brush = StockData<BrushData>(WHITE_BRUSH, GdiObjectKind::Brush, s.hBrush);
    s.font = StockData<FontData>(SYSTEM_FONT, GdiObjectKind::Font, s.hFont);
    s.palette = StockData<PaletteData>(DEFAULT_PALETTE, GdiObjectKind::Palette, s.hPalette);
}

} // namespace

HDC__::~HDC__()
{
    if (painter && painter->isActive())
        painter->end();
}

QImage *HDC__::Image()
{
    switch (target) {
    case Target::Memory: return state.bitmap ? &state.bitmap->Current() : nullptr;
    case Target::Image: return externalImage;
    case Target::Device: return nullptr;
    }
    return nullptr;
}

void HDC__::Drawn(const WrittenRows &written)
{
    if (target == Target::Memory && state.bitmap)
        state.bitmap->Drawn(written);
}

bool HDC__::KeepsSectionBits()
{
    return target == Target::Memory && state.bitmap && state.bitmap->section;
}

void HDC__::Drawn(const QRect &area)
{
    if (target != Target::Memory || !state.bitmap || !state.bitmap->section)
        return;
    WrittenRows written(state.bitmap->image.height());
    written.Add(area);
    state.bitmap->Drawn(written);
}

QSize HDC__::Size()
{
    // The size needs no DIB section bits brought up to date.
    if (target == Target::Memory)
        return state.bitmap ? state.bitmap->image.size() : QSize(0, 0);
    if (QImage *img = Image())
        return img->size();
    if (device)
        return QSize(device->width(), device->height());
    return QSize(0, 0);
}

int HDC__::BitsPixel()
{
    // The screen context stands for the display: bitmaps made compatible
    // with it have the display's depth.
    if (target == Target::Memory && !screen)
        return state.bitmap ? state.bitmap->bitsPixel : 1;
    return 32;
}

bool HDC__::IsMono()
{
    return BitsPixel() == 1;
}

PixelStore HDC__::Store()
{
    if (IsMono())
        return PixelStore::Monochrome();
    return target == Target::Image ? PixelStore::Screen() : PixelStore::Bitmap();
}

QRegion HDC__::VisibleRegion()
{
    QRegion bounds(QRect(QPoint(0, 0), Size()));
    QRegion clip;
    return ClipRegion(clip) ? clip.intersected(bounds) : bounds;
}

bool HDC__::ClipRegion(QRegion &clip)
{
    if (!state.clipped && !systemClipped)
        return false;
    if (state.clipped && systemClipped)
        clip = state.clip.intersected(systemClip);
    else
        clip = state.clipped ? state.clip : systemClip;
    return true;
}

Paints::Context HDC__::PaintContext()
{
    const PaletteData *palette = state.palette.get();
    const std::vector<uint32_t> *table = DibColours();
    return Paints::Context{Paints::Resolve(state.textColor, palette, table),
                           Paints::Resolve(state.bkColor, palette, table),
                           state.bkMode,
                           state.rop2,
                           state.brushOrg.x,
                           state.brushOrg.y,
                           IsMono(),
                           palette,
                           table};
}

const std::vector<uint32_t> *HDC__::DibColours()
{
    if (target != Target::Memory || !state.bitmap || !state.bitmap->sectionInfo)
        return nullptr;
    const DibCodec::Layout &layout = state.bitmap->sectionInfo->layout;
    return layout.bitCount <= 8 ? &layout.colours : nullptr;
}

COLORREF HDC__::Colour(COLORREF c)
{
    return Paints::Resolve(c, state.palette.get(), DibColours());
}

namespace {
PlexoScreenPixelSource g_screenPixelSource = nullptr;
} // namespace

void PlexoSetScreenPixelSource(PlexoScreenPixelSource pfnSource)
{
    g_screenPixelSource = pfnSource;
}

COLORREF PlexoScreenPixel(int x, int y)
{
    return g_screenPixelSource ? g_screenPixelSource(x, y) : CLR_INVALID;
}

HDC CreateMemoryDC(HDC hReference)
{
    auto dc = std::make_unique<HDC__>();
    dc->target = HDC__::Target::Memory;
    if (hReference) {
        dc->dpiX = hReference->dpiX;
        dc->dpiY = hReference->dpiY;
    }
    InitialiseState(*dc);
    // A new memory context holds a one-pixel monochrome bitmap of its own
    // until the program selects one; nobody else can delete it.
    auto bitmap = std::make_shared<BitmapData>();
    bitmap->image = QImage(1, 1, QImage::Format_RGB32);
    bitmap->image.fill(0xFF000000u);
    bitmap->bitsPixel = 1;
    bitmap->stock = true;
    dc->state.bitmap = bitmap;
    dc->state.hBitmap = dc->defaultBitmap = GdiHandles::Insert(bitmap);
    return dc.release();
}

HDC CreateImageDC(QImage *image)
{
    if (!image || image->isNull())
        return nullptr;
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32 &&
        image->format() != QImage::Format_ARGB32_Premultiplied)
        image->convertTo(QImage::Format_RGB32);
    auto dc = std::make_unique<HDC__>();
    dc->target = HDC__::Target::Image;
    dc->externalImage = image;
    InitialiseState(*dc);
    return dc.release();
}

HDC CreatePaintDeviceDC(QPaintDevice *device, bool printing)
{
    if (!device)
        return nullptr;
    auto dc = std::make_unique<HDC__>();
    dc->target = HDC__::Target::Device;
    dc->device = device;
    dc->printing = printing;
    dc->dpiX = device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
    dc->dpiY = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    dc->physicalSize = QSize(device->width(), device->height());
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(device)) {
        QPageLayout layout = paged->pageLayout();
        QRect full = layout.fullRectPixels(dc->dpiX);
        QRect paint = layout.paintRectPixels(dc->dpiX);
        dc->physicalSize = full.size();
        dc->physicalOffset = paint.topLeft();
    }
    dc->painter = std::make_unique<QPainter>();
    if (!dc->painter->begin(device))
        return nullptr;
    dc->painter->setRenderHint(QPainter::Antialiasing, false);
    InitialiseState(*dc);
    return dc.release();
}

BOOL DeleteDC(HDC hdc)
{
    if (!hdc)
        return FALSE;
    if (hdc->defaultBitmap) {
        if (auto data = GdiHandles::Lookup(hdc->defaultBitmap)) {
            data->stock = false;
            GdiHandles::Remove(hdc->defaultBitmap);
        }
    }
    delete hdc;
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    if (!hdc)
        return nullptr;
    std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(h);
    if (!data)
        return nullptr;
    // A metafile context writes the object (once) and its selection.
    if (EmfRecorder *recorder = RecorderOf(hdc))
        recorder->SelectObject(h);
    DCState &s = hdc->state;
    HGDIOBJ previous = nullptr;
    switch (data->kind) {
    case GdiObjectKind::Pen:
        previous = s.hPen;
        s.hPen = h;
        s.pen = std::static_pointer_cast<PenData>(data);
        break;
    case GdiObjectKind::Brush:
        previous = s.hBrush;
        s.hBrush = h;
        s.brush = std::static_pointer_cast<BrushData>(data);
        break;
    case GdiObjectKind::Font:
        previous = s.hFont;
        s.hFont = h;
        s.font = std::static_pointer_cast<FontData>(data);
        break;
    case GdiObjectKind::Bitmap:
        if (hdc->target != HDC__::Target::Memory)
            return nullptr; // only memory contexts take bitmaps
        previous = s.hBitmap;
        s.hBitmap = h;
        s.bitmap = std::static_pointer_cast<BitmapData>(data);
        break;
    case GdiObjectKind::Region: {
        s.clipped = true;
        s.clip = std::static_pointer_cast<RgnData>(data)->region;
        return reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(RegionUtil::Type(s.clip)));
    }
    case GdiObjectKind::Palette:
        previous = s.hPalette;
        s.hPalette = h;
        s.palette = std::static_pointer_cast<PaletteData>(data);
        break;
    }
    return previous;
}
