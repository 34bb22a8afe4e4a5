// Fuzz target: the picture holders' readers over the same bytes: a BMP
// file, a document's picture record, an icon file and a Windows metafile's
// headers.  A picture that
// loads is drawn, written back and read again.
#include "FuzzSupport.h"

#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "library/shapes/QYImageBaseObj.h"
#include "library/shapes/QYImageIcon.h"
#include "library/shapes/QYImageMetaFile.h"
#include "library/shapes/QYMetaFileFormat.h"

#include <cstddef>
#include <cstdint>

namespace {

void Exercise(CQYImageBaseObj &image)
{
    if (image.IsEmpty())
        return;
    {
        FuzzCanvas canvas(16, 16);
        image.Draw(canvas.DC(), 0, 0, 16, 16, 0, 0, image.GetWidth(), image.GetHeight(), SRCCOPY);
    }
    CMemFile out;
    image.WriteToFile(&out);
    out.SeekToBegin();
    CQYImageBaseObj reread;
    reread.ReadFromFile(&out);
}

// Reads a document record of the picture from the bytes; false when the
// archive refuses them.
template <class Picture>
bool LoadRecord(const uint8_t *data, size_t size, Picture &picture)
{
    FuzzInputFile input(data, size);
    try {
        CArchive ar(input.File(), CArchive::load);
        picture.Serialize(ar);
    } catch (CException *e) {
        e->Delete();
        return false;
    }
    return true;
}

void ReadAsFile(const uint8_t *data, size_t size)
{
    FuzzInputFile input(data, size);
    CQYImageBaseObj image;
    image.ReadFromFile(input.File());
    Exercise(image);
}

void ReadAsRecord(const uint8_t *data, size_t size)
{
    CQYImageBaseObj image;
    if (LoadRecord(data, size, image))
        Exercise(image);
}

void ReadAsIcon(const uint8_t *data, size_t size)
{
    CQYImageIcon icon;
    icon.LoadIconBytes(data, size, RGB(192, 192, 192));
    Exercise(icon);
}

void ReadAsMetaFile(const uint8_t *data, size_t size)
{
    QYWinMetaFileSpan span;
    if (!QYFindWinMetaFile(data, size, &span))
        return;
    // The records the engine would be given lie within the bytes.
    volatile uint8_t last = data[span.nOffset + span.nBytes - 1];
    (void)last;
    FuzzInputFile input(data, size);
    CQYImageMetaFile picture;
    if (!picture.ReadMetaFile(input.File()))
        return;
    FuzzCanvas canvas(16, 16);
    picture.Draw(canvas.DC(), CRect(0, 0, 16, 16), 11);
}

void ReadAsMetaFileRecord(const uint8_t *data, size_t size)
{
    CQYImageMetaFile picture;
    LoadRecord(data, size, picture);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
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
