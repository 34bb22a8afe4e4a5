#include "framework/resources/ImageResourceBytes.h"

#include "framework/resources/ResourceImages.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kIconDirectory = 6;
constexpr size_t kIconEntry = 16;

DWORD U32(const QByteArray &b, size_t at)
{
    DWORD v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}

WORD U16(const QByteArray &b, size_t at)
{
    return static_cast<WORD>(static_cast<BYTE>(b[at]) | static_cast<BYTE>(b[at + 1]) << 8);
}

void Put16(QByteArray &b, WORD v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray &b, DWORD v)
{
    Put16(b, static_cast<WORD>(v & 0xFFFF));
    Put16(b, static_cast<WORD>(v >> 16));
}

bool ReadFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// A 32-bit bottom-up packed DIB of any image Qt reads.
bool EncodeDib(const QByteArray &file, QByteArray &dib)
{
    QImage image = QImage::fromData(file);
    if (image.isNull())
        return false;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const DWORD rowBytes = static_cast<DWORD>(image.width()) * 4;
    dib.clear();
    for (DWORD v : {40u, DWORD(image.width()), DWORD(image.height())})
        Put32(dib, v);
    Put16(dib, 1);
    Put16(dib, 32);
    for (DWORD v : {0u, rowBytes * DWORD(image.height()), 0u, 0u, 0u, 0u})
        Put32(dib, v);
    for (int y = image.height() - 1; y >= 0; --y)
        dib.append(reinterpret_cast<const char *>(image.constScanLine(y)), static_cast<qsizetype>(rowBytes));
    return true;
}

// A BMP file's packed DIB is the file after its 14-byte header when the rows
// follow the colour table directly; otherwise the picture is re-encoded.
bool BitmapDib(const QByteArray &file, QByteArray &dib)
{
    const size_t size = static_cast<size_t>(file.size());
    if (size > kFileHeader + 40 && file[0] == 'B' && file[1] == 'M') {
        const DWORD offBits = U32(file, 10), headerSize = U32(file, kFileHeader);
        const WORD bitCount = U16(file, kFileHeader + 14);
        const DWORD used = U32(file, kFileHeader + 32);
        const DWORD compression = U32(file, kFileHeader + 16);
        DWORD table = bitCount <= 8 ? (used ? used : 1u << bitCount) * 4 : 0;
        if (compression == 3 && headerSize == 40)
            table = 12;
        if (headerSize >= 40 && offBits == kFileHeader + headerSize + table && offBits < size) {
            dib = file.mid(kFileHeader);
            return true;
        }
    }
    return EncodeDib(file, dib);
}

struct IconImage {
    QByteArray entry; // the directory entry's first 12 bytes
    QByteArray bytes; // the image
};

// The images of an .ico file, each checked to lie within the file; an image
// file of another format becomes a one-image icon of its own bytes.
bool IconImages(const QByteArray &file, std::vector<IconImage> &images)
{
    const size_t size = static_cast<size_t>(file.size());
    images.clear();
    if (size >= kIconDirectory && U16(file, 0) == 0 && U16(file, 2) == 1) {
        const WORD count = U16(file, 4);
        if (count == 0 || size < kIconDirectory + static_cast<size_t>(count) * kIconEntry)
            return false;
        for (WORD i = 0; i < count; ++i) {
            const size_t at = kIconDirectory + static_cast<size_t>(i) * kIconEntry;
            const DWORD length = U32(file, at + 8), offset = U32(file, at + 12);
            if (length == 0 || offset > size || length > size - offset)
                return false;
            images.push_back({file.mid(static_cast<qsizetype>(at), 12), file.mid(offset, length)});
        }
        return true;
    }
    const QImage image = QImage::fromData(file);
    if (image.isNull())
        return false;
    QByteArray entry;
    entry.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
    entry.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
    entry.append('\0');
    entry.append('\0');
    Put16(entry, 1);
    Put16(entry, 32);
    Put32(entry, static_cast<DWORD>(file.size()));
    images.push_back({entry, file});
    return true;
}

// Entry ids of the registered icons' images, handed out once.
struct IconIds {
    std::mutex lock;
    std::map<UINT, WORD> firstId;                // icon resource id -> id of its first image
    std::map<WORD, std::pair<UINT, int>> images; // entry id -> icon and image index
    WORD next = 1;
};

IconIds &TheIds()
{
    static IconIds ids;
    return ids;
}

bool LoadIcon(UINT nID, std::vector<IconImage> &images)
{
    QString path;
    if (!PlexoRegisteredImagePath(nID, true, path))
        return false;
    QByteArray file;
    return ReadFile(path, file) && IconImages(file, images);
}

// Gives every registered icon's images their ids (in the order of the icons' ids).
void AssignIds(IconIds &ids)
{
    for (UINT nID : PlexoRegisteredIconIds()) {
        if (ids.firstId.count(nID))
            continue;
        std::vector<IconImage> images;
        if (!LoadIcon(nID, images) || ids.next + images.size() > 0xFFFF)
            continue;
        ids.firstId[nID] = ids.next;
        for (size_t i = 0; i < images.size(); ++i)
            ids.images[static_cast<WORD>(ids.next + i)] = {nID, static_cast<int>(i)};
        ids.next = static_cast<WORD>(ids.next + images.size());
    }
}

bool GroupBytes(UINT nID, QByteArray &bytes)
{
    std::vector<IconImage> images;
    IconIds &ids = TheIds();
    std::lock_guard<std::mutex> guard(ids.lock);
    AssignIds(ids);
    auto first = ids.firstId.find(nID);
    if (first == ids.firstId.end() || !LoadIcon(nID, images))
        return false;
    bytes.clear();
    Put16(bytes, 0);
    Put16(bytes, 1);
    Put16(bytes, static_cast<WORD>(images.size()));
    for (size_t i = 0; i < images.size(); ++i) {
        bytes.append(images[i].entry);
        Put16(bytes, static_cast<WORD>(first->second + i));
    }
    return true;
}

bool IconImageBytes(UINT id, QByteArray &bytes)
{
    IconIds &ids = TheIds();
    std::lock_guard<std::mutex> guard(ids.lock);
    AssignIds(ids);
    auto found = ids.images.find(static_cast<WORD>(id));
    std::vector<IconImage> images;
    if (id > 0xFFFF || found == ids.images.end() || !LoadIcon(found->second.first, images) ||
        static_cast<size_t>(found->second.second) >= images.size())
        return false;
    bytes = images[static_cast<size_t>(found->second.second)].bytes;
    return true;
}

} // namespace

bool PlexoImageResourceBytes(UINT nID, LPCTSTR lpType, QByteArray &bytes)
{
    if (lpType == RT_BITMAP) {
        QString path;
        QByteArray file;
        return PlexoRegisteredImagePath(nID, false, path) && ReadFile(path, file) && BitmapDib(file, bytes);
    }
    if (lpType == RT_GROUP_ICON)
        return GroupBytes(nID, bytes);
    if (lpType == RT_ICON)
        return IconImageBytes(nID, bytes);
    return false;
}
