// Cursors: standard shapes map to Qt's; resource cursors are images with a
// hot spot. SetCursor changes the shape shown over the window that last got
// WM_SETCURSOR (or the capture window).
#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>

#include <map>
#include <memory>
#include <string>

struct HCURSOR__ {
    QCursor cursor;
};

namespace {

struct CursorResource {
    std::string path;
    int xHot;
    int yHot;
};

std::map<UINT, CursorResource> &Resources()
{
    static std::map<UINT, CursorResource> resources;
    return resources;
}

// Loaded cursors live until the program ends, as shared cursors do
// (a replaced registration's cursor is the exception).
std::map<ULONG_PTR, std::unique_ptr<HCURSOR__>> &Loaded()
{
    static std::map<ULONG_PTR, std::unique_ptr<HCURSOR__>> loaded;
    return loaded;
}

Qt::CursorShape StandardShape(ULONG_PTR id, bool *known)
{
    *known = true;
    switch (id) {
    case 32512: return Qt::ArrowCursor;
    case 32513: return Qt::IBeamCursor;
    case 32514: return Qt::WaitCursor;
    case 32515: return Qt::CrossCursor;
    case 32516: return Qt::UpArrowCursor;
    case 32640: case 32646: return Qt::SizeAllCursor;
    case 32642: return Qt::SizeFDiagCursor;
    case 32643: return Qt::SizeBDiagCursor;
    case 32644: return Qt::SizeHorCursor;
    case 32645: return Qt::SizeVerCursor;
    case 32648: return Qt::ForbiddenCursor;
    case 32649: return Qt::PointingHandCursor;
    case 32650: return Qt::BusyCursor;
    case 32651: return Qt::WhatsThisCursor;
    default: *known = false; return Qt::ArrowCursor;
    }
}

HCURSOR g_current = nullptr;
int g_showCount = 0;

} // namespace

void PlexoRegisterCursor(UINT nID, LPCTSTR lpszImagePath, int xHotSpot, int yHotSpot)
{
    if (!lpszImagePath)
        return;
    Resources()[nID] = CursorResource{lpszImagePath, xHotSpot, yHotSpot};
    Loaded().erase(nID | 0x10000); // a new registration replaces what was loaded
}

HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName)
{
    if (!IS_INTRESOURCE(lpCursorName))
        return nullptr;
    auto id = reinterpret_cast<ULONG_PTR>(lpCursorName);
    bool known = false;
    Qt::CursorShape shape = StandardShape(id, &known);
    // The desktop's cursors come with no instance; a program's by resource id.
    bool standard = known && !hInstance;
    ULONG_PTR key = standard ? id : (id | 0x10000);
    auto it = Loaded().find(key);
    if (it != Loaded().end())
        return it->second.get();
    auto cursor = std::make_unique<HCURSOR__>();
    if (standard) {
        cursor->cursor = QCursor(shape);
    } else {
        auto res = Resources().find(static_cast<UINT>(id));
        if (res == Resources().end())
            return nullptr;
        QImage image(QString::fromUtf8(res->second.path.c_str()));
        if (image.isNull())
            return nullptr;
        cursor->cursor = QCursor(QPixmap::fromImage(image), res->second.xHot, res->second.yHot);
    }
    HCURSOR h = cursor.get();
    Loaded()[key] = std::move(cursor);
    return h;
}

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName)
{
    return LoadCursor(hInstance, lpIconName);
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

void Cursors::Apply(HWND hWnd)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h || !h->widget)
        return;
    if (g_showCount < 0)
        h->widget->setCursor(Qt::BlankCursor);
    else if (g_current)
        h->widget->setCursor(g_current->cursor);
    else
        h->widget->setCursor(Qt::ArrowCursor);
}
