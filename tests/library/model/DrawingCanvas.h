// The drawing tests' canvas: a square 32-bit bitmap selected into a memory
// device context and filled with one colour, probed pixel by pixel.
#pragma once

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"

#include <gtest/gtest.h>

#include <vector>

class DrawingCanvas : public ::testing::Test {
protected:
    static constexpr COLORREF kCanvasWhite = RGB(255, 255, 255);

    explicit DrawingCanvas(int nSize, COLORREF crBackground = kCanvasWhite)
        : m_nSize(nSize), m_crBackground(crBackground)
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(m_bitmap.CreateBitmap(m_nSize, m_nSize, 1, 32, nullptr));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        Clear();
    }
    void TearDown() override { m_dc.SelectObject(m_pOldBitmap); }

    // Fills the whole canvas with its background colour again.
    void Clear() { m_dc.FillSolidRect(0, 0, m_nSize, m_nSize, m_crBackground); }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }
    // Every pixel, row by row.
    std::vector<COLORREF> Snapshot() const
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < m_nSize; ++y)
            for (int x = 0; x < m_nSize; ++x)
                pixels.push_back(Pixel(x, y));
        return pixels;
    }
    // TRUE when every pixel outside the rectangle still has the background
    // colour.
    bool OutsideIsBackground(const CRect& rect) const
    {
        for (int y = 0; y < m_nSize; ++y)
            for (int x = 0; x < m_nSize; ++x)
                if (!rect.PtInRect(CPoint(x, y)) && Pixel(x, y) != m_crBackground)
                    return false;
        return true;
    }
    // The number of pixels of colour cr inside the rectangle.
    int CountColour(const CRect& rect, COLORREF cr) const
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += Pixel(x, y) == cr;
        return n;
    }

    const int m_nSize;
    const COLORREF m_crBackground;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};
