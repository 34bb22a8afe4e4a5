#include "library/shapes/QYImageMetaFile.h"

#include "framework/gdi/WinMetaFile.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CQYImageMetaFile, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

// Metafile files larger than this are not read.
constexpr uint64_t kMaxMetaFileBytes = 256u << 20;
// Record bytes are read from archives in steps of this size, so a record
// that lies about its size runs out of bytes before much memory is taken.
constexpr uint64_t kReadStep = 1 << 20;

} // namespace

CQYImageMetaFile::CQYImageMetaFile() = default;

CQYImageMetaFile::~CQYImageMetaFile()
{
    Replace(nullptr);
}

void CQYImageMetaFile::Replace(HENHMETAFILE hEnhMetaFile)
{
    if (m_hEnhMetaFile != nullptr)
        DeleteEnhMetaFile(m_hEnhMetaFile);
    m_hEnhMetaFile = hEnhMetaFile;
}

BOOL CQYImageMetaFile::IsEmpty()
{
    return m_hEnhMetaFile == nullptr;
}

BOOL CQYImageMetaFile::LoadFromFile(LPCTSTR lpszPathName)
{
    try {
        CFile file(lpszPathName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
        return ReadMetaFile(&file);
    } catch (CFileException* e) {
        e->Delete();
        return FALSE;
    }
}

BOOL CQYImageMetaFile::ReadMetaFile(CFile* pFile)
{
    if (pFile == nullptr)
        return FALSE;
    const uint64_t nStart = pFile->GetPosition();
    const uint64_t nLength = pFile->GetLength();
    if (nLength < nStart || nLength - nStart > kMaxMetaFileBytes)
        return FALSE;
    std::vector<BYTE> bytes(static_cast<size_t>(nLength - nStart));
    if (!bytes.empty() && pFile->Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size())
        return FALSE;
    QYWinMetaFileSpan span;
    if (!QYFindWinMetaFile(bytes.data(), bytes.size(), &span))
        return FALSE;
    HENHMETAFILE hEnhMetaFile =
        SetWinMetaFileBits(static_cast<UINT>(span.nBytes), bytes.data() + span.nOffset, nullptr, nullptr);
    if (hEnhMetaFile == nullptr)
        return FALSE;
    std::memcpy(m_placeable, span.placeable, sizeof m_placeable);
    Replace(hEnhMetaFile);
    return TRUE;
}

void CQYImageMetaFile::FitRect(CRect& rc, const CSize& size, int nMode)
{
    QYFitRect(rc, size, nMode);
}

BOOL CQYImageMetaFile::Draw(CDC* pDC, const CRect& rect, int nMode)
{
    if (pDC == nullptr || m_hEnhMetaFile == nullptr)
        return FALSE;
    CRect rc = rect;
    int nInch = 0;
    CRect box;
    if (QYPlaceableFrame(m_placeable, &nInch, &box)) {
        // The picture's size in tenths of a millimetre.
        const CSize size(static_cast<int>(static_cast<int64_t>(box.Width()) * 254 / nInch),
                         static_cast<int>(static_cast<int64_t>(box.Height()) * 254 / nInch));
        FitRect(rc, size, nMode);
    }
    return PlayEnhMetaFile(pDC->GetSafeHdc(), m_hEnhMetaFile, &rc);
}

void CQYImageMetaFile::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.Write(m_placeable, sizeof m_placeable);
        std::vector<BYTE> bytes;
        if (m_hEnhMetaFile != nullptr) {
            bytes.resize(GetEnhMetaFileBits(m_hEnhMetaFile, 0, nullptr));
            if (bytes.empty() ||
                GetEnhMetaFileBits(m_hEnhMetaFile, static_cast<UINT>(bytes.size()), bytes.data()) != bytes.size())
                bytes.clear();
        }
        ar << static_cast<DWORD>(bytes.size());
        if (!bytes.empty())
            ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        return;
    }
    BYTE placeable[kQYPlaceableBlockBytes];
    if (ar.Read(placeable, sizeof placeable) != sizeof placeable)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    DWORD nSize = 0;
    ar >> nSize;
    std::vector<BYTE> bytes;
    while (bytes.size() < nSize) {
        const size_t nDone = bytes.size();
        const size_t nStep = static_cast<size_t>(std::min<uint64_t>(kReadStep, nSize - nDone));
        bytes.resize(nDone + nStep);
        if (ar.Read(bytes.data() + nDone, static_cast<UINT>(nStep)) != nStep)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    std::memcpy(m_placeable, placeable, sizeof m_placeable);
    Replace(bytes.empty() ? nullptr : SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data()));
}
