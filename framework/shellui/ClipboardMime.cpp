#include "framework/shellui/ClipboardMime.h"

#include "framework/gdi/GdiObject.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/object/GlobalMemory.h"
#include "framework/shell/ClipboardFormats.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QPainter>

#include <cstring>

namespace {

const char kUtf8Text[] = "text/plain;charset=utf-8";
const char kPlainText[] = "text/plain";
// Bitmaps larger than this are refused rather than decoded.
constexpr long long kMaxImagePixels = 1LL << 27;

bool IsText(UINT format)
{
    return format == CF_TEXT || format == CF_OEMTEXT;
}

QByteArray MimeTypeOf(UINT format)
{
    return QByteArray(PlexoClipboardFormatMimeType(format).GetString());
}

bool IsRegistered(UINT format)
{
    return format >= 0xC000 && !MimeTypeOf(format).isEmpty();
}

// The bytes of a global block; for text only those before the first zero.
bool BlockBytes(HGLOBAL hMem, bool stopAtZero, QByteArray &bytes)
{
    const size_t size = GlobalSize(hMem);
    const char *data = static_cast<const char *>(GlobalLock(hMem));
    if (!data)
        return false;
    size_t length = size;
    if (stopAtZero) {
        const void *zero = std::memchr(data, 0, size);
        if (zero)
            length = static_cast<size_t>(static_cast<const char *>(zero) - data);
    }
    bytes = QByteArray(data, static_cast<qsizetype>(length));
    GlobalUnlock(hMem);
    return true;
}

bool PutBitmap(QMimeData &mime, HANDLE hData)
{
    auto bitmap = GdiHandles::LookupAs<BitmapData>(static_cast<HGDIOBJ>(hData), GdiObjectKind::Bitmap);
    if (!bitmap)
        return false;
    // A DIB section's pixels may have been changed through its bits since
    // the last drawing: take the picture as it is now.
    const QImage &picture = bitmap->Current();
    if (picture.isNull())
        return false;
    for (const char *type : {"PNG", "BMP"}) {
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, type))
            return false;
        mime.setData(QByteArray("image/") + QByteArray(type).toLower(), encoded);
    }
    return true;
}

// The first image the MIME data holds that Qt can decode within the size
// limit; a null image when there is none.
QImage ImageOf(const QMimeData &mime)
{
    if (mime.hasImage()) {
        QImage image = qvariant_cast<QImage>(mime.imageData());
        if (!image.isNull())
            return image;
    }
    for (const QString &type : mime.formats()) {
        if (!type.startsWith(QLatin1String("image/")))
            continue;
        QImage image = QImage::fromData(mime.data(type));
        if (!image.isNull())
            return image;
    }
    return QImage();
}

bool HasImageFormat(const QMimeData &mime)
{
    if (mime.hasImage())
        return true;
    for (const QString &type : mime.formats())
        if (type.startsWith(QLatin1String("image/")))
            return true;
    return false;
}

HANDLE MakeBitmap(const QMimeData &mime)
{
    QImage image = ImageOf(mime);
    if (image.isNull() || static_cast<long long>(image.width()) * image.height() > kMaxImagePixels)
        return nullptr;
    auto bitmap = std::make_shared<BitmapData>();
    // Transparent pixels show white, as on a pasted opaque bitmap.
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (opaque.isNull())
        return nullptr;
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    bitmap->image = opaque;
    bitmap->bitsPixel = 32;
    return GdiHandles::Insert(std::move(bitmap));
}

} // namespace

namespace ClipboardMime {

bool IsTransferable(UINT format)
{
    return IsText(format) || format == CF_BITMAP || IsRegistered(format);
}

bool Put(QMimeData &mime, UINT format, HANDLE hData)
{
    if (!hData)
        return false;
    if (format == CF_BITMAP)
        return PutBitmap(mime, hData);
    if (!IsText(format) && !IsRegistered(format))
        return false;
    QByteArray bytes;
    if (!BlockBytes(hData, IsText(format), bytes))
        return false;
    if (!IsText(format)) {
        mime.setData(MimeTypeOf(format), bytes);
        return true;
    }
    // Text goes out as the toolkit offers text: under "text/plain", which
    // X11 programs reach as UTF8_STRING, STRING, TEXT and text/plain
    // (terminals and older toolkits ask for nothing else), and under the
    // explicit UTF-8 type for programs that ask for it by name.
    mime.setData(kUtf8Text, bytes);
    mime.setData(kPlainText, bytes);
    return true;
}

bool Has(const QMimeData &mime, UINT format)
{
    if (IsText(format))
        return mime.hasFormat(kUtf8Text) || mime.hasFormat(kPlainText);
    if (format == CF_BITMAP)
        return HasImageFormat(mime);
    return IsRegistered(format) && mime.hasFormat(MimeTypeOf(format));
}

bool Bytes(const QMimeData &mime, UINT format, QByteArray &bytes)
{
    if (IsText(format)) {
        if (mime.hasFormat(kUtf8Text))
            bytes = mime.data(kUtf8Text);
        else if (mime.hasFormat(kPlainText))
            bytes = mime.data(kPlainText);
        else
            return false;
        return true;
    }
    if (!IsRegistered(format) || !mime.hasFormat(MimeTypeOf(format)))
        return false;
    bytes = mime.data(MimeTypeOf(format));
    return true;
}

HGLOBAL GlobalFromBytes(const QByteArray &bytes, bool addTerminatingZero)
{
    const size_t size = static_cast<size_t>(bytes.size()) + (addTerminatingZero ? 1 : 0);
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!hMem)
        return nullptr;
    if (!bytes.isEmpty()) {
        void *data = GlobalLock(hMem);
        std::memcpy(data, bytes.constData(), static_cast<size_t>(bytes.size()));
        GlobalUnlock(hMem);
    }
    return hMem;
}

HANDLE MakeHandle(const QMimeData &mime, UINT format)
{
    if (format == CF_BITMAP)
        return MakeBitmap(mime);
    QByteArray bytes;
    if (!Bytes(mime, format, bytes))
        return nullptr;
    return GlobalFromBytes(bytes, IsText(format));
}

QMimeData *Copy(const QMimeData &mime)
{
    auto *copy = new QMimeData;
    for (const QString &type : mime.formats())
        copy->setData(type, mime.data(type));
    if (mime.hasImage() && !copy->hasFormat(QStringLiteral("image/png")))
        copy->setImageData(mime.imageData());
    return copy;
}

} // namespace ClipboardMime
