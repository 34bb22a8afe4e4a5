#include "framework/shellui/OleDataSource.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/ClipboardMime.h"
#include "framework/shellui/DragLoop.h"
#include "framework/shellui/OleDropSource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QObject>
#include <QPointer>

#include <memory>

namespace {

// The source the clipboard took over, deleted when the clipboard's data
// changes (or at exit).
struct ClipboardOwner {
    std::unique_ptr<COleDataSource> source;
    QPointer<QMimeData> data;
    bool setting = false;
};

ClipboardOwner &Owner()
{
    static ClipboardOwner owner;
    return owner;
}

} // namespace

COleDataSource::COleDataSource() = default;

COleDataSource::~COleDataSource()
{
    Empty();
    ClipboardOwner &owner = Owner();
    if (owner.source.get() == this)
        owner.source.release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC)
{
    if (!hGlobal)
        return;
    for (Entry &entry : m_entries) {
        if (entry.format == cfFormat) {
            if (entry.hGlobal != hGlobal)
                GlobalFree(entry.hGlobal);
            entry.hGlobal = hGlobal;
            return;
        }
    }
    m_entries.push_back(Entry{cfFormat, hGlobal});
}

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (!lpStgMedium || lpStgMedium->tymed != TYMED_HGLOBAL)
        return;
    CacheGlobalData(cfFormat, lpStgMedium->hGlobal, lpFormatEtc);
    lpStgMedium->hGlobal = nullptr;
    lpStgMedium->tymed = TYMED_NULL;
}

void COleDataSource::Empty()
{
    for (Entry &entry : m_entries)
        GlobalFree(entry.hGlobal);
    m_entries.clear();
}

QMimeData *COleDataSource::PlexoMakeMimeData() const
{
    auto *mime = new QMimeData;
    for (const Entry &entry : m_entries)
        ClipboardMime::Put(*mime, entry.format, entry.hGlobal);
    return mime;
}

void COleDataSource::SetClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    ClipboardOwner &owner = Owner();
    static bool watching = false;
    if (!watching) {
        watching = true;
        // Other data replaced ours (here or in another program): its
        // source goes.
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [] {
            ClipboardOwner &current = Owner();
            if (!current.setting && current.source && current.data.isNull())
                current.source.reset();
        });
    }
    QMimeData *mime = PlexoMakeMimeData();
    owner.setting = true;
    clipboard->setMimeData(mime, QClipboard::Clipboard);
    owner.setting = false;
    if (owner.source.get() != this)
        owner.source.reset(this); // the earlier owner goes
    owner.data = mime;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource *pDropSource)
{
    COleDropSource defaultSource;
    COleDropSource *source = pDropSource ? pDropSource : &defaultSource;
    source->m_dwEffects = dwEffects;
    if (lpRectStartDrag)
        source->m_rectStartDrag = *lpRectStartDrag;
    else
        source->m_rectStartDrag.SetRectEmpty();
    DragLoop::MouseHold hold;
    if (!source->OnBeginDrag(nullptr))
        return DROPEFFECT_NONE;
    std::unique_ptr<QMimeData> mime(PlexoMakeMimeData());
    return DragLoop::Run(*mime, dwEffects, *source);
}
