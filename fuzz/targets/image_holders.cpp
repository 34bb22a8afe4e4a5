// Fuzz target: the picture holders' readers over the same bytes: a BMP
// file, a document's picture record, an icon file and a Windows metafile's
// headers.  A picture that
// loads is drawn, written back and read again.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "library/shapes/QYImageBaseObj.h"
#include "library/shapes/QYImageIcon.h"
#include "library/shapes/QYImageMetaFile.h"
#include "library/shapes/QYMetaFileFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void Exercise(CQYImageBaseObj& image)
{
    if (image.IsEmpty())
        return;
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(16, 16, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    image.Draw(&dc, 0, 0, 16, 16, 0, 0, image.GetWidth(), image.GetHeight(), SRCCOPY);
    dc.SelectObject(pOld);
    CMemFile out;
    image.WriteToFile(&out);
    out.SeekToBegin();
    CQYImageBaseObj reread;
    reread.ReadFromFile(&out);
}

void ReadAsFile(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CQYImageBaseObj image;
    image.ReadFromFile(&file);
    Exercise(image);
}

void ReadAsRecord(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CQYImageBaseObj image;
    try {
        CArchive ar(&file, CArchive::load);
        image.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return;
    }
    Exercise(image);
}

void ReadAsIcon(const uint8_t* data, size_t size)
{
    CQYImageIcon icon;
    icon.LoadIconBytes(data, size, RGB(192, 192, 192));
    Exercise(icon);
}

void ReadAsMetaFile(const uint8_t* data, size_t size)
{
    QYWinMetaFileSpan span;
    if (!QYFindWinMetaFile(data, size, &span))
        return;
    // The records the engine would be given lie within the bytes.
    volatile uint8_t last = data[span.nOffset + span.nBytes - 1];
    (void)last;
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CQYImageMetaFile picture;
    if (!picture.ReadMetaFile(&file))
        return;
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(16, 16, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    picture.Draw(&dc, CRect(0, 0, 16, 16), 11);
    dc.SelectObject(pOld);
}

void ReadAsMetaFileRecord(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CQYImageMetaFile picture;
    try {
        CArchive ar(&file, CArchive::load);
        picture.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    ReadAsFile(data, size);
    ReadAsRecord(data, size);
    ReadAsIcon(data, size);
    ReadAsMetaFile(data, size);
    ReadAsMetaFileRecord(data, size);
    return 0;
}
