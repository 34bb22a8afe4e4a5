#include "framework/gdi/EnhMetaFile.h"

#include "framework/gdi/EmfDescription.h"
#include "framework/gdi/EmfFormat.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_set>

struct HENHMETAFILE__ {
    std::vector<BYTE> bytes;
};

namespace {

// Live handles, so a deleted or made-up handle is refused instead of read.
std::unordered_set<HENHMETAFILE> &LiveHandles()
{
    static std::unordered_set<HENHMETAFILE> handles;
    return handles;
}

HENHMETAFILE Find(HENHMETAFILE hemf)
{
    return hemf && LiveHandles().count(hemf) ? hemf : nullptr;
}

bool ValidHeader(Emf::Reader &r, size_t size)
{
    const DWORD headerSize = r.U32(4);
    const DWORD bytes = r.U32(48);
    const DWORD records = r.U32(52);
    const WORD handles = r.U16(56);
    const DWORD descriptionCount = r.U32(60);
    const DWORD descriptionOffset = r.U32(64);
    if (!r.Ok() || r.U32(0) != Emf::HEADER || r.U32(40) != Emf::kSignature)
        return false;
    if (headerSize < Emf::kHeaderMinSize || headerSize % 4 || headerSize > bytes)
        return false;
    if (bytes != size || bytes % 4 || records < 2 || handles == 0)
        return false;
    if (descriptionCount &&
        (descriptionOffset < Emf::kHeaderMinSize || !r.Has(descriptionOffset, 2ull * descriptionCount) ||
         descriptionOffset + 2ull * descriptionCount > headerSize))
        return false;
    return true;
}

} // namespace

namespace EnhMetaFiles {

bool Validate(const BYTE *pb, size_t size)
{
    if (!pb || size < Emf::kHeaderMinSize)
        return false;
    Emf::Reader r(pb, size);
    if (!ValidHeader(r, size))
        return false;
    // Every record lies within the bytes; the last one, and only it, ends the file.
    const DWORD records = r.U32(52);
    size_t at = 0;
    DWORD count = 0;
    DWORD type = 0;
    while (at < size) {
        if (size - at < 8)
            return false;
        type = r.U32(at);
        const DWORD recordSize = r.U32(at + 4);
        if (recordSize < 8 || recordSize % 4 || recordSize > size - at)
            return false;
        if (count > 0 && type == Emf::HEADER)
            return false;
        ++count;
        at += recordSize;
        if (type == Emf::EOF_)
            break;
    }
    return type == Emf::EOF_ && at == size && count == records;
}

const BYTE *Bytes(HENHMETAFILE hemf, size_t *size)
{
    HENHMETAFILE live = Find(hemf);
    if (!live)
        return nullptr;
    *size = live->bytes.size();
    return live->bytes.data();
}

HENHMETAFILE Adopt(std::vector<BYTE> &&bytes)
{
    if (!Validate(bytes.data(), bytes.size()))
        return nullptr;
    auto *hemf = new HENHMETAFILE__{std::move(bytes)};
    LiveHandles().insert(hemf);
    return hemf;
}

} // namespace EnhMetaFiles

HENHMETAFILE SetEnhMetaFileBits(UINT nSize, const BYTE *pb)
{
    if (!EnhMetaFiles::Validate(pb, nSize))
        return nullptr;
    return EnhMetaFiles::Adopt(std::vector<BYTE>(pb, pb + nSize));
}

UINT GetEnhMetaFileBits(HENHMETAFILE hemf, UINT nSize, LPBYTE lpbBuffer)
{
    HENHMETAFILE live = Find(hemf);
    if (!live)
        return 0;
    const UINT size = static_cast<UINT>(live->bytes.size());
    if (!lpbBuffer)
        return size;
    const UINT copied = std::min(nSize, size);
    std::memcpy(lpbBuffer, live->bytes.data(), copied);
    return copied;
}

UINT GetEnhMetaFileHeader(HENHMETAFILE hemf, UINT nSize, LPENHMETAHEADER lpemh)
{
    HENHMETAFILE live = Find(hemf);
    if (!live)
        return 0;
    Emf::Reader r(live->bytes.data(), live->bytes.size());
    const UINT headerSize = std::min<UINT>(r.U32(4), sizeof(ENHMETAHEADER));
    if (!lpemh)
        return headerSize;
    // Older headers stop before the pixel-format and micrometre fields: those read as zero.
    ENHMETAHEADER header{};
    std::memcpy(&header, live->bytes.data(), headerSize);
    const UINT copied = std::min<UINT>(nSize, sizeof header);
    std::memcpy(lpemh, &header, copied);
    return copied;
}

UINT GetEnhMetaFileDescription(HENHMETAFILE hemf, UINT cchBuffer, LPTSTR lpDescription)
{
    HENHMETAFILE live = Find(hemf);
    if (!live)
        return GDI_ERROR;
    // Validation keeps the counted units inside the header record; read them
    // one by one, so an odd offset or a missing terminator reads nothing more.
    Emf::Reader r(live->bytes.data(), live->bytes.size());
    const DWORD count = r.U32(60), offset = r.U32(64);
    std::u16string stored;
    for (DWORD i = 0; i < count && r.Ok(); ++i)
        stored.push_back(static_cast<char16_t>(r.U16(offset + 2ull * i)));
    if (!r.Ok())
        return GDI_ERROR;
    const std::string text = EmfDescription::ToText(stored);
    if (!lpDescription)
        return static_cast<UINT>(text.size());
    const UINT copied = std::min<UINT>(cchBuffer, static_cast<UINT>(text.size()));
    std::memcpy(lpDescription, text.data(), copied);
    return copied;
}

HENHMETAFILE CopyEnhMetaFile(HENHMETAFILE hemfSrc, LPCTSTR lpszFile)
{
    HENHMETAFILE live = Find(hemfSrc);
    if (!live)
        return nullptr;
    if (lpszFile) {
        QFile file(QString::fromUtf8(lpszFile));
        const qint64 size = static_cast<qint64>(live->bytes.size());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(live->bytes.data()), size) != size) {
            file.remove();
            return nullptr;
        }
    }
    auto *copy = new HENHMETAFILE__{live->bytes};
    LiveHandles().insert(copy);
    return copy;
}

BOOL DeleteEnhMetaFile(HENHMETAFILE hemf)
{
    HENHMETAFILE live = Find(hemf);
    if (!live)
        return FALSE;
    LiveHandles().erase(live);
    delete live;
    return TRUE;
}
