// Shared helpers of the drawing tests: an image canvas with a context on
// it and pixel probes.
#pragma once

#include <QImage>

#include "framework/gdi/CDC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>

struct Canvas {
    QImage image;
    CDC dc;

    explicit Canvas(int w = 64, int h = 64, COLORREF background = RGB(255, 255, 255))
        : image(w, h, QImage::Format_RGB32)
    {
        image.fill(QColor(GetRValue(background), GetGValue(background), GetBValue(background)));
        EXPECT_TRUE(dc.CreateImageDC(&image));
    }

    COLORREF At(int x, int y) const
    {
        QRgb p = image.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    }

    // The smallest rectangle (exclusive right and bottom) holding every pixel
    // that differs from colour; empty when none does.
    CRect BoundsNot(COLORREF colour) const
    {
        CRect r(image.width(), image.height(), 0, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(x, y) != colour) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r.IsRectEmpty() ? CRect() : r;
    }

    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += At(x, y) == colour;
        return n;
    }
};

// A top-down 32-bit BI_RGB DIB section selected into a memory context,
// filled with the background; its pixels are read from the section's words.
struct DibCanvas {
    int width;
    int height;
    uint32_t *bits = nullptr;
    HBITMAP bitmap = nullptr;
    CDC dc;
    HGDIOBJ previous = nullptr;

    explicit DibCanvas(int w = 32, int h = 32, COLORREF background = RGB(255, 255, 255)) : width(w), height(h)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *pBits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        bits = static_cast<uint32_t *>(pBits);
        EXPECT_NE(bitmap, nullptr);
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        previous = SelectObject(dc.m_hDC, bitmap);
        dc.FillSolidRect(0, 0, w, h, background);
    }
    ~DibCanvas()
    {
        SelectObject(dc.m_hDC, previous);
        dc.DeleteDC();
        DeleteObject(bitmap);
    }
    DibCanvas(const DibCanvas &) = delete;
    DibCanvas &operator=(const DibCanvas &) = delete;

    // The pixel as RGB, from the section's word (0x00RRGGBB).
    COLORREF At(int x, int y) const
    {
        const uint32_t word = bits[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
        return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
    }
    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                n += At(x, y) == colour;
        return n;
    }
};

inline std::ostream &operator<<(std::ostream &os, const RECT &r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
