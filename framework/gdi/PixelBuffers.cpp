#include "framework/gdi/PixelBuffers.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// Only buffers up to this size are kept (a window's worth of pixels; page
// exports are made once and need not linger).
constexpr size_t kMaxKeptBytes = size_t{64} << 20;
// At most this many freed buffers wait to be taken again.
constexpr size_t kMaxKept = 2;

// A buffer's size travels with it: the image's clean-up call gets only the
// pointer it was given.
struct Buffer {
    size_t bytes;
    void *pixels;
};

class Pool {
public:
    Buffer *Take(size_t bytes)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (size_t i = 0; i < m_kept.size(); ++i) {
                if (m_kept[i]->bytes == bytes) {
                    Buffer *b = m_kept[i];
                    m_kept.erase(m_kept.begin() + static_cast<std::ptrdiff_t>(i));
                    std::memset(b->pixels, 0, bytes);
                    return b;
                }
            }
        }
        // Fresh memory from calloc is zero already.
        void *pixels = std::calloc(bytes, 1);
        if (pixels == nullptr)
            return nullptr;
        return new Buffer{bytes, pixels};
    }

    void Give(Buffer *b)
    {
        if (b->bytes <= kMaxKeptBytes) {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_kept.size() == kMaxKept) {
                Free(m_kept.front());
                m_kept.erase(m_kept.begin());
            }
            m_kept.push_back(b);
            return;
        }
        Free(b);
    }

private:
    static void Free(Buffer *b)
    {
        std::free(b->pixels);
        delete b;
    }

    std::mutex m_mutex;
    std::vector<Buffer *> m_kept;
};

Pool &ThePool()
{
    // Never destroyed: images may be dropped by other static destructors.
    static Pool *pool = new Pool;
    return *pool;
}

void GiveBack(void *info)
{
    ThePool().Give(static_cast<Buffer *>(info));
}

} // namespace

namespace PixelBuffers {

QImage NewZeroedImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    const size_t stride = static_cast<size_t>(width) * 4;
    const size_t bytes = stride * static_cast<size_t>(height);
    Buffer *b = ThePool().Take(bytes);
    if (b == nullptr)
        return QImage();
    QImage image(static_cast<uchar *>(b->pixels), width, height, static_cast<qsizetype>(stride), QImage::Format_RGB32,
                 GiveBack, b);
    if (image.isNull())
        GiveBack(b);
    return image;
}

} // namespace PixelBuffers
