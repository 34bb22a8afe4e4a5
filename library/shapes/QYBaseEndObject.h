// A line end: the small persistent object that draws the decoration (arrow
// head, bar, circle, diamond...) at one end of an open line.  The owner
// hands it the tip and the tip's neighbour on the line and asks it to
// draw; the 39 shapes (QYArrowObjects.h) differ only in the points they
// compute and in how they stroke or fill them.
#pragma once

#include "framework/collections/Arrays.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/Pen.h"
#include "framework/object/Object.h"
#include "library/model/QYArea.h"
#include "library/model/QYFilePersistence.h"
#include "library/shapes/QYArrowTypes.h"

class CDC;

// The most points a line end computes; a stored record with more is bad.
#define QY_MAX_LINE_END_POINTS 16

class CQYBaseEndObject : public CObject {
    DECLARE_SERIAL(CQYBaseEndObject)
public:
    CQYBaseEndObject();
    // The settings only: no points and no cached pen or brush.
    CQYBaseEndObject(const CQYBaseEndObject& src);
    ~CQYBaseEndObject() override;

    // Length, width, both line points, fill, transparency, pen width and
    // colour, null pen, pen style, brush kind, hatch style and colour, the
    // point count and the points.  Loading refuses a count above 16 and
    // changes nothing on a bad record.
    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    // Stores the tip and its neighbour, then rebuilds the points.
    virtual void SetLinePoints(const CPoint& ptStart, const CPoint& ptEnd);
    virtual void SetLinePoints(int x1, int y1, int x2, int y2);
    virtual void GetLinePoints(CPoint& ptStart, CPoint& ptEnd);
    // A new line end of this one's class with its settings.
    virtual CQYBaseEndObject* Copy() const;
    // Rebuilds the points, then the area as their polygon.
    virtual void GeometryUpdated(CQYArea* pRgn);
    virtual void PrepareDC(CDC* pDC);
    // PrepareDC, DrawLineEnd, ClearDC.
    virtual void OnDraw(CDC* pDC);
    // The head with whatever pen and brush the DC holds (here: the polygon
    // of the points).
    virtual void DrawLineEnd(CDC* pDC);
    virtual void ClearDC(CDC* pDC);
    // Computes the points from the line points (nothing here).
    virtual void BuildLineEnd();
    // Room for nCount points (none for 0 or less), contents undefined.
    virtual void AllocMemory(int nCount);
    virtual void GetPolyPoints(CArray<CPoint, CPoint>* pArray);
    virtual LPPOINT GetPoints();
    virtual void SetPolyPoints(CArray<CPoint, CPoint>* pArray);
    virtual void SetPoints(LPPOINT lpPoints, int nCount);
    virtual void OnCustomProperties();

    CBrush* GetBrush(CDC* pDC);
    CPen* GetPen(CDC* pDC);
    void ReleaseBrush();
    void ReleasePen();
    // Styles outside 0-4 are ignored; the cached pen is dropped in any case.
    void SetPenStyle(int nStyle);
    void SetPenWidth(int nWidth);
    void SetPenColor(COLORREF crColor);
    int GetPointCount() const { return m_nCompPtCount; }

    // Rounds to the nearest integer, halves away from zero.
    static int MoreNear(float f);

    int m_nArrowLength = 16;
    int m_nArrowWidth = 8;
    LPPOINT m_lpCompPoints = nullptr;
    int m_nCompPtCount = 0;
    CBrush* m_pBrush = nullptr;
    int m_nPenWidth = 1;
    COLORREF m_crPenColor = 0x0057564A;
    BOOL m_bNullPen = FALSE;
    int m_nPenStyle = 0;
    CPen* m_pPen = nullptr;
    COLORREF m_crFillColor = 0x0057564A;
    BOOL m_bTransparent = FALSE;
    int m_nBrushType = 0;
    int m_nHatchStyle = 3;
    CPoint m_ptLineStart;
    CPoint m_ptLineEnd;
    COLORREF m_crHatchColor = 0x00FF56FF;

protected:
    // The direction from the neighbour to the tip: cos and sin of its angle.
    struct Direction {
        double c;
        double s;
    };
    Direction GetDirection() const;
    // The point k lengths back from the tip along the line and m half-widths
    // across it.
    POINT HeadPoint(const Direction& d, double k, double m) const;
    // The barbed head's notch and its wings (offsets from the notch).
    POINT BarbNotch(const Direction& d) const;
    POINT BarbWing(const Direction& d, POINT notch, double k, double m) const;
    // Strokes and circles of the drawings.
    void Stroke(CDC* pDC, int a, int b);
    void Outline(CDC* pDC, std::initializer_list<int> indexes, BOOL bClose);
    void FillFirst(CDC* pDC, int nCount);
    void Circle(CDC* pDC, int nIndex, int nRadius, BOOL bFill);
    int HalfLength() const;
};

// The line end of the arrow type code (1 to 39), or NULL for 0 and any
// other code.
CQYBaseEndObject* QYCreateLineEnd(int nType);
