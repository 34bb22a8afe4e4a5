// Cursors and icons as handles: the shapes come from the resource registry
// (registered images, the program's icon groups, or the desktop's standard
// cursors and icons).
// SetCursor changes the shape shown over the window that last got
// WM_SETCURSOR (or the capture window).
#include "framework/window/CursorApi.h"
#include "framework/window/CursorHandles.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/IconImageSource.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/ResourceImages.h"

#include <QCursor>
#include <QIcon>

#include <map>
#include <memory>

struct HCURSOR__ {
    QCursor cursor;
    QIcon icon;
};

namespace {

// Loaded cursors and icons are shared and live until the program ends.
// The key tells cursors from icons and a name from an id.
std::map<ULONG_PTR, std::unique_ptr<HCURSOR__>> &Loaded()
{
    static std::map<ULONG_PTR, std::unique_ptr<HCURSOR__>> loaded;
    return loaded;
}

constexpr ULONG_PTR kIconKey = 0x10000;

HCURSOR g_current = nullptr;
int g_showCount = 0;

bool IsLoadedHandle(HCURSOR handle)
{
    for (const auto &entry : Loaded())
        if (entry.second.get() == handle)
            return true;
    return false;
}

// The picture of an icon or cursor loaded here, for the drawing layer's
// DrawIcon; a null image for handles the drawing layer made itself.
QImage ImageOfLoadedHandle(HICON hIcon, int cx, int cy)
{
    if (!hIcon || !IsLoadedHandle(hIcon))
        return QImage();
    const QSize size(cx > 0 ? cx : 32, cy > 0 ? cy : 32);
    if (!hIcon->icon.isNull())
        return hIcon->icon.pixmap(size).toImage().scaled(size);
    return hIcon->cursor.pixmap().toImage().scaled(size);
}

const bool g_imageSourceRegistered = (PlexoSetIconImageSource(&ImageOfLoadedHandle), true);

// One part of a drawing-layer icon (DI_IMAGE or DI_MASK) at its own size.
QImage IconPart(HICON made, int size, UINT part)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    HDC hdc = CreateImageDC(&image);
    if (!hdc)
        return QImage();
    const BOOL drawn = DrawIconEx(hdc, 0, 0, made, size, size, 0, nullptr, part);
    DeleteDC(hdc);
    return drawn ? image : QImage();
}

// The image of the program's icon group nearest to size by size pixels,
// as the drawing layer picks and stretches it, made into a picture whose
// alpha is clear where the icon's mask lets the target show through. A
// missing or unreadable group gives a null image.
QImage GroupIconImage(LPCTSTR lpIconName, int size)
{
    HICON made = static_cast<HICON>(LoadImage(nullptr, lpIconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!made)
        return QImage();
    const QImage colour = IconPart(made, size, DI_IMAGE);
    const QImage mask = IconPart(made, size, DI_MASK);
    PlexoDestroyGdiIcon(made);
    if (colour.isNull() || mask.isNull())
        return QImage();
    QImage picture(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool clear = (mask.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
            picture.setPixel(x, y, clear ? 0u : (colour.pixel(x, y) | 0xFF000000u));
        }
    return picture;
}

// The program's icon group (RT_GROUP_ICON) as an icon with its images for
// the large and the small icon size; a null icon when there is no group.
QIcon GroupIcon(LPCTSTR lpIconName)
{
    QIcon icon;
    for (int size : {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON)}) {
        const QImage picture = GroupIconImage(lpIconName, size);
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

} // namespace

HCURSOR LoadCursor(HINSTANCE, LPCTSTR lpCursorName)
{
    if (!IS_INTRESOURCE(lpCursorName))
        return nullptr;
    auto key = reinterpret_cast<ULONG_PTR>(lpCursorName);
    auto it = Loaded().find(key);
    if (it != Loaded().end())
        return it->second.get();
    auto handle = std::make_unique<HCURSOR__>();
    if (!PlexoLoadCursorResource(lpCursorName, handle->cursor))
        return nullptr;
    HCURSOR h = handle.get();
    Loaded()[key] = std::move(handle);
    return h;
}

HICON LoadIcon(HINSTANCE, LPCTSTR lpIconName)
{
    if (!IS_INTRESOURCE(lpIconName))
        return nullptr;
    ULONG_PTR key = reinterpret_cast<ULONG_PTR>(lpIconName) | kIconKey;
    auto it = Loaded().find(key);
    if (it != Loaded().end())
        return it->second.get();
    auto handle = std::make_unique<HCURSOR__>();
    handle->icon = PlexoLoadIconResource(lpIconName);
    if (handle->icon.isNull())
        handle->icon = GroupIcon(lpIconName);
    if (handle->icon.isNull())
        return nullptr;
    HICON h = handle.get();
    Loaded()[key] = std::move(handle);
    return h;
}

QCursor PlexoCursorFromHandle(HCURSOR hCursor)
{
    return hCursor ? hCursor->cursor : QCursor(Qt::ArrowCursor);
}

QIcon PlexoIconFromHandle(HICON hIcon)
{
    // Icons the drawing layer made are not loaded icons.
    return hIcon && IsLoadedHandle(hIcon) ? hIcon->icon : QIcon();
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    HCURSOR old = g_current;
    g_current = hCursor;
    if (HWND h = GetCapture())
        Cursors::Apply(h);
    return old;
}

HCURSOR GetCursor()
{
    return g_current;
}

int ShowCursor(BOOL bShow)
{
    g_showCount += bShow ? 1 : -1;
    return g_showCount;
}

BOOL DestroyCursor(HCURSOR)
{
    // Loaded cursors are shared and stay until the program ends.
    return TRUE;
}

BOOL DestroyIcon(HICON hIcon)
{
    // Icons the drawing layer made are freed there; loaded ones are shared
    // and stay until the program ends.
    if (PlexoDestroyGdiIcon(hIcon))
        return TRUE;
    return hIcon && IsLoadedHandle(hIcon) ? TRUE : FALSE;
}

void Cursors::Apply(HWND hWnd)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h || !h->widget)
        return;
    if (g_showCount < 0)
        h->widget->setCursor(Qt::BlankCursor);
    else
        h->widget->setCursor(PlexoCursorFromHandle(g_current));
}
