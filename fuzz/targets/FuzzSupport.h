// Helpers the fuzz targets share: the input bytes as a memory file, a small
// memory canvas to draw what was read, and playing an enhanced metafile
// onto such a canvas.
#pragma once

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/EnhMetaFile.h"
#include "framework/object/File.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// A memory file over a private copy of the input: a memory file wants
// bytes it may write to, and the fuzzer's input is read-only.
class FuzzInputFile {
public:
    FuzzInputFile(const uint8_t *data, size_t size)
        : m_bytes(data, data + size), m_file(m_bytes.data(), static_cast<UINT>(m_bytes.size()))
    {
    }
    FuzzInputFile(const FuzzInputFile &) = delete;
    FuzzInputFile &operator=(const FuzzInputFile &) = delete;

    CMemFile *File() { return &m_file; }

private:
    std::vector<BYTE> m_bytes;
    CMemFile m_file;
};

// A memory context with a 32-bit bitmap of the given size selected into
// it; the context's own bitmap is selected back before either goes.
class FuzzCanvas {
public:
    FuzzCanvas(int width, int height)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        m_pOld = m_dc.SelectObject(&m_bitmap);
    }
    ~FuzzCanvas() { m_dc.SelectObject(m_pOld); }
    FuzzCanvas(const FuzzCanvas &) = delete;
    FuzzCanvas &operator=(const FuzzCanvas &) = delete;

    CDC *DC() { return &m_dc; }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap *m_pOld = nullptr;
};

// Plays the metafile into each target rectangle of a 64 x 48 canvas, then
// frees the temporary wrappers the drawing made so runs do not pile them up.
inline void PlayOnCanvas(HENHMETAFILE emf, std::initializer_list<RECT> targets)
{
    {
        FuzzCanvas canvas(64, 48);
        for (const RECT &target : targets)
            PlayEnhMetaFile(canvas.DC()->GetSafeHdc(), emf, &target);
    }
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}
