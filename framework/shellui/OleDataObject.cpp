#include "framework/shellui/OleDataObject.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/ClipboardMime.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

COleDataObject::COleDataObject() = default;

COleDataObject::~COleDataObject()
{
    Release();
}

BOOL COleDataObject::AttachClipboard()
{
    Release();
    m_bClipboard = true;
    return TRUE;
}

void COleDataObject::PlexoAttachMimeData(const QMimeData *pData, BOOL bOwn)
{
    Release();
    m_pData = pData;
    m_bOwnData = pData && bOwn;
}

void COleDataObject::Release()
{
    if (m_bOwnData)
        delete m_pData;
    m_pData = nullptr;
    m_bOwnData = false;
    m_bClipboard = false;
}

const QMimeData *COleDataObject::Data() const
{
    if (!m_bClipboard)
        return m_pData;
    QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
}

bool COleDataObject::WantsGlobalMemory(const FORMATETC *lpFormatEtc) const
{
    return !lpFormatEtc || (lpFormatEtc->tymed & TYMED_HGLOBAL);
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    const QMimeData *data = Data();
    // A bitmap travels as a bitmap, not as a block: only its presence counts.
    if (!data || (cfFormat != CF_BITMAP && !WantsGlobalMemory(lpFormatEtc)))
        return FALSE;
    return ClipboardMime::Has(*data, cfFormat) ? TRUE : FALSE;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    const QMimeData *data = Data();
    if (!data || !WantsGlobalMemory(lpFormatEtc) || cfFormat == CF_BITMAP)
        return nullptr;
    return ClipboardMime::MakeHandle(*data, cfFormat);
}

CFile *COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    HGLOBAL hData = GetGlobalData(cfFormat, lpFormatEtc);
    if (!hData)
        return nullptr;
    auto *file = new CMemFile(4096);
    try {
        const size_t size = GlobalSize(hData);
        const void *bytes = GlobalLock(hData);
        for (size_t done = 0; done < size;) {
            // Write takes a UINT count: large data goes in pieces.
            const UINT piece = static_cast<UINT>(std::min<size_t>(size - done, 1u << 30));
            file->Write(static_cast<const BYTE *>(bytes) + done, piece);
            done += piece;
        }
        GlobalUnlock(hData);
        GlobalFree(hData);
        file->SeekToBegin();
    } catch (...) {
        GlobalFree(hData);
        delete file;
        throw;
    }
    return file;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (!lpStgMedium)
        return FALSE;
    HGLOBAL hData = GetGlobalData(cfFormat, lpFormatEtc);
    if (!hData)
        return FALSE;
    lpStgMedium->tymed = TYMED_HGLOBAL;
    lpStgMedium->hGlobal = hData;
    lpStgMedium->pUnkForRelease = nullptr;
    return TRUE;
}
