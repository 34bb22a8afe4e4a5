#include "framework/resources/ResourceImages.h"

#include "framework/resources/Resources.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include <map>
#include <mutex>

namespace {

struct ImageEntry {
    QString path;
    int xHotSpot = 0;
    int yHotSpot = 0;
};

enum class Kind { Bitmap, Icon, Cursor };

struct ImageRegistry {
    std::mutex lock;
    std::map<std::pair<Kind, UINT>, ImageEntry> entries;
};

ImageRegistry &TheImages()
{
    static ImageRegistry registry;
    return registry;
}

void Register(Kind kind, UINT nID, LPCTSTR lpszPath, int x, int y)
{
    ImageRegistry &registry = TheImages();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.entries[{kind, nID}] = {QString::fromUtf8(lpszPath ? lpszPath : ""), x, y};
}

bool Find(Kind kind, LPCTSTR lpName, ImageEntry &entry)
{
    UINT nID = 0;
    if (!PlexoResourceIdFromName(lpName, nID))
        return false;
    ImageRegistry &registry = TheImages();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.entries.find({kind, nID});
    if (found == registry.entries.end())
        return false;
    entry = found->second;
    return true;
}

bool StandardCursorShape(LPCTSTR lpName, Qt::CursorShape &shape)
{
    static const std::map<ULONG_PTR, Qt::CursorShape> shapes = {
        {32512, Qt::ArrowCursor},     {32513, Qt::IBeamCursor},        {32514, Qt::WaitCursor},
        {32515, Qt::CrossCursor},     {32516, Qt::UpArrowCursor},      {32640, Qt::SizeAllCursor},
        {32641, Qt::ArrowCursor},     {32642, Qt::SizeFDiagCursor},    {32643, Qt::SizeBDiagCursor},
        {32644, Qt::SizeHorCursor},   {32645, Qt::SizeVerCursor},      {32646, Qt::SizeAllCursor},
        {32648, Qt::ForbiddenCursor}, {32649, Qt::PointingHandCursor}, {32650, Qt::BusyCursor},
        {32651, Qt::WhatsThisCursor},
    };
    if (!IS_INTRESOURCE(lpName))
        return false;
    auto found = shapes.find(reinterpret_cast<ULONG_PTR>(lpName));
    if (found == shapes.end())
        return false;
    shape = found->second;
    return true;
}

bool StandardIcon(LPCTSTR lpName, QStyle::StandardPixmap &pixmap)
{
    static const std::map<ULONG_PTR, QStyle::StandardPixmap> icons = {
        {32512, QStyle::SP_DesktopIcon},           {32513, QStyle::SP_MessageBoxCritical},
        {32514, QStyle::SP_MessageBoxQuestion},    {32515, QStyle::SP_MessageBoxWarning},
        {32516, QStyle::SP_MessageBoxInformation}, {32517, QStyle::SP_DesktopIcon},
    };
    if (!IS_INTRESOURCE(lpName))
        return false;
    auto found = icons.find(reinterpret_cast<ULONG_PTR>(lpName));
    if (found == icons.end())
        return false;
    pixmap = found->second;
    return true;
}

} // namespace

bool PlexoRegisteredImagePath(UINT nID, bool icon, QString &path)
{
    ImageEntry entry;
    if (!Find(icon ? Kind::Icon : Kind::Bitmap, MAKEINTRESOURCE(nID), entry))
        return false;
    path = entry.path;
    return true;
}

std::vector<UINT> PlexoRegisteredIconIds()
{
    ImageRegistry &registry = TheImages();
    std::lock_guard<std::mutex> guard(registry.lock);
    std::vector<UINT> ids;
    for (const auto &[key, entry] : registry.entries)
        if (key.first == Kind::Icon)
            ids.push_back(key.second);
    return ids;
}

void PlexoRegisterBitmap(UINT nID, LPCTSTR lpszPath)
{
    Register(Kind::Bitmap, nID, lpszPath, 0, 0);
}

void PlexoRegisterIcon(UINT nID, LPCTSTR lpszPath)
{
    Register(Kind::Icon, nID, lpszPath, 0, 0);
}

void PlexoRegisterCursor(UINT nID, LPCTSTR lpszPath, int xHotSpot, int yHotSpot)
{
    Register(Kind::Cursor, nID, lpszPath, xHotSpot, yHotSpot);
}

QImage PlexoLoadBitmapImage(LPCTSTR lpBitmapName)
{
    ImageEntry entry;
    if (!Find(Kind::Bitmap, lpBitmapName, entry))
        return QImage();
    return QImage(entry.path);
}

QIcon PlexoLoadIconResource(LPCTSTR lpIconName)
{
    ImageEntry entry;
    if (Find(Kind::Icon, lpIconName, entry)) {
        // QIcon reads its file only when drawn; check that it can be read.
        return QImage(entry.path).isNull() ? QIcon() : QIcon(entry.path);
    }
    QStyle::StandardPixmap pixmap;
    // The desktop's icons come from the widget style, which only a widget
    // application has.
    if (StandardIcon(lpIconName, pixmap) && qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr)
        return QApplication::style()->standardIcon(pixmap);
    return QIcon();
}

QImage PlexoLoadIconImage(LPCTSTR lpIconName, int nSize)
{
    QIcon icon = PlexoLoadIconResource(lpIconName);
    if (icon.isNull() || nSize <= 0)
        return QImage();
    return icon.pixmap(nSize, nSize).toImage();
}

BOOL PlexoLoadCursorResource(LPCTSTR lpCursorName, QCursor &cursor)
{
    ImageEntry entry;
    if (Find(Kind::Cursor, lpCursorName, entry)) {
        QPixmap pixmap(entry.path);
        if (pixmap.isNull())
            return FALSE;
        cursor = QCursor(pixmap, entry.xHotSpot, entry.yHotSpot);
        return TRUE;
    }
    Qt::CursorShape shape;
    if (!StandardCursorShape(lpCursorName, shape))
        return FALSE;
    cursor = QCursor(shape);
    return TRUE;
}
