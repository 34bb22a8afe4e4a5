// What an HDC stands for: the drawing state of one device context and its
// target (the bitmap selected into a memory context, an image supplied by
// the windowing layer, or a paint device such as a printer or a PDF file).
// Framework-internal: CDC and the other framework modules use it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "framework/gdi/CoordinateMapping.h"
#include "framework/gdi/FillPaint.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/GdiPath.h"
#include "framework/gdi/PixelStore.h"
#include "framework/gdi/WrittenRows.h"

#include <functional>
#include <memory>
#include <vector>

class QPaintDevice;
class EmfRecorder;

// Everything SaveDC saves.
struct DCState {
    HGDIOBJ hPen = nullptr;
    HGDIOBJ hBrush = nullptr;
    HGDIOBJ hFont = nullptr;
    HGDIOBJ hBitmap = nullptr;
    HGDIOBJ hPalette = nullptr;
    std::shared_ptr<PenData> pen;
    std::shared_ptr<BrushData> brush;
    std::shared_ptr<FontData> font;
    std::shared_ptr<BitmapData> bitmap;
    std::shared_ptr<PaletteData> palette;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    int polyFillMode = ALTERNATE;
    int stretchBltMode = 1;
    int arcDirection = AD_COUNTERCLOCKWISE;
    int textCharExtra = 0;
    CoordinateMapping mapping;
    POINT brushOrg{0, 0};
    POINT currentPos{0, 0};
    bool clipped = false; // false: the whole target is visible
    QRegion clip;         // device pixels, when clipped
    GdiPath path;         // device pixels
};

struct HDC__ {
    enum class Target { Memory, Image, Device };

    Target target = Target::Memory;
    DCState state;
    std::vector<DCState> saved;
    QImage *externalImage = nullptr;   // Image target, owned by the caller
    QPaintDevice *device = nullptr;    // Device target, owned by the caller
    std::unique_ptr<QPainter> painter; // open for the whole life of a Device target
    bool printing = false;
    int dpiX = 96;
    int dpiY = 96;
    QSize physicalSize;    // printers: the whole sheet in device pixels
    QPoint physicalOffset; // printers: the printable area's offset
    // The system clip (a window's update region while it paints): it limits
    // drawing under the program's own clip, which SelectClipRgn(NULL) resets.
    bool systemClipped = false;
    QRegion systemClip;              // device pixels
    HGDIOBJ defaultBitmap = nullptr; // memory contexts: the bitmap they start with
    int pagesStarted = 0;            // printers: pages begun since StartDoc
    // Printers: told when a job ends, true for EndDoc, false for AbortDoc
    // (a printing context that writes a file through a stand-in moves or
    // removes it then).
    std::function<void(bool bCompleted)> docEnded;
    // Paint devices cannot be read back; the last block transfer's pixels
    // (alpha 0 where it left the target alone) stand in for the destination
    // of the next transfer to the same rectangle, as masked drawing needs.
    QImage lastTransfer;
    QRect lastTransferRect;
    // The screen context (GetDC(NULL)): its pixels are read from the screen.
    bool screen = false;
    // Set on a metafile context: its drawing calls become records (EmfHooks.h).
    std::unique_ptr<EmfRecorder> recorder;

    ~HDC__();

    // The image drawn into, or NULL for a paint-device target.
    QImage *Image();
    // Called when a drawing operation has finished writing into Image():
    // a DIB section's bits take the pixels written.
    void Drawn(const WrittenRows &written);
    void Drawn(const QRect &area);
    // Whether the target is a DIB section whose bits follow its image.
    bool KeepsSectionBits();
    QSize Size();
    int BitsPixel();
    bool IsMono();
    // How drawn words are kept in the target image.
    PixelStore Store();
    // The visible part of the target in device pixels (clip and bounds).
    QRegion VisibleRegion();
    // The program's clip within the system clip; false when neither limits drawing.
    bool ClipRegion(QRegion &clip);
    Paints::Context PaintContext();
    // A colour as RGB through the selected palette and, for DIBINDEX
    // colours, the colour table of the DIB section drawn into.
    COLORREF Colour(COLORREF c);
    const std::vector<uint32_t> *DibColours();
};

// Where the screen context's pixels come from: the windowing layer installs
// it. The answer is a COLORREF, or CLR_INVALID where the screen cannot be read.
typedef COLORREF (*PlexoScreenPixelSource)(int x, int y);
void PlexoSetScreenPixelSource(PlexoScreenPixelSource pfnSource);
COLORREF PlexoScreenPixel(int x, int y);

// Creation of contexts for the framework's targets (the windowing and
// printing layers call these); free them with DeleteDC.
HDC CreateMemoryDC(HDC hReference);
HDC CreateImageDC(QImage *image);
HDC CreatePaintDeviceDC(QPaintDevice *device, bool printing);
BOOL DeleteDC(HDC hdc);
