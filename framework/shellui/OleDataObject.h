// COleDataObject: the receiving side of a data transfer.  It reads the
// clipboard (AttachClipboard) or the data of a drag over a drop target, and
// hands each format out as a new block or file that the caller owns.  The
// bytes are handed on as they are: a reader of a format must check them.
#pragma once

#include "framework/object/File.h"
#include "framework/shell/ClipboardFormats.h"
#include "framework/shell/OleTypes.h"

class QMimeData;

class COleDataObject {
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject &) = delete;
    COleDataObject &operator=(const COleDataObject &) = delete;

    // Reads whatever the clipboard holds at each request; always TRUE.
    BOOL AttachClipboard();
    void Release();

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A new block with the data (text ends in a zero byte), or NULL.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A new memory file over the data, at its start, that the caller
    // deletes; NULL when the format is absent.
    CFile *GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // Fills the medium with a new TYMED_HGLOBAL block (free it with
    // ReleaseStgMedium); FALSE when the format is absent or another medium
    // is asked for.
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);

    // Framework-internal: reads a drag's data, which the caller keeps alive
    // while attached (bOwn: the object deletes it).
    void PlexoAttachMimeData(const QMimeData *pData, BOOL bOwn);

private:
    const QMimeData *Data() const;
    bool WantsGlobalMemory(const FORMATETC *lpFormatEtc) const;

    bool m_bClipboard = false;
    const QMimeData *m_pData = nullptr;
    bool m_bOwnData = false;
};
