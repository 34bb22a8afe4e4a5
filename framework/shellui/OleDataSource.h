// COleDataSource: the giving side of a data transfer.  It caches global
// blocks by format (and owns them from then on), and hands them to the
// clipboard or to a drag-and-drop.
#pragma once

#include "framework/base/CRect.h"
#include "framework/shell/ClipboardFormats.h"
#include "framework/shell/OleTypes.h"

#include <vector>

class COleDropSource;
class QMimeData;

class COleDataSource {
public:
    COleDataSource();
    virtual ~COleDataSource();
    COleDataSource(const COleDataSource &) = delete;
    COleDataSource &operator=(const COleDataSource &) = delete;

    // The source owns the block from now on; caching a format again
    // replaces (and frees) the earlier block.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    // A TYMED_HGLOBAL medium; the source takes over its block.
    void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    // Frees every cached block.
    void Empty();

    // Puts the data on the clipboard, which takes the (heap-made) source
    // over: it is deleted when other data replaces it, so callers do not
    // delete it themselves.  A source on the stack may be used too: its
    // destructor takes it back from the clipboard (whose data stays).
    void SetClipboard();
    // Flushes the data the clipboard holds for a source that is going away;
    // nothing here, since the clipboard keeps its own copy.
    static void FlushClipboard() {}

    // Runs a drag-and-drop with the cached data and returns the effect the
    // drop target took, or DROPEFFECT_NONE when the drag was abandoned,
    // cancelled or refused.  Modal: it returns when the drag ends.  The
    // drag starts once the mouse leaves lpRectStartDrag (screen
    // coordinates) or after the drag delay; with no rectangle it starts at
    // once.  pDropSource NULL uses a default drop source.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource *pDropSource = nullptr);

    // Framework-internal: the cached data as MIME data (a new object).
    QMimeData *PlexoMakeMimeData() const;

private:
    struct Entry {
        CLIPFORMAT format;
        HGLOBAL hGlobal;
    };
    std::vector<Entry> m_entries;
};
