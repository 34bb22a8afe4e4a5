#include "library/view/QYClipboardPayload.h"

#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "framework/shell/ClipboardFormats.h"
#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"
#include "library/shapes/QYLinkComponent.h"

#include <vector>

namespace {

constexpr UINT kArchiveBuffer = 4096;

} // namespace

UINT QYGetComponentClipboardFormat()
{
    static const UINT nFormat = static_cast<WORD>(::RegisterClipboardFormat("Plexo Component"));
    return nFormat;
}

HGLOBAL QYWriteComponentPayload(CQYCompList* pList)
{
    CQYCompList listCopy;
    for (POSITION pos = pList != nullptr ? pList->GetHeadPosition() : nullptr; pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (!pComp->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            listCopy.AddTail(pComp);
    }
    if (listCopy.IsEmpty())
        return nullptr;
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, kArchiveBuffer);
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        listCopy.Serialize(ar);
        ar.Close();
    }
    return file.Detach();
}

BOOL QYReadComponentPayload(const BYTE* pBytes, size_t nSize, CDocument* pDocument, CQYCompList& list,
                            CString& strError)
{
    // A private copy: the memory file reads from bytes it may own.
    std::vector<BYTE> bytes(pBytes, pBytes + nSize);
    bytes.push_back(0);
    CMemFile file(bytes.data(), static_cast<UINT>(nSize));
    CQYCompList loaded;
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
        ar.m_pDocument = pDocument;
        loaded.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        TCHAR szCause[256] = {0};
        if (!e->GetErrorMessage(szCause, 256) || szCause[0] == 0)
            strError = "The clipboard does not hold components that can be pasted.";
        else
            strError = szCause;
        e->Delete();
        return FALSE;
    }
    list.AddTail(&loaded);
    return TRUE;
}
