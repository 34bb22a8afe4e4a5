#include "library/ui/QYToolBoxItem.h"

#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"
#include "framework/shell/ClipboardFormats.h"
#include "framework/shellui/OleDataObject.h"

#include <memory>
#include <vector>

IMPLEMENT_SERIAL(CQYToolBoxItem, CObject, 0)

namespace {

constexpr UINT kArchiveBuffer = 4096;

// Reads the transfer form from a file; FALSE on any archive or file fault.
BOOL ReadFromFile(CQYToolBoxItem* pItem, CFile* pFile)
{
    try {
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
        pItem->SerializeData(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

} // namespace

void CQYToolBoxItem::SerializeData(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strName;
        ar << static_cast<LONG>(m_nType);
        ar << m_strData;
        ar << static_cast<DWORD>(m_crTransparent);
        return;
    }
    LONG nType = 0;
    DWORD crTransparent = 0;
    ar >> m_strName;
    ar >> nType;
    ar >> m_strData;
    ar >> crTransparent;
    m_nType = static_cast<int>(nType);
    m_crTransparent = crTransparent;
}

UINT QYGetToolBoxItemFormat()
{
    static const UINT nFormat = ::RegisterClipboardFormat("Form ToolBox Item");
    return nFormat;
}

BOOL QYReadToolBoxItem(CQYToolBoxItem* pItem, COleDataObject* pDataObject)
{
    if (pItem == nullptr || pDataObject == nullptr)
        return FALSE;
    std::unique_ptr<CFile> pFile;
    try {
        pFile.reset(pDataObject->GetFileData(static_cast<CLIPFORMAT>(QYGetToolBoxItemFormat())));
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    if (!pFile)
        return FALSE;
    return ReadFromFile(pItem, pFile.get());
}

BOOL QYReadToolBoxItemBytes(CQYToolBoxItem* pItem, const BYTE* pBytes, size_t nSize)
{
    if (pItem == nullptr)
        return FALSE;
    std::vector<BYTE> bytes(pBytes, pBytes + nSize);
    bytes.push_back(0);
    CMemFile file(bytes.data(), static_cast<UINT>(nSize));
    return ReadFromFile(pItem, &file);
}

HGLOBAL QYWriteToolBoxItemData(CQYToolBoxItem* pItem)
{
    if (pItem == nullptr)
        return nullptr;
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, kArchiveBuffer);
    {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        pItem->SerializeData(ar);
        ar.Close();
    }
    return file.Detach();
}
