#include "framework/shellui/Clipboard.h"

#include "framework/gdi/GdiObject.h"
#include "framework/object/GlobalMemory.h"
#include "framework/shellui/ClipboardMime.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <map>
#include <memory>

namespace {

// Frees a handle the clipboard owns: a bitmap for CF_BITMAP, a global block
// otherwise.
void FreeHandle(UINT format, HANDLE hData)
{
    if (format == CF_BITMAP)
        DeleteObject(static_cast<HGDIOBJ>(hData));
    else
        GlobalFree(hData);
}

struct ClipboardSession {
    bool open = false;
    HWND owner = nullptr;
    bool changed = false;               // emptied or set since it was opened
    std::unique_ptr<QMimeData> pending; // what goes out on close
    std::map<UINT, HANDLE> set;         // handles set in this session
    std::map<UINT, HANDLE> read;        // handles made for GetClipboardData
};

ClipboardSession &Session()
{
    static ClipboardSession session;
    return session;
}

void FreeAll(std::map<UINT, HANDLE> &handles)
{
    for (auto &[format, hData] : handles)
        FreeHandle(format, hData);
    handles.clear();
}

const QMimeData *DesktopData()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
}

// The data the session starts from when a program sets data without
// emptying first: what the clipboard already holds.
void BeginChange(ClipboardSession &session)
{
    if (session.changed)
        return;
    const QMimeData *current = DesktopData();
    session.pending.reset(current ? ClipboardMime::Copy(*current) : new QMimeData);
    session.changed = true;
}

} // namespace

BOOL OpenClipboard(HWND hWndNewOwner)
{
    ClipboardSession &session = Session();
    if (session.open || !QGuiApplication::clipboard())
        return FALSE;
    FreeAll(session.read);
    session.open = true;
    session.owner = hWndNewOwner;
    session.changed = false;
    session.pending.reset();
    return TRUE;
}

BOOL EmptyClipboard()
{
    ClipboardSession &session = Session();
    if (!session.open)
        return FALSE;
    FreeAll(session.read);
    FreeAll(session.set);
    session.pending = std::make_unique<QMimeData>();
    session.changed = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem)
{
    ClipboardSession &session = Session();
    if (!session.open || !hMem || !ClipboardMime::IsTransferable(uFormat))
        return nullptr;
    BeginChange(session);
    if (!ClipboardMime::Put(*session.pending, uFormat, hMem))
        return nullptr;
    auto it = session.set.find(uFormat);
    if (it != session.set.end() && it->second != hMem)
        FreeHandle(uFormat, it->second);
    session.set[uFormat] = hMem;
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat)
{
    ClipboardSession &session = Session();
    if (!session.open)
        return nullptr;
    auto own = session.set.find(uFormat);
    if (own != session.set.end())
        return own->second;
    auto cached = session.read.find(uFormat);
    if (cached != session.read.end())
        return cached->second;
    const QMimeData *source = session.changed ? session.pending.get() : DesktopData();
    if (!source)
        return nullptr;
    HANDLE hData = ClipboardMime::MakeHandle(*source, uFormat);
    if (hData)
        session.read[uFormat] = hData;
    return hData;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    const ClipboardSession &session = Session();
    const QMimeData *current = session.open && session.changed ? session.pending.get() : DesktopData();
    return current && ClipboardMime::Has(*current, format) ? TRUE : FALSE;
}

HWND GetOpenClipboardWindow()
{
    const ClipboardSession &session = Session();
    return session.open ? session.owner : nullptr;
}

BOOL CloseClipboard()
{
    ClipboardSession &session = Session();
    if (!session.open)
        return FALSE;
    session.open = false;
    session.owner = nullptr;
    if (session.changed) {
        // The desktop clipboard takes the data; the handles set were only
        // the way in.
        QGuiApplication::clipboard()->setMimeData(session.pending.release(), QClipboard::Clipboard);
        FreeAll(session.set);
        session.changed = false;
    }
    return TRUE;
}
