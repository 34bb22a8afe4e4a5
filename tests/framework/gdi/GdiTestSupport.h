// Shared helpers of the drawing tests: an image canvas with a context on
// it and pixel probes.
#pragma once

#include <QImage>

#include "framework/gdi/CDC.h"

#include <gtest/gtest.h>

#include <algorithm>
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

inline std::ostream &operator<<(std::ostream &os, const RECT &r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
