// Zeroed 32-bit images whose pixel memory is recycled.  A window paint
// makes an off-screen bitmap of the clip box's size and drops it again;
// the next paint's bitmap of that size takes the same memory back instead
// of mapping fresh pages (each one faulted in and cleared by the system).
// Framework-internal.
#pragma once

#include <QImage>

namespace PixelBuffers {

// A width x height image in QImage::Format_RGB32 whose words are all 0; a
// null image when the memory cannot be had.
QImage NewZeroedImage(int width, int height);

} // namespace PixelBuffers
