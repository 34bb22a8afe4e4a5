// Records the drawing calls made on a metafile context as enhanced-metafile
// records. A context that records (HDC__::recorder set) keeps its state as
// any context does, so queries answer as usual, but draws nothing: every
// drawing call becomes a record instead. Objects are written into the
// metafile's object table when first selected and deleted from it once no
// current or saved state of the context holds them. Framework-internal.
#pragma once

#include "framework/gdi/CoordinateMapping.h"
#include "framework/gdi/EmfFormat.h"

#include <QRegion>

#include <QImage>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

class EmfRecorder {
public:
    explicit EmfRecorder(HDC hdc);

    // Attribute records of one or two 32-bit values.
    void Value(DWORD type, DWORD value) { Record(type, {value}); }
    void Pair(DWORD type, LONG a, LONG b) { Record(type, {DWORD(a), DWORD(b)}); }
    void Plain(DWORD type) { Record(type, {}); }
    void Record4(DWORD type, LONG a, LONG b, DWORD c, DWORD d) { Record(type, {DWORD(a), DWORD(b), c, d}); }
    // The mapping value a record type sets, from the context's mapping.
    void Mapping(DWORD type, const CoordinateMapping &mapping);

    void SaveDC();
    void RestoreDC(int level);
    void SelectObject(HGDIOBJ object);

    void Box(DWORD type, int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    void ArcFigure(DWORD type, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void AngleArc(int x, int y, int radius, float start, float sweep);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // POLYLINE, POLYGON, POLYBEZIER and their -TO forms (the 32-bit type; the
    // 16-bit form is written when every point fits).
    void Points(DWORD type32, const POINT *points, int count);
    void PolyPoly(DWORD type32, const POINT *points, const INT *counts, int polys);
    void Pixel(int x, int y, COLORREF colour);
    void Text(int x, int y, UINT options, const RECT *rect, const char *utf8, UINT bytes, const INT *dx);
    void FillWithBrush(const RECT &rect, HGDIOBJ brush);
    void PatBlt(int x, int y, int w, int h, DWORD rop);
    // A transfer with a source: the source pixels go into the record as a DIB.
    void Transfer(int x, int y, int w, int h, const QImage &source, DWORD rop, bool stretch);
    void ClipRegion(const QRegion &deviceRegion, int mode);
    // The vertices (logical) and the mesh of rectangles or triangles.
    void GradientFill(const TRIVERTEX *vertices, ULONG nVertices, const void *mesh, ULONG nMesh, ULONG mode);
    void Region(DWORD type, const QRegion &logicalRegion, HGDIOBJ brush, int w, int h);

    // The whole metafile: header (frame in 0.01 mm, or the drawing's bounds
    // when frame is NULL), records and end record. deviceDpi: the reference
    // device's resolution (a printer's is not the screen's).
    std::vector<BYTE> Finish(const RECT *frame, const std::u16string &description, SIZE devicePixels,
                             SIZE deviceDpi = SIZE{96, 96});

private:
    void Record(DWORD type, std::initializer_list<DWORD> fields);
    size_t Begin(DWORD type);
    void End(size_t start);
    void Put(DWORD v);
    void PutBytes(const void *data, size_t size);
    void Bound(int x, int y);
    void BoundLogical(int x, int y);
    void BoundExtent(int x, int y, int w, int h);
    DWORD SlotOf(HGDIOBJ object);
    DWORD CreateSlot(HGDIOBJ object);
    void Release(HGDIOBJ object);
    bool Held(HGDIOBJ object) const;
    void PutDib(const QImage &image, bool mono, size_t recordStart, size_t offsetField);

    HDC m_hdc;
    std::vector<BYTE> m_bytes;
    DWORD m_records = 0;
    DWORD m_handles = 1; // highest slot used + 1
    std::vector<DWORD> m_freeSlots;
    std::unordered_map<HGDIOBJ, DWORD> m_slots;
    // Objects of each kind (pen, brush, font, palette) in the current and each saved state.
    std::array<HGDIOBJ, 4> m_current{};
    std::vector<std::array<HGDIOBJ, 4>> m_saved;
    bool m_hasBounds = false;
    RECT m_bounds{0, 0, 0, 0};
};
